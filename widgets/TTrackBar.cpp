#include "widgets/TTrackBar.h"

#include <commctrl.h>

#include <algorithm>

namespace vcl {

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = TRACKBAR_CLASSA;
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  p.Style |= TBS_AUTOTICKS | (FOrientation == trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::CreateWndDone() {
  SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, FMax);
  SendMessageA(Handle(), TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::SetRange(int min, int max) {
  if (max < min) std::swap(min, max);
  FMin = min;
  FMax = max;
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (HandleAllocated()) CreateWndDone();
}

void TTrackBar::SetPosition(int position) {
  position = std::clamp(position, FMin, FMax);
  if (position == FPosition) return;
  FPosition = position;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
  if (OnChange) OnChange(this);
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  if (orientation == FOrientation) return;
  FOrientation = orientation;
  RecreateWnd();
}

void TTrackBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    SetPosition(static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0)));
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
