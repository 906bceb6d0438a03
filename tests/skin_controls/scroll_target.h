#pragma once
// A scrolling window for the scroll bar skinner tests: a plain child window
// with both bars whose procedure records the scroll messages it gets (and
// the skinner's pressed part meanwhile) and otherwise leaves its scroll
// information as it is told.  WM_APP + 1 moves its vertical bar to WParam
// with a native redraw, as a control scrolled by the wheel does.
#include <windows.h>

#include <vector>

#include "controls_fixture.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/TSkinScrollBar.h"

namespace vex::skin::test {

inline constexpr UINT kMoveVerticalBar = WM_APP + 1;

struct ScrollTarget {
  HWND window = nullptr;
  TSkinScrollBar* skinner = nullptr;
  std::vector<WPARAM> scrolls;   // WParam of each WM_HSCROLL and WM_VSCROLL
  std::vector<int> pressedSeen;  // the skinner's PressedPart at each of them
  std::vector<UINT> ncMoves;     // WM_NCMOUSEMOVE hit-test codes that arrived
};

// A target of `width` x `height` in `f` with both bars holding `v`, skinned
// with its clicks taken over (or not) and painted once.  The target records
// until the next one is made.
void MakeScrollTarget(SkinnedForm& f, ScrollTarget& t, const controls::ScrollValues& v, bool takeOverClicks = true,
                      int width = 160, int height = 180);

// The middle of the thumb of bar `index` (0 horizontal), screen coordinates.
POINT ThumbCentre(const ScrollTarget& t, int index);

}  // namespace vex::skin::test
