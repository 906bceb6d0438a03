// Icon resources read straight from a program file, and plain images laid
// into strip bits: a small PE file built here, then broken in each way the
// reader must refuse rather than trust.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "iconbrowser/IconCells.h"
#include "iconbrowser/PeIcons.h"

using namespace vex::iconbrowser;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::size_t at, std::uint32_t v, int size = 4) {
  if (b.size() < at + size) b.resize(at + size);
  for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Offsets of the parts of the file below, to break them.
constexpr std::size_t kPe = 0x40, kOptional = kPe + 24, kSection = kOptional + 240, kRaw = 0x200;
constexpr std::uint32_t kAddress = 0x3000;
// In the resource section: the root, the two type directories, the group
// names' directory entries, language directories, data entries, data.
constexpr std::size_t kGroupDir = 0x20, kIconDir = 0x48, kLanguages = 0x70, kDataEntries = 0x100, kData = 0x200;

// A 64-bit library whose resources hold a named group "MAIN" (stored first,
// as names are), a group numbered 5, and the images numbered 1 and 2.
Bytes Library() {
  Bytes f(kRaw, 0);
  std::memcpy(&f[0], "MZ", 2);
  std::memcpy(&f[kPe], "PE\0\0", 4);
  std::memcpy(&f[kSection], ".rsrc", 5);
  // {offset, value, bytes}: the headers' fields that matter to the reader.
  const std::size_t fields[][3] = {
      {0x3C, kPe, 4},        {kPe + 6, 1, 2},          {kPe + 20, 240, 2},          {kOptional, 0x20B, 2},
      {kOptional + 108, 16, 4},  {kOptional + 128, kAddress, 4}, {kOptional + 132, 0x400, 4}, {kSection + 8, 0x400, 4},
      {kSection + 12, kAddress, 4}, {kSection + 16, 0x400, 4},  {kSection + 20, kRaw, 4}};
  for (const auto& [at, value, size] : fields) Put(f, at, static_cast<std::uint32_t>(value), static_cast<int>(size));

  Bytes r(0x400, 0);
  constexpr std::uint32_t sub = 0x80000000u;
  auto dir = [&](std::size_t at, int named, std::vector<std::pair<std::uint32_t, std::uint32_t>> entries) {
    Put(r, at + 12, named, 2);
    Put(r, at + 14, static_cast<std::uint32_t>(entries.size()) - named, 2);
    for (std::size_t k = 0; k < entries.size(); ++k) {
      Put(r, at + 16 + 8 * k, entries[k].first);
      Put(r, at + 20 + 8 * k, entries[k].second);
    }
  };
  dir(0, 0, {{3, sub | kIconDir}, {14, sub | kGroupDir}});
  dir(kGroupDir, 1, {{sub | 0x3F0, sub | kLanguages}, {5, sub | (kLanguages + 0x18)}});
  dir(kIconDir, 0, {{1, sub | (kLanguages + 0x30)}, {2, sub | (kLanguages + 0x48)}});
  // Each resource in one language; its data entry names 8 bytes of data.
  for (std::uint32_t k = 0; k < 4; ++k) {
    const std::uint32_t data = kDataEntries + 16 * k;
    dir(kLanguages + 0x18 * k, 0, {{0x409, data}});
    Put(r, data, kAddress + kData + 8 * k);
    Put(r, data + 4, 8);
    for (int i = 0; i < 8; ++i) r[kData + 8 * k + i] = static_cast<std::uint8_t>(0x10 * (k + 1) + i);
  }
  f.insert(f.end(), r.begin(), r.end());
  return f;
}

FileReader Reader(const Bytes& f) {
  return [&f](std::uint64_t at, std::size_t size, std::uint8_t* into) {
    if (at > f.size() || size > f.size() - at) return false;
    std::memcpy(into, f.data() + at, size);
    return true;
  };
}

std::uint8_t First(std::span<const std::uint8_t> s) { return s.empty() ? 0 : s[0]; }

TEST(PeIcons, GroupsComeInStoredOrderAndImagesByTheirIds) {
  const Bytes f = Library();
  const auto pe = ReadPeIcons(Reader(f));
  ASSERT_TRUE(pe);
  ASSERT_EQ(pe->GroupCount(), 2u);
  EXPECT_EQ(First(pe->Group(0)), 0x10) << "the named group first";
  EXPECT_EQ(First(pe->Group(1)), 0x20);
  EXPECT_EQ(pe->Group(1).size(), 8u);
  EXPECT_EQ(First(pe->Icon(1)), 0x30);
  EXPECT_EQ(First(pe->Icon(2)), 0x40);
  EXPECT_TRUE(pe->Icon(3).empty());
}

TEST(PeIcons, AnythingOutOfOrderIsLeftToTheShell) {
  const struct {
    const char* what;
    std::function<void(Bytes&)> breakIt;
    bool read;  // still read (with no groups)
  } cases[] = {
      {"no MZ", [](Bytes& f) { f[0] = 'X'; }, false},
      {"no PE signature", [](Bytes& f) { f[kPe + 1] = 'X'; }, false},
      {"a header of no known kind", [](Bytes& f) { Put(f, kOptional, 0x107, 2); }, false},
      {"the header cut short", [](Bytes& f) { Put(f, kPe + 20, 64, 2); }, false},
      {"no resources", [](Bytes& f) { Put(f, kOptional + 112 + 16, 0); }, true},
      {"groups under a name, not the number", [](Bytes& f) { Put(f, kRaw + 24, 0x80000000u | 14); }, true},
      {"too few data directories", [](Bytes& f) { Put(f, kOptional + 108, 2); }, true},
      {"resources in no section", [](Bytes& f) { Put(f, kOptional + 112 + 16, 0x9000); }, false},
      {"a section beyond the file", [](Bytes& f) { Put(f, kSection + 20, 0x10000); }, false},
      {"a section past the reader's limit", [](Bytes& f) { Put(f, kSection + 16, 0x7FFFFFFF); }, false},
      {"entries beyond the section", [](Bytes& f) { Put(f, kRaw + kGroupDir + 14, 0xFFFF, 2); }, false},
      {"a type that is no directory", [](Bytes& f) { Put(f, kRaw + 16 + 12, kGroupDir); }, false},
      {"data before the section", [](Bytes& f) { Put(f, kRaw + kDataEntries, 0x100); }, false},
      {"data running past it", [](Bytes& f) { Put(f, kRaw + kDataEntries + 4, 0x10000); }, false},
      {"a language that is a directory", [](Bytes& f) { Put(f, kRaw + kLanguages + 20, 0x80000000u); }, false},
      {"no language at all", [](Bytes& f) { Put(f, kRaw + kLanguages + 14, 0, 2); }, false},
  };
  for (const auto& c : cases) {
    Bytes f = Library();
    c.breakIt(f);
    const auto pe = ReadPeIcons(Reader(f), 0x1000);
    EXPECT_EQ(pe.has_value(), c.read) << c.what;
    if (pe) {
      EXPECT_EQ(pe->GroupCount(), 0u) << c.what;
    }
  }
}

// A plain cell x cell image: the header, colour rows of (x, y, i, 255) and
// a mask with the pixels where x == y set, y counted from the bottom.
Bytes PlainImage(int cell, std::uint8_t i) {
  Bytes b(40, 0);
  Put(b, 0, 40);
  Put(b, 4, cell);
  Put(b, 8, 2 * cell);
  Put(b, 12, 1, 2);
  Put(b, 14, 32, 2);
  for (int y = 0; y < cell; ++y)
    for (int x = 0; x < cell; ++x) b.insert(b.end(), {std::uint8_t(x), std::uint8_t(y), i, 255});
  const std::size_t stride = (cell + 31) / 32 * 4;
  for (int y = 0; y < cell; ++y) {
    Bytes row(stride, 0);
    row[y / 8] |= static_cast<std::uint8_t>(0x80 >> (y % 8));
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

TEST(IconCells, OnlyCompleteUncompressedCellSizedImagesOf32BitsArePlain) {
  const struct {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    int size;
  } changes[] = {
      {"another width", 4, 16, 4},     {"height not doubled", 8, 32, 4}, {"two planes", 12, 2, 2},
      {"24 bits", 14, 24, 2},          {"bit fields", 16, 3, 4},         {"a colour table", 32, 1, 4},
      {"a bigger header", 0, 108, 4},  {"PNG", 0, 0x474E5089, 4},
  };
  const Bytes plain = PlainImage(32, 1);
  EXPECT_TRUE(IsPlainIconImage(plain, 32));
  EXPECT_FALSE(IsPlainIconImage(plain, 48));
  EXPECT_FALSE(IsPlainIconImage(plain, 0));
  EXPECT_FALSE(IsPlainIconImage(std::span(plain).first(plain.size() - 1), 32)) << "cut short";
  for (const auto& c : changes) {
    Bytes b = plain;
    Put(b, c.at, c.value, c.size);
    EXPECT_FALSE(IsPlainIconImage(b, 32)) << c.what;
  }
}

TEST(IconCells, StripBitsPlaceEachImageInItsColumnWithItsMaskTopRowFirst) {
  // 11 pixels: columns and mask bits that straddle bytes.
  const int cell = 11;
  const Bytes a = PlainImage(cell, 1), b = PlainImage(cell, 2);
  ASSERT_TRUE(IsPlainIconImage(a, cell));
  const CellStripBits strip = MakeCellStripBits({a, b}, cell);
  ASSERT_EQ(strip.count, 2);
  const std::size_t width = 2 * cell, maskStride = (width + 15) / 16 * 2;
  ASSERT_EQ(strip.colour.size(), width * cell * 4);
  ASSERT_EQ(strip.mask.size(), maskStride * cell);
  for (int y = 0; y < cell; ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint8_t* px = &strip.colour[(y * width + x) * 4];
      const int column = static_cast<int>(x) % cell, image = static_cast<int>(x) / cell + 1;
      ASSERT_EQ(px[0], column) << x << "," << y;
      ASSERT_EQ(px[1], y);
      ASSERT_EQ(px[2], image);
      // Bottom-up in the image, top-down in the mask: row y from the top is
      // image row cell - 1 - y, whose set pixel is x == cell - 1 - y.
      const bool set = strip.mask[y * maskStride + x / 8] & (0x80 >> (x % 8));
      ASSERT_EQ(set, column == cell - 1 - y) << x << "," << y;
    }
  }
}

}  // namespace
