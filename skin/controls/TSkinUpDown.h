#pragma once
// TSkinUpDown: up-down (spin) buttons painted with the skin's plain colours
// and arrow shapes, the half under the cursor showing pressed or hot.  The
// control keeps its own press handling (capture, auto-repeat); the skinner
// lets it have the press first and paints afterwards.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinUpDown : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  // One button: the face (ButtonFace, or ButtonShadow pressed or hot), a
  // ButtonDkShadow outline and the arrow.  States 1 normal, 2 pressed, 3
  // disabled, 4 hot; kinds 0 up, 1 down, 2 left, 3 right.
  void DrawArrowButton(HDC dc, const RECT& rect, int kind, int state);
  void DrawArrow(HDC dc, int x, int y, int kind, COLORREF colour);

 private:
  // Hot tracking by the control itself: windows of system dialogs get no
  // mouse-enter or mouse-leave messages from the widget layer.
  void TrackHot(LPARAM position);
  void ClearHot();
  int FHotHalf = -1;
};

}  // namespace vex::skin
