#include "skin/windows/FrameGeometry.h"

#include <algorithm>
#include <cstdint>

#include "skin/data/DrawBounds.h"

namespace vex::skin::frame {

// Skin values may be anything a 32-bit key holds, so the places are worked
// out in 64 bits and brought within drawable coordinates at the end.
namespace {
using I64 = std::int64_t;
Rect SaneRect(I64 left, I64 top, I64 right, I64 bottom) {
  return {bounds::Coord(left), bounds::Coord(top), bounds::Coord(right), bounds::Coord(bottom)};
}
}  // namespace

CaptionPlace PlaceCaption(const Rect& bar, int textWidth, int textHeight, const TitleText& title) {
  const I64 barWidth = I64{bar.right} - bar.left, barHeight = I64{bar.bottom} - bar.top;
  const I64 width = I64{textWidth} + title.backLeft + title.backRight, height = textHeight;
  I64 dx = 0;
  switch (title.alignment) {
    case 0: dx = title.shift; break;
    case 1: dx = (barWidth - width) / 2; break;
    case 2: dx = barWidth - title.rightClip - width; break;
    default: break;
  }
  // Integer division truncates toward zero, so a taller text than the bar
  // moves up by the rounded-down half.
  const I64 dy = (barHeight - height) / 2 + title.shiftVert / 2;
  const I64 left = bar.left + dx, top = bar.top + dy;
  I64 right = left + width;
  const I64 clip = I64{bar.right} - title.rightClip;
  if (clip < right) right = clip;
  CaptionPlace place;
  place.textRect = SaneRect(left, top, right, top + height);
  place.drawRect = SaneRect(left + title.backLeft, top, right - title.backRight, top + height);
  return place;
}

namespace {

// Condition of one visibility code.  `first` selects the Visibility column
// (code 0 and the maximise/minimise codes ask more of it).
bool CodeHolds(int code, bool first, int action, const WindowFacts& f) {
  if (code >= 200 && code <= 2000) return true;
  switch (code) {
    case 0: return !first || (f.borderKind != 3 && (action != 0 || f.systemMenu));
    case 1: return f.maximized;
    case 2: return !f.maximized;
    case 3: return f.active;
    case 4: return !f.active;
    case 6: return f.maximizeBox && (!first || f.systemMenu);
    case 7: return !f.maximizeBox;
    case 8: return f.minimizeBox && (!first || f.systemMenu);
    case 9: return !f.minimizeBox;
    case 100: return f.mdiChildMaximized && f.menuHeight > 0;
    default: return false;  // 5, 10-99, 101-199, negative, above 2000
  }
}

}  // namespace

bool ButtonVisible(int visibility, int visibility1, int action, const WindowFacts& facts) {
  bool visible = CodeHolds(visibility, true, action, facts) && CodeHolds(visibility1, false, action, facts);
  if (action == 1 && !facts.maximizeBox) visible = false;
  if (action == 2 && !facts.minimizeBox) visible = false;
  return visible;
}

Rect PlaceButton(const ButtonPlaceInput& b, const FrameFacts& f) {
  I64 x = 0, y = 0;
  switch (b.align) {
    case 0: x = b.xcoord; y = b.ycoord; break;
    case 1: x = I64{f.windowWidth} - b.xcoord; y = b.ycoord; break;
    case 2:
    case 8: x = I64{f.textRect.left} - b.width - b.xcoord; y = b.ycoord; break;
    case 3:
    case 9: x = I64{f.textRect.right} + b.xcoord; y = b.ycoord; break;
    case 100:
      x = I64{f.windowWidth} - b.xcoord - f.bands.right - f.menuBarLeftWidth;
      y = (I64{f.bands.menu} - b.height) / 2 + f.bands.top;
      break;
    default: break;
  }
  return SaneRect(x, y, x + b.width, y + b.height);
}

ButtonCommand CommandFor(int action) {
  switch (action) {
    case 0: return ButtonCommand::kClose;
    case 1:
    case 22: return ButtonCommand::kMaximize;
    case 2:
    case 23: return ButtonCommand::kMinimize;
    case 3:
    case 11:
    case 12: return ButtonCommand::kSystemMenu;
    case 7:
    case 60: return ButtonCommand::kMdiMinimize;
    case 8:
    case 61: return ButtonCommand::kMdiRestore;
    case 9:
    case 62: return ButtonCommand::kMdiClose;
    default: return ButtonCommand::kPost;
  }
}

int ButtonFrame(int wanted, int frameCount) { return std::clamp(wanted, 1, std::max(frameCount, 1)); }

Size SkinnedWindowSize(Size client, const Bands& b, bool withMenu) {
  return {bounds::Extent(I64{client.width} + b.left + b.right),
          bounds::Extent(I64{client.height} + b.top + b.bottom + (withMenu ? b.menu : 0))};
}

Size NativeWindowSize(Size window, Size nativeFrame, const Bands& b) {
  return {bounds::Extent(I64{window.width} + nativeFrame.width - b.left - b.right),
          bounds::Extent(I64{window.height} + nativeFrame.height - b.top - b.menu - b.bottom)};
}

Rect SkinnedClientRect(int x, int y, int cx, int cy, const Bands& b) {
  return SaneRect(I64{x} + b.left, I64{y} + b.top + b.menu, I64{x} + cx - b.right, I64{y} + cy - b.bottom);
}

RegionPlan PlanRegion(const BorderTrans& t, Size window, const Bands& b) {
  RegionPlan plan;
  plan.leftKeyed = t.left && window.height > 1;
  plan.rightKeyed = t.right && window.height > 1;
  plan.bottomKeyed = t.bottom && b.bottom >= 2;
  plan.topKeyed = t.top && b.top > 1;
  return plan;
}

int FrameExtent(int total, int frameCount) { return bounds::Extent(total / std::max(frameCount, 1)); }

}  // namespace vex::skin::frame
