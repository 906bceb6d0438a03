#include "skin/controls/ScrollBarGeometry.h"

#include <algorithm>
#include <climits>

namespace vex::skin::controls {

int PressedPartFor(int scrollCode, bool vertical) {
  switch (scrollCode) {
    case 0: return vertical ? kUpArrow : kLeftArrow;     // SB_LINEUP
    case 1: return vertical ? kDownArrow : kRightArrow;  // SB_LINEDOWN
    case 5: return vertical ? kVertThumb : kHorzThumb;   // SB_THUMBTRACK
    default: return kNoPart;
  }
}

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t n = static_cast<std::int64_t>(a) * b;
  std::int64_t d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const std::int64_t q = n >= 0 ? (n + d / 2) / d : (n - d / 2) / d;
  if (q > INT_MAX || q < -INT_MAX) return -1;
  return static_cast<int>(q);
}

WindowBars PlaceWindowBars(int w, int h, int clientWidth, int clientHeight, int b, bool horzShown, bool vertShown) {
  WindowBars bars;
  if (!horzShown && !vertShown) return bars;
  // Truncated toward zero, as the integer division does.
  const int e = vertShown ? (w - clientWidth - b) / 2 : (h - clientHeight - b) / 2;
  if (horzShown && vertShown) {
    bars.horz = {e, h - e - b, w - e - b, h - e};
    bars.vert = {w - e - b, e, w - e, h - e - b};
    bars.sizeBox = {bars.vert.left, bars.horz.top, bars.vert.right, bars.horz.bottom};
  } else if (horzShown) {
    bars.horz = {e, h - e - b, w - e, h - e};
  } else {
    bars.vert = {w - e - b, e, w - e, h - e};
  }
  return bars;
}

bool ComputeThumb(int barLength, int arrow, int minThumb, int systemThumb, const ScrollValues& v, BarMetrics& m) {
  const int track = barLength - 2 * arrow;
  const std::int64_t range = static_cast<std::int64_t>(v.max) - v.min + 1;
  if (range <= 0 || range > INT_MAX) return false;
  const int n = static_cast<int>(range);
  const int page = static_cast<int>(std::min<unsigned>(v.page, INT_MAX));
  int thumb = page == 0 ? systemThumb : std::max(MulDivRounded(page, track, n), minThumb);
  if (thumb >= track) thumb = track;
  int offset = 0;
  if (page == n) {
    --thumb;
  } else {
    offset = MulDivRounded(v.pos - v.min, track - thumb, n - page);
  }
  m.trackLength = track;
  m.thumbLength = thumb;
  m.thumbOffset = offset;
  return true;
}

int HitTestBar(int c, const BarMetrics& m) {
  const int a = m.arrowSize, o = m.thumbOffset, t = m.thumbLength, l = m.trackLength;
  if (c < a) return 0;
  if (c < a + o) return 2;
  if (c < a + o + t) return 5;
  if (c < a + l) return 3;
  if (c < 2 * a + l) return 1;
  return -1;
}

DragStep DragThumb(int startOffset, int moved, const BarMetrics& m, const ScrollValues& v) {
  const int n = static_cast<int>(std::clamp<std::int64_t>(static_cast<std::int64_t>(v.max) - v.min + 1, 0, INT_MAX));
  const int l = m.trackLength, t = m.thumbLength;
  int offset = std::max(0, startOffset + moved);
  int position = 0;
  if (v.page == 0) {
    offset = std::min(offset, l - t);
    position = MulDivRounded(offset, n, l - t) + v.min;
  } else {
    if (l < offset) offset = l - 1;
    position = MulDivRounded(offset, n, l) + v.min;
  }
  position = std::max(position, v.min);
  const std::int64_t last = static_cast<std::int64_t>(v.max) - v.page;
  if (position > last) position = static_cast<int>(std::min<std::int64_t>(last + 1, INT_MAX));
  return {offset, position};
}

BarLayout LayoutBar(int length, int kind, int arrow, int pressedPart, const BarMetrics& m) {
  const bool vertical = kind == kVerticalBar;
  const auto along = [&](int from, int to) {
    return vertical ? Rect{0, from, kComposedThickness, to} : Rect{from, 0, to, kComposedThickness};
  };
  BarLayout l;
  l.work = along(0, length);
  l.track = along(arrow, length - arrow);
  const int b = length < 2 * arrow ? length / 2 : arrow;
  l.firstArrow = along(0, b);
  l.secondArrow = along(length - b, length);
  const int first = vertical ? kUpArrow : kLeftArrow, second = vertical ? kDownArrow : kRightArrow;
  const int base = vertical ? 9 : 1;
  l.firstArrowFrame = base + (pressedPart == first ? 1 : 0);
  l.secondArrowFrame = base + 4 + (pressedPart == second ? 1 : 0);
  const int track = m.trackLength, thumb = m.thumbLength;
  const int offset = std::clamp(m.thumbOffset, 0, std::max(0, track - thumb));
  l.thumb = along(b + offset, b + offset + thumb);
  l.drawThumb = track >= thumb;
  l.thumbFrame = pressedPart == (vertical ? kVertThumb : kHorzThumb) ? 2 : 1;
  return l;
}

}  // namespace vex::skin::controls
