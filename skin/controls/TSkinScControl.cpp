#include "skin/controls/TSkinScControl.h"

#include "skin/controls/ScrollBarPainter.h"
#include "skin/data/TSkinData.h"
#include "widgets/TScrollBar.h"

namespace vex::skin {

bool TSkinScControl::BeforeMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case vcl::CN_HSCROLL:
    case vcl::CN_VSCROLL:
      PressedPart = controls::PressedPartFor(LOWORD(m.WParam), m.Msg == vcl::CN_VSCROLL);
      CallOldProc(m);
      if (Attached()) PaintNow();
      return false;
    default: return true;
  }
}

void TSkinScControl::AfterMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    // Windows draws the bar at once when its information is set.
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case SBM_ENABLE_ARROWS:
      PaintNow();
      return;
    default: TSkinControl::AfterMessage(m);
  }
}

bool TSkinScControl::Vertical() const { return (GetWindowLongPtrA(Handle, GWL_STYLE) & SBS_VERT) != 0; }

bool TSkinScControl::ReadValues(controls::ScrollValues& v) const {
  if (auto* bar = dynamic_cast<vcl::TScrollBar*>(Control)) {
    v = {bar->Min(), bar->Max(), static_cast<unsigned>(bar->PageSize()), bar->Position(), bar->Position()};
    return true;
  }
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(Handle, SB_CTL, &si)) return false;
  v = {si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
  return true;
}

void TSkinScControl::Draw(HDC dc, const RECT& r) {
  if (!SkinData || !Handle) return;
  const bool vertical = Vertical();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  controls::BarMetrics metrics{a, TrackLength, ThumbLength, ThumbOffset, 0};
  controls::ScrollValues values;
  if (ReadValues(values)) {
    const bool windows9x = (GetVersion() & 0x80000000u) != 0;
    const int length = vertical ? r.bottom - r.top : r.right - r.left;
    if (controls::ComputeThumb(length, a, controls::MinimumThumbLength(a, windows9x), GetSystemMetrics(SM_CXHTHUMB),
                               values, metrics)) {
      TrackLength = metrics.trackLength;
      ThumbLength = metrics.thumbLength;
      ThumbOffset = metrics.thumbOffset;
    }
  }
  PaintSkinBar(dc, r, vertical ? controls::kVerticalBar : controls::kHorizontalBar, PressedPart, metrics, a,
               *SkinData, Pictures());
}

}  // namespace vex::skin
