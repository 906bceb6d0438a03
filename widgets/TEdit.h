#pragma once
// Single-line edit ("TEdit" over "EDIT"); OnChange runs on every change of
// the text, typed or set from code.
#include "widgets/TWinControl.h"

namespace vcl {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* AOwner);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int length);
  void SelectAll();
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void WndProc(TMessage& message) override;
  virtual void Change();

 private:
  bool FReadOnly = false;
  int FMaxLength = 0;
};

}  // namespace vcl
