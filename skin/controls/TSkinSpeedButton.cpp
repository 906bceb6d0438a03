#include "skin/controls/TSkinSpeedButton.h"

#include <algorithm>

#include "skin/controls/ControlGeometry.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinForm.h"
#include "widgets/Handles.h"
#include "widgets/TSpeedButton.h"
#include "widgets/TWinControl.h"

namespace vex::skin {

using controls::kHot;
using controls::kPressed;

void TSkinSpeedButton::AttachSpeedButton(vcl::TSpeedButton* button, TSkinData* skin, vcl::TCanvas* canvas) {
  if (!button || Attached()) return;
  SkinData = skin;
  Canvas = canvas;
  FSpeedButton = button;
  HookWindowProc(button);
  if (Frame()) Frame()->ControlSkinners.push_back(this);
}

void TSkinSpeedButton::Detach() {
  if (FSpeedButton) UnhookWindowProc(FSpeedButton);
  FSpeedButton = nullptr;
  TSkinBitButton::Detach();
}

void TSkinSpeedButton::Notification(vcl::TComponent* component, vcl::TOperation operation) {
  TSkinBitButton::Notification(component, operation);
  if (operation == vcl::opRemove && component == FSpeedButton) {
    FSpeedButton = nullptr;
    OldWindowProc = nullptr;
    LeaveHot();
  }
}

bool TSkinSpeedButton::BeforeMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      // The parent paints its windowless children with its DC in WParam,
      // the origin moved to the button.
      if (!m.WParam || !FSpeedButton) return true;
      PaintSpeedButton(reinterpret_cast<HDC>(m.WParam), RECT{0, 0, FSpeedButton->Width(), FSpeedButton->Height()});
      m.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button presses (and groups) itself; the skinner shows it.
      PressAfterOwnProc(m);
      return false;
    default:
      return true;
  }
}

void TSkinSpeedButton::AfterMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) break;
      State = m.Msg == WM_KEYDOWN ? State | kPressed : State & ~kPressed;
      PaintNow();
      return;
    case WM_LBUTTONUP:
      State &= ~kPressed;
      PaintNow();
      return;
    case vcl::CM_MOUSEENTER:
      State |= kHot;
      PaintNow();
      return;
    case vcl::CM_MOUSELEAVE:
      State &= ~(kHot | kPressed);
      PaintNow();
      LeaveHot();
      return;
    default:
      break;
  }
  TSkinBitButton::AfterMessage(m);
}

void TSkinSpeedButton::PaintNow() {
  vcl::TWinControl* parent = FSpeedButton ? FSpeedButton->Parent() : nullptr;
  if (!parent || !parent->HandleAllocated() || !FSpeedButton->Visible()) return;
  const RECT bounds = FSpeedButton->BoundsRect();
  WindowRect = bounds;
  MapWindowPoints(parent->Handle(), nullptr, reinterpret_cast<POINT*>(&WindowRect), 2);
  vcl::WindowDc dc(parent->Handle());
  if (!dc.get()) return;
  vcl::DcState saved(dc.get());
  IntersectClipRect(dc.get(), bounds.left, bounds.top, bounds.right, bounds.bottom);
  try {
    PaintSpeedButton(dc.get(), bounds);
  } catch (...) {
  }
}

void TSkinSpeedButton::PaintSpeedButton(HDC target, const RECT& rect) {
  TScratchBitmap* buffer = ScratchBitmap();
  vcl::TSpeedButton* button = FSpeedButton;
  if (!SkinData || SkinData->Buttons.Image.Empty() || !buffer || !button) return;
  const TDataSkinButton& skin = SkinData->Buttons;
  const bool enabled = button->Enabled();
  const int frame = controls::SpeedButtonFrame(State & kPressed, State & kHot, enabled, button->Down());
  const int numGlyphs = std::max(1, button->NumGlyphs());
  const int glyphFrame = controls::SpeedGlyphFrame(frame, numGlyphs);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const RECT local{0, 0, w, h};
  buffer->SetSize(w, h);
  HDC out = buffer->Dc();
  vcl::DcState saved(out);
  SelectObject(out, button->Font().Handle());
  PaintElement(local, SkinData->Buttons, skin.Trans, skin.FrameCount, frame);

  const std::string caption = button->Caption();
  if (!button->Glyph().Empty()) {
    DrawGlyphAndCaption(out, w, h,
                        {&button->Glyph(), numGlyphs, glyphFrame, &caption, button->Layout(), button->Margin(),
                         button->Spacing(), true, TextColour(frame, enabled)});
  } else {
    // No glyph: the caption in the button's own colour (the program's red
    // options button stays red).
    SetTextColor(out, vcl::ColorToRGB(button->Font().Color()));
    DrawCaption(out, local, DT_CENTER, enabled, caption);
  }
  BitBlt(target, rect.left, rect.top, w, h, out, 0, 0, SRCCOPY);
}

}  // namespace vex::skin
