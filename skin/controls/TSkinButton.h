#pragma once
// TSkinButton: push buttons (vcl::TButton, and "button" windows of system
// dialogs) drawn from the skin's Buttons frames by state, with the state's
// text colour.  The skinner takes the left button over: the button's own
// procedure never sees it go down, and the skinner produces the click when
// the button is released over the button it was pressed on.  The space key
// stays the button's own; the skinner only shows the pressed frame meanwhile.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(vcl::TMessage& message) override;
  void AfterMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

 protected:
  // The text colour of a state frame.
  COLORREF TextColour(int stateFrame, bool enabled) const;
  // A mouse press that began on this button and has not left it.
  bool FMouseDown = false;
};

}  // namespace vex::skin
