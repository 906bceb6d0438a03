#include "widgets/TRadioButton.h"

namespace vcl {

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 113, 17);
  SetParentColor(true);
  FClickEvents = false;
}

void TRadioButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = "BUTTON";
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  p.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWndDone() { SendMessageA(Handle(), BM_SETCHECK, FChecked, 0); }

void TRadioButton::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  SetTabStop(value);
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, value, 0);
  if (!value) return;
  if (Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (other && other != this) other->SetChecked(false);
    }
  }
  Click();
}

void TRadioButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) SetChecked(true);
    else if (HIWORD(m.WParam) == BN_DOUBLECLICKED) DblClick();
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
