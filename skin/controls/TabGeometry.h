#pragma once
// The arithmetic of skinned tab controls, free of Win32 so that it is tested
// natively: which side the tabs are on, where the strip of tabs and the
// border around the pages go, where a tab lies in the strip's picture
// (composed lying down for tabs along the left or right side and turned
// afterwards), and where a tab's icon and caption go.
#include <cstdint>

#include "skin/controls/ControlGeometry.h"

namespace vex::skin::controls {

inline constexpr int kTabsTop = 0;
inline constexpr int kTabsBottom = 1;
inline constexpr int kTabsLeft = 2;
inline constexpr int kTabsRight = 3;

// The side from the tab control's style: TCS_BOTTOM (2) with TCS_VERTICAL
// (0x80) is the right side, without it the bottom; TCS_VERTICAL alone the
// left side; neither the top.
int TabPositionFromStyle(std::uint32_t style);

// `window` is the control's window rectangle at origin, `adjusted` its
// display area as the control reports it.  The border goes around
// `display` (the display area grown by 4, its tab side one pixel further in);
// the tabs' strip fills the window on the tab side of it, and its picture is
// `work` large (lying down for the left and right sides).
struct TabStrip {
  Rect display;
  Rect strip;
  Size work;
};
TabStrip LayoutTabStrip(const Rect& window, const Rect& adjusted, int position);

// A tab's rectangle (client coordinates) in the strip's picture.
Rect TabInStrip(const Rect& tab, int position, const TabStrip& strip, const Rect& window);

// Where a tab's icon (16 x 16, or none) and its caption measured as
// textWidth x textHeight go in the tab's rectangle: side by side, centred
// together, the caption one pixel right of the icon.
struct TabCaption {
  Rect icon;
  Rect text;
};
inline constexpr int kTabIconSize = 16;
TabCaption PlaceTabCaption(const Rect& tab, int textWidth, int textHeight, bool withIcon);

// The fixed margins of the border image around the pages.
inline constexpr Rect kTabBorderMargins{4, 5, 4, 4};

}  // namespace vex::skin::controls
