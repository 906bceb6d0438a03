#pragma once
// Objects of a skinned window's non-client area that react to the mouse:
// the caption buttons (TWinSysButton) and the menu bar's buttons.  There is
// no mouse capture: the frame passes non-client mouse messages to the object
// under the cursor, and the one under the mouse is the frame's FHotObject.
#include <windows.h>

namespace vex::skin {

class TSkinForm;
class TDataSkinSysButton;

// States of a caption object.
enum : int { kObjectUnset = 0, kObjectNormal = 1, kObjectPressed = 2, kObjectHot = 3 };

class TNCObject {
 public:
  explicit TNCObject(TSkinForm* form) : FForm(form) {}
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;
  virtual ~TNCObject() = default;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}

  TSkinForm* FForm;
  RECT FRect{};  // window coordinates
  bool FVisible = false;
  int FState = kObjectUnset;
};

// A caption button drawn from one of the skin's caption-button objects.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TSkinForm* form, TDataSkinSysButton* skinButton);
  void Paint() override;
  // Draws frame `frame` straight onto a DC of the window (or the title bitmap).
  void DrawFrame(HDC dc, int frame);
  // Carries out the button's action (the click point in screen coordinates).
  void DoButtonAction(POINT screen);

  TDataSkinSysButton* FSkinButton;  // the skin owns it
};

}  // namespace vex::skin
