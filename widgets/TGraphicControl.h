#pragma once
// Controls without a window of their own (speed buttons, images, labels).
// The parent paints them: its WM_PAINT sends each one WM_PAINT with the
// device context in WParam (origin moved to the control, clipped to it)
// through the control's WindowProc. Mouse messages over them arrive the same
// way, forwarded by the parent in the control's own coordinates.
#include "widgets/TCanvas.h"
#include "widgets/TControl.h"

namespace vcl {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  // Bound to the paint DC during Paint only.
  TCanvas& Canvas() { return FCanvas; }

 protected:
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

 private:
  TCanvas FCanvas;
};

}  // namespace vcl
