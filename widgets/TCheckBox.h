#pragma once
// Check box ("TCheckBox" over "BUTTON"). The box is not toggled by the
// system: a click changes State here, and OnClick runs when, and only when,
// the state changes, whether by the user or from code.
#include "widgets/TWinControl.h"

namespace vcl {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void WndProc(TMessage& message) override;
  virtual void Toggle();

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
};

}  // namespace vcl
