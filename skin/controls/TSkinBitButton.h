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
};

}  // namespace vex::skin
