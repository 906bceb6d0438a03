#pragma once
// The arithmetic of skinned scroll bars, free of Win32 so that it is tested
// natively: where the bars of a scrolling window lie, how long the thumb is
// and where it sits, which part of a bar a point is over, which position a
// dragged thumb stands for, and where arrows, track and thumb go in the
// picture of a bar.  The skinners read the window (metrics, scroll
// information) and draw where this says.
#include <cstdint>

#include "skin/controls/ControlGeometry.h"

namespace vex::skin::controls {

// A bar's kind (the painters' argument) and its index (the skinner's bar
// records): kind 1, index 0 horizontal; kind 2, index 1 vertical.
inline constexpr int kHorizontalBar = 1;
inline constexpr int kVerticalBar = 2;

// The part of a bar shown pressed.
enum ScrollPart : int {
  kNoPart = 0,
  kLeftArrow = 1,
  kRightArrow = 2,
  kUpArrow = 3,
  kDownArrow = 4,
  kHorzThumb = 5,
  kVertThumb = 6,
};

// The pressed part while a scroll message with `scrollCode` is handled:
// the first arrow for SB_LINEUP (0), the second for SB_LINEDOWN (1), the
// thumb for SB_THUMBTRACK (5), nothing for any other code (SB_ENDSCROLL
// among them, which ends every scrolling action).
int PressedPartFor(int scrollCode, bool vertical);

// What a bar's scroll information holds (SCROLLINFO without size and mask).
struct ScrollValues {
  int min = 0, max = 0;
  unsigned page = 0;
  int pos = 0, trackPos = 0;
  friend bool operator==(const ScrollValues&, const ScrollValues&) = default;
};

// The geometry of one bar along its axis.  The style bit is the window
// style that shows the bar (WS_HSCROLL or WS_VSCROLL).
struct BarMetrics {
  int arrowSize = 0;
  int trackLength = 0;
  int thumbLength = 0;
  int thumbOffset = 0;
  std::uint32_t styleBit = 0;
  friend bool operator==(const BarMetrics&, const BarMetrics&) = default;
};

// Windows' MulDiv: a * b / c in 64 bits, rounded half away from zero; -1
// when c is 0 or the result does not fit.
int MulDivRounded(int a, int b, int c);

// The bars of a scrolling window of windowWidth x windowHeight (window
// coordinates, origin 0, 0) whose client area is clientWidth x
// clientHeight, `arrow` thick (the system's arrow width).  The border is
// taken as equal on every side: half of what the client and the bar leave of
// the window's width (with the vertical bar) or height (without it).
// Rectangles of bars not shown stay empty.
struct WindowBars {
  Rect horz, vert, sizeBox;
};
WindowBars PlaceWindowBars(int windowWidth, int windowHeight, int clientWidth, int clientHeight, int arrow,
                           bool horzShown, bool vertShown);

// A rectangle shows something only when it is wider and higher than 0.
inline bool Shows(const Rect& r) { return r.top < r.bottom && r.left < r.right; }

// The shortest thumb: half an arrow on Windows 95, 98 and Me, else 8.
inline int MinimumThumbLength(int arrow, bool windows9x) { return windows9x ? arrow / 2 : 8; }

// Track length, thumb length and offset of a bar `barLength` long along its
// axis with arrows of `arrow`, for the scroll values `v`.  The thumb is as
// long as `systemThumb` without a page, in proportion to the page otherwise
// (never shorter than `minThumb`, never longer than the track).  A page as
// large as the whole range gives a thumb one pixel short of the track at
// offset 0.  False for an empty range (the metrics are left as they were).
bool ComputeThumb(int barLength, int arrow, int minThumb, int systemThumb, const ScrollValues& v, BarMetrics& m);

// Which part of a bar a coordinate along it (from the bar's start) is over,
// as the scroll code a click there means: 0 SB_LINEUP, 2 SB_PAGEUP, 5
// SB_THUMBTRACK, 3 SB_PAGEDOWN, 1 SB_LINEDOWN, -1 past the bar.
int HitTestBar(int c, const BarMetrics& m);

// One step of a thumb drag: the thumb offset after the cursor has `moved`
// along the bar from where the drag started at `startOffset`, and the
// position it stands for.  Without a page the thumb stops at track length
// minus thumb length; with a page the position is clamped to maximum - page
// + 1.
struct DragStep {
  int offset = 0;
  int position = 0;
  friend bool operator==(const DragStep&, const DragStep&) = default;
};
DragStep DragThumb(int startOffset, int moved, const BarMetrics& m, const ScrollValues& v);

// Where the parts of a bar `length` long go in its picture, which is
// composed 16 pixels thick (then stretched to the bar's real thickness):
// the track between the arrows, two arrows (halved when the bar is shorter
// than two of them) with their frames of the 23-frame arrow strip, and the
// thumb with its frame.  The thumb is drawn inside the track even while a
// drag has taken its offset past the track's end.
inline constexpr int kComposedThickness = 16;
struct BarLayout {
  Rect work;  // the whole picture
  Rect track;
  Rect firstArrow, secondArrow;
  int firstArrowFrame = 0, secondArrowFrame = 0;
  Rect thumb;
  bool drawThumb = false;
  int thumbFrame = 1;
};
BarLayout LayoutBar(int length, int kind, int arrow, int pressedPart, const BarMetrics& m);

}  // namespace vex::skin::controls
