#pragma once
// TSkinBitButton: buttons with a glyph and a caption (vcl::TBitBtn), drawn
// like push buttons, with glyph 1 of the strip and the caption placed by
// the button's Layout, Margin and Spacing.  The mouse and keys are handled
// as for push buttons.
#include "skin/controls/TSkinButton.h"

namespace vex::skin {

class TSkinBitButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;
  void Draw(HDC dc, const RECT& rect) override;

 protected:
  // What bit buttons and speed buttons share: glyph frame k of the strip and
  // the caption in `ink`, placed in a width x height client area by the
  // layout (the speed button's margin rule when `speedButton`).
  struct GlyphCaption {
    vcl::TBitmap* glyph;
    int numGlyphs;
    int glyphFrame;
    const std::string* caption;
    int layout, margin, spacing;
    bool speedButton;
    COLORREF ink;
  };
  void DrawGlyphAndCaption(HDC dc, int width, int height, const GlyphCaption& what);
};

}  // namespace vex::skin
