// zlib streams and PNG images: round trips, every colour type icons may
// carry, and damaged input refused.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "iconbrowser/PngCodec.h"
#include "iconbrowser/Zlib.h"
#ifdef VEXILO_HAVE_ZLIB
#include <zlib.h>
#endif

using namespace vex::iconbrowser;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Sample(int kind, std::size_t n) {
  std::mt19937 rng(static_cast<unsigned>(kind * 7919 + n));
  Bytes d(n);
  for (std::size_t i = 0; i < n; ++i)
    d[i] = kind == 0 ? static_cast<std::uint8_t>(rng()) : kind == 1 ? static_cast<std::uint8_t>(rng() % 3)
                                                                   : static_cast<std::uint8_t>(i % 251 / 17);
  return d;
}

void PutBe32(Bytes& o, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) o.push_back(static_cast<std::uint8_t>(v >> s));
}

// A PNG written by hand: any header, palette and rows (each with its filter byte).
struct PngParts {
  int width = 1, height = 1, depth = 8, colourType = 6, interlace = 0;
  Bytes palette, trns, rows;
};
Bytes Chunk(const char* type, const Bytes& body) {
  Bytes c;
  PutBe32(c, static_cast<std::uint32_t>(body.size()));
  c.insert(c.end(), type, type + 4);
  c.insert(c.end(), body.begin(), body.end());
  // CRC-32 of type and body, bit by bit: independent of the codec's table.
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 4; i < c.size(); ++i) {
    crc ^= c[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  PutBe32(c, ~crc);
  return c;
}
Bytes MakePng(const PngParts& p) {
  Bytes png(std::begin(kPngSignature), std::end(kPngSignature));
  Bytes ihdr;
  PutBe32(ihdr, static_cast<std::uint32_t>(p.width));
  PutBe32(ihdr, static_cast<std::uint32_t>(p.height));
  ihdr.insert(ihdr.end(), {static_cast<std::uint8_t>(p.depth), static_cast<std::uint8_t>(p.colourType), 0, 0,
                           static_cast<std::uint8_t>(p.interlace)});
  for (const Bytes& c : {Chunk("IHDR", ihdr), p.palette.empty() ? Bytes{} : Chunk("PLTE", p.palette),
                         p.trns.empty() ? Bytes{} : Chunk("tRNS", p.trns), Chunk("IDAT", ZlibDeflate(p.rows)),
                         Chunk("IEND", {})})
    png.insert(png.end(), c.begin(), c.end());
  return png;
}

}  // namespace

TEST(Zlib, RoundTripsEveryKindOfData) {
  for (int kind : {0, 1, 2})
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{258}, std::size_t{40000}, std::size_t{70000}}) {
      const Bytes d = Sample(kind, n);
      const Bytes z = ZlibDeflate(d);
      const auto back = ZlibInflate(z, n);
      ASSERT_TRUE(back) << kind << " " << n;
      EXPECT_EQ(*back, d) << kind << " " << n;
      if (kind == 2 && n >= 40000) {
        EXPECT_LT(z.size(), n / 20) << "runs must compress";
      }
    }
}

#ifdef VEXILO_HAVE_ZLIB
TEST(Zlib, AgreesWithTheReferenceLibraryBothWays) {
  for (int level : {0, 1, 6, 9})
    for (int kind : {0, 1, 2}) {
      const Bytes d = Sample(kind, 50000);
      uLongf zn = compressBound(d.size());
      Bytes z(zn);
      ASSERT_EQ(compress2(z.data(), &zn, d.data(), d.size(), level), Z_OK);
      z.resize(zn);
      const auto ours = ZlibInflate(z, d.size());
      ASSERT_TRUE(ours) << level << " " << kind;
      EXPECT_EQ(*ours, d);
      const Bytes mine = ZlibDeflate(d);
      Bytes back(d.size());
      uLongf bn = back.size();
      ASSERT_EQ(uncompress(back.data(), &bn, mine.data(), mine.size()), Z_OK);
      EXPECT_EQ(back, d);
    }
}
#endif

TEST(Zlib, RefusesDamagedStreams) {
  const Bytes d = Sample(2, 5000);
  const Bytes good = ZlibDeflate(d);
  ASSERT_TRUE(ZlibInflate(good, d.size()));
  struct Case {
    const char* what;
    std::function<void(Bytes&)> change;
  } cases[] = {
      {"too short", [](Bytes& z) { z.resize(4); }},
      {"not deflate", [](Bytes& z) { z[0] = 0x79; }},
      {"header check", [](Bytes& z) { z[1] ^= 1; }},
      {"preset dictionary", [](Bytes& z) { z[1] = 0x20 | 0x1B; }},
      {"cut short", [](Bytes& z) { z.resize(z.size() / 2); }},
      {"Adler-32", [](Bytes& z) { z.back() ^= 1; }},
      {"reserved block type", [](Bytes& z) { z[2] |= 0x06; }},
      {"body damaged", [](Bytes& z) { for (std::size_t i = 3; i < z.size() - 4; i += 5) z[i] ^= 0x5A; }},
  };
  for (const auto& c : cases) {
    Bytes z = good;
    c.change(z);
    EXPECT_FALSE(ZlibInflate(z, d.size())) << c.what;
  }
  EXPECT_FALSE(ZlibInflate(good, d.size() - 1)) << "more than allowed";
  // A stored block whose length check fails, and one longer than the input.
  EXPECT_FALSE(ZlibInflate(Bytes{0x78, 0x01, 0x01, 0x05, 0x00, 0xFA, 0xFE, 1, 2, 3, 4, 5, 0, 0, 0, 0}, 100));
  EXPECT_FALSE(ZlibInflate(Bytes{0x78, 0x01, 0x01, 0x50, 0x00, 0xAF, 0xFF, 1, 2, 0, 0, 0, 0}, 100));
  // A fixed-code match reaching back before the start (distance 1, no output yet).
  EXPECT_FALSE(ZlibInflate(Bytes{0x78, 0x01, 0x03, 0x02, 0x00, 0, 0, 0, 0, 0}, 100));
}

TEST(Png, RoundTripsRgbaExactly) {
  for (int side : {1, 7, 256}) {
    RgbaImage im = RgbaImage::Blank(side, side + 1);
    for (int y = 0; y < im.height; ++y)
      for (int x = 0; x < im.width; ++x)
        im.argb[im.Index(x, y)] = (static_cast<std::uint32_t>(x * 37 + y) % 256 << 24) |
                                  static_cast<std::uint32_t>(x * 2654435761u ^ y * 40503u) % 0x1000000;
    const Bytes png = EncodePng(im);
    ASSERT_TRUE(HasPngSignature(png));
    EXPECT_EQ(PngSize(png), (std::pair{side, side + 1}));
    std::string why;
    const auto back = DecodePng(png, 1024, &why);
    ASSERT_TRUE(back) << why;
    EXPECT_EQ(back->argb, im.argb) << side;
  }
  // A mostly clear icon compresses far below its raw size.
  RgbaImage clear = RgbaImage::Blank(256, 256);
  for (int i = 100; i < 150; ++i) clear.argb[clear.Index(i, i)] = 0xFF336699;
  EXPECT_LT(EncodePng(clear).size(), 256u * 256u * 4u / 50u);
  EXPECT_TRUE(EncodePng(RgbaImage{}).empty());
}

TEST(Png, DecodesEveryColourTypeIconsCarry) {
  struct Case {
    const char* what;
    PngParts parts;
    std::vector<std::uint32_t> pixels;
  } cases[] = {
      {"grey 8", {2, 1, 8, 0, 0, {}, {}, {0, 0x00, 0x80}}, {0xFF000000, 0xFF808080}},
      {"grey 1", {3, 1, 1, 0, 0, {}, {}, {0, 0xA0}}, {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
      {"grey 16 with key", {2, 1, 16, 0, 0, {}, {0x12, 0x34}, {0, 0x12, 0x34, 0xFF, 0x00}}, {0x00121212, 0xFFFFFFFF}},
      {"grey + alpha", {1, 1, 8, 4, 0, {}, {}, {0, 0x40, 0x80}}, {0x80404040}},
      {"RGB 8 with key", {2, 1, 8, 2, 0, {}, {0, 1, 0, 2, 0, 3}, {0, 1, 2, 3, 9, 8, 7}}, {0x00010203, 0xFF090807}},
      {"RGB 16", {1, 1, 16, 2, 0, {}, {}, {0, 0xAB, 0, 0xCD, 0, 0xEF, 0}}, {0xFFABCDEF}},
      {"RGBA 16", {1, 1, 16, 6, 0, {}, {}, {0, 1, 0, 2, 0, 3, 0, 0x7F, 0}}, {0x7F010203}},
      {"palette 2 with tRNS", {3, 1, 2, 3, 0, {10, 20, 30, 40, 50, 60}, {0x33}, {0, 0x10}}, {0x330A141E, 0xFF28323C, 0x330A141E}},
      {"palette 8", {1, 2, 8, 3, 0, {1, 2, 3, 4, 5, 6}, {}, {0, 1, 0, 0}}, {0xFF040506, 0xFF010203}},
  };
  for (auto& c : cases) {
    std::string why;
    const auto im = DecodePng(MakePng(c.parts), 1024, &why);
    ASSERT_TRUE(im) << c.what << ": " << why;
    EXPECT_EQ(im->argb, c.pixels) << c.what;
  }
  // Each filter type undone, on rows of two grey pixels:
  //   row 0, Sub:     10, 5 + 10 = 15
  //   row 1, Up:      2 + 10 = 12, 1 + 15 = 16
  //   row 2, Average: 3 + (0 + 12) / 2 = 9, 3 + (9 + 16) / 2 = 15
  //   row 3, Paeth:   4 + 9 = 13 (above), 4 + 15 = 19 (above is nearest to 13 + 15 - 9)
  PngParts f{2, 4, 8, 0, 0, {}, {}, {1, 10, 5, 2, 2, 1, 3, 3, 3, 4, 4, 4}};
  const auto im = DecodePng(MakePng(f));
  ASSERT_TRUE(im);
  const std::vector<std::uint32_t> want{0xFF0A0A0A, 0xFF0F0F0F, 0xFF0C0C0C, 0xFF101010,
                                        0xFF090909, 0xFF0F0F0F, 0xFF0D0D0D, 0xFF131313};
  EXPECT_EQ(im->argb, want);
}

TEST(Png, RefusesDamagedOrHostileImages) {
  const PngParts good{2, 2, 8, 6, 0, {}, {}, Bytes(2 * (1 + 8), 0)};
  ASSERT_TRUE(DecodePng(MakePng(good)));
  struct Case {
    const char* what;
    std::function<void(PngParts&)> change;
  } parts[] = {
      {"0 x 0", [](PngParts& p) { p.width = p.height = 0; p.rows.clear(); }},
      {"larger than allowed", [](PngParts& p) { p.width = 2000; }},
      {"width near 2^31", [](PngParts& p) { p.width = 0x7FFFFFFF; }},
      {"rows too short", [](PngParts& p) { p.rows.pop_back(); }},
      {"rows too long", [](PngParts& p) { p.rows.push_back(0); }},
      {"bad filter", [](PngParts& p) { p.rows[0] = 5; }},
      {"interlaced", [](PngParts& p) { p.interlace = 1; }},
      {"bad depth", [](PngParts& p) { p.depth = 4; }},
      {"palette missing", [](PngParts& p) { p.colourType = 3; p.rows.assign(2 * 3, 0); }},
      {"index beyond palette", [](PngParts& p) { p.colourType = 3; p.palette = {1, 2, 3}; p.rows = {0, 0, 1, 0, 0, 0}; }},
      {"tRNS longer than palette", [](PngParts& p) { p.colourType = 3; p.palette = {1, 2, 3}; p.trns = {1, 2}; p.rows.assign(6, 0); }},
  };
  for (const auto& c : parts) {
    PngParts p = good;
    c.change(p);
    EXPECT_FALSE(DecodePng(MakePng(p), 1024)) << c.what;
  }
  const Bytes png = MakePng(good);
  struct ByteCase {
    const char* what;
    std::function<void(Bytes&)> change;
  } bytes[] = {
      {"signature", [](Bytes& b) { b[1] = 'Q'; }},
      {"CRC", [](Bytes& b) { b[29] ^= 1; }},
      {"cut in a chunk", [](Bytes& b) { b.resize(40); }},
      {"no IEND", [](Bytes& b) { b.resize(b.size() - 12); }},
      {"chunk length beyond the file", [](Bytes& b) { b[33] = 0x7F; }},
      {"IHDR not first", [](Bytes& b) { b[12] = 'X'; }},
  };
  for (const auto& c : bytes) {
    Bytes b = png;
    c.change(b);
    EXPECT_FALSE(DecodePng(b)) << c.what;
  }
}
