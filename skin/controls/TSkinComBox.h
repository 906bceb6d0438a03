#pragma once
// TSkinComBox: combo boxes keep their own painting; after it, the skinner
// draws the drop-down button from the skin's ComboButton frames with the
// ExtraImages arrow on it, and the sunken edge from SunkEdge along the
// other three sides.  Frames: 1 normal, 2 pressed, 3 disabled, 4 hot or
// focused.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinComBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AfterMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
};

}  // namespace vex::skin
