// The composite at every size: scaling, where the icon sits, soft edges,
// transparency as the intersection of the two pictures, the 32-pixel image
// as the old composer made it, and the .ico file it is saved as.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "iconbrowser/CompositeGeometry.h"
#include "iconbrowser/CompositeSet.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconImages.h"
#include "iconbrowser/PngCodec.h"

using namespace vex::iconbrowser;

namespace {

RgbaImage Solid(int side, std::uint32_t argb) {
  RgbaImage im = RgbaImage::Blank(side, side);
  im.argb.assign(im.argb.size(), argb);
  return im;
}

constexpr std::uint32_t kFolder = 0xFFE0B040;
constexpr std::uint32_t kIcon = 0xFF2040C0;

// Folder picture with its left half clear; at every size it is drawn.
std::vector<RgbaImage> HalfClearFolder() {
  std::vector<RgbaImage> sizes;
  for (int side : {16, 32, 48, 256}) {
    RgbaImage im = Solid(side, kFolder);
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side / 2; ++x) im.argb[im.Index(x, y)] = 0;
    sizes.push_back(im);
  }
  return sizes;
}

// Icon with its top half clear.
std::vector<RgbaImage> TopClearIcon(int side) {
  RgbaImage im = Solid(side, kIcon);
  for (int y = 0; y < side / 2; ++y)
    for (int x = 0; x < side; ++x) im.argb[im.Index(x, y)] = 0x00FF00FF;  // colour that must never show
  return {im};
}

}  // namespace

TEST(Resample, KeepsFlatColourAndLendsNoColourFromClearPixels) {
  for (int from : {16, 32, 48, 256})
    for (int to : {1, 16, 20, 24, 40, 96, 128, 256}) {
      const RgbaImage out = Resample(Solid(from, 0xFF336699), to, to);
      ASSERT_EQ(out.width, to);
      for (std::uint32_t c : out.argb) ASSERT_EQ(c, 0xFF336699u) << from << " -> " << to;
    }
  // Left half clear red, right half opaque blue: no pixel turns purple.
  RgbaImage half = Solid(64, 0xFF0000FF);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 32; ++x) half.argb[half.Index(x, y)] = 0x00FF0000;
  for (int to : {10, 24, 100}) {
    const RgbaImage out = Resample(half, to, to);
    for (std::uint32_t c : out.argb)
      if (AlphaOf(c)) {
        EXPECT_EQ(c & 0xFFFFFF, 0x0000FFu) << to;
      }
  }
  EXPECT_TRUE(Resample(RgbaImage{}, 16, 16).Empty());
  EXPECT_TRUE(Resample(half, 0, 16).Empty());
}

TEST(Resample, DownscalingAveragesAndSoftensEdges) {
  // A one-pixel checkerboard halved becomes an even grey, not one of its colours.
  RgbaImage checker = RgbaImage::Blank(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) checker.argb[checker.Index(x, y)] = (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000;
  const RgbaImage half = Resample(checker, 32, 32);
  for (int y = 1; y < 31; ++y)
    for (int x = 1; x < 31; ++x) {
      EXPECT_NEAR(static_cast<int>(half.At(x, y) & 0xFF), 128, 1);
      EXPECT_EQ(AlphaOf(half.At(x, y)), 255);
    }
  // A hard-edged disc scaled down gets partly clear pixels along its rim.
  RgbaImage disc = RgbaImage::Blank(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x)
      if ((x - 128) * (x - 128) + (y - 128) * (y - 128) < 100 * 100) disc.argb[disc.Index(x, y)] = kIcon;
  const RgbaImage small = Resample(disc, 24, 24);
  int partial = 0;
  for (std::uint32_t c : small.argb) partial += AlphaOf(c) > 0 && AlphaOf(c) < 255;
  EXPECT_GT(partial, 8);
}

TEST(CompositeBox, ScalesTheThirtyTwoPixelLayout) {
  for (int s = 1; s <= 32; ++s) {
    const InnerBox b = CompositeBox(s, 32);
    EXPECT_EQ(b.left, CompositeOffset(s)) << s;
    EXPECT_EQ(b.size, s) << s;
  }
  struct Case {
    int s, side, left, size;
  } cases[] = {
      {16, 16, 4, 8},   {16, 20, 5, 10},  {16, 24, 6, 12},  {16, 40, 10, 20}, {16, 48, 12, 24},
      {16, 64, 16, 32}, {16, 96, 24, 48}, {16, 128, 32, 64}, {16, 256, 64, 128},
      {32, 256, 0, 256}, {31, 256, 0, 248}, {1, 256, 120, 8}, {1, 16, 8, 1},  {17, 48, 11, 25},
      {0, 256, 120, 8},  {99, 64, 0, 64},  // clamped like the scroll bar
  };
  for (const auto& c : cases) {
    const InnerBox b = CompositeBox(c.s, c.side);
    EXPECT_EQ(b.left, c.left) << c.s << " in " << c.side;
    EXPECT_EQ(b.top, c.left) << c.s << " in " << c.side;
    EXPECT_EQ(b.size, c.size) << c.s << " in " << c.side;
  }
}

TEST(CompositeSet, EverySizeHoldsTheIconInItsBoxAndTheFolderAround) {
  for (int s : {1, 8, 16, 23, 32}) {
    const auto set = ComposeCompositeSet({Solid(256, kFolder)}, {Solid(48, kIcon)}, s, nullptr);
    ASSERT_EQ(set.size(), kCompositeSizes.size());
    for (std::size_t i = 0; i < set.size(); ++i) {
      const int side = kCompositeSizes[i];
      const RgbaImage& im = set[i].image;
      ASSERT_EQ(im.width, side);
      ASSERT_EQ(im.height, side);
      const InnerBox b = CompositeBox(s, side);
      for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
          const bool inside = x >= b.left && x < b.left + b.size && y >= b.top && y < b.top + b.size;
          ASSERT_EQ(im.At(x, y), inside ? kIcon : kFolder) << "S " << s << " side " << side << " at " << x << "," << y;
        }
    }
  }
}

TEST(CompositeSet, ClearOnlyWhereBothPicturesAreClear) {
  for (int s : {16, 32}) {
    const auto set = ComposeCompositeSet(HalfClearFolder(), TopClearIcon(64), s, nullptr);
    ASSERT_EQ(set.size(), kCompositeSizes.size());
    for (std::size_t i = 0; i < set.size(); ++i) {
      const int side = kCompositeSizes[i];
      const RgbaImage folder = ImageAtSize(HalfClearFolder(), side);
      const InnerBox b = CompositeBox(s, side);
      const RgbaImage icon = ImageAtSize(TopClearIcon(64), b.size);
      const RgbaImage& im = set[i].image;
      for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
          const bool inside = x >= b.left && x < b.left + b.size && y >= b.top && y < b.top + b.size;
          const int fa = AlphaOf(folder.At(x, y));
          const int ia = inside ? AlphaOf(icon.At(x - b.left, y - b.top)) : 0;
          const int a = AlphaOf(im.At(x, y));
          ASSERT_EQ(a == 0, fa == 0 && ia == 0) << side << " at " << x << "," << y;
          // Soft edges blend: alpha is the icon's plus the folder's share of the rest.
          ASSERT_NEAR(a, ia + fa * (255 - ia) / 255, 1) << side << " at " << x << "," << y;
          if (a) {
            ASSERT_NE(im.At(x, y) & 0xFFFFFF, 0xFF00FFu);
          }
        }
    }
  }
}

TEST(CompositeSet, EachSizeTakesTheNearestLargerSourceImage) {
  // A source with 16, 32, 48 and 256 pixel images, each its own colour.
  const std::vector<RgbaImage> source{Solid(16, 0xFF110000), Solid(32, 0xFF220000), Solid(48, 0xFF330000),
                                      Solid(256, 0xFF440000)};
  const auto set = ComposeCompositeSet({Solid(32, kFolder)}, source, 16, nullptr);
  ASSERT_EQ(set.size(), kCompositeSizes.size());
  // The icon's box is half the side: boxes of 8 to 16 take the 16, 20 to 32
  // the 32, 48 the 48, and 64 and 128 the 256.
  const std::map<int, std::uint32_t> want{{16, 0xFF110000}, {20, 0xFF110000}, {24, 0xFF110000}, {32, 0xFF110000},
                                          {40, 0xFF220000}, {48, 0xFF220000}, {64, 0xFF220000}, {96, 0xFF330000},
                                          {128, 0xFF440000}, {256, 0xFF440000}};
  for (const auto& c : set) {
    const int side = c.image.width;
    EXPECT_EQ(c.image.At(side / 2, side / 2), want.at(side)) << side;
  }
  // Only small images: every size still comes out, scaled up.
  const auto up = ComposeCompositeSet({Solid(32, kFolder)}, {Solid(16, kIcon)}, 32, nullptr);
  ASSERT_EQ(up.size(), kCompositeSizes.size());
  EXPECT_EQ(up.back().image.At(255, 255), kIcon);
  // Nothing to compose from gives nothing.
  EXPECT_TRUE(ComposeCompositeSet({}, source, 16, nullptr).empty());
  EXPECT_TRUE(ComposeCompositeSet({Solid(32, kFolder)}, {}, 16, nullptr).empty());
}

TEST(CompositeSet, ThirtyTwoPixelImageIsTheOldComposerWhereItsMaskIsOpaque) {
  // The old composite: opaque in a diagonal band, with colours of its own.
  IconPixels legacy{32, 32, std::vector<std::uint32_t>(32 * 32), std::vector<std::uint8_t>(32 * 32)};
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      legacy.colour[legacy.Index(x, y)] = static_cast<std::uint32_t>(x * 8 << 8 | y * 8);
      legacy.transparent[legacy.Index(x, y)] = std::abs(x - y) > 6;
    }
  for (int s : {1, 16, 32}) {
    const auto set = ComposeCompositeSet(HalfClearFolder(), TopClearIcon(32), s, &legacy);
    const auto it = std::find_if(set.begin(), set.end(), [](const CompositeImage& c) { return c.image.width == 32; });
    ASSERT_NE(it, set.end());
    EXPECT_EQ(it->mask, legacy.transparent);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (!legacy.transparent[legacy.Index(x, y)]) {
          EXPECT_EQ(it->image.At(x, y), 0xFF000000u | legacy.colour[legacy.Index(x, y)]) << x << "," << y;
        }
    // The other sizes are not touched by it.
    for (const auto& c : set) {
      if (c.image.width != 32) {
        EXPECT_TRUE(c.mask.empty());
      }
    }
  }
}

TEST(CompositeSet, SavedFileHoldsEverySizeWithTheLargestAsPng) {
  IconPixels legacy{32, 32, std::vector<std::uint32_t>(32 * 32, 0x123456), std::vector<std::uint8_t>(32 * 32, 0)};
  legacy.transparent[0] = 1;
  const auto set = ComposeCompositeSet(HalfClearFolder(), TopClearIcon(256), 20, &legacy);
  const auto bytes = EncodeCompositeSet(set);
  ASSERT_TRUE(bytes);
  std::string why;
  const auto info = ParseIco(*bytes, &why);
  ASSERT_TRUE(info) << why;
  ASSERT_EQ(info->entries.size(), kCompositeSizes.size());
  for (std::size_t i = 0; i < kCompositeSizes.size(); ++i) {
    const IcoEntry& e = info->entries[i];
    EXPECT_EQ(e.width, kCompositeSizes[i]);
    EXPECT_EQ(e.dirWidth, kCompositeSizes[i] & 0xFF);
    EXPECT_EQ(e.png, kCompositeSizes[i] == 256);
    EXPECT_EQ(e.dirBitCount, 32);
    EXPECT_EQ(e.dirPlanes, 1);
  }
  // Read back image for image, alpha and all.
  const auto images = ReadIcoImages(*bytes);
  ASSERT_EQ(images.size(), set.size());
  for (std::size_t i = 0; i < set.size(); ++i) {
    // Fully clear pixels are stored black; compare them as clear.
    std::vector<std::uint32_t> want = set[i].image.argb;
    for (auto& c : want)
      if (AlphaOf(c) == 0) c = 0;
    EXPECT_EQ(images[i].argb, want) << kCompositeSizes[i];
  }
  // The 32-pixel image's AND mask is the old composer's.
  const IcoEntry& e32 = info->entries[3];
  EXPECT_TRUE(IcoMaskBit(*bytes, e32, 0, 0));
  EXPECT_FALSE(IcoMaskBit(*bytes, e32, 1, 0));
  EXPECT_EQ(IcoColour(*bytes, e32, 5, 5), 0x123456u);
  EXPECT_FALSE(EncodeCompositeSet({}));
}

TEST(CompositeAtSide, AnySideAsTheSetWouldComposeIt) {
  // The browser's preview at a display's scale: sides outside the set too
  // (56 at 168 dpi, 80 at 240), each from the nearest larger images.
  const std::vector<RgbaImage> source{Solid(32, 0xFF220000), Solid(64, 0xFF330000)};
  const auto set = ComposeCompositeSet({Solid(32, kFolder)}, source, 32, nullptr);
  const struct {
    int side;
    std::uint32_t middle;
  } cases[] = {{32, 0xFF220000}, {48, 0xFF330000}, {56, 0xFF330000}, {80, 0xFF330000}};
  for (const auto& c : cases) {
    const RgbaImage image = ComposeAtSide({Solid(32, kFolder)}, source, 32, c.side);
    ASSERT_EQ(image.width, c.side);
    EXPECT_EQ(image.At(c.side / 2, c.side / 2), c.middle) << c.side;
    for (const auto& member : set) {
      if (member.image.width == c.side) {
        EXPECT_EQ(member.image.argb, image.argb) << c.side;
      }
    }
  }
  EXPECT_TRUE(ComposeAtSide({}, source, 16, 48).Empty());
  EXPECT_TRUE(ComposeAtSide({Solid(32, kFolder)}, source, 16, 0).Empty());
}
