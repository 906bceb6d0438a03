#pragma once
// Radio button ("TRadioButton" over "BUTTON"). Checking one clears the
// others with the same parent; OnClick runs when it becomes checked.
#include "widgets/TWinControl.h"

namespace vcl {

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* AOwner);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void WndProc(TMessage& message) override;

 private:
  bool FChecked = false;
};

}  // namespace vcl
