// The control skinners' arithmetic that the pixel tests under Wine do not
// reach case by case: speed-button glyphs, caption and glyph layouts,
// progress widths at the edges, and which skin frames can be cut at all.
#include "skin/controls/ControlGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace c = vex::skin::controls;

namespace {

TEST(StateFrames, SpeedButtonGlyphs) {
  // State frame -> glyph: 1 up, 2 down (glyph 3), 3 disabled (glyph 2), 4 hot (glyph 1).
  const int expected[5][5] = {
      // glyphs:   1  2  3  4
      {0, 0, 0, 0, 0}, {0, 1, 1, 1, 1}, {0, 1, 1, 3, 3}, {0, 1, 2, 2, 2}, {0, 1, 1, 1, 1}};
  for (int frame = 1; frame <= 4; ++frame)
    for (int glyphs = 1; glyphs <= 4; ++glyphs)
      EXPECT_EQ(c::SpeedGlyphFrame(frame, glyphs), expected[frame][glyphs]) << frame << " of " << glyphs;
}

TEST(Places, CaptionAboveTheMiddleAndCentredOnlyForDtCenter) {
  const c::Rect r{0, 0, 90, 25};
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 1), (c::Rect{25, 5, 65, 18}));
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 0), (c::Rect{0, 5, 40, 18}));
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 1 | 0x800), (c::Rect{0, 5, 40, 18})) << "another flag in the low word";
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 1 | 0x10000), (c::Rect{25, 5, 65, 18})) << "flags above it do not count";
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 2), (c::Rect{50, 5, 90, 18})) << "DT_RIGHT";
  EXPECT_EQ(c::PlaceCaption(r, 40, 13, 2 | 0x20), (c::Rect{0, 5, 40, 18})) << "DT_RIGHT with another flag";
  // Wider than the rectangle: the offset is negative (truncated toward zero).
  EXPECT_EQ(c::PlaceCaption(r, 101, 30, 1), (c::Rect{-5, -3, 96, 27}));
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

// Up-down arrows keep their 96-dpi shape at every DPI, only larger: as many
// rows (up, down) or columns (left, right) as the design's 4 and 3 scale
// to, each one pixel wider per side than the one before (so the ink is
// solid: `count` pixels), the point on the side the arrow shows.
TEST(Places, UpDownArrowsGrowWithTheDpi) {
  struct Case {
    int kind, dpi;
    int width, height, count;  // of the arrow's ink
    int anchorLift;            // how far above the button's middle it is anchored
    c::Point point;            // relative to the anchor
  } cases[] = {
      {0, 96, 7, 4, 16, 2, {0, 0}},   {1, 96, 7, 4, 16, 2, {0, 3}},   {2, 96, 3, 5, 9, 0, {-1, 0}},
      {3, 96, 3, 5, 9, 0, {1, 0}},    {0, 144, 11, 6, 36, 3, {0, 0}}, {1, 144, 11, 6, 36, 3, {0, 5}},
      {2, 144, 5, 9, 25, 0, {-1, 0}}, {3, 144, 5, 9, 25, 0, {1, 0}},  {0, 192, 15, 8, 64, 4, {0, 0}},
      {1, 192, 15, 8, 64, 4, {0, 7}}, {2, 192, 6, 11, 36, 0, {-1, 0}}, {3, 192, 6, 11, 36, 0, {1, 0}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << k.kind << " at " << k.dpi);
    const c::Point at = c::ArrowAnchor({0, 0, 40, 40}, k.kind, k.dpi);
    EXPECT_EQ(at.x, 20);
    EXPECT_EQ(at.y, 20 - k.anchorLift);
    std::set<std::pair<int, int>> ink;
    for (const c::Point& p : c::ArrowPixels(at.x, at.y, k.kind, k.dpi)) ink.insert({p.x, p.y});
    int left = 1000, top = 1000, right = -1000, bottom = -1000;
    for (const auto& [x, y] : ink) left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
                                   bottom = std::max(bottom, y);
    EXPECT_EQ(right - left + 1, k.width);
    EXPECT_EQ(bottom - top + 1, k.height);
    EXPECT_EQ(static_cast<int>(ink.size()), k.count);
    // The point: the one row (or column) of a single pixel.
    std::map<int, int> lines;
    for (const auto& [x, y] : ink) ++lines[k.kind < 2 ? y : x];
    c::Point point{at.x, at.y};
    for (const auto& [line, n] : lines)
      if (n == 1) (k.kind < 2 ? point.y : point.x) = line;
    EXPECT_EQ(point.x - at.x, k.point.x);
    EXPECT_EQ(point.y - at.y, k.point.y);
  }
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

}  // namespace
