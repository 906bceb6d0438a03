// Bitmap files made in memory: pictures written as files and columns cut
// out of files, read back through the headers a loader checks.
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
  const auto info = ReadBmpInfo(file);
  std::int32_t height = 0, offset = 0;
  std::memcpy(&height, file.data() + 22, 4);
  std::memcpy(&offset, file.data() + 10, 4);
  const int bytes = info->bitsPerPixel / 8;
  const std::size_t stride = (static_cast<std::size_t>(info->width) * info->bitsPerPixel + 31) / 32 * 4;
  const int row = height > 0 ? info->height - 1 - y : y;
  const std::uint8_t* p = file.data() + offset + stride * row + static_cast<std::size_t>(x) * bytes;
  return p[0] | p[1] << 8 | p[2] << 16;
}

Bytes Picture(int width, int height) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(PixelOf(x, y));
  return EncodeBmp24(width, height, pixels);
}

// The same picture as a 32-bit file with rows from the top.
Bytes TopDown32(int width, int height) {
  Bytes file = Picture(width, height);
  const std::int32_t negative = -height, bits = 32, size = 54 + 4 * width * height;
  file.resize(static_cast<std::size_t>(size));
  std::memcpy(file.data() + 22, &negative, 4);
  std::memcpy(file.data() + 28, &bits, 2);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = PixelOf(x, y);
      std::memcpy(file.data() + 54 + 4 * (y * width + x), &p, 4);
    }
  return file;
}

TEST(BmpFile, EncodedPicturesReadBackRowForRow) {
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 2}, {5, 7}, {16, 3}}) {
    const Bytes file = Picture(w, h);
    const auto info = ReadBmpInfo(file);
    ASSERT_TRUE(info) << w << "x" << h;
    EXPECT_EQ(info->width, w);
    EXPECT_EQ(info->height, h);
    EXPECT_EQ(info->bitsPerPixel, 24);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) EXPECT_EQ(At(file, x, y), PixelOf(x, y)) << x << "," << y;
  }
  EXPECT_TRUE(EncodeBmp24(2, 2, std::vector<std::uint32_t>(3)).empty()) << "too few pixels";
  EXPECT_TRUE(EncodeBmp24(0, 2, {}).empty());
}

TEST(BmpFile, ColumnsCutKeepDepthRowOrderAndPixels) {
  struct Case {
    const char* name;
    Bytes file;
  };
  const Case cases[] = {{"24-bit bottom-up", Picture(12, 5)}, {"32-bit top-down", TopDown32(12, 5)}};
  for (const Case& c : cases) {
    for (const auto& [x, w] : {std::pair{0, 4}, {4, 4}, {8, 4}, {3, 1}, {0, 12}}) {
      const Bytes cut = CutBmpColumns(c.file, x, w);
      const auto info = ReadBmpInfo(cut);
      ASSERT_TRUE(info) << c.name << " " << x;
      EXPECT_EQ(info->width, w);
      EXPECT_EQ(info->height, 5);
      EXPECT_EQ(info->bitsPerPixel, ReadBmpInfo(c.file)->bitsPerPixel) << c.name;
      EXPECT_EQ(std::memcmp(cut.data() + 22, c.file.data() + 22, 4), 0) << c.name << ": row order kept";
      for (int y = 0; y < 5; ++y)
        for (int i = 0; i < w; ++i) EXPECT_EQ(At(cut, i, y), PixelOf(x + i, y)) << c.name << " " << x + i << "," << y;
    }
  }
}

TEST(BmpFile, NothingIsCutOutsideThePictureOrFromOtherKinds) {
  const Bytes file = Picture(12, 5);
  Bytes compressed = file, paletted = file;
  compressed[30] = 1;  // BI_RLE8
  paletted[28] = 8;
  for (const auto& [what, from, x, w] :
       {std::tuple{"past the right", &file, 9, 4}, {"left of it", &file, -1, 2}, {"no columns", &file, 0, 0},
        {"compressed", &compressed, 0, 4}, {"8 bits", &paletted, 0, 4}}) {
    EXPECT_TRUE(CutBmpColumns(*from, x, w).empty()) << what;
  }
  EXPECT_TRUE(CutBmpColumns(Bytes(file.begin(), file.begin() + 60), 0, 4).empty()) << "cut short";
  EXPECT_TRUE(CutBmpColumns(Bytes{'B', 'M'}, 0, 1).empty());
}

}  // namespace
}  // namespace vex::skin
