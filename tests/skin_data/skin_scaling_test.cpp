// The arithmetic of a skin at a DPI: description values rounded as MulDiv
// rounds, images resampled frame by frame with the colour key kept exact,
// and which picture drawn for a scale serves which DPI.
#include <gtest/gtest.h>

#include "skin/data/SkinScaling.h"

namespace vex::skin::scaling {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kBlack = 0x000000, kKey = kKeyPixel;

Pixels Fill(int w, int h, std::uint32_t colour) { return Pixels{w, h, std::vector<std::uint32_t>(w * h, colour)}; }

// Frames side by side (or stacked), each of one colour.
Pixels Frames(int fw, int fh, const std::vector<std::uint32_t>& colours, bool stacked) {
  const int n = static_cast<int>(colours.size());
  Pixels p = Fill(stacked ? fw : fw * n, stacked ? fh * n : fh, 0);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.data[y * p.width + x] = colours[stacked ? y / fh : x / fw];
  return p;
}

TEST(SkinScalingTest, DesignValuesRoundAsMulDiv) {
  struct Case {
    int value, dpi, expected;
  } cases[] = {
      {0, 144, 0},     {1, 144, 2},      {3, 144, 5},     {14, 144, 21},  {145, 144, 218},   {-7, 144, -11},
      {-1, 144, -2},   {13, 144, 20},    {13, 192, 26},   {-7, 192, -14}, {5, 120, 6},       {2, 120, 3},
      {10, 168, 18},   {7, 240, 18},     {63, 144, 95},   {38, 96, 38},   {1, 120, 1},       {292, 144, 438},
      {94, 144, 141},  {292, 192, 584},  {94, 192, 188},  {2147483, 192, 4294966},
  };
  for (const Case& c : cases) EXPECT_EQ(AtDpi(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
  // Neighbouring edges stay together: a right edge and the next left edge
  // scale from the same number.
  EXPECT_EQ(Scale(7, 3, 2) + Scale(7, 3, 2), 2 * Scale(7, 3, 2));
  EXPECT_EQ(Scale(9, 144, 0), 9);
  EXPECT_EQ(Scale(9, -1, 96), 9);
}

TEST(SkinScalingTest, FramesNeverBleedIntoEachOther) {
  struct Case {
    int fw, fh, dpi;
    bool stacked;
  } cases[] = {{3, 4, 144, false}, {5, 3, 144, true}, {7, 7, 120, false}, {3, 5, 168, true},
               {4, 4, 192, false}, {9, 2, 240, true}, {1, 1, 144, false}, {6, 6, 72, false}};
  const std::vector<std::uint32_t> colours{kRed, kBlue, kBlack, kKey};
  for (const Case& c : cases) {
    const Pixels scaled = ScaleCells(Frames(c.fw, c.fh, colours, c.stacked), c.stacked ? 1 : 4, c.stacked ? 4 : 1,
                                     c.dpi, kBaseDpi);
    const int fw = AtDpi(c.fw, c.dpi), fh = AtDpi(c.fh, c.dpi);
    ASSERT_EQ(scaled.width, c.stacked ? fw : 4 * fw) << c.fw << "x" << c.fh << " at " << c.dpi;
    ASSERT_EQ(scaled.height, c.stacked ? 4 * fh : fh);
    for (int y = 0; y < scaled.height; ++y)
      for (int x = 0; x < scaled.width; ++x)
        ASSERT_EQ(scaled.At(x, y), colours[c.stacked ? y / fh : x / fw]) << x << "," << y << " at " << c.dpi;
  }
}

TEST(SkinScalingTest, ColourKeyStaysExactWithoutPinkFringes) {
  // A checkerboard of key and colour, and stripes of odd widths, at every
  // DPI: each result pixel is the key itself or a blend of the non-key
  // colours only (here red and black: blue stays 0, so no pink).
  for (int dpi : {120, 144, 168, 192, 240, 72}) {
    Pixels p = Fill(11, 7, kKey);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 11; ++x)
        if ((x / 2 + y) % 3 == 0) p.data[y * 11 + x] = (x % 3 == 0) ? kRed : kBlack;
    const Pixels s = ScaleCells(p, 1, 1, dpi, kBaseDpi);
    ASSERT_EQ(s.width, AtDpi(11, dpi));
    for (std::uint32_t px : s.data) {
      if (px == kKey) continue;
      EXPECT_EQ(px & 0xFF, 0u) << std::hex << px << " at " << std::dec << dpi;
      EXPECT_EQ((px >> 8) & 0xFF, 0u);
    }
  }
}

TEST(SkinScalingTest, PixelsAtTwiceTheSizeAreCopiedExactly) {
  Pixels p{3, 2, {kRed, kKey, 0x123456, 0x00FF00, kBlue, kKey}};
  const Pixels s = ScaleCells(p, 1, 1, 192, kBaseDpi);
  ASSERT_EQ(s.width, 6);
  ASSERT_EQ(s.height, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(s.At(x, y), p.At(x / 2, y / 2));
}

TEST(SkinScalingTest, KeyCoveringHalfAPixelOrMoreWins) {
  // Two pixels become three at 150%: the middle one is half key, half red.
  const Pixels s = ScaleCells(Pixels{2, 1, {kKey, kRed}}, 1, 1, 144, kBaseDpi);
  ASSERT_EQ(s.width, 3);
  EXPECT_EQ(s.At(0, 0), kKey);
  EXPECT_EQ(s.At(1, 0), kKey);
  EXPECT_EQ(s.At(2, 0), kRed);
  // A blend of non-key colours that lands on the key stays visible.
  const Pixels near = ScaleCells(Pixels{2, 1, {0xFF00FE, kKey}}, 1, 1, 48, kBaseDpi);
  ASSERT_EQ(near.width, 1);
  EXPECT_EQ(near.At(0, 0), kKey);  // the key covers half: see-through
  const Pixels blend = ScaleCells(Pixels{2, 1, {0xFF00FE, 0xFF01FF}}, 1, 1, 48, kBaseDpi);
  EXPECT_NE(blend.At(0, 0), kKey);
}

TEST(SkinScalingTest, ImagesTooSmallOrMalformedAreRefused) {
  struct Case {
    Pixels p;
    int cols, rows, num, den;
    int width, height;  // 0: refused
  } cases[] = {
      {Fill(1, 1, kRed), 1, 1, 144, 96, 2, 2},   // one pixel still scales
      {Fill(3, 1, kRed), 4, 1, 144, 96, 0, 0},   // fewer columns than frames
      {Fill(4, 2, kRed), 1, 3, 144, 96, 0, 0},   // fewer rows than frames
      {Fill(7, 2, kRed), 2, 1, 144, 96, 10, 3},  // the odd column is dropped
      {Fill(4, 4, kRed), 0, 1, 144, 96, 0, 0},
      {Fill(4, 4, kRed), 1, 1, 0, 96, 0, 0},
      {Fill(4, 4, kRed), 1, 1, 144, 0, 0, 0},
      {Fill(1, 1, kRed), 1, 1, 40, 96, 0, 0},    // scaled to nothing
      {Pixels{5, 5, {}}, 1, 1, 144, 96, 0, 0},   // no pixels behind the size
      {Fill(0, 0, kRed), 1, 1, 144, 96, 0, 0},
  };
  for (const Case& c : cases) {
    const Pixels s = ScaleCells(c.p, c.cols, c.rows, c.num, c.den);
    EXPECT_EQ(s.width, c.width) << c.p.width << "x" << c.p.height << " cut " << c.cols << "x" << c.rows;
    EXPECT_EQ(s.height, c.height);
    EXPECT_EQ(s.data.size(), static_cast<std::size_t>(c.width) * c.height);
  }
}

TEST(SkinScalingTest, DrawnMemberNames) {
  struct Case {
    const char* member;
    int percent;
    const char* expected;
  } cases[] = {{"sedge_body_top.bmp", 150, "sedge_body_top@150.bmp"},
               {"UP.BMP", 200, "UP@200.BMP"},
               {"a.bmp", 150, "a@150.bmp"},
               {"top.ini", 150, ""},
               {".bm", 150, ""}};
  for (const Case& c : cases) EXPECT_EQ(DrawnMemberName(c.member, c.percent), c.expected) << c.member;

  struct DpiCase {
    const char* member;
    int dpi;
  } dpis[] = {{"top@150.bmp", 144}, {"TOP@200.BMP", 192}, {"top.bmp", 0}, {"@150.bmp", 0},
              {"top@175.bmp", 0},   {"top@150.ini", 0},   {"a@1500.bmp", 0}};
  for (const DpiCase& c : dpis) EXPECT_EQ(DrawnDpiOf(c.member), c.dpi) << c.member;
}

TEST(SkinScalingTest, PicturesDrawnForAScalePreferTheirOwnThenALargerOne) {
  struct Case {
    int dpi;
    std::vector<int> available;
    int expected;
  } cases[] = {{144, {144, 192}, 144}, {192, {144, 192}, 192}, {120, {144, 192}, 144}, {168, {144, 192}, 192},
               {240, {144, 192}, 192}, {168, {144}, 144},       {120, {192}, 192},      {144, {}, 0},
               {96, {144, 192}, 0},    {72, {144}, 0}};
  for (const Case& c : cases) EXPECT_EQ(PickDrawnDpi(c.dpi, c.available), c.expected) << c.dpi;
}

}  // namespace
}  // namespace vex::skin::scaling
