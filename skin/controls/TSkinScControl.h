#pragma once
// TSkinScControl: a scroll bar control.  The control paints natively, then
// the skinner paints the whole bar over it with the scroll bars' painter,
// the thumb placed from the control's range, page and position.  It shows
// the pressed arrow or thumb while the control scrolls (the scroll messages
// its form object gets back from the parent), and repaints whenever the
// control's scroll information is set.
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinScControl : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(vcl::TMessage& message) override;
  void AfterMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  int PressedPart = controls::kNoPart;
  int TrackLength = 0, ThumbLength = 0, ThumbOffset = 0;

 private:
  bool Vertical() const;
  // The control's range, page and position: from its form object when it
  // has one, else from the window.
  bool ReadValues(controls::ScrollValues& values) const;
};

}  // namespace vex::skin
