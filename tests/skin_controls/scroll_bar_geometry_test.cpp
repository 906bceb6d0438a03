// Skinned scroll bars' arithmetic: where the bars of a window go, thumb
// length and offset, which part a point is over, where a dragged thumb goes
// and which position it sends, and the parts of a bar's picture.
#include "skin/controls/ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace c = vex::skin::controls;

namespace {

TEST(ScrollBarGeometry, MulDivRoundsHalfAwayFromZeroAndFailsAsWindowsDoes) {
  struct Case {
    int a, b, d, want;
  };
  const Case cases[] = {
      {7, 1, 2, 4},   {-7, 1, 2, -4},        {5, 1, 2, 3},  {10, 10, 3, 33}, {1, 1, -2, -1}, {6, 4, -3, -8},
      {5, 3, 0, -1},  {INT_MAX, 2, 1, -1},   {0, 9, 7, 0},  {100, 50, 200, 25},
  };
  for (const Case& k : cases) EXPECT_EQ(c::MulDivRounded(k.a, k.b, k.d), k.want) << k.a << "*" << k.b << "/" << k.d;
}

TEST(ScrollBarGeometry, WindowBarsForOneBarTheOtherAndBoth) {
  struct Case {
    const char* name;
    int clientWidth, clientHeight;
    bool horz, vert;
    c::Rect horzBar, vertBar, sizeBox;
  };
  // A 200 x 100 window with a 2-pixel border and 17-pixel arrows.
  const Case cases[] = {
      {"both", 179, 79, true, true, {2, 81, 181, 98}, {181, 2, 198, 81}, {181, 81, 198, 98}},
      {"vertical only", 179, 96, false, true, {}, {181, 2, 198, 98}, {}},
      {"horizontal only", 196, 79, true, false, {2, 81, 198, 98}, {}, {}},
      {"neither", 196, 96, false, false, {}, {}, {}},
      // An odd remainder: the border is truncated toward zero.
      {"vertical, border of 1.5", 180, 96, false, true, {}, {182, 1, 199, 99}, {}},
  };
  for (const Case& k : cases) {
    const c::WindowBars bars = c::PlaceWindowBars(200, 100, k.clientWidth, k.clientHeight, 17, k.horz, k.vert);
    EXPECT_EQ(bars.horz, k.horzBar) << k.name;
    EXPECT_EQ(bars.vert, k.vertBar) << k.name;
    EXPECT_EQ(bars.sizeBox, k.sizeBox) << k.name;
    EXPECT_EQ(c::Shows(bars.sizeBox), k.horz && k.vert) << k.name;
  }
}

TEST(ScrollBarGeometry, ThumbLengthAndOffset) {
  struct Case {
    const char* name;
    int barLength;
    c::ScrollValues values;
    int track, thumb, offset;
  };
  // 17-pixel arrows, a system thumb of 17, a minimum of 8.
  const Case cases[] = {
      {"page 0: the system thumb", 234, {0, 100, 0, 50, 50}, 200, 17, 91},
      {"page 0 at the end", 234, {0, 100, 0, 100, 100}, 200, 17, 181},
      {"page in proportion", 234, {0, 99, 25, 0, 0}, 200, 50, 0},
      {"page in proportion, at the last position", 234, {0, 99, 25, 75, 75}, 200, 50, 150},
      {"page equal to the range: one pixel short at 0", 234, {0, 99, 100, 0, 0}, 200, 199, 0},
      {"tiny range", 234, {0, 1, 1, 1, 1}, 200, 100, 100},
      {"huge range: the minimum", 234, {0, 99999, 10, 50000, 50000}, 200, 8, 96},
      {"a range from 10", 234, {10, 109, 20, 30, 30}, 200, 40, 40},
      {"thumb longer than the track", 50, {0, 0, 0, 0, 0}, 16, 16, 0},
  };
  for (const Case& k : cases) {
    c::BarMetrics m{17, -1, -1, -1, 0};
    ASSERT_TRUE(c::ComputeThumb(k.barLength, 17, 8, 17, k.values, m)) << k.name;
    EXPECT_EQ(m.trackLength, k.track) << k.name;
    EXPECT_EQ(m.thumbLength, k.thumb) << k.name;
    EXPECT_EQ(m.thumbOffset, k.offset) << k.name;
  }
  // Maximum below minimum: the metrics stay as they were.
  c::BarMetrics kept{17, 1, 2, 3, 0};
  EXPECT_FALSE(c::ComputeThumb(234, 17, 8, 17, {5, 3, 0, 4, 4}, kept));
  EXPECT_EQ(kept, (c::BarMetrics{17, 1, 2, 3, 0}));
  EXPECT_EQ(c::MinimumThumbLength(17, true), 8);
  EXPECT_EQ(c::MinimumThumbLength(21, true), 10);
  EXPECT_EQ(c::MinimumThumbLength(21, false), 8);
}

TEST(ScrollBarGeometry, HitTestOverEveryPart) {
  // Arrows of 17, a 100-pixel track, a thumb of 20 at 30.
  const c::BarMetrics m{17, 100, 20, 30, 0};
  const struct {
    int at, code;
  } cases[] = {{-5, 0}, {0, 0},  {16, 0},  {17, 2},  {46, 2},  {47, 5},  {66, 5},
               {67, 3}, {116, 3}, {117, 1}, {133, 1}, {134, -1}, {500, -1}};
  for (const auto& k : cases) EXPECT_EQ(c::HitTestBar(k.at, m), k.code) << "at " << k.at;
}

TEST(ScrollBarGeometry, DragPositionsAndClamping) {
  struct Case {
    const char* name;
    c::ScrollValues values;
    c::BarMetrics metrics;
    int start, moved;
    c::DragStep want;
  };
  const Case cases[] = {
      // Page 0: position = offset * n / (track - thumb) + minimum.
      {"page 0, along", {0, 99, 0, 0, 0}, {17, 200, 17, 0, 0}, 0, 61, {61, 33}},
      {"page 0, past the end: the thumb stops", {0, 99, 0, 0, 0}, {17, 200, 17, 0, 0}, 100, 500, {183, 100}},
      {"page 0, before the start", {0, 99, 0, 50, 50}, {17, 200, 17, 92, 0}, 92, -400, {0, 0}},
      {"page 0 with a minimum", {10, 109, 0, 10, 10}, {17, 200, 17, 0, 0}, 0, 61, {61, 43}},
      // With a page: position = offset * n / track, clamped to max - page + 1.
      {"page, along", {0, 99, 25, 0, 0}, {17, 200, 50, 0, 0}, 0, 40, {40, 20}},
      {"page, at the last position", {0, 99, 25, 0, 0}, {17, 200, 50, 0, 0}, 0, 150, {150, 75}},
      {"page, past the last position", {0, 99, 25, 0, 0}, {17, 200, 50, 0, 0}, 0, 170, {170, 75}},
      {"page, past the track", {0, 99, 25, 0, 0}, {17, 200, 50, 150, 0}, 150, 400, {199, 75}},
      {"page, before the start", {0, 99, 25, 75, 75}, {17, 200, 50, 150, 0}, 150, -999, {0, 0}},
      {"no move", {0, 99, 25, 40, 40}, {17, 200, 50, 80, 0}, 80, 0, {80, 40}},
      {"no room for the thumb", {0, 99, 0, 0, 0}, {17, 17, 17, 0, 0}, 0, 30, {0, 0}},
  };
  for (const Case& k : cases) EXPECT_EQ(c::DragThumb(k.start, k.moved, k.metrics, k.values), k.want) << k.name;
}

TEST(ScrollBarGeometry, PressedPartsFollowTheScrollCodes) {
  const struct {
    int code;
    int horizontal, vertical;
  } cases[] = {{0, c::kLeftArrow, c::kUpArrow},   {1, c::kRightArrow, c::kDownArrow}, {5, c::kHorzThumb, c::kVertThumb},
               {2, c::kNoPart, c::kNoPart},        {4, c::kNoPart, c::kNoPart},         {8, c::kNoPart, c::kNoPart}};
  for (const auto& k : cases) {
    EXPECT_EQ(c::PressedPartFor(k.code, false), k.horizontal) << k.code;
    EXPECT_EQ(c::PressedPartFor(k.code, true), k.vertical) << k.code;
  }
}

TEST(ScrollBarGeometry, PartsOfABarsPicture) {
  struct Case {
    const char* name;
    int length, kind, pressed;
    c::BarMetrics metrics;
    c::Rect first, second, track, thumb;
    int firstFrame, secondFrame, thumbFrame;
    bool drawThumb;
  };
  const Case cases[] = {
      {"horizontal, nothing pressed", 134, c::kHorizontalBar, c::kNoPart, {17, 100, 20, 30, 0}, {0, 0, 17, 16},
       {117, 0, 134, 16}, {17, 0, 117, 16}, {47, 0, 67, 16}, 1, 5, 1, true},
      {"horizontal, right arrow", 134, c::kHorizontalBar, c::kRightArrow, {17, 100, 20, 30, 0}, {0, 0, 17, 16},
       {117, 0, 134, 16}, {17, 0, 117, 16}, {47, 0, 67, 16}, 1, 6, 1, true},
      {"horizontal, thumb", 134, c::kHorizontalBar, c::kHorzThumb, {17, 100, 20, 30, 0}, {0, 0, 17, 16},
       {117, 0, 134, 16}, {17, 0, 117, 16}, {47, 0, 67, 16}, 1, 5, 2, true},
      {"vertical, up arrow", 134, c::kVerticalBar, c::kUpArrow, {17, 100, 20, 0, 0}, {0, 0, 16, 17},
       {0, 117, 16, 134}, {0, 17, 16, 117}, {0, 17, 16, 37}, 10, 13, 1, true},
      {"vertical, the other bar's thumb", 134, c::kVerticalBar, c::kHorzThumb, {17, 100, 20, 0, 0}, {0, 0, 16, 17},
       {0, 117, 16, 134}, {0, 17, 16, 117}, {0, 17, 16, 37}, 9, 13, 1, true},
      // A 30-pixel bar with 17-pixel arrows: two 15-pixel arrows, no track.
      {"vertical, 30 pixels", 30, c::kVerticalBar, c::kDownArrow, {17, -4, -4, 0, 0}, {0, 0, 16, 15},
       {0, 15, 16, 30}, {0, 17, 16, 13}, {0, 15, 16, 11}, 9, 14, 1, true},
      // A drag past the end keeps the thumb on the track.
      {"dragged past the track", 134, c::kHorizontalBar, c::kHorzThumb, {17, 100, 20, 99, 0}, {0, 0, 17, 16},
       {117, 0, 134, 16}, {17, 0, 117, 16}, {97, 0, 117, 16}, 1, 5, 2, true},
      {"thumb longer than the track", 40, c::kHorizontalBar, c::kNoPart, {17, 6, 8, 0, 0}, {0, 0, 17, 16},
       {23, 0, 40, 16}, {17, 0, 23, 16}, {17, 0, 25, 16}, 1, 5, 1, false},
  };
  for (const Case& k : cases) {
    const c::BarLayout l = c::LayoutBar(k.length, k.kind, 17, k.pressed, k.metrics);
    EXPECT_EQ(l.work, k.kind == c::kVerticalBar ? (c::Rect{0, 0, 16, k.length}) : (c::Rect{0, 0, k.length, 16}))
        << k.name;
    EXPECT_EQ(l.firstArrow, k.first) << k.name;
    EXPECT_EQ(l.secondArrow, k.second) << k.name;
    EXPECT_EQ(l.track, k.track) << k.name;
    EXPECT_EQ(l.thumb, k.thumb) << k.name;
    EXPECT_EQ(l.firstArrowFrame, k.firstFrame) << k.name;
    EXPECT_EQ(l.secondArrowFrame, k.secondFrame) << k.name;
    EXPECT_EQ(l.thumbFrame, k.thumbFrame) << k.name;
    EXPECT_EQ(l.drawThumb, k.drawThumb) << k.name;
  }
}

}  // namespace
