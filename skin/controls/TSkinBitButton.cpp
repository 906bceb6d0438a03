#include "skin/controls/TSkinBitButton.h"

#include <algorithm>

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
  RefreshEnabled();
  const bool enabled = button->Enabled() && Enabled;
  const TDataSkinButton& skin = SkinData->Buttons;
  const int frame = controls::BitButtonFrame(Focused, State & kPressed, State & kHot, enabled);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const RECT local{0, 0, w, h};
  buffer->SetSize(w, h);
  HDC out = buffer->Dc();
  vcl::DcState saved(out);
  SelectObject(out, button->Font().Handle());
  PaintElement(local, SkinData->Buttons, skin.Trans, skin.FrameCount, frame);

  const RECT client = button->ClientRect();
  // The first glyph whatever the state: the skin's frame shows the state.
  DrawGlyphAndCaption(out, client.right, client.bottom,
                      {&button->Glyph(), button->NumGlyphs(), 1, &Caption, button->Layout(), button->Margin(),
                       button->Spacing(), false, TextColour(frame, enabled)});
  DrawFocusCue(out, local, 4);  // where the framework's own bit button has it
  BlitBuffer(dc, rect);
}

void TSkinBitButton::DrawGlyphAndCaption(HDC out, int width, int height, const GlyphCaption& what) {
  vcl::TBitmap& glyph = *what.glyph;
  const std::string& caption = *what.caption;
  const int numGlyphs = std::max(1, what.numGlyphs);
  const controls::Size glyphSize =
      glyph.Empty() ? controls::Size{} : controls::Size{glyph.Width() / numGlyphs, glyph.Height()};
  controls::Size captionSize{};
  if (!caption.empty()) {
    RECT measured{0, 0, width, height};
    DrawTextA(out, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | PrefixFormat());
    captionSize = {measured.right - measured.left, measured.bottom - measured.top};
  }
  const auto place = controls::PlaceGlyphAndCaption({width, height}, glyphSize, captionSize, what.layout,
                                                    what.margin, what.spacing, what.speedButton);
  DrawGlyphFrame(out, RECT{place.glyph.left, place.glyph.top, place.glyph.right, place.glyph.bottom}, numGlyphs,
                 what.glyphFrame, glyph);
  RECT at{place.caption.left, place.caption.top, place.caption.right, place.caption.bottom};
  SetBkMode(out, TRANSPARENT);
  SetTextColor(out, what.ink);
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER, DT_CENTER};
  DrawTextA(out, caption.c_str(), static_cast<int>(caption.size()), &at, kAlign[what.layout & 3] | PrefixFormat());
}

}  // namespace vex::skin
