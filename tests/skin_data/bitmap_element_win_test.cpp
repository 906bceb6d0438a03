// Pixel tests of the nine-slice and strip routines: the pictures are read
// back with GetDIBits and compared piece by piece.
#include <windows.h>

#include <gtest/gtest.h>

#include "bitmap_test_util.h"
#include "skin/data/BitmapHelpers.h"

namespace vs = vex::skin;
using vs::test::Canvas;
using vs::test::kMagenta;
using vs::test::MakeBitmap;

namespace {

// Distinct colours for the letters of test pictures.
std::uint32_t Colour(char c) {
  switch (c) {
    case 'a': return 0x800000;  // corners
    case 'b': return 0x008000;
    case 'c': return 0x000080;
    case 'd': return 0x808000;
    case 'L': return 0xC00000;  // edges
    case 'T': return 0x00C000;
    case 'R': return 0x0000C0;
    case 'B': return 0xC0C000;
    case 'x': return 0x404040;  // centre
    case 'y': return 0xA0A0A0;
    case 'm': return kMagenta;
    default: return 0xFFFFFF;
  }
}

// A 7 x 7 frame with 2-pixel bands: corners a b c d, edges L T R B, centre x.
const std::vector<const char*> kNine = {
    "aaTTTbb", "aaTTTbb", "LLxxxRR", "LLxxxRR", "LLxxxRR", "ccBBBdd", "ccBBBdd"};

struct Owned {
  HBITMAP h;
  explicit Owned(HBITMAP b) : h(b) {}
  ~Owned() { DeleteObject(h); }
};

vex::Pixels Pixels(HBITMAP bmp) { return vex::ReadBitmap(bmp); }

}  // namespace

TEST(BuildElement, KeepsTheBandsAndStretchesEdgesAndCentre) {
  Owned image(MakeBitmap(kNine, Colour));
  Owned built(vs::BuildElement(RECT{50, 50, 70, 62}, image.h, RECT{2, 2, 2, 2}, false, false, 1, 1));
  const vex::Pixels px = Pixels(built.h);
  ASSERT_EQ(px.width, 20);
  ASSERT_EQ(px.height, 12);
  EXPECT_EQ(px.At(0, 0), Colour('a'));
  EXPECT_EQ(px.At(1, 1), Colour('a'));
  EXPECT_EQ(px.At(18, 0), Colour('b'));
  EXPECT_EQ(px.At(0, 10), Colour('c'));
  EXPECT_EQ(px.At(19, 11), Colour('d'));
  EXPECT_EQ(px.At(2, 0), Colour('T'));
  EXPECT_EQ(px.At(17, 1), Colour('T'));
  EXPECT_EQ(px.At(0, 2), Colour('L'));
  EXPECT_EQ(px.At(1, 9), Colour('L'));
  EXPECT_EQ(px.At(19, 5), Colour('R'));
  EXPECT_EQ(px.At(10, 11), Colour('B'));
  for (int y = 2; y < 10; ++y)
    for (int x = 2; x < 18; ++x) ASSERT_EQ(px.At(x, y), Colour('x')) << x << "," << y;
}

TEST(BuildElement, CutsTheRequestedFrameSideBySideOrStacked) {
  const std::uint32_t frames[3] = {0x112233, 0x445566, 0x778899};
  Owned side(MakeBitmap(12, 5, [&](int x, int) { return frames[x / 4]; }));
  Owned stacked(MakeBitmap(4, 15, [&](int, int y) { return frames[y / 5]; }));
  for (int k = 1; k <= 3; ++k) {
    Owned a(vs::BuildElement(RECT{0, 0, 9, 9}, side.h, RECT{1, 1, 1, 1}, false, false, 3, k));
    Owned b(vs::BuildElement(RECT{0, 0, 9, 9}, stacked.h, RECT{1, 1, 1, 1}, true, true, 3, k));
    const vex::Pixels pa = Pixels(a.h), pb = Pixels(b.h);
    for (int i = 0; i < 81; ++i) {
      ASSERT_EQ(pa.rgb[i], frames[k - 1]) << "side by side, frame " << k;
      ASSERT_EQ(pb.rgb[i], frames[k - 1]) << "stacked, frame " << k;
    }
  }
}

TEST(BuildElement, DropsSideBandsWiderThanTheTarget) {
  // 20 wide: 7 columns L, 5 columns x, 8 columns R; margins 7 and 8 add up to
  // 15 > 10, so the whole frame width goes into the centre.
  Owned image(MakeBitmap(20, 4, [](int x, int) { return Colour(x < 7 ? 'L' : x < 12 ? 'x' : 'R'); }));
  Owned built(vs::BuildElement(RECT{0, 0, 10, 10}, image.h, RECT{7, 0, 8, 0}, false, false, 1, 1));
  const vex::Pixels px = Pixels(built.h);
  EXPECT_EQ(px.At(0, 5), Colour('L'));
  EXPECT_EQ(px.At(9, 5), Colour('R'));
  bool middleSeen = false;
  for (int x = 0; x < 10; ++x) middleSeen |= px.At(x, 5) == Colour('x');
  EXPECT_TRUE(middleSeen);
}

TEST(BuildElement, TiledCentreRunsPastItsGapAndTheRightBandCoversIt) {
  // Bands 2 wide; the 5-pixel centre tile starts with one 'y' column.
  Owned image(MakeBitmap({"LLyxxxxRR", "LLyxxxxRR"}, Colour));
  // Centre gap 12 (2..14): tiles at 2, 7, 12; the third reaches 17.
  Owned built(vs::BuildElement(RECT{0, 0, 16, 2}, image.h, RECT{2, 0, 2, 0}, false, true, 1, 1));
  const vex::Pixels px = Pixels(built.h);
  EXPECT_EQ(px.At(2, 0), Colour('y'));
  EXPECT_EQ(px.At(7, 0), Colour('y'));
  EXPECT_EQ(px.At(12, 0), Colour('y'));
  EXPECT_EQ(px.At(13, 1), Colour('x'));
  EXPECT_EQ(px.At(14, 0), Colour('R'));
  EXPECT_EQ(px.At(15, 1), Colour('R'));
}

TEST(BuildElement, WithoutMarginsTheCentreCoversEverything) {
  Owned tile(MakeBitmap(3, 3, [](int x, int y) { return 0x101010u * static_cast<std::uint32_t>(1 + x + 3 * y); }));
  Owned tiled(vs::BuildElement(RECT{0, 0, 7, 7}, tile.h, RECT{0, 0, 0, 0}, false, true, 1, 1));
  Owned stretched(vs::BuildElement(RECT{0, 0, 6, 6}, tile.h, RECT{0, 0, 0, 0}, false, false, 1, 1));
  const vex::Pixels t = Pixels(tiled.h), s = Pixels(stretched.h);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) ASSERT_EQ(t.At(x, y), 0x101010u * (1 + x % 3 + 3 * (y % 3)));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(s.At(x, y), 0x101010u * (1 + x / 2 + 3 * (y / 2)));
}

TEST(BuildElement, SurvivesAZeroFrameCountAndAnEmptySize) {
  Owned image(MakeBitmap(kNine, Colour));
  Owned built(vs::BuildElement(RECT{0, 0, 8, 8}, image.h, RECT{2, 2, 2, 2}, false, false, 0, 1));
  ASSERT_NE(built.h, nullptr);
  EXPECT_EQ(Pixels(built.h).At(0, 0), Colour('a'));
  EXPECT_EQ(vs::BuildElement(RECT{5, 5, 5, 9}, image.h, RECT{}, false, false, 1, 1), nullptr);
  // Negative margins would mirror pieces; they count as none.
  Owned negative(vs::BuildElement(RECT{0, 0, 7, 7}, image.h, RECT{-3, -3, -3, -3}, false, false, 1, 1));
  EXPECT_EQ(Pixels(negative.h).At(0, 0), Colour('a'));
}

TEST(DrawElement, KeyedLeavesMagentaOutAndInvertedDrawsNothing) {
  Owned image(MakeBitmap({"mLm", "LxL", "mLm"}, Colour));
  Canvas canvas(10, 10, 0x00FF00);
  vs::DrawElement(canvas.Dc(), RECT{2, 2, 8, 8}, image.h, false, false, true, 1, 1, RECT{1, 1, 1, 1});
  vs::DrawElement(canvas.Dc(), RECT{9, 9, 8, 8}, image.h, false, false, false, 1, 1, RECT{});
  const vex::Pixels px = canvas.Read();
  EXPECT_EQ(px.At(2, 2), 0x00FF00u);  // magenta corner left out
  EXPECT_EQ(px.At(7, 7), 0x00FF00u);
  EXPECT_EQ(px.At(3, 2), Colour('L'));
  EXPECT_EQ(px.At(5, 5), Colour('x'));
  EXPECT_EQ(px.At(1, 1), 0x00FF00u);
  EXPECT_EQ(px.At(8, 8), 0x00FF00u);
  EXPECT_EQ(px.At(9, 9), 0x00FF00u);

  Canvas opaque(6, 6, 0x00FF00);
  vs::DrawElement(opaque.Dc(), RECT{0, 0, 6, 6}, image.h, false, false, false, 1, 1, RECT{1, 1, 1, 1});
  EXPECT_EQ(opaque.Read().At(0, 0), kMagenta);
}

TEST(DrawStrip, CapsAndRepeatedMiddleOverTheFullHeight) {
  // Frame 2 of 2 stacked, each 7 x 2: caps 'a'/'d' 2 wide, middle "TxB" 3 wide.
  Owned image(MakeBitmap({"yyyyyyy", "yyyyyyy", "aaTxBdd", "aaTxBdd"}, Colour));
  Canvas canvas(15, 8, 0xFFFFFF);
  vs::DrawStrip(canvas.Dc(), RECT{0, 0, 15, 8}, image.h, true, false, 2, 2, RECT{2, 99, 2, 99});
  const vex::Pixels px = canvas.Read();
  for (int y = 0; y < 8; ++y) {
    EXPECT_EQ(px.At(1, y), Colour('a'));
    EXPECT_EQ(px.At(2, y), Colour('T'));   // middles at 2, 5, 8, 11
    EXPECT_EQ(px.At(6, y), Colour('x'));
    EXPECT_EQ(px.At(11, y), Colour('T'));
    EXPECT_EQ(px.At(12, y), Colour('x'));
    EXPECT_EQ(px.At(13, y), Colour('d'));  // the cap over the last middle
    EXPECT_EQ(px.At(14, y), Colour('d'));
  }
}

TEST(DrawStrip, AFrameWithoutMiddleDrawsItsCapsAndReturns) {
  Owned image(MakeBitmap({"aadd", "aadd"}, Colour));
  Canvas canvas(10, 4, 0xFFFFFF);
  vs::DrawStrip(canvas.Dc(), RECT{0, 0, 10, 4}, image.h, false, false, 1, 1, RECT{2, 0, 2, 0});
  vs::DrawStrip(canvas.Dc(), RECT{0, 0, 10, 4}, image.h, false, false, 1, 1, RECT{3, 0, 3, 0});
  vs::DrawStrip(canvas.Dc(), RECT{0, 0, 10, 4}, image.h, false, false, 0, 1, RECT{2, 0, 2, 0});
  const vex::Pixels px = canvas.Read();
  EXPECT_EQ(px.At(0, 0), Colour('a'));
  EXPECT_EQ(px.At(9, 3), Colour('d'));
}

TEST(DrawStrip, KeyedKeepsTheBackground) {
  Owned image(MakeBitmap({"amxmd"}, Colour));
  Canvas canvas(9, 3, 0x00FF00);
  vs::DrawStrip(canvas.Dc(), RECT{0, 0, 9, 3}, image.h, false, true, 1, 1, RECT{1, 0, 1, 0});
  const vex::Pixels px = canvas.Read();
  EXPECT_EQ(px.At(0, 1), Colour('a'));
  EXPECT_EQ(px.At(1, 1), 0x00FF00u);
  EXPECT_EQ(px.At(2, 1), Colour('x'));
  EXPECT_EQ(px.At(8, 1), Colour('d'));
}

TEST(DrawElementBorder, DrawsTheEdgesAtTheOffsetAndLeavesTheCentre) {
  Owned image(MakeBitmap(kNine, Colour));
  Canvas canvas(30, 30, 0x00FF00);
  SetStretchBltMode(canvas.Dc(), HALFTONE);
  vs::DrawElementBorder(canvas.Dc(), RECT{5, 6, 25, 26}, image.h, false, 1, 1, RECT{2, 2, 2, 2});
  EXPECT_EQ(GetStretchBltMode(canvas.Dc()), HALFTONE);  // the caller's mode comes back
  const vex::Pixels px = canvas.Read();
  EXPECT_EQ(px.At(4, 6), 0x00FF00u);
  EXPECT_EQ(px.At(5, 6), Colour('a'));
  EXPECT_EQ(px.At(24, 6), Colour('b'));
  EXPECT_EQ(px.At(5, 25), Colour('c'));
  EXPECT_EQ(px.At(24, 25), Colour('d'));
  EXPECT_EQ(px.At(15, 7), Colour('T'));
  EXPECT_EQ(px.At(6, 15), Colour('L'));
  EXPECT_EQ(px.At(23, 15), Colour('R'));
  EXPECT_EQ(px.At(15, 24), Colour('B'));
  for (int y = 8; y < 24; ++y)
    for (int x = 7; x < 23; ++x) ASSERT_EQ(px.At(x, y), 0x00FF00u) << x << "," << y;
}

TEST(DrawFrameImage, TakesTheFrameAsWideAsTheRectangle) {
  const std::uint32_t frames[3] = {0x112233, 0x445566, kMagenta};
  Owned image(MakeBitmap(18, 4, [&](int x, int) { return frames[x / 6]; }));
  Canvas canvas(20, 10, 0x00FF00);
  vs::DrawFrameImage(canvas.Dc(), RECT{2, 2, 8, 10}, image.h, false, 2);
  vs::DrawFrameImage(canvas.Dc(), RECT{10, 2, 16, 10}, image.h, true, 3);
  vs::DrawFrameImage(canvas.Dc(), RECT{18, 2, 16, 10}, image.h, false, 1);
  const vex::Pixels px = canvas.Read();
  EXPECT_EQ(px.At(2, 2), frames[1]);
  EXPECT_EQ(px.At(7, 9), frames[1]);  // 4 rows scaled to 8
  EXPECT_EQ(px.At(12, 5), 0x00FF00u);
  EXPECT_EQ(px.At(18, 5), 0x00FF00u);
}

TEST(TileRect, RepeatsFromTheCornerWithoutClippingTheLastTiles) {
  Owned source(MakeBitmap(6, 6, [](int x, int y) { return x >= 3 && y >= 3 ? 0x0000FFu : 0x000000u; }));
  Canvas canvas(12, 12, 0xFFFFFF);
  vs::TileRect(canvas.Dc(), RECT{1, 1, 8, 8}, source.h, RECT{3, 3, 6, 6});
  vs::TileRect(canvas.Dc(), RECT{0, 0, 12, 12}, source.h, RECT{3, 3, 3, 6});  // empty source
  const vex::Pixels px = canvas.Read();
  EXPECT_EQ(px.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(px.At(1, 1), 0x0000FFu);
  EXPECT_EQ(px.At(9, 9), 0x0000FFu);  // tile at 7 runs to 10
  EXPECT_EQ(px.At(10, 10), 0xFFFFFFu);
}
