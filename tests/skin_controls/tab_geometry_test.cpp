// Skinned tab controls' arithmetic: the side of the tabs, the strip and the
// border around the pages, tabs in the strip's picture (lying down for the
// left and right sides), and a tab's icon and caption.
#include "skin/controls/TabGeometry.h"

#include <gtest/gtest.h>

namespace c = vex::skin::controls;

namespace {

TEST(TabGeometry, SideFromTheStyle) {
  const struct {
    unsigned style;
    int side;
  } cases[] = {{0, c::kTabsTop},        {0x2, c::kTabsBottom},         {0x80, c::kTabsLeft},
               {0x82, c::kTabsRight},   {0x50010200, c::kTabsTop},     {0x50010282, c::kTabsRight}};
  for (const auto& k : cases) EXPECT_EQ(c::TabPositionFromStyle(k.style), k.side) << std::hex << k.style;
}

TEST(TabGeometry, StripBorderAndTabsAlongEachSide) {
  struct Case {
    const char* name;
    int side;
    c::Rect adjusted;  // the display area the control reports
    c::Rect display, strip;
    c::Size work;
    c::Rect tab, inStrip;
  };
  // A 200 x 150 tab control.
  const Case cases[] = {
      {"top", c::kTabsTop, {4, 26, 196, 146}, {0, 23, 200, 150}, {0, 0, 200, 23}, {200, 23}, {2, 2, 60, 22},
       {2, 3, 60, 23}},
      {"bottom", c::kTabsBottom, {4, 4, 196, 124}, {0, 0, 200, 127}, {0, 127, 200, 150}, {200, 23},
       {2, 128, 60, 148}, {2, 0, 60, 20}},
      {"left: composed lying down", c::kTabsLeft, {26, 4, 196, 146}, {23, 0, 200, 150}, {0, 0, 23, 150}, {150, 23},
       {2, 2, 22, 60}, {90, 2, 148, 22}},
      {"right: composed lying down", c::kTabsRight, {4, 4, 174, 146}, {0, 0, 177, 150}, {177, 0, 200, 150},
       {150, 23}, {178, 2, 198, 60}, {1, 2, 59, 22}},
  };
  const c::Rect window{0, 0, 200, 150};
  for (const Case& k : cases) {
    const c::TabStrip s = c::LayoutTabStrip(window, k.adjusted, k.side);
    EXPECT_EQ(s.display, k.display) << k.name;
    EXPECT_EQ(s.strip, k.strip) << k.name;
    EXPECT_EQ(s.work, k.work) << k.name;
    EXPECT_EQ(c::TabInStrip(k.tab, k.side, s, window), k.inStrip) << k.name;
  }
}

// Turning the picture left (column x goes to row W - 1 - x) puts a tab of
// the left side back where the control has it.
TEST(TabGeometry, ALeftTabTurnedLeftIsBackInPlace) {
  const c::Rect window{0, 0, 120, 300};
  const c::TabStrip s = c::LayoutTabStrip(window, {30, 4, 116, 296}, c::kTabsLeft);
  for (const c::Rect tab : {c::Rect{2, 2, 24, 70}, c::Rect{2, 70, 24, 131}, c::Rect{0, 131, 27, 200}}) {
    const c::Rect lying = c::TabInStrip(tab, c::kTabsLeft, s, window);
    const c::Rect turned{lying.top, s.work.width - lying.right, lying.bottom, s.work.width - lying.left};
    EXPECT_EQ(turned, tab);
  }
}

TEST(TabGeometry, IconAndCaptionCentredTogether) {
  struct Case {
    const char* name;
    int textWidth;
    bool icon;
    c::Rect iconBox, text;
  };
  // An 80 x 20 tab at (10, 5), text 13 high.
  const Case cases[] = {
      {"caption alone", 30, false, {35, 15, 35, 15}, {36, 8, 66, 21}},
      {"icon and caption", 30, true, {27, 7, 43, 23}, {44, 8, 74, 21}},
      {"icon alone", 0, true, {42, 7, 58, 23}, {59, 8, 59, 21}},
      {"caption wider than the tab", 100, false, {0, 15, 0, 15}, {1, 8, 101, 21}},
  };
  for (const Case& k : cases) {
    const c::TabCaption at = c::PlaceTabCaption({10, 5, 90, 25}, k.textWidth, 13, k.icon);
    EXPECT_EQ(at.icon, k.iconBox) << k.name;
    EXPECT_EQ(at.text, k.text) << k.name;
  }
}

}  // namespace
