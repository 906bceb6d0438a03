#pragma once
// TSkinHeader: the header of a list view.  The header paints itself first;
// the skinner then paints every item from frame 1 of the skin's Headerbar
// (pressed and hot items have no frame of their own) with its caption, and
// fills the width the items leave with the same frame.  Attached by the
// list view's skinner; it joins the frame's skinners itself.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinHeader : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas) override;
  bool BeforeMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  // Item `index` at `rect` of `dc`: its frame and its caption.
  void DrawHeaderItem(HDC dc, const RECT& rect, int index);

 private:
  bool HasSkin() const;
};

}  // namespace vex::skin
