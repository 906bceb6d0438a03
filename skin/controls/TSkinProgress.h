#pragma once
// TSkinProgress: progress bars painted from the skin's Progress image:
// frame 1 across the whole bar, frame 2 from the left as far as the
// position goes (the minimum plays no part).  Without the image the bar is
// not painted at all.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinProgress : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace vex::skin
