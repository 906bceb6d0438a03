#pragma once
// TSkinRadioButton: radio buttons keep their own painting; after it, the
// skinner draws the skin's radio glyph over the circle: frame 1 clear, 2
// checked, 3 and 4 the same disabled.  Every message reaches the button.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinRadioButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AfterMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace vex::skin
