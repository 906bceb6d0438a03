#include "skin/controls/TabGeometry.h"

namespace vex::skin::controls {

namespace {
constexpr std::uint32_t kTcsBottom = 0x2, kTcsVertical = 0x80;
}  // namespace

int TabPositionFromStyle(std::uint32_t style) {
  const bool vertical = (style & kTcsVertical) != 0;
  if (style & kTcsBottom) return vertical ? kTabsRight : kTabsBottom;
  return vertical ? kTabsLeft : kTabsTop;
}

TabStrip LayoutTabStrip(const Rect& r, const Rect& adjusted, int position) {
  TabStrip s;
  Rect d{adjusted.left - 4, adjusted.top - 4, adjusted.right + 4, adjusted.bottom + 4};
  switch (position) {
    case kTabsBottom:
      d.bottom -= 1;
      s.strip = {r.left, d.bottom, r.right, r.bottom};
      break;
    case kTabsLeft:
      d.left += 1;
      s.strip = {r.left, r.top, d.left, r.bottom};
      break;
    case kTabsRight:
      d.right -= 1;
      s.strip = {d.right, r.top, r.right, r.bottom};
      break;
    default:
      d.top += 1;
      s.strip = {r.left, r.top, r.right, d.top};
      break;
  }
  s.display = d;
  const bool lyingDown = position == kTabsLeft || position == kTabsRight;
  s.work = lyingDown ? Size{s.strip.Height(), s.strip.Width()} : Size{s.strip.Width(), s.strip.Height()};
  return s;
}

Rect TabInStrip(const Rect& t, int position, const TabStrip& strip, const Rect& window) {
  switch (position) {
    case kTabsBottom: return {t.left, t.top - strip.display.bottom - 1, t.right, t.bottom - strip.display.bottom - 1};
    case kTabsLeft: {
      // Turned left afterwards: the picture's column x becomes row Wd - 1 - x.
      const int wd = strip.work.width;
      return {wd - t.bottom, t.left, wd - t.top, t.right};
    }
    case kTabsRight:
      // Turned right afterwards: row y becomes column H - 1 - y.
      return {t.top - 1, window.right - t.right, t.bottom - 1, window.right - t.left};
    default: return {t.left, t.top + 1, t.right, t.bottom + 1};
  }
}

TabCaption PlaceTabCaption(const Rect& s, int textWidth, int textHeight, bool withIcon) {
  const int a = withIcon ? kTabIconSize : 0;
  const int dx = (s.Width() - a - textWidth) / 2;
  TabCaption c;
  c.icon = {s.left + dx, s.top + (s.Height() - a) / 2, s.left + dx + a, s.top + (s.Height() - a) / 2 + a};
  c.text = {s.left, s.top, s.left + textWidth, s.top + textHeight};
  c.text.Offset(a + dx + 1, (s.Height() - textHeight) / 2);
  return c;
}

}  // namespace vex::skin::controls
