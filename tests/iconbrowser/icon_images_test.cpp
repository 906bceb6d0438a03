// Reading the images of icon files and resources: every depth, and bad
// input refused without a read outside the data.
#include <gtest/gtest.h>

#include <functional>

#include "ico_write.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconImages.h"
#include "iconbrowser/PngCodec.h"

using namespace vex::iconbrowser;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& o, unsigned v) {
  o.push_back(static_cast<std::uint8_t>(v));
  o.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& o, std::uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}

// An icon file around the images' bytes, directory entries filled in.
Bytes IcoAround(const std::vector<Bytes>& images) {
  Bytes o;
  Put16(o, 0);
  Put16(o, 1);
  Put16(o, static_cast<unsigned>(images.size()));
  std::uint32_t at = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const Bytes& im : images) {
    o.insert(o.end(), {16, 16, 0, 0});
    Put16(o, 1);
    Put16(o, 32);
    Put32(o, static_cast<std::uint32_t>(im.size()));
    Put32(o, at);
    at += static_cast<std::uint32_t>(im.size());
  }
  for (const Bytes& im : images) o.insert(o.end(), im.begin(), im.end());
  return o;
}

// A 2 x 2 DIB image at `bits`: pixel (0,0) masked, the others index/colour 1.
Bytes Dib(int bits, std::uint32_t alpha = 0) {
  Bytes d;
  Put32(d, 40);
  Put32(d, 2);
  Put32(d, 4);
  Put16(d, 1);
  Put16(d, static_cast<unsigned>(bits));
  for (int i = 0; i < 6; ++i) Put32(d, 0);
  if (bits <= 8)
    for (unsigned i = 0; i < (1u << bits); ++i) Put32(d, i == 1 ? 0x00AABBCC : 0x00000000);
  const std::size_t stride = DibStride(2, bits);
  for (int row = 0; row < 2; ++row) {
    Bytes r(stride, 0);
    for (int x = 0; x < 2; ++x) {
      if (bits == 32) {
        const std::uint32_t c = alpha | 0xAABBCC;
        for (int k = 0; k < 4; ++k) r[4 * x + k] = static_cast<std::uint8_t>(c >> (8 * k));
      } else if (bits == 24) {
        r[3 * x] = 0xCC, r[3 * x + 1] = 0xBB, r[3 * x + 2] = 0xAA;
      } else {
        const std::size_t bit = static_cast<std::size_t>(x * bits);
        r[bit / 8] |= static_cast<std::uint8_t>(1 << (8 - bits - bit % 8));
      }
    }
    d.insert(d.end(), r.begin(), r.end());
  }
  Put32(d, 0);          // bottom row: nothing masked
  Put32(d, 0x80000000); // top row: pixel (0, 0) masked (first byte 0x80)
  d[d.size() - 4] = 0x80;
  d[d.size() - 1] = 0;
  return d;
}

}  // namespace

TEST(IconImages, DecodesEveryDibDepthWithItsMask) {
  for (int bits : {1, 4, 8, 24, 32}) {
    std::string why;
    const auto im = DecodeIconImage(Dib(bits), &why);
    ASSERT_TRUE(im) << bits << ": " << why;
    ASSERT_EQ(im->width, 2);
    ASSERT_EQ(im->height, 2);
    EXPECT_EQ(im->At(0, 0), 0u) << bits;
    EXPECT_EQ(im->At(1, 0), 0xFFAABBCCu) << bits;
    EXPECT_EQ(im->At(0, 1), 0xFFAABBCCu) << bits;
  }
  // With alpha, the alpha decides and the mask is not needed.
  const auto soft = DecodeIconImage(Dib(32, 0x40000000));
  ASSERT_TRUE(soft);
  EXPECT_EQ(soft->At(0, 0), 0x40AABBCCu);
}

TEST(IconImages, ReadsEveryImageOfTheShippedIconsWriter) {
  std::vector<vex::art::Raster> rasters;
  for (int side : {32, 16, 48, 256}) {
    vex::art::Raster r(side, side);
    r.Set(1, 2, vex::art::Rgba::Of(0x345678, 200));
    rasters.push_back(r);
  }
  const Bytes file = vex::art::EncodeIco(rasters);
  const auto info = ParseIco(file);
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->entries[3].png);
  const auto images = ReadIcoImages(file);
  ASSERT_EQ(images.size(), 4u);
  for (std::size_t i = 0; i < images.size(); ++i) {
    EXPECT_EQ(images[i].width, rasters[i].Width());
    EXPECT_EQ(images[i].At(1, 2), 0xC8345678u) << "alpha kept";
    EXPECT_EQ(images[i].At(2, 2), 0u);
  }
}

TEST(IconImages, BadInputIsRefusedOrLeftOut) {
  const Bytes good = Dib(32, 0xFF000000);
  ASSERT_TRUE(DecodeIconImage(good));
  struct Case {
    const char* what;
    std::function<void(Bytes&)> change;
  } cases[] = {
      {"0 x 0", [](Bytes& b) { b[4] = 0; b[8] = 0; }},
      {"negative width", [](Bytes& b) { b[7] = 0x80; }},
      {"huge width", [](Bytes& b) { b[6] = 0x10; }},
      {"odd height", [](Bytes& b) { b[8] = 3; }},
      {"unknown depth", [](Bytes& b) { b[14] = 12; }},
      {"compressed", [](Bytes& b) { b[16] = 1; }},
      {"header beyond the data", [](Bytes& b) { b[0] = 0xFF; b[1] = 0xFF; }},
      {"cut short", [](Bytes& b) { b.resize(50); }},
      {"empty", [](Bytes& b) { b.clear(); }},
      {"PNG that does not decode", [](Bytes& b) { b.assign(std::begin(kPngSignature), std::end(kPngSignature)); b.resize(60, 7); }},
  };
  for (const auto& c : cases) {
    Bytes b = good;
    c.change(b);
    EXPECT_FALSE(DecodeIconImage(b)) << c.what;
  }
  // Eight-bit image whose colour table says more than 256 entries.
  Bytes table = Dib(8);
  table[33] = 0x10;
  EXPECT_FALSE(DecodeIconImage(table));

  // A lying directory: the bad image is left out, the good one kept.
  Bytes file = IcoAround({good, good});
  file[6 + 16 + 12] = 0xF0;  // second image's offset far beyond the file
  EXPECT_EQ(ReadIcoImages(file).size(), 1u);
  file = IcoAround({good});
  file[6 + 8] = 0xFF, file[6 + 9] = 0xFF, file[6 + 10] = 0xFF, file[6 + 11] = 0xFF;  // size wraps
  EXPECT_TRUE(ReadIcoImages(file).empty());
  file = IcoAround({good});
  file[4] = 200;  // more entries than the file holds
  EXPECT_TRUE(ReadIcoImages(file).empty());
  EXPECT_TRUE(ReadIcoImages(Bytes{0, 0, 1}).empty());
}

TEST(IconImages, GroupDirectoryAndSourceChoice) {
  Bytes group;
  Put16(group, 0);
  Put16(group, 1);
  Put16(group, 3);
  for (int side : {16, 48, 0}) {
    group.insert(group.end(), {static_cast<std::uint8_t>(side), static_cast<std::uint8_t>(side), 0, 0});
    Put16(group, 1);
    Put16(group, 32);
    Put32(group, 1000);
    Put16(group, static_cast<unsigned>(side + 7));
  }
  const auto entries = ParseGroupIcon(group);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2].width, 256);
  EXPECT_EQ(entries[1].id, 55);
  group.resize(group.size() - 3);  // last entry cut short
  EXPECT_EQ(ParseGroupIcon(group).size(), 2u);
  EXPECT_TRUE(ParseGroupIcon(Bytes{0, 0}).empty());

  std::vector<RgbaImage> images;
  for (int side : {48, 16, 256, 32}) images.push_back(RgbaImage::Blank(side, side));
  struct Case { int size, chosen; } cases[] = {{1, 1}, {16, 1}, {17, 3}, {32, 3}, {40, 0}, {48, 0}, {49, 2}, {256, 2}, {300, 2}};
  for (const auto& c : cases) EXPECT_EQ(ChooseSourceImage(images, c.size), c.chosen) << c.size;
  EXPECT_EQ(ChooseSourceImage({}, 16), -1);
  EXPECT_TRUE(ImageAtSize({}, 16).Empty());
}
