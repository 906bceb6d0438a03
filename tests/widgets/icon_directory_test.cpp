// Reading .ico directories defensively.
#include "widgets/IconDirectory.h"

#include <gtest/gtest.h>

using namespace vcl::icofile;

namespace {
std::vector<std::uint8_t> IcoHeader(std::vector<std::array<int, 4>> entries, std::size_t payload) {
  // entries: width, height, bits, size; images follow the directory in order
  std::vector<std::uint8_t> f = {0, 0, 1, 0, static_cast<std::uint8_t>(entries.size()), 0};
  std::size_t offset = 6 + 16 * entries.size();
  for (auto& e : entries) {
    auto put32 = [&](std::uint32_t v) {
      for (int i = 0; i < 4; ++i) f.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    f.push_back(static_cast<std::uint8_t>(e[0]));
    f.push_back(static_cast<std::uint8_t>(e[1]));
    f.push_back(0);
    f.push_back(0);
    f.push_back(1);
    f.push_back(0);
    f.push_back(static_cast<std::uint8_t>(e[2]));
    f.push_back(0);
    put32(static_cast<std::uint32_t>(e[3]));
    put32(static_cast<std::uint32_t>(offset));
    offset += static_cast<std::size_t>(e[3]);
  }
  f.resize(f.size() + payload);
  return f;
}
}  // namespace

TEST(IconDirectory, ReadsEntriesAndChoosesTheClosestSize) {
  auto f = IcoHeader({{16, 16, 32, 40}, {32, 32, 8, 40}, {32, 32, 32, 40}, {0, 0, 32, 40}}, 160);
  auto entries = ReadDirectory(f);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[3].width, 256);
  EXPECT_EQ(ChooseEntry(entries, 32, 32), 2u);  // same size, more colours
  EXPECT_EQ(ChooseEntry(entries, 16, 16), 0u);
  EXPECT_EQ(ChooseEntry(entries, 200, 200), 3u);
}

TEST(IconDirectory, RejectsDamagedFiles) {
  EXPECT_TRUE(ReadDirectory({}).empty());
  auto good = IcoHeader({{32, 32, 32, 40}}, 40);
  EXPECT_EQ(ReadDirectory(good).size(), 1u);
  auto truncated = good;
  truncated.resize(good.size() - 1);  // image runs past the end
  EXPECT_TRUE(ReadDirectory(truncated).empty());
  auto cursor = good;
  cursor[2] = 2;  // a cursor file, not an icon
  EXPECT_TRUE(ReadDirectory(cursor).empty());
  auto none = good;
  none[4] = 0;
  EXPECT_TRUE(ReadDirectory(none).empty());
  auto huge = IcoHeader({{32, 32, 32, 0x7FFFFFF0}}, 40);
  EXPECT_TRUE(ReadDirectory(huge).empty());
  auto inside = IcoHeader({{32, 32, 32, 40}}, 40);
  inside[18] = 0;  // offset 0: inside the header
  EXPECT_TRUE(ReadDirectory(inside).empty());
  EXPECT_FALSE(ChooseEntry({}, 32, 32).has_value());
}
