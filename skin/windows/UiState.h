#pragma once
// A window's UI state (which keyboard cues it hides) as a native control
// keeps it: read with WM_QUERYUISTATE when the skin attaches, then changed
// by each WM_UPDATEUISTATE the window receives.  The change is taken from the
// message itself: a system that keeps no UI state of its own (Wine 8 answers
// WM_QUERYUISTATE with 0 whatever it was told) still gets the cues right
// from the messages it passes on.
#include <windows.h>

namespace vex::skin {

inline unsigned QueryUiState(HWND window) {
  return window ? static_cast<unsigned>(SendMessageA(window, WM_QUERYUISTATE, 0, 0)) : 0u;
}

// The state after a WM_UPDATEUISTATE with `wParam`; UIS_INITIALIZE (decided
// by the system from the last input) is read back from the window.
inline unsigned UpdatedUiState(unsigned state, WPARAM wParam, HWND window) {
  const unsigned flags = HIWORD(wParam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL | UISF_ACTIVE);
  switch (LOWORD(wParam)) {
    case UIS_SET: return state | flags;
    case UIS_CLEAR: return state & ~flags;
    default: return QueryUiState(window);
  }
}

}  // namespace vex::skin
