#include "widgets/TUpDown.h"

#include <commctrl.h>

#include <algorithm>

namespace vcl {

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 17, 21);
  FClickEvents = false;
}

void TUpDown::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = UPDOWN_CLASSA;
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  p.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_ALIGNRIGHT;
}

void TUpDown::CreateWndDone() {
  // The buddy first: setting the position then writes it into the buddy.
  if (FAssociate) SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(FAssociate->Handle()), 0);
  SendMessageA(Handle(), UDM_SETRANGE32, FMin, FMax);
  SendMessageA(Handle(), UDM_SETPOS32, 0, FPosition);
}

int TUpDown::Position() const {
  auto* self = const_cast<TUpDown*>(this);
  if (!self->HandleAllocated()) return FPosition;
  return static_cast<int>(SendMessageA(self->Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetRange(int min, int max) {
  FMin = min;
  FMax = max;
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETRANGE32, min, max);
}

void TUpDown::SetPosition(int position) {
  FPosition = std::clamp(position, std::min(FMin, FMax), std::max(FMin, FMax));
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETPOS32, 0, FPosition);
}

void TUpDown::SetAssociate(TWinControl* control) {
  if (FAssociate) RemoveFreeNotification(FAssociate);
  FAssociate = control;
  if (control) FreeNotification(control);
  if (HandleAllocated()) {
    SendMessageA(Handle(), UDM_SETBUDDY, control ? reinterpret_cast<WPARAM>(control->Handle()) : 0, 0);
    SendMessageA(Handle(), UDM_SETPOS32, 0, FPosition);
  }
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAssociate) FAssociate = nullptr;
}

void TUpDown::WndProc(TMessage& m) {
  if (m.Msg == CN_VSCROLL || m.Msg == CN_HSCROLL) {
    FPosition = Position();
    if (LOWORD(m.WParam) == SB_THUMBPOSITION && OnClick) OnClick(this);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
