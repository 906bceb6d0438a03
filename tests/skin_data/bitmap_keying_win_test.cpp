// Keyed drawing, regions read back with GetRegionData, and image turns.
#include <windows.h>

#include <gtest/gtest.h>

#include "bitmap_test_util.h"
#include "skin/data/BitmapHelpers.h"

namespace vs = vex::skin;
using vs::test::Canvas;
using vs::test::kMagenta;
using vs::test::MakeBitmap;

namespace {

struct OwnedRegion {
  HRGN h;
  explicit OwnedRegion(HRGN r) : h(r) {}
  ~OwnedRegion() { DeleteObject(h); }
};

}  // namespace

TEST(DrawTransparent, AllKeyLeavesTheTargetAndRestoresTheDcColours) {
  HBITMAP key = MakeBitmap(8, 8, [](int, int) { return kMagenta; });
  Canvas canvas(8, 8, 0x123456);
  SetBkColor(canvas.Dc(), RGB(1, 2, 3));
  SetTextColor(canvas.Dc(), RGB(4, 5, 6));
  vs::DrawTransparent(canvas.Dc(), RECT{0, 0, 8, 8}, key, vs::kSkinKey);
  const vex::Pixels px = canvas.Read();
  for (std::uint32_t p : px.rgb) ASSERT_EQ(p, 0x123456u);
  EXPECT_EQ(GetBkColor(canvas.Dc()), RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(4, 5, 6));
  DeleteObject(key);
}

TEST(DrawTransparent, OtherColoursReplaceTheTarget) {
  // Black and white must come through too: the mask blits use both.
  static const std::uint32_t row[] = {kMagenta, 0x000000, 0xFFFFFF, 0xFE00FF};
  HBITMAP pic = MakeBitmap(4, 1, [](int x, int) { return row[x]; });
  Canvas canvas(6, 3, 0x123456);
  vs::DrawTransparent(canvas.Dc(), RECT{1, 1, 5, 2}, pic, vs::kSkinKey);
  const vex::Pixels px = canvas.Read();
  EXPECT_EQ(px.At(1, 1), 0x123456u);
  EXPECT_EQ(px.At(2, 1), 0x000000u);
  EXPECT_EQ(px.At(3, 1), 0xFFFFFFu);
  EXPECT_EQ(px.At(4, 1), 0xFE00FFu);
  EXPECT_EQ(px.At(0, 0), 0x123456u);
  DeleteObject(pic);
}

TEST(RegionFromBitmap, OneRectanglePerRunMovedByTheOffsets) {
  HBITMAP bmp = MakeBitmap(3, 1, [](int x, int) { return x == 1 ? 0u : kMagenta; });
  OwnedRegion rgn(vs::RegionFromBitmap(bmp, 10, 20, 1, 1, 1, vs::kSkinKey));
  const std::vector<RECT> rects = vs::test::RegionRects(rgn.h);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].left, 11);
  EXPECT_EQ(rects[0].top, 20);
  EXPECT_EQ(rects[0].right, 12);
  EXPECT_EQ(rects[0].bottom, 21);
  DeleteObject(bmp);
}

TEST(RegionFromBitmap, ToleranceRunsUpwardFromTheKeyOnly) {
  // Transparent: the key and green 1 (tolerance 1).  Kept: green 2, red 254.
  const std::uint32_t row[] = {kMagenta, 0xFF01FF, 0xFF02FF, 0xFE00FF, 0x000000};
  HBITMAP bmp = MakeBitmap(5, 1, [&](int x, int) { return row[x]; });
  OwnedRegion rgn(vs::RegionFromBitmap(bmp, 0, 0, 1, 1, 1, vs::kSkinKey));
  const std::vector<RECT> rects = vs::test::RegionRects(rgn.h);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].left, 2);
  EXPECT_EQ(rects[0].right, 5);
  OwnedRegion strict(vs::RegionFromBitmap(bmp, 0, 0, 0, 0, 0, vs::kSkinKey));
  EXPECT_EQ(vs::test::RegionArea(strict.h), 4);
  DeleteObject(bmp);
}

TEST(RegionFromBitmap, ManyRunsAcrossSeveralBlocksMakeTheWholeRegion) {
  // Every other column opaque: 60 runs a row, 3,000 rectangles in all.
  HBITMAP bmp = MakeBitmap(120, 50, [](int x, int) { return x % 2 ? 0x336699u : kMagenta; });
  OwnedRegion rgn(vs::RegionFromBitmap(bmp, 0, 0, 1, 1, 1, vs::kSkinKey));
  EXPECT_EQ(vs::test::RegionArea(rgn.h), 60 * 50);
  EXPECT_TRUE(PtInRegion(rgn.h, 1, 0));
  EXPECT_TRUE(PtInRegion(rgn.h, 119, 49));
  EXPECT_FALSE(PtInRegion(rgn.h, 0, 49));
  EXPECT_FALSE(PtInRegion(rgn.h, 118, 25));
  DeleteObject(bmp);

  HBITMAP key = MakeBitmap(4, 4, [](int, int) { return kMagenta; });
  OwnedRegion empty(vs::RegionFromBitmap(key, 0, 0, 1, 1, 1, vs::kSkinKey));
  ASSERT_NE(empty.h, nullptr);
  EXPECT_EQ(vs::test::RegionArea(empty.h), 0);
  DeleteObject(key);
}

namespace {

std::uint32_t Cell(int x, int y) { return 0x100000u * static_cast<std::uint32_t>(x + 1) + 0x10u * static_cast<std::uint32_t>(y + 1); }

}  // namespace

TEST(TurnBitmap, FlipMirrorsRowsInTheSameBitmap) {
  HBITMAP bmp = MakeBitmap(3, 2, Cell);
  HBITMAP before = bmp;
  vs::FlipVertical(bmp);
  EXPECT_EQ(bmp, before);
  const vex::Pixels px = vex::ReadBitmap(bmp);
  EXPECT_EQ(px.At(0, 0), Cell(0, 1));
  EXPECT_EQ(px.At(2, 1), Cell(2, 0));
  DeleteObject(bmp);
}

TEST(TurnBitmap, LeftAndRightQuarterTurns) {
  HBITMAP left = MakeBitmap(3, 2, Cell);
  vs::RotateLeft(left);
  vex::Pixels px = vex::ReadBitmap(left);
  ASSERT_EQ(px.width, 2);
  ASSERT_EQ(px.height, 3);
  EXPECT_EQ(px.At(0, 0), Cell(2, 0));  // old top-right
  EXPECT_EQ(px.At(1, 2), Cell(0, 1));  // old bottom-left
  BITMAP info{};
  GetObject(left, sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 24);

  HBITMAP right = MakeBitmap(3, 2, Cell);
  vs::RotateRight(right);
  px = vex::ReadBitmap(right);
  EXPECT_EQ(px.At(0, 0), Cell(0, 1));  // old bottom-left
  EXPECT_EQ(px.At(1, 2), Cell(2, 0));

  vs::RotateRight(left);  // back where it started
  px = vex::ReadBitmap(left);
  ASSERT_EQ(px.width, 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(px.At(x, y), Cell(x, y));
  DeleteObject(left);
  DeleteObject(right);
}
