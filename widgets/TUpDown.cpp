#include "widgets/TUpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "widgets/DpiScale.h"

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
  FAskedWidth = p.Width;
}

void TUpDown::CreateWndDone() {
  ScaleOwnWidth();
  // The buddy first: setting the position then writes it into the buddy.
  if (FAssociate) SetBuddy(FAssociate->Handle());
  SendMessageA(Handle(), UDM_SETRANGE32, FMin, FMax);
  SendMessageA(Handle(), UDM_SETPOS32, 0, FPosition);
}

namespace {

RECT BoundsInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

// The control sizes itself in fixed pixels, those of 96 dpi, whatever the
// window's DPI (Wine makes a vertical one 16 wide when it is created, and
// aligning it to its buddy takes 16 from the buddy and overlaps its border
// by 2).  At another DPI what it chose is taken as a design and scaled, so
// the arrows look as at 96 dpi, only larger.
void TUpDown::ScaleOwnWidth() {
  const RECT r = BoundsInParent(Handle());
  const int chosen = r.right - r.left;
  const int scaled = dpi::Scale(chosen, Dpi());
  if (chosen == FAskedWidth || scaled == chosen) return;
  SetWindowPos(Handle(), nullptr, 0, 0, scaled, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TUpDown::SetBuddy(HWND buddy) {
  const RECT before = buddy ? BoundsInParent(buddy) : RECT{};
  const RECT own = BoundsInParent(Handle());
  SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  if (buddy && FAssociate && FAssociate->Handle() == buddy) ScaleBuddyAlignment(before, own.right - own.left);
}

void TUpDown::ScaleBuddyAlignment(const RECT& before, int ownWidth) {
  const int dpi = Dpi();
  if (dpi::Scale(1000, dpi) == 1000) return;
  const RECT buddy = BoundsInParent(FAssociate->Handle()), self = BoundsInParent(Handle());
  const int taken = before.right - buddy.right;
  if (taken <= 0) return;  // the control left the buddy as it was
  // A control that aligned itself at the width it had (one that sizes
  // itself at the window's DPI) is laid out already.
  if (self.right - self.left == ownWidth) return;
  const int overlap = buddy.right - self.left, width = self.right - self.left;
  const int buddyRight = before.right - dpi::Scale(taken, dpi);
  const int left = buddyRight - dpi::Scale(overlap, dpi);
  FAssociate->SetBounds(buddy.left, buddy.top, buddyRight - buddy.left, buddy.bottom - buddy.top);
  SetBounds(left, self.top, dpi::Scale(width, dpi), self.bottom - self.top);
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
    SetBuddy(control ? control->Handle() : nullptr);
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
