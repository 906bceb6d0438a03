#pragma once
// TSkinCheckBox: check boxes keep their own painting (caption, focus,
// background); after it, the skinner draws the skin's check glyph over the
// box: frame 1 clear, 2 checked, 3 disabled, 4 third state.  Every message
// reaches the check box.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinCheckBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AfterMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace vex::skin
