#include "skin/windows/FrameGeometry.h"

#include <algorithm>

namespace vex::skin::frame {

CaptionPlace PlaceCaption(const Rect& bar, int textWidth, int textHeight, const TitleText& title) {
  Rect c{bar.left, bar.top, bar.left + textWidth + title.backLeft + title.backRight, bar.top + textHeight};
  int dx = 0;
  switch (title.alignment) {
    case 0: dx = title.shift; break;
    case 1: dx = (bar.Width() - c.Width()) / 2; break;
    case 2: dx = bar.Width() - title.rightClip - c.Width(); break;
    default: break;
  }
  // Integer division truncates toward zero, so a taller text than the bar
  // moves up by the rounded-down half.
  const int dy = (bar.Height() - c.Height()) / 2 + title.shiftVert / 2;
  c.Offset(dx, dy);
  if (bar.right - title.rightClip < c.right) c.right = bar.right - title.rightClip;
  CaptionPlace place{c, c};
  place.drawRect.left += title.backLeft;
  place.drawRect.right -= title.backRight;
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
  int x = 0, y = 0;
  switch (b.align) {
    case 0: x = b.xcoord; y = b.ycoord; break;
    case 1: x = f.windowWidth - b.xcoord; y = b.ycoord; break;
    case 2:
    case 8: x = f.textRect.left - b.width - b.xcoord; y = b.ycoord; break;
    case 3:
    case 9: x = f.textRect.right + b.xcoord; y = b.ycoord; break;
    case 100:
      x = f.windowWidth - b.xcoord - f.bands.right - f.menuBarLeftWidth;
      y = (f.bands.menu - b.height) / 2 + f.bands.top;
      break;
    default: break;
  }
  return Rect{x, y, x + b.width, y + b.height};
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
  return {client.width + b.left + b.right, client.height + b.top + b.bottom + (withMenu ? b.menu : 0)};
}

Size NativeWindowSize(Size window, Size nativeFrame, const Bands& b) {
  return {window.width + nativeFrame.width - b.left - b.right,
          window.height + nativeFrame.height - b.top - b.menu - b.bottom};
}

Rect SkinnedClientRect(int x, int y, int cx, int cy, const Bands& b) {
  return {x + b.left, y + b.top + b.menu, x + cx - b.right, y + cy - b.bottom};
}

RegionPlan PlanRegion(const BorderTrans& t, Size window, const Bands& b) {
  RegionPlan plan;
  plan.leftKeyed = t.left && window.height > 1;
  plan.rightKeyed = t.right && window.height > 1;
  plan.bottomKeyed = t.bottom && b.bottom >= 2;
  plan.topKeyed = t.top && b.top > 1;
  return plan;
}

int FrameExtent(int total, int frameCount) { return total / std::max(frameCount, 1); }

}  // namespace vex::skin::frame
