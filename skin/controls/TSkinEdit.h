#pragma once
// TSkinEdit: edit-like controls keep their own painting; after it, the
// skinner redraws the border: a one-pixel outline in the skin's shadow
// colour over the native sunken edge, whose inner lines take the field's
// brush.  A spin button or up-down control inside the edit gets a
// TSkinUpDown, looked for at every paint: one destroyed and made again is
// found again.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinEdit() override;
  void AfterMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  void Detach() override;
  // The first child of `edit` of class "msctls_updown32" or "TSpinButton"
  // gets an up-down skinner (owned by this one, not in the frame's list);
  // a skinner whose window is gone or replaced is released first.
  void FindUpDown(HWND edit);
  TSkinUpDown* UpDown() const { return FUpDown; }

 private:
  void ReleaseUpDown();
  TSkinUpDown* FUpDown = nullptr;
};

}  // namespace vex::skin
