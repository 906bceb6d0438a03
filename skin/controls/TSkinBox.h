#pragma once
// TSkinBox: panels, group boxes and radio groups keep their own painting;
// attaching gives them the skin's face colour, and a group box's caption
// takes the skin's text colour the next time it paints.  Every message
// reaches the control.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinBox() override { Detach(); }
  bool BeforeMessage(vcl::TMessage& message) override;
  void Detach() override;

 private:
  bool FFontColoured = false;
  vcl::TColor FOldFontColour = 0;
  bool FOldParentFont = false;
};

}  // namespace vex::skin
