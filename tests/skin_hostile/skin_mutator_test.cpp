// The hostile-skin mutator: the same seed gives the same package, and every
// package it makes is one the reader opens or refuses cleanly; opened, the
// description model and the skin checks read it (under the sanitizers in
// the sanitize tree).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "skin/data/BmpInfo.h"
#include "skin/data/SkinCheck.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/TSkinReader.h"
#include "tests/skin_hostile/SkinMutator.h"

namespace vex::skin::hostile {
namespace {

const std::vector<PackageMember>& Sedge() {
  static const std::vector<PackageMember> members = [] {
    std::ifstream f(VEXILO_SEDGE_PACKAGE, std::ios::binary);
    const std::vector<std::uint8_t> package((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    return PackageMembers(package);
  }();
  return members;
}

TEST(SkinMutator, TheSameSeedGivesTheSamePackage) {
  ASSERT_GT(Sedge().size(), 30u) << VEXILO_SEDGE_PACKAGE;
  std::set<std::vector<std::uint8_t>> distinct;
  for (std::uint64_t seed : {1ull, 2ull, 77ull, 4000000000ull, 0x8000000000000000ull}) {
    const MutatedSkin a = MutateSkin(Sedge(), seed), b = MutateSkin(Sedge(), seed);
    EXPECT_EQ(a.package, b.package) << seed;
    EXPECT_EQ(a.applied, b.applied) << seed;
    distinct.insert(a.package);
  }
  EXPECT_EQ(distinct.size(), 5u) << "other seeds, other packages";
}

TEST(SkinMutator, EveryPackageOpensOrIsRefusedAndItsDescriptionReads) {
  const std::vector<std::string> kinds = MutationKinds();
  std::set<std::string> seen;
  // Few seeds: packing a package takes tens of milliseconds (the Windows
  // harness goes through thousands).
  constexpr std::uint64_t kSeeds = 64;
  int opened = 0;
  for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
    const MutatedSkin skin = MutateSkin(Sedge(), seed);
    ASSERT_GE(skin.applied.size(), 1u) << seed;
    ASSERT_LE(skin.applied.size(), 4u) << seed;
    for (const std::string& line : skin.applied) {
      const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                     [&](const std::string& k) { return line.starts_with(k + ": "); });
      ASSERT_NE(kind, kinds.end()) << line;
      seen.insert(*kind);
    }
    TSkinReader reader;
    if (!reader.LoadPackage(skin.package)) {
      EXPECT_EQ(reader.Status(), PackageStatus::kRefused) << seed;
      EXPECT_FALSE(reader.Problem().empty()) << seed;
      continue;
    }
    ++opened;
    std::vector<std::uint8_t> ini;
    std::string name;
    if (!reader.ExtractFirstMatch(".ini", ini, name)) continue;
    const SkinDescription d =
        ReadSkinDescription(TProfileText(std::string(ini.begin(), ini.end())), [&](const std::string& value) {
          std::vector<std::uint8_t> bmp;
          std::optional<ImageSize> size;
          if (reader.ExtractMember(SkinImageMemberName(value), bmp)) {
            if (const auto info = ReadBmpInfo(bmp)) size = ImageSize{info->width, info->height};
          }
          return size;
        });
    EXPECT_GE(d.SysButtons.size(), 3u) << seed;
    CheckSkin(reader);
  }
  EXPECT_GT(opened, static_cast<int>(kSeeds * 3 / 4)) << "most mutations leave a package that opens";
  EXPECT_EQ(seen.size(), kinds.size()) << "every kind of mutation is made";
}

TEST(SkinMutator, BitmapFilesOfEveryDepth) {
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    const auto info = ReadBmpInfo(MakeBitmapFile({.width = 5, .height = 3, .bits = bits, .topDown = bits == 24}));
    ASSERT_TRUE(info) << bits;
    EXPECT_EQ(info->width, 5);
    EXPECT_EQ(info->height, 3);
    EXPECT_EQ(info->bitsPerPixel, bits);
  }
  const auto full = MakeBitmapFile({.width = 2, .height = 2, .bits = 8});
  const auto short_ = MakeBitmapFile({.width = 2, .height = 2, .bits = 8, .writePalette = false});
  EXPECT_EQ(full.size() - short_.size(), 256u * 4) << "the declared palette is not there";
}

}  // namespace
}  // namespace vex::skin::hostile
