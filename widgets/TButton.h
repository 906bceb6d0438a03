#pragma once
// Push button ("TButton" over the system "BUTTON"). A WM_COMMAND that names
// the button's window (BN_CLICKED, whatever the id in WParam) clicks it; a
// button with a ModalResult ends its modal form with that result.
#include "widgets/TForm.h"
#include "widgets/TWinControl.h"

namespace vcl {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);
  void Click() override;
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};

}  // namespace vcl
