#include "widgets/TButton.h"

namespace vcl {

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 75, 25);
  SetTabStop(true);
  FClickEvents = false;  // clicks come as BN_CLICKED
}

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = "BUTTON";
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  p.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (TForm* form = ParentForm(); form && FModalResult != mrNone) form->SetModalResult(FModalResult);
  TWinControl::Click();
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) Click();
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
