// Bitmap files made in memory: pictures written as files and columns cut
// out of them, read back through the headers a loader checks.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/data/BmpFile.h"
#include "skin/data/BmpInfo.h"

namespace vex::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t PixelOf(int x, int y) { return static_cast<std::uint32_t>(x * 0x010203 + y * 0x300000) & 0xFFFFFF; }

// The pixel at (x, y) from the top of an uncompressed 24- or 32-bit file.
std::uint32_t At(const Bytes& file, int x, int y) {
  std::int32_t width = 0, height = 0, offset = 0, bits = 0;
  std::memcpy(&offset, file.data() + 10, 4);
  std::memcpy(&width, file.data() + 18, 4);
  std::memcpy(&height, file.data() + 22, 4);
  std::memcpy(&bits, file.data() + 28, 2);
  const int row = height > 0 ? height - 1 - y : y;
  const std::uint8_t* p = file.data() + offset + (width * bits + 31) / 32 * 4 * row + x * bits / 8;
  return p[0] | p[1] << 8 | p[2] << 16;
}

// 12 x 5 pixels: 24 bits bottom-up as written, or turned into 32 bits top-down.
Bytes Picture(bool topDown32) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 12; ++x) pixels.push_back(PixelOf(x, y));
  Bytes file = EncodeBmp24(12, 5, pixels);
  if (!topDown32) return file;
  const std::int32_t height = -5, bits = 32;
  file.resize(54 + 4 * pixels.size());
  std::memcpy(file.data() + 22, &height, 4);
  std::memcpy(file.data() + 28, &bits, 2);
  std::memcpy(file.data() + 54, pixels.data(), 4 * pixels.size());  // 0x00RRGGBB is BGRA in memory
  return file;
}

TEST(BmpFile, ColumnsCutKeepDepthRowOrderAndPixels) {
  for (const bool topDown32 : {false, true}) {
    const Bytes file = Picture(topDown32);
    for (const auto& [x, w] : {std::pair{0, 12}, {0, 4}, {4, 4}, {8, 4}, {3, 1}}) {
      const Bytes cut = CutBmpColumns(file, x, w);
      const auto info = ReadBmpInfo(cut);
      ASSERT_TRUE(info) << topDown32 << " " << x;
      EXPECT_EQ(info->width, w);
      EXPECT_EQ(info->height, 5);
      EXPECT_EQ(info->bitsPerPixel, topDown32 ? 32 : 24);
      EXPECT_EQ(std::memcmp(cut.data() + 22, file.data() + 22, 4), 0) << "row order kept";
      for (int y = 0; y < 5; ++y)
        for (int i = 0; i < w; ++i) EXPECT_EQ(At(cut, i, y), PixelOf(x + i, y)) << topDown32 << " " << x + i << "," << y;
    }
  }
}

TEST(BmpFile, NothingIsMadeOfWrongSizesOrCutOutsideThePictureOrFromOtherKinds) {
  EXPECT_TRUE(EncodeBmp24(2, 2, std::vector<std::uint32_t>(3)).empty()) << "too few pixels";
  EXPECT_TRUE(EncodeBmp24(0, 2, {}).empty());
  const Bytes file = Picture(false);
  Bytes compressed = file, paletted = file;
  compressed[30] = 1;  // BI_RLE8
  paletted[28] = 8;
  for (const auto& [what, from, x, w] :
       {std::tuple{"past the right", &file, 9, 4}, {"left of it", &file, -1, 2}, {"no columns", &file, 0, 0},
        {"compressed", &compressed, 0, 4}, {"8 bits", &paletted, 0, 4}}) {
    EXPECT_TRUE(CutBmpColumns(*from, x, w).empty()) << what;
  }
  EXPECT_TRUE(CutBmpColumns(Bytes(file.begin(), file.begin() + 60), 0, 4).empty()) << "cut short";
}

}  // namespace
}  // namespace vex::skin
