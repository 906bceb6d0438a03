#pragma once
// Captioned frame that holds other controls ("TGroupBox" over "BUTTON" with
// BS_GROUPBOX). The system draws no background inside the frame, so the
// framework fills it with Color; child notifications are reflected like any
// parent's.
#include "widgets/TWinControl.h"

namespace vcl {

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* AOwner);
  // Below the caption and inside the frame.
  RECT AlignRect() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  bool EraseBackground(HDC dc) override;
};

}  // namespace vcl
