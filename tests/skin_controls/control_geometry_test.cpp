// The control skinners' arithmetic: state frames, places of captions,
// glyphs, halves and arrows, progress widths, and which skin frames can be
// cut at all.
#include "skin/controls/ControlGeometry.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace c = vex::skin::controls;

namespace {

TEST(StateFrames, PushAndBitAndSpeedButtons) {
  struct Case {
    const char* name;
    bool pressed, hot, focused, enabled, down;
    int push, bit, speed;
  };
  const Case cases[] = {
      {"normal", false, false, false, true, false, 1, 1, 1},
      {"pressed", true, false, false, true, false, 2, 2, 2},
      {"hot", false, true, false, true, false, 4, 4, 4},
      {"focused", false, false, true, true, false, 4, 4, 1},
      {"focused and pressed", true, false, true, true, false, 2, 2, 2},
      {"disabled", false, false, false, false, false, 3, 3, 3},
      {"disabled wins over focus", false, true, true, false, false, 3, 3, 3},
      {"down", false, false, false, true, true, 1, 1, 2},
      {"down wins over disabled", false, false, false, false, true, 3, 3, 2},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(c::PushButtonFrame(k.pressed, k.hot, k.focused, k.enabled), k.push) << k.name;
    EXPECT_EQ(c::BitButtonFrame(k.focused, k.pressed, k.hot, k.enabled), k.bit) << k.name;
    EXPECT_EQ(c::SpeedButtonFrame(k.pressed, k.hot, k.enabled, k.down), k.speed) << k.name;
  }
}

TEST(StateFrames, ComboButtonShowsHoverAndPressEvenDisabled) {
  EXPECT_EQ(c::ComboButtonFrame(false, false, false, true), 1);
  EXPECT_EQ(c::ComboButtonFrame(false, false, true, true), 4);
  EXPECT_EQ(c::ComboButtonFrame(true, false, true, true), 2);
  EXPECT_EQ(c::ComboButtonFrame(false, false, false, false), 3);
  EXPECT_EQ(c::ComboButtonFrame(false, true, false, false), 4);
}

TEST(StateFrames, SpeedButtonGlyphs) {
  // State frame -> glyph: 1 up, 2 down (glyph 3), 3 disabled (glyph 2), 4 hot (glyph 1).
  const int expected[5][5] = {
      // glyphs:   1  2  3  4
      {0, 0, 0, 0, 0}, {0, 1, 1, 1, 1}, {0, 1, 1, 3, 3}, {0, 1, 2, 2, 2}, {0, 1, 1, 1, 1}};
  for (int frame = 1; frame <= 4; ++frame)
    for (int glyphs = 1; glyphs <= 4; ++glyphs)
      EXPECT_EQ(c::SpeedGlyphFrame(frame, glyphs), expected[frame][glyphs]) << frame << " of " << glyphs;
}

TEST(StateFrames, TextInks) {
  EXPECT_EQ(c::ButtonTextInk(1, true), c::ButtonInk::kNormalColour);
  EXPECT_EQ(c::ButtonTextInk(2, true), c::ButtonInk::kPressedColour);
  EXPECT_EQ(c::ButtonTextInk(4, true), c::ButtonInk::kMouseOverColour);
  EXPECT_EQ(c::ButtonTextInk(5, true), c::ButtonInk::kButtonText);
  EXPECT_EQ(c::ButtonTextInk(3, false), c::ButtonInk::kShadow);
  EXPECT_EQ(c::ButtonTextInk(2, false), c::ButtonInk::kShadow);
}

TEST(StateFrames, CheckBoxesAndRadioButtons) {
  EXPECT_EQ(c::CheckBoxFrame(0, false), 1);
  EXPECT_EQ(c::CheckBoxFrame(1, false), 2);
  EXPECT_EQ(c::CheckBoxFrame(2, false), 4);
  EXPECT_EQ(c::CheckBoxFrame(1 | 4, false), 2) << "the pushed bit plays no part";
  EXPECT_EQ(c::CheckBoxFrame(0, true), 3);
  EXPECT_EQ(c::CheckBoxFrame(1, true), 3);
  EXPECT_EQ(c::RadioButtonFrame(false, false), 1);
  EXPECT_EQ(c::RadioButtonFrame(true, false), 2);
  EXPECT_EQ(c::RadioButtonFrame(false, true), 3);
  EXPECT_EQ(c::RadioButtonFrame(true, true), 4);
}

TEST(Places, CaptionAboveTheMiddleAndCentredOnlyForDtCenter) {
  const c::Rect r{0, 0, 90, 25};
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 1), (c::Rect{25, 5, 65, 18}));
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 0), (c::Rect{0, 5, 40, 18}));
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 1 | 0x800), (c::Rect{0, 5, 40, 18})) << "another flag in the low word";
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 1 | 0x10000), (c::Rect{25, 5, 65, 18})) << "flags above it do not count";
  // Wider than the rectangle: the offset is negative (truncated toward zero).
  EXPECT_EQ(c::PlaceCaption(r, 101, 30, 1), (c::Rect{-5, -3, 96, 27}));
}

TEST(Places, BoxGlyphInItsBand) {
  struct Case {
    int width;
    bool leftText;
    int left;
  };
  const Case cases[] = {{13, false, 0}, {10, false, 2}, {14, false, 0}, {16, false, 0},
                        {13, true, 137}, {10, true, 138}, {16, true, 133}};
  for (const Case& k : cases) {
    const c::Rect g = c::BoxGlyphRect({0, 0, 150, 20}, k.width, 12, k.leftText);
    EXPECT_EQ(g.left, k.left) << k.width << " " << k.leftText;
    EXPECT_EQ(g.Width(), k.width);
    EXPECT_EQ(g.top, 4);
  }
}

TEST(Places, GlyphAndCaptionOfBitAndSpeedButtons) {
  struct Case {
    const char* name;
    int layout, margin, spacing;
    bool speed;
    c::Rect glyph, caption;
  };
  // Client 100 x 30, glyph 16 x 16, caption 40 x 13.
  const Case cases[] = {
      {"left, automatic margin", 0, -1, 4, false, {20, 7, 36, 23}, {40, 9, 80, 22}},
      {"left, automatic margin, speed button", 0, -1, 4, true, {21, 7, 37, 23}, {41, 9, 81, 22}},
      {"left, margin and spacing automatic", 0, -1, -1, false, {14, 7, 30, 23}, {44, 9, 84, 22}},
      {"left, margin 4, spacing automatic", 0, 4, -1, false, {4, 7, 20, 23}, {40, 9, 80, 22}},
      {"right, margin 2", 1, 2, 4, false, {82, 7, 98, 23}, {38, 9, 78, 22}},
      {"top, margin 1", 2, 1, 0, false, {42, 1, 58, 17}, {30, 17, 70, 30}},
      {"bottom, margin 1", 3, 1, 0, false, {42, 13, 58, 29}, {30, 0, 70, 13}},
  };
  for (const Case& k : cases) {
    const auto p = c::PlaceGlyphAndCaption({100, 30}, {16, 16}, {40, 13}, k.layout, k.margin, k.spacing, k.speed);
    EXPECT_EQ(p.glyph, k.glyph) << k.name;
    EXPECT_EQ(p.caption, k.caption) << k.name;
  }
  // Without a caption there is no spacing: the glyph is centred.
  const auto alone = c::PlaceGlyphAndCaption({100, 30}, {16, 16}, {0, 0}, 0, -1, 4, false);
  EXPECT_EQ(alone.glyph, (c::Rect{42, 7, 58, 23}));
}

TEST(Places, ProgressBarWidths) {
  struct Case {
    int position, width, max, bar;
  };
  const Case cases[] = {{33, 100, 100, 33}, {0, 100, 100, 0},   {100, 100, 100, 100}, {25, 120, 50, 60},
                        {1, 100, 3, 33},    {50, 100, 0, 0},    {50, 100, -5, 0},     {200, 100, 100, 100},
                        {-3, 100, 100, 0},  {2000000000, 2000, 2100000000, 1904}};
  for (const Case& k : cases)
    EXPECT_EQ(c::ProgressBarWidth(k.position, k.width, k.max), k.bar) << k.position << "/" << k.max << " of " << k.width;
}

TEST(Places, UpDownHalvesAndStates) {
  const auto v = c::SplitUpDown({1, 1, 15, 21}, false, 5, 12);
  EXPECT_EQ(v.first, (c::Rect{1, 1, 15, 11}));
  EXPECT_EQ(v.second, (c::Rect{1, 11, 15, 21}));
  EXPECT_EQ(std::make_pair(v.firstKind, v.secondKind), std::make_pair(0, 1));
  EXPECT_FALSE(v.cursorOverFirst);
  const auto h = c::SplitUpDown({1, 1, 29, 15}, true, 3, 3);
  EXPECT_EQ(h.first, (c::Rect{1, 1, 15, 15}));
  EXPECT_EQ(h.second, (c::Rect{15, 1, 29, 15}));
  EXPECT_EQ(std::make_pair(h.firstKind, h.secondKind), std::make_pair(2, 3));
  EXPECT_TRUE(h.cursorOverFirst);
  EXPECT_EQ(c::UpDownHalfState(true, true, true, true), 2);
  EXPECT_EQ(c::UpDownHalfState(true, false, true, true), 4);
  EXPECT_EQ(c::UpDownHalfState(false, true, true, true), 1);
  EXPECT_EQ(c::UpDownHalfState(true, true, false, false), 3);
  EXPECT_EQ(c::UpDownHalfState(false, false, false, false), 3);
}

std::set<std::pair<int, int>> AsSet(const std::vector<c::Point>& points) {
  std::set<std::pair<int, int>> s;
  for (const auto& p : points) s.insert({p.x, p.y});
  return s;
}

TEST(Places, ArrowShapes) {
  // Rows of the shapes anchored at (10, 10); '#' is ink.
  struct Case {
    int kind;
    int left, top;
    std::vector<const char*> rows;
  };
  const Case cases[] = {
      {0, 7, 10, {"...#...", "..###..", ".#####.", "#######"}},
      {1, 7, 10, {"#######", ".#####.", "..###..", "...#..."}},
      {2, 9, 8, {"..#", ".##", "###", ".##", "..#"}},
      {3, 9, 8, {"#..", "##.", "###", "##.", "#.."}},
  };
  for (const Case& k : cases) {
    std::set<std::pair<int, int>> expected;
    for (int y = 0; y < static_cast<int>(k.rows.size()); ++y)
      for (int x = 0; k.rows[y][x]; ++x)
        if (k.rows[y][x] == '#') expected.insert({k.left + x, k.top + y});
    EXPECT_EQ(AsSet(c::ArrowPixels(10, 10, k.kind)), expected) << "kind " << k.kind;
  }
  EXPECT_EQ(c::ArrowAnchor({1, 1, 15, 11}, 0), (c::Point{8, 4}));
  EXPECT_EQ(c::ArrowAnchor({1, 11, 15, 21}, 1), (c::Point{8, 14}));
  EXPECT_EQ(c::ArrowAnchor({1, 1, 15, 15}, 2), (c::Point{8, 8}));
}

TEST(SkinImages, FramesThatCannotBeCutDrawNothing) {
  struct Case {
    const char* name;
    int width, height, frames, frame, l, t, r, b;
    bool fits;
  };
  const Case cases[] = {
      {"the sedge buttons", 160, 26, 5, 3, 11, 10, 11, 11, true},
      {"margins filling the frame", 22, 21, 1, 1, 11, 10, 11, 11, true},
      {"frames narrower than the side margins", 80, 26, 5, 1, 11, 10, 11, 11, false},
      {"image lower than the top and bottom margins", 160, 20, 5, 1, 11, 10, 11, 11, false},
      {"more frames than pixels", 4, 26, 5, 1, 0, 0, 0, 0, false},
      {"no frames", 40, 26, 0, 1, 0, 0, 0, 0, false},
      {"frame beyond the count", 40, 26, 4, 5, 0, 0, 0, 0, false},
      {"frame 0", 40, 26, 4, 0, 0, 0, 0, 0, false},
      {"empty image", 0, 0, 1, 1, 0, 0, 0, 0, false},
      {"negative margins count as none", 40, 26, 4, 2, -5, -5, -5, -5, true},
  };
  for (const Case& k : cases)
    EXPECT_EQ(c::FrameFits(k.width, k.height, k.frames, k.frame, k.l, k.t, k.r, k.b), k.fits) << k.name;
}

TEST(SkinImages, DisableTagByRemainderWithTheSignOfTheTag) {
  EXPECT_TRUE(c::TagDisables(99, 99));
  EXPECT_TRUE(c::TagDisables(199, 99));
  EXPECT_FALSE(c::TagDisables(-99, 99));
  EXPECT_TRUE(c::TagDisables(-99, -99));
  EXPECT_FALSE(c::TagDisables(98, 99));
  EXPECT_TRUE(c::TagDisables(0, 0));
  EXPECT_EQ(c::SunkEdgeBand(2), 2);
  EXPECT_EQ(c::SunkEdgeBand(5), 2);
  EXPECT_EQ(c::SunkEdgeBand(1), 1);
  EXPECT_EQ(c::SunkEdgeBand(0), 1);
}

}  // namespace
