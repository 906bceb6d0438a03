#include "scroll_target.h"

namespace vex::skin::test {
namespace {

ScrollTarget* gTarget = nullptr;

LRESULT CALLBACK TargetProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (gTarget && gTarget->window == w) {
    if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
      gTarget->scrolls.push_back(wParam);
      gTarget->pressedSeen.push_back(gTarget->skinner ? gTarget->skinner->PressedPart : -1);
    }
    if (msg == WM_NCMOUSEMOVE) gTarget->ncMoves.push_back(static_cast<UINT>(wParam));
  }
  if (msg == kMoveVerticalBar) {
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, static_cast<int>(wParam), 0};
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    return 0;
  }
  return DefWindowProcA(w, msg, wParam, lParam);
}

const char* TargetClass() {
  static const char* name = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "VexScrollTarget";
    RegisterClassA(&wc);
    return "VexScrollTarget";
  }();
  return name;
}

}  // namespace

void MakeScrollTarget(SkinnedForm& f, ScrollTarget& t, const controls::ScrollValues& v, bool takeOverClicks,
                      int width, int height) {
  gTarget = &t;
  t.window = f.RawChild(TargetClass(), WS_VSCROLL | WS_HSCROLL | WS_BORDER, 10, 10, width, height);
  for (const int bar : {SB_VERT, SB_HORZ}) {
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, v.min, v.max, v.page, v.pos, 0};
    SetScrollInfo(t.window, bar, &si, TRUE);
  }
  t.skinner = new TSkinScrollBar(f.frame, takeOverClicks);
  t.skinner->AttachHandle(t.window, &Skin(), &f.frame->Canvas());
  f.frame->ControlSkinners.push_back(t.skinner);
  t.skinner->PaintNow();
}

POINT ThumbCentre(const ScrollTarget& t, int index) {
  RECT w{};
  GetWindowRect(t.window, &w);
  const TSkinScrollBar& s = *t.skinner;
  const controls::BarMetrics& m = index ? s.VertMetrics : s.HorzMetrics;
  const RECT& bar = index ? s.VertBar : s.HorzBar;
  const int along = m.arrowSize + m.thumbOffset + m.thumbLength / 2;
  return index ? POINT{w.left + (bar.left + bar.right) / 2, w.top + bar.top + along}
               : POINT{w.left + bar.left + along, w.top + (bar.top + bar.bottom) / 2};
}

}  // namespace vex::skin::test
