#include "widgets/TProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace vcl {

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner) { SetStoredBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = PROGRESS_CLASSA;
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
}

void TProgressBar::CreateWndDone() {
  SendMessageA(Handle(), PBM_SETRANGE32, FMin, FMax);
  SendMessageA(Handle(), PBM_SETPOS, FPosition, 0);
}

void TProgressBar::SetRange(int min, int max) {
  if (max < min) std::swap(min, max);
  FMin = min;
  FMax = max;
  FPosition = std::clamp(FPosition, FMin, FMax);
  if (HandleAllocated()) CreateWndDone();
}

void TProgressBar::SetPosition(int position) {
  FPosition = std::clamp(position, FMin, FMax);
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETPOS, FPosition, 0);
}

}  // namespace vcl
