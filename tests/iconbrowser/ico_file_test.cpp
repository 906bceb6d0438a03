#include <gtest/gtest.h>

#include "ico_write.h"
#include "iconbrowser/IcoFile.h"

using namespace vex::iconbrowser;

namespace {

unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// A 32 x 32 image at `bits` per pixel: colour rows filled with `fill`, mask
// clear except the top-left pixel (transparent).
IconImageBits Image(int bits, std::uint8_t fill = 0x5A) {
  IconImageBits im;
  im.width = 32;
  im.height = 32;
  im.bitCount = bits;
  if (bits <= 8) im.colourTable.assign(std::size_t{1} << bits, 0x00112233);
  im.colourRows.assign(DibStride(32, bits) * 32, fill);
  im.maskRows.assign(DibStride(32, 1) * 32, 0);
  im.maskRows[31 * 4] = 0x80;  // the last stored row is the top row
  return im;
}

}  // namespace

TEST(IcoFileWrite, StandardDirectoryEntryForThirtyTwoBits) {
  const auto bytes = EncodeSingleIcon(Image(32));
  ASSERT_TRUE(bytes);
  const auto& b = *bytes;
  EXPECT_EQ(U16(b, 0), 0u);
  EXPECT_EQ(U16(b, 2), 1u);
  EXPECT_EQ(U16(b, 4), 1u);
  EXPECT_EQ(b[6], 32);
  EXPECT_EQ(b[7], 32);   // the colour image's height, not doubled
  EXPECT_EQ(b[8], 0);    // colour count: 0 from 8 bits per pixel up
  EXPECT_EQ(b[9], 0);    // reserved
  EXPECT_EQ(U16(b, 10), 1u);   // planes
  EXPECT_EQ(U16(b, 12), 32u);  // bits per pixel
  EXPECT_EQ(U32(b, 14), 40u + 32u * 32u * 4u + 32u * 4u);
  EXPECT_EQ(U32(b, 18), 22u);
  EXPECT_EQ(b.size(), 22u + U32(b, 14));
  EXPECT_EQ(U32(b, 22 + 8), 64u);  // header height covers colour and mask
}

TEST(IcoFileWrite, SmallDepthsCarryTheirColourTableAndCount) {
  const auto four = EncodeSingleIcon(Image(4));
  ASSERT_TRUE(four);
  EXPECT_EQ((*four)[8], 16);
  EXPECT_EQ(U16(*four, 12), 4u);
  EXPECT_EQ(U32(*four, 14), 40u + 16u * 4u + 32u * 16u + 32u * 4u);
  EXPECT_EQ(U32(*four, 22 + 40), 0x00112233u);  // first table entry follows the header
  const auto eight = EncodeSingleIcon(Image(8));
  ASSERT_TRUE(eight);
  EXPECT_EQ((*eight)[8], 0);
  // 24 bits: rows of 96 bytes are already padded; 16 bits: 64.
  const auto b24 = EncodeSingleIcon(Image(24));
  ASSERT_TRUE(b24);
  EXPECT_EQ(U32(*b24, 14), 40u + 32u * 96u + 32u * 4u);
}

TEST(IcoFileWrite, RefusesBitsThatDoNotFitTheirSize) {
  auto im = Image(32);
  im.colourRows.pop_back();
  EXPECT_FALSE(EncodeSingleIcon(im));
  im = Image(32);
  im.maskRows.push_back(0);
  EXPECT_FALSE(EncodeSingleIcon(im));
  im = Image(32);
  im.bitCount = 12;
  EXPECT_FALSE(EncodeSingleIcon(im));
  im = Image(4);
  im.colourTable.resize(17);
  EXPECT_FALSE(EncodeSingleIcon(im));
  im = Image(32);
  im.width = 0;
  EXPECT_FALSE(EncodeSingleIcon(im));
}

TEST(IcoFileRead, RoundTripKeepsMaskAndColours) {
  auto im = Image(24, 0);
  // Bottom-left pixel (first stored row) pure red in BGR order.
  im.colourRows[2] = 0xFF;
  const auto bytes = EncodeSingleIcon(im);
  ASSERT_TRUE(bytes);
  std::string why;
  const auto info = ParseIco(*bytes, &why);
  ASSERT_TRUE(info) << why;
  ASSERT_EQ(info->entries.size(), 1u);
  const IcoEntry& e = info->entries[0];
  EXPECT_EQ(e.width, 32);
  EXPECT_EQ(e.height, 32);
  EXPECT_EQ(e.bitCount, 24);
  EXPECT_TRUE(IcoMaskBit(*bytes, e, 0, 0));
  EXPECT_FALSE(IcoMaskBit(*bytes, e, 1, 0));
  EXPECT_FALSE(IcoMaskBit(*bytes, e, 0, 31));
  EXPECT_EQ(IcoColour(*bytes, e, 0, 31), 0xFF0000u);
  EXPECT_EQ(IcoColour(*bytes, e, 1, 31), 0x000000u);
}

TEST(IcoFileRead, ReadsTheShippedIconsWriter) {
  vex::art::Raster big(32, 32), small(16, 16);
  big.Set(3, 4, vex::art::Rgba::Of(0x123456));
  const auto bytes = vex::art::EncodeIco({big, small});
  const auto info = ParseIco(bytes);
  ASSERT_TRUE(info);
  ASSERT_EQ(info->entries.size(), 2u);
  EXPECT_EQ(info->entries[1].width, 16);
  EXPECT_FALSE(IcoMaskBit(bytes, info->entries[0], 3, 4));
  EXPECT_TRUE(IcoMaskBit(bytes, info->entries[0], 4, 4));
  EXPECT_EQ(IcoColour(bytes, info->entries[0], 3, 4), 0x123456u);
}

TEST(IcoFileRead, RejectsDamagedFiles) {
  const auto good = *EncodeSingleIcon(Image(32));
  EXPECT_TRUE(ParseIco(good));
  const auto damaged = [&](auto change) {
    auto b = good;
    change(b);
    return !ParseIco(b);
  };
  EXPECT_TRUE(damaged([](auto& b) { b.resize(5); }));
  EXPECT_TRUE(damaged([](auto& b) { b[2] = 2; }));                 // a cursor
  EXPECT_TRUE(damaged([](auto& b) { b[4] = 0; }));                 // no images
  EXPECT_TRUE(damaged([](auto& b) { b[4] = 3; }));                 // directory beyond the data
  EXPECT_TRUE(damaged([](auto& b) { b.pop_back(); }));             // mask cut short
  EXPECT_TRUE(damaged([](auto& b) { b[18] = 0xF0; b[19] = b[20] = b[21] = 0xFF; }));  // offset wraps
  EXPECT_TRUE(damaged([](auto& b) { b[22 + 8] = 63; }));           // odd doubled height
  EXPECT_TRUE(damaged([](auto& b) { b[22 + 14] = 12; }));          // unknown depth
  EXPECT_TRUE(damaged([](auto& b) { b[22 + 16] = 3; }));           // compressed
  EXPECT_TRUE(damaged([](auto& b) { b[22 + 4] = 64; }));           // wider than its data
  EXPECT_TRUE(damaged([](auto& b) { b[22] = 0x89; b[23] = 'P'; })); // PNG image
}
