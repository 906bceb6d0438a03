// Designs at every DPI a display offers: MulDiv's rounding at the edges, the
// main window's layout from 96 to 240 dpi, neighbours kept together and the
// way back to the design exact.
#include <gtest/gtest.h>

#include <climits>

#include "widgets/DpiScale.h"

namespace vcl::dpi {
namespace {

using layout::Box;

TEST(DpiScale, MulDivRoundsHalfAwayFromZeroAsWindowsDoes) {
  struct Case { int a, b, c, expected; } cases[] = {
      {7, 1, 2, 4},       {-7, 1, 2, -4},     {7, 1, -2, -4},     {-7, -1, 2, 4},  // halves away from zero
      {5, 1, 3, 2},       {4, 1, 3, 1},       {-5, 1, 3, -2},     {-4, 1, 3, -1},
      {1, 120, 96, 1},    {2, 120, 96, 3},    {-2, 120, 96, -3},  {3, 120, 96, 4},
      {-11, 144, 96, -17}, {11, 168, 96, 19}, {0, 144, 96, 0},
      {1, 1, 0, -1},      {INT_MAX, 2, 1, -1}, {INT_MIN, 1, 1, -1},  // MulDiv's failures
      {INT_MAX, 96, 96, INT_MAX},  // the product is computed in 64 bits
  };
  for (const Case& k : cases)
    EXPECT_EQ(MulDivRound(k.a, k.b, k.c), k.expected) << k.a << " * " << k.b << " / " << k.c;
}

constexpr int kDpis[] = {96, 120, 144, 168, 192, 240};

// The main window's design and what it becomes: client, the icon box's
// frame (Panel3), the icon (Image1 inside it), a button, the options
// panel below the upper one and the font.
struct MainLayout {
  int dpi;
  int clientWidth, clientHeight;
  Box panel3, image1, button1, panel2;
  int fontHeight;
};

const MainLayout kMain[] = {
    {96, 292, 94, {8, 24, 43, 59}, {1, 2, 33, 34}, {56, 27, 161, 52}, {0, 94, 292, 193}, -11},
    {120, 365, 118, {10, 30, 54, 74}, {1, 3, 41, 43}, {70, 34, 201, 65}, {0, 118, 365, 241}, -14},
    {144, 438, 141, {12, 36, 65, 89}, {2, 3, 50, 51}, {84, 41, 242, 78}, {0, 141, 438, 290}, -17},
    {168, 511, 165, {14, 42, 75, 103}, {2, 4, 58, 60}, {98, 47, 282, 91}, {0, 165, 511, 338}, -19},
    {192, 584, 188, {16, 48, 86, 118}, {2, 4, 66, 68}, {112, 54, 322, 104}, {0, 188, 584, 386}, -22},
    {240, 730, 235, {20, 60, 108, 148}, {3, 5, 83, 85}, {140, 68, 403, 130}, {0, 235, 730, 483}, -28},
};

TEST(DpiScale, TheMainWindowAtEveryDpi) {
  const MainLayout& design = kMain[0];
  for (const MainLayout& at : kMain) {
    SCOPED_TRACE(at.dpi);
    EXPECT_EQ(Scale(design.clientWidth, at.dpi), at.clientWidth);
    EXPECT_EQ(Scale(design.clientHeight, at.dpi), at.clientHeight);
    EXPECT_EQ(ScaleBox(design.panel3, at.dpi), at.panel3);
    EXPECT_EQ(ScaleBox(design.image1, at.dpi), at.image1);
    EXPECT_EQ(ScaleBox(design.button1, at.dpi), at.button1);
    EXPECT_EQ(ScaleBox(design.panel2, at.dpi), at.panel2);
    EXPECT_EQ(Scale(design.fontHeight, at.dpi), at.fontHeight);
    // The icon box holds an icon of the DPI's own size, square.
    EXPECT_EQ(at.image1.Width(), IconSize(32, at.dpi));
    EXPECT_EQ(at.image1.Height(), IconSize(32, at.dpi));
    // Panel2 starts where Panel1 (the client's height) ends.
    EXPECT_EQ(at.panel2.top, at.clientHeight);
  }
}

TEST(DpiScale, IconSizesFollowTheDisplay) {
  const int expected[] = {32, 40, 48, 56, 64, 80};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(IconSize(32, kDpis[i]), expected[i]) << kDpis[i];
  EXPECT_EQ(IconSize(16, 144), 24);
}

TEST(DpiScale, NoDpiOrTheDesignsOwnLeavesValuesAlone) {
  for (int dpi : {0, -5, 96}) {
    EXPECT_EQ(Scale(-11, dpi), -11);
    EXPECT_EQ(Scale(INT_MAX, dpi), INT_MAX);
    EXPECT_EQ(Follow(3, 40, dpi), 40) << "pixels at 96 dpi are the design";
  }
}

TEST(DpiScale, NeighboursStayTogetherWhereSizesScaledAloneWouldPart) {
  // Three 1-pixel-wide columns side by side: scaled by size each would be
  // 1 pixel at 120 dpi and leave a gap; scaled by edge they tile the row.
  for (int dpi : kDpis) {
    for (int x = -40; x < 40; ++x) {
      const Box a{x, 0, x + 1, 5}, b{x + 1, 0, x + 2, 5};
      EXPECT_EQ(ScaleBox(a, dpi).right, ScaleBox(b, dpi).left) << x << " at " << dpi;
    }
    // A row of widths adds up to the scaled whole.
    const Box row{7, 0, 7 + 23 + 201 + 35, 1};
    const Box first{7, 0, 30, 1}, second{30, 0, 231, 1}, third{231, 0, 266, 1};
    EXPECT_EQ(ScaleBox(first, dpi).Width() + ScaleBox(second, dpi).Width() + ScaleBox(third, dpi).Width(),
              ScaleBox(row, dpi).Width());
  }
}

TEST(DpiScale, TheWayBackKeepsTheDesignExactly) {
  for (int dpi : kDpis) {
    for (int v = -300; v <= 300; ++v) {
      ASSERT_EQ(Follow(v, Scale(v, dpi), dpi), v) << v << " at " << dpi;
      // Through another DPI and back: the design is never rounded twice.
      const int there = Follow(v, Scale(v, 144), 144);
      ASSERT_EQ(Scale(there, dpi), Scale(v, dpi)) << v << " at " << dpi;
    }
  }
  const Box design{8, 24, 43, 59};
  EXPECT_EQ(FollowBox(design, ScaleBox(design, 168), 168), design);
}

TEST(DpiScale, PixelsSetAtADpiBecomeTheNearestDesign) {
  struct Case { int design, pixels, dpi, expected; } cases[] = {
      {94, 141, 144, 94},    // still the design's own
      {94, 290, 144, 193},   // the options panel shown at 144 dpi: 193.3
      {94, 289, 144, 193},   // 192.7
      {292, 500, 120, 400},  // the user widened the window
      {10, 13, 120, 10},     // 12.5 rounds to 13: still the design
      {10, 12, 120, 10},     // 9.6 rounds back to 10
      {-11, -17, 144, -11},  // a font at 144 dpi
      {-11, -20, 144, -13},
  };
  for (const Case& k : cases)
    EXPECT_EQ(Follow(k.design, k.pixels, k.dpi), k.expected) << k.pixels << " at " << k.dpi;
}

}  // namespace
}  // namespace vcl::dpi
