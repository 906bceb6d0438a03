#include <gtest/gtest.h>

#include "ico_write.h"

using vex::art::Raster;
using vex::art::Rgba;

namespace {
unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }
}  // namespace

TEST(IcoWrite, DirectoryDescribesEachImage) {
  Raster big(32, 32), small(16, 16);
  const auto bytes = vex::art::EncodeIco({big, small});
  ASSERT_GE(bytes.size(), 6u + 32u);
  EXPECT_EQ(U16(bytes, 2), 1u);
  EXPECT_EQ(U16(bytes, 4), 2u);
  EXPECT_EQ(bytes[6], 32);
  EXPECT_EQ(bytes[6 + 16], 16);
  const std::uint32_t size0 = U32(bytes, 6 + 8), off0 = U32(bytes, 6 + 12);
  const std::uint32_t off1 = U32(bytes, 6 + 16 + 12);
  EXPECT_EQ(off0, 6u + 32u);
  EXPECT_EQ(off1, off0 + size0);
  EXPECT_EQ(size0, 40u + 32u * 32u * 4u + 32u * 4u);  // header, colour, mask rows of 4 bytes
  EXPECT_EQ(U32(bytes, off0 + 8), 64u);              // height counts colour and mask
}

TEST(IcoWrite, TransparentPixelsAreSetInTheMask) {
  Raster img(32, 32);
  img.Set(0, 31, Rgba::Of(0xFF0000));  // bottom-left opaque; everything else clear
  const auto bytes = vex::art::EncodeIco({img});
  const std::size_t mask = 6 + 16 + 40 + 32 * 32 * 4;
  EXPECT_EQ(bytes[mask], 0x7F);       // first stored row is the bottom row
  EXPECT_EQ(bytes[mask + 4], 0xFF);   // the next row is all transparent
  EXPECT_EQ(bytes[6 + 16 + 40 + 2], 0xFF);  // red channel of the bottom-left pixel
}
