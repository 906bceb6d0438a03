#include "widgets/TScrollBar.h"

#include <algorithm>

namespace vcl {

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
  FClickEvents = false;
}

void TScrollBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = "SCROLLBAR";
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  p.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWndDone() { PushInfo(); }

void TScrollBar::PushInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_POS | SIF_PAGE, FMin, FMax, static_cast<UINT>(FPageSize), FPosition, 0};
  SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == FKind) return;
  FKind = kind;
  if (!HandleAllocated()) SetStoredBounds(Left(), Top(), Height(), Width());
  else SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) std::swap(min, max);
  position = std::clamp(position, min, max);
  const bool changed = position != FPosition;
  FMin = min;
  FMax = max;
  FPosition = position;
  PushInfo();
  if (changed && OnChange) OnChange(this);
}

void TScrollBar::SetPosition(int position) { SetParams(position, FMin, FMax); }

void TScrollBar::SetPageSize(int value) {
  FPageSize = std::max(value, 0);
  PushInfo();
}

void TScrollBar::Scroll(WPARAM wParam) {
  const int code = LOWORD(wParam);
  int pos = FPosition;
  TScrollCode sc = scEndScroll;
  switch (code) {
    case SB_LINEUP: pos -= FSmallChange; sc = scLineUp; break;
    case SB_LINEDOWN: pos += FSmallChange; sc = scLineDown; break;
    case SB_PAGEUP: pos -= FLargeChange; sc = scPageUp; break;
    case SB_PAGEDOWN: pos += FLargeChange; sc = scPageDown; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      // The 16-bit position in WParam is cut short; the track position is not.
      SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      pos = HandleAllocated() && GetScrollInfo(Handle(), SB_CTL, &si) ? si.nTrackPos : HIWORD(wParam);
      sc = code == SB_THUMBPOSITION ? scPosition : scTrack;
      break;
    }
    case SB_TOP: pos = FMin; sc = scTop; break;
    case SB_BOTTOM: pos = FMax; sc = scBottom; break;
    case SB_ENDSCROLL: sc = scEndScroll; break;
    default: return;
  }
  pos = std::clamp(pos, FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
  if (OnScroll) OnScroll(this, sc, pos);
  SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    Scroll(m.WParam);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
