#include "widgets/TCheckBox.h"

namespace vcl {

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 97, 17);
  SetTabStop(true);
  SetParentColor(true);
  FClickEvents = false;
}

void TCheckBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = "BUTTON";
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  p.Style |= BS_3STATE;
}

void TCheckBox::CreateWndDone() { SendMessageA(Handle(), BM_SETCHECK, FState, 0); }

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == FState) return;
  FState = state;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, state, 0);
  Click();
}

void TCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCheckBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) Toggle();
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
