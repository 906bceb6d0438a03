#pragma once
// TSkinTrackBar: track bars keep their own channel and tics; the thumb is
// drawn from the skin through the control's custom-draw notifications
// (which the widget layer reflects back to the control): frame 4 of the
// Buttons image, or an outlined rectangle when the skin has none.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(vcl::TMessage& message) override;
  // The custom-draw answer for one notification record.
  LRESULT CustomDraw(NMCUSTOMDRAW& record);
};

}  // namespace vex::skin
