#include "skin/controls/TSkinButton.h"

#include <windowsx.h>

#include "skin/controls/ControlGeometry.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinForm.h"
#include "widgets/Handles.h"
#include "widgets/TWinControl.h"

namespace vex::skin {

using controls::kHot;
using controls::kPressed;

bool TSkinButton::BeforeMessage(vcl::TMessage& m) {
  if (PaintsItself(m)) return false;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // Kept from the button: it would capture the mouse and paint itself
      // pressed.  Without a capture a press that leaves the button ends with
      // the mouse-leave message.
      if (GetFocus() != Handle) SetFocus(Handle);
      State |= kPressed;
      FMouseDown = true;
      PaintNow();
      m.Result = 0;
      return false;
    default:
      return true;
  }
}

void TSkinButton::AfterMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) break;
      if (m.Msg == WM_KEYDOWN)
        State |= kPressed;
      else
        State &= ~kPressed;
      Redraw();
      return;
    case WM_MOUSEMOVE: {
      // Windows of system dialogs get no mouse-enter message.
      if (State & kHot) return;
      State |= kHot;
      const bool alreadyHot = Frame() && Frame()->HotControl == this;
      BecomeHot();
      if (!alreadyHot) Redraw();
      return;
    }
    case WM_LBUTTONUP: {
      const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      RECT client{};
      GetClientRect(Handle, &client);
      // A click needs the press too: a release after a press that began
      // elsewhere (dragged onto the button) is none.
      const bool click = FMouseDown && PtInRect(&client, p);
      State &= ~kPressed;
      FMouseDown = false;
      const HWND window = Handle;
      const bool hasObject = Control != nullptr;
      Redraw();
      if (click && IsWindow(window)) {
        const WPARAM command = hasObject ? 0 : MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED);
        PostMessageA(GetParent(window), WM_COMMAND, command, reinterpret_cast<LPARAM>(window));
      }
      return;
    }
    case vcl::CM_MOUSEENTER:
      RefreshEnabled();
      if (!Enabled) return;
      State |= kHot;
      Redraw();
      BecomeHot();
      return;
    case vcl::CM_MOUSELEAVE:
      // Cleared even while disabled, so that a button enabled again does
      // not come back hot.
      State &= ~(kHot | kPressed);
      FMouseDown = false;
      Redraw();
      LeaveHot();
      return;
    case BM_SETSTYLE:
    case BM_SETSTATE:
      // The button paints itself at once on these (default frame, pushed
      // look): paint the skin over it again.
      Redraw();
      return;
    default:
      break;
  }
  TSkinControl::AfterMessage(m);
}

COLORREF TSkinButton::TextColour(int stateFrame, bool enabled) const {
  const TDataSkinButton& b = SkinData->Buttons;
  switch (controls::ButtonTextInk(stateFrame, enabled)) {
    case controls::ButtonInk::kNormalColour: return vcl::ColorToRGB(b.NormalColour2);
    case controls::ButtonInk::kMouseOverColour: return vcl::ColorToRGB(b.MouseOverColour2);
    case controls::ButtonInk::kPressedColour: return vcl::ColorToRGB(b.PressedColour2);
    case controls::ButtonInk::kShadow: return GetSysColor(COLOR_BTNSHADOW);
    default: return vcl::ColorToRGB(SkinData->ButtonText);
  }
}

void TSkinButton::Draw(HDC dc, const RECT& rect) {
  TScratchBitmap* buffer = ScratchBitmap();
  if (!SkinData || SkinData->Buttons.Image.Empty() || !buffer) return;
  RefreshEnabled();
  if (Caption.empty() && Control) Caption = Control->Caption();
  const int frame = controls::PushButtonFrame(State & kPressed, State & kHot, Focused, Enabled);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const RECT local{0, 0, w, h};
  buffer->SetSize(w, h);
  PaintElement(local, SkinData->Buttons, SkinData->Buttons.Trans, 5, frame);
  HDC out = buffer->Dc();
  vcl::DcState saved(out);
  if (Font) SelectObject(out, Font);
  SetTextColor(out, TextColour(frame, Enabled));
  DrawCaption(out, local, DT_CENTER, Enabled, Caption);
  DrawFocusCue(out, local, 3);  // where a native push button has it
  BlitBuffer(dc, rect);
}

}  // namespace vex::skin
