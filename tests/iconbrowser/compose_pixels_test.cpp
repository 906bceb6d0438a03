#include <gtest/gtest.h>

#include "iconbrowser/CompositeGeometry.h"
#include "iconbrowser/IconPixels.h"

using namespace vex::iconbrowser;

namespace {

IconPixels Solid(int w, int h, std::uint32_t colour, bool transparent) {
  IconPixels p;
  p.width = w;
  p.height = h;
  p.colour.assign(static_cast<std::size_t>(w) * h, colour);
  p.transparent.assign(static_cast<std::size_t>(w) * h, transparent ? 1 : 0);
  return p;
}

// Bounding box of the pixels that took the icon's colour.
struct Box {
  int left = 99, top = 99, right = -1, bottom = -1;
};
Box Covered(const IconPixels& p, std::uint32_t colour) {
  Box b;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (p.colour[p.Index(x, y)] == colour) {
        b.left = std::min(b.left, x);
        b.top = std::min(b.top, y);
        b.right = std::max(b.right, x);
        b.bottom = std::max(b.bottom, y);
      }
  return b;
}

}  // namespace

TEST(CompositeGeometry, OffsetsFromFifteenDownToZero) {
  EXPECT_EQ(CompositeOffset(1), 15);
  EXPECT_EQ(CompositeOffset(2), 15);
  EXPECT_EQ(CompositeOffset(16), 8);
  EXPECT_EQ(CompositeOffset(17), 7);
  EXPECT_EQ(CompositeOffset(31), 0);
  EXPECT_EQ(CompositeOffset(32), 0);
  // Never outside the picture, whatever the caller passes.
  EXPECT_EQ(CompositeOffset(0), 15);
  EXPECT_EQ(CompositeOffset(-40), 15);
  EXPECT_EQ(CompositeOffset(64), 0);
}

TEST(ComposePixels, IconSitsCentredWithTheOddPixelRightAndBelow) {
  const IconPixels folder = Solid(32, 32, 0xE0B040, false);
  struct Case { int size, left, right; } cases[] = {{32, 0, 31}, {16, 8, 23}, {1, 15, 15}, {31, 0, 30}, {5, 13, 17}};
  for (const auto& c : cases) {
    const Box b = Covered(ComposePixels(folder, Solid(c.size, c.size, 0x0000FF, false), c.size), 0x0000FF);
    EXPECT_EQ(b.left, c.left) << c.size;
    EXPECT_EQ(b.top, c.left) << c.size;
    EXPECT_EQ(b.right, c.right) << c.size;
    EXPECT_EQ(b.bottom, c.right) << c.size;
  }
}

TEST(ComposePixels, TransparencyIsTheIntersectionOfBothMasks) {
  // Left half of the folder transparent, top half of the icon transparent.
  IconPixels folder = Solid(32, 32, 0xE0B040, false);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 16; ++x) folder.transparent[folder.Index(x, y)] = 1;
  IconPixels icon = Solid(32, 32, 0x00FF00, false);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) {
      icon.transparent[icon.Index(x, y)] = 1;
      icon.colour[icon.Index(x, y)] = 0xFF00FF;  // must not reach the result
    }
  const IconPixels out = ComposePixels(folder, icon, 32);
  EXPECT_TRUE(out.transparent[out.Index(3, 3)]);        // both transparent
  EXPECT_FALSE(out.transparent[out.Index(3, 20)]);      // icon opaque over clear folder
  EXPECT_EQ(out.colour[out.Index(3, 20)], 0x00FF00u);
  EXPECT_FALSE(out.transparent[out.Index(20, 3)]);      // folder opaque, icon clear
  EXPECT_EQ(out.colour[out.Index(20, 3)], 0xE0B040u);   // untinted
  EXPECT_EQ(Covered(out, 0xFF00FF).right, -1);
}

TEST(ComposePixels, FolderIsLeftUnchangedAndEmptyInputsGiveNothing) {
  const IconPixels folder = Solid(32, 32, 0x123456, false);
  const IconPixels copy = folder;
  ComposePixels(folder, Solid(16, 16, 0xFFFFFF, false), 16);
  EXPECT_EQ(folder.colour, copy.colour);
  EXPECT_TRUE(ComposePixels(IconPixels{}, Solid(16, 16, 0, false), 16).Empty());
  EXPECT_TRUE(ComposePixels(folder, IconPixels{}, 16).Empty());
}

TEST(ComposePixels, OversizedIconIsClippedToTheFolder) {
  const IconPixels out = ComposePixels(Solid(32, 32, 0x111111, true), Solid(48, 48, 0x222222, false), 16);
  const Box b = Covered(out, 0x222222);
  EXPECT_EQ(b.left, 8);
  EXPECT_EQ(b.right, 31);
  EXPECT_EQ(out.colour.size(), 32u * 32u);
}
