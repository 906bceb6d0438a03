#include "skin/controls/TSkinBitButton.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "widgets/Handles.h"
#include "widgets/TBitBtn.h"

namespace vex::skin {

using controls::kHot;
using controls::kPressed;

void TSkinBitButton::Draw(HDC dc, const RECT& rect) {
  TScratchBitmap* buffer = ScratchBitmap();
  auto* button = dynamic_cast<vcl::TBitBtn*>(Control);
  if (!SkinData || SkinData->Buttons.Image.Empty() || !buffer || !button) return;
  RefreshState();
  const bool enabled = button->Enabled() && Enabled;
  const TDataSkinButton& skin = SkinData->Buttons;
  const int frame = controls::BitButtonFrame(button->Focused(), State & kPressed, State & kHot, enabled);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const RECT local{0, 0, w, h};
  buffer->SetSize(w, h);
  HDC out = buffer->Dc();
  vcl::DcState saved(out);
  SelectObject(out, button->Font().Handle());
  PaintElement(local, SkinData->Buttons, skin.Trans, skin.FrameCount, frame);

  vcl::TBitmap& glyph = button->Glyph();
  const int numGlyphs = std::max(1, button->NumGlyphs());
  const controls::Size glyphSize =
      glyph.Empty() ? controls::Size{} : controls::Size{glyph.Width() / numGlyphs, glyph.Height()};
  const std::string caption = button->Caption();
  controls::Size captionSize{};
  if (!caption.empty()) {
    RECT measured = local;
    DrawTextA(out, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT);
    captionSize = {measured.right - measured.left, measured.bottom - measured.top};
  }
  const RECT client = button->ClientRect();
  const auto place = controls::PlaceGlyphAndCaption({client.right, client.bottom}, glyphSize, captionSize,
                                                    button->Layout(), button->Margin(), button->Spacing(), false);
  // The first glyph whatever the state: the skin's frame shows the state.
  DrawGlyphFrame(out, RECT{place.glyph.left, place.glyph.top, place.glyph.right, place.glyph.bottom}, numGlyphs, 1,
                 glyph);
  RECT at{place.caption.left, place.caption.top, place.caption.right, place.caption.bottom};
  SetBkMode(out, TRANSPARENT);
  SetTextColor(out, TextColour(frame, enabled));
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER, DT_CENTER};
  DrawTextA(out, caption.c_str(), static_cast<int>(caption.size()), &at, kAlign[button->Layout() & 3]);
  BlitBuffer(dc, rect);
}

}  // namespace vex::skin
