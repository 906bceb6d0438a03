// The skinned frame's arithmetic: caption placement, caption-button
// visibility and layout, button actions, window sizes.
#include "skin/windows/FrameGeometry.h"

#include <gtest/gtest.h>

namespace f = vex::skin::frame;

namespace {

// The sedge title: TextShift 14, TextShiftVert -7, TextRightClip 145.
constexpr f::TitleText kSedge{0, 14, -7, 145, 0, 0};
// A 392-pixel window with 4-pixel sides: the title band.
constexpr f::Rect kBar{4, 0, 388, 28};

TEST(PlaceCaption, ByAlignment) {
  struct Case {
    const char* name;
    f::TitleText title;
    int textWidth;
    f::Rect expected;
  };
  const Case cases[] = {
      // Shifted by TextShift; vertical (28 - 13) / 2 + (-7 / 2) = 7 - 3.
      {"left", kSedge, 100, {18, 4, 118, 17}},
      // Centred: (384 - 100) / 2 = 142.
      {"centred", {1, 0, 0, 0, 0, 0}, 100, {146, 7, 246, 20}},
      // Wider than the bar: the offset is negative, the text starts left of it.
      {"centred, too wide", {1, 0, 0, 0, 0, 0}, 400, {-4, 7, 388, 20}},
      // Right-aligned text ends at the clip line.
      {"right", {2, 0, 0, 20, 0, 0}, 100, {268, 7, 368, 20}},
      // Long text is clipped where the buttons begin.
      {"left, clipped", kSedge, 400, {18, 4, 243, 17}},
      {"unknown alignment", {7, 14, 0, 0, 0, 0}, 50, {4, 7, 54, 20}},
  };
  for (const Case& c : cases) {
    const f::CaptionPlace p = f::PlaceCaption(kBar, c.textWidth, 13, c.title);
    EXPECT_EQ(p.textRect, c.expected) << c.name;
    EXPECT_EQ(p.drawRect, c.expected) << c.name << ": no end caps";
  }
}

TEST(PlaceCaption, EndCapsWidenTheBackgroundAndInsetTheText) {
  const f::TitleText title{1, 0, 0, 0, 6, 9};
  const f::CaptionPlace p = f::PlaceCaption(kBar, 100, 13, title);
  EXPECT_EQ(p.textRect.Width(), 115);
  EXPECT_EQ(p.textRect.left, 4 + (384 - 115) / 2);
  EXPECT_EQ(p.drawRect.left, p.textRect.left + 6);
  EXPECT_EQ(p.drawRect.right, p.textRect.right - 9);
}

TEST(ButtonVisible, EveryCodeOfTheTable) {
  f::WindowFacts normal;  // active, not maximised, all boxes
  normal.systemMenu = normal.minimizeBox = normal.maximizeBox = true;
  f::WindowFacts bare = normal;
  bare.systemMenu = bare.minimizeBox = bare.maximizeBox = false;
  f::WindowFacts maxed = normal;
  maxed.maximized = true;
  f::WindowFacts inactive = normal;
  inactive.active = false;
  f::WindowFacts mdi = normal;
  mdi.mdiChildMaximized = true;
  mdi.menuHeight = 19;
  f::WindowFacts kind3 = normal;
  kind3.borderKind = 3;
  f::WindowFacts noSysMenu = normal;
  noSysMenu.systemMenu = false;

  struct Case {
    int visibility, visibility1, action;
    const f::WindowFacts& facts;
    bool expected;
  };
  const Case cases[] = {
      {0, 0, 0, normal, true},      {0, 0, 0, bare, false},       {0, 0, 5, bare, true},
      {0, 0, 5, kind3, false},      {1, 1, 5, maxed, true},       {1, 1, 5, normal, false},
      {2, 2, 5, normal, true},      {2, 2, 5, maxed, false},      {3, 3, 5, normal, true},
      {3, 3, 5, inactive, false},   {4, 4, 5, inactive, true},    {4, 4, 5, normal, false},
      {5, 0, 5, normal, false},     {0, 5, 5, normal, false},     {6, 6, 5, normal, true},
      {6, 6, 5, bare, false},       {7, 7, 5, bare, true},        {7, 7, 5, normal, false},
      {8, 8, 5, normal, true},      {8, 8, 5, bare, false},       {9, 9, 5, bare, true},
      {9, 9, 5, normal, false},     {10, 0, 5, normal, false},    {99, 0, 5, normal, false},
      {100, 100, 5, mdi, true},     {100, 100, 5, normal, false}, {150, 0, 5, normal, false},
      {200, 2000, 5, bare, true},   {2001, 0, 5, normal, false},  {-1, 0, 5, normal, false},
      // Visibility 6 and 8 ask for a system menu too, Visibility1 6 and 8 do not.
      {6, 200, 5, noSysMenu, false}, {200, 6, 5, noSysMenu, true}, {8, 200, 5, noSysMenu, false},
      {200, 8, 5, noSysMenu, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(f::ButtonVisible(c.visibility, c.visibility1, c.action, c.facts), c.expected)
        << c.visibility << "/" << c.visibility1 << " action " << c.action;
  }
  f::WindowFacts noMaxBox = normal;
  noMaxBox.maximizeBox = false;
  f::WindowFacts noMinBox = normal;
  noMinBox.minimizeBox = false;
  // Whatever the codes, maximise and minimise need their boxes.
  EXPECT_FALSE(f::ButtonVisible(200, 200, 1, noMaxBox));
  EXPECT_FALSE(f::ButtonVisible(200, 200, 2, noMinBox));
  EXPECT_TRUE(f::ButtonVisible(200, 200, 1, noMinBox));
  // The embedded skin's maximise (2/6) and restore (1/6) share a place.
  EXPECT_TRUE(f::ButtonVisible(2, 6, 1, normal));
  EXPECT_FALSE(f::ButtonVisible(1, 6, 1, normal));
  EXPECT_TRUE(f::ButtonVisible(1, 6, 1, maxed));
}

TEST(PlaceButton, EveryAlign) {
  f::FrameFacts frame;
  frame.windowWidth = 400;
  frame.textRect = {18, 4, 118, 17};
  frame.bands = {4, 28, 4, 4, 20};
  frame.menuBarLeftWidth = 6;
  struct Case {
    int align;
    f::Rect expected;
  };
  const Case cases[] = {
      {0, {33, 3, 57, 27}},      {1, {367, 3, 391, 27}},  {2, {-39, 3, -15, 27}},
      {8, {-39, 3, -15, 27}},    {3, {151, 3, 175, 27}},  {9, {151, 3, 175, 27}},
      {100, {357, 26, 381, 50}}, {4, {0, 0, 24, 24}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(f::PlaceButton({c.align, 33, 3, 24, 24}, frame), c.expected) << "align " << c.align;
  }
}

TEST(CommandFor, EveryAction) {
  using C = f::ButtonCommand;
  const std::pair<int, C> cases[] = {
      {0, C::kClose},       {1, C::kMaximize},    {22, C::kMaximize},   {2, C::kMinimize},
      {23, C::kMinimize},   {3, C::kSystemMenu},  {11, C::kSystemMenu}, {12, C::kSystemMenu},
      {7, C::kMdiMinimize}, {60, C::kMdiMinimize}, {8, C::kMdiRestore}, {61, C::kMdiRestore},
      {9, C::kMdiClose},    {62, C::kMdiClose},   {5, C::kPost},        {-1, C::kPost},
      {4, C::kPost},        {100, C::kPost},
  };
  for (const auto& [action, command] : cases) EXPECT_EQ(f::CommandFor(action), command) << action;
}

TEST(ButtonFrame, NeverBeyondTheImage) {
  EXPECT_EQ(f::ButtonFrame(3, 6), 3);
  EXPECT_EQ(f::ButtonFrame(4, 3), 3);
  EXPECT_EQ(f::ButtonFrame(2, 0), 1);
  EXPECT_EQ(f::ButtonFrame(0, 6), 1);
  EXPECT_EQ(f::FrameExtent(144, 6), 24);
  EXPECT_EQ(f::FrameExtent(56, 0), 56);
}

TEST(WindowSizes, SkinnedAndNativeKeepTheClientArea) {
  const f::Bands b{4, 28, 4, 4, 19};
  const f::Size client{292, 193};
  const f::Size skinned = f::SkinnedWindowSize(client, b, false);
  EXPECT_EQ(skinned, (f::Size{300, 225}));
  EXPECT_EQ(f::SkinnedWindowSize(client, b, true), (f::Size{300, 244}));
  // Natively the window was 6 wider and 25 higher than its client (with its
  // menu bar in the 25); the skinned client under the menu band stays.
  const f::Size withMenu = f::SkinnedWindowSize(client, b, true);
  EXPECT_EQ(f::NativeWindowSize(withMenu, {6, 25}, b), (f::Size{298, 218}));
  EXPECT_EQ(f::SkinnedClientRect(10, 20, 300, 244, b), (f::Rect{14, 67, 306, 260}));
}

TEST(PlanRegion, KeyedSidesNeedThickness) {
  const f::Bands b{4, 28, 4, 4, 0};
  const f::RegionPlan all = f::PlanRegion({true, true, true, true}, {300, 200}, b);
  EXPECT_TRUE(all.leftKeyed && all.rightKeyed && all.topKeyed && all.bottomKeyed);
  const f::RegionPlan thin = f::PlanRegion({true, true, true, true}, {300, 1}, {4, 1, 4, 1, 0});
  EXPECT_FALSE(thin.leftKeyed || thin.rightKeyed || thin.topKeyed || thin.bottomKeyed);
  const f::RegionPlan bottomOnly = f::PlanRegion({false, false, false, true}, {300, 200}, b);
  EXPECT_TRUE(bottomOnly.bottomKeyed);
  EXPECT_FALSE(bottomOnly.leftKeyed || bottomOnly.topKeyed);
  EXPECT_FALSE(f::PlanRegion({}, {300, 200}, b).AnyKeyed());
}

}  // namespace
