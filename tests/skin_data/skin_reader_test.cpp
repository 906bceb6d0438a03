// The package reader: members by name, the name-list rules, the version
// check and every damaged or hostile package it must refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "package_test_util.h"
#include "skin/data/LzhufTree.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TLZH.h"
#include "skin/data/TSkinReader.h"

namespace vex::skin {
namespace {

using test::Bytes;
using test::Compress;
using test::RawArchive;
using test::ToBytes;

std::string AsText(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }

Bytes ThreeMembers() {
  return WritePackage({{"Sedge_Buttons.BMP", ToBytes("BMbuttons")},
                       {"sedge_dialog.bmp", ToBytes("BMdialog")},
                       {"sedge.ini", ToBytes("[Buttons]\r\nTrans=1\r\n")}});
}

TEST(SkinReader, FindsMembersByNameIgnoringLetterCase) {
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(ThreeMembers()));
  EXPECT_EQ(r.Status(), PackageStatus::kOk);
  EXPECT_EQ(r.Names(), (std::vector<std::string>{"sedge_buttons.bmp", "sedge_dialog.bmp", "sedge.ini"}));
  std::vector<std::uint8_t> m;
  EXPECT_TRUE(r.ExtractMember("SEDGE_BUTTONS.BMP", m));
  EXPECT_EQ(AsText(m), "BMbuttons");
  EXPECT_TRUE(r.ExtractMember("sedge_dialog.bmp", m));
  EXPECT_EQ(AsText(m), "BMdialog");
  EXPECT_FALSE(r.ExtractMember("sedge_tabs.bmp", m));
  EXPECT_TRUE(m.empty());
}

TEST(SkinReader, FirstMatchFindsTheDescriptionBySubstring) {
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(ThreeMembers()));
  std::vector<std::uint8_t> m;
  std::string name = "unchanged";
  EXPECT_TRUE(r.ExtractFirstMatch(".ini", m, name));
  EXPECT_EQ(name, "sedge.ini");
  EXPECT_EQ(AsText(m), "[Buttons]\r\nTrans=1\r\n");
  // The fragment is compared as passed: capitals never match.
  name = "unchanged";
  EXPECT_FALSE(r.ExtractFirstMatch(".INI", m, name));
  EXPECT_EQ(name, "unchanged");
  EXPECT_TRUE(m.empty());
}

TEST(SkinReader, NameListLineRules) {
  // CR, LF and CR LF all end lines; an empty middle line is a member with an
  // empty name; the last line needs no break; a NUL ends the list.
  const std::string names = std::string("a.bmp\rB.bmp\n\r\nc.ini") + '\0' + "ignored\r\n";
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(Compress(RawArchive(names, {1, 2, 3, 4}, ToBytes("ABBCCCDDDD")))));
  EXPECT_EQ(r.Names(), (std::vector<std::string>{"a.bmp", "b.bmp", "", "c.ini"}));
  std::vector<std::uint8_t> m;
  EXPECT_TRUE(r.ExtractMember("c.ini", m));
  EXPECT_EQ(AsText(m), "DDDD");
  EXPECT_TRUE(r.ExtractMember("", m));
  EXPECT_EQ(AsText(m), "CCC");
}

TEST(SkinReader, ImageValuesFindTheirMembers) {
  // Members: 0 "", 1 "sedge_tabs.bmp", 2 "sedge_tabs@150.bmp", 3 "x.ini".
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(Compress(RawArchive("\r\nSedge_Tabs.bmp\r\nsedge_tabs@150.BMP\r\nx.ini\r\n",
                                                {1, 1, 1, 1}, ToBytes("EABC")))));
  const struct {
    const char* value;
    int percent;
    std::optional<std::size_t> index;
  } cases[] = {
      {"sedge_tabs.bmp", 0, 1},
      {"C:\\skins\\SEDGE_TABS.bmp", 0, 1},  // folders and letter case of the name do not count
      {"d:sedge_tabs.bmp", 0, 1},
      {"sedge_tabs.bmp", 150, 2},
      {"skins\\sedge_tabs.bmp", 150, 2},
      {"sedge_tabs.bmp", 200, std::nullopt},  // not drawn at that scale
      {"sedge_tabs.BMP", 0, std::nullopt},    // only ".bmp" names a bitmap
      {"x.ini", 0, std::nullopt},
      {"", 0, std::nullopt},  // never the member without a name
      {"", 150, std::nullopt},
      {"skins\\", 0, std::nullopt},
      {"missing.bmp", 150, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(IndexOfImage(r, c.value, c.percent), c.index) << c.value << " " << c.percent;
}

TEST(SkinReader, HighBytesInNamesKeepTheirCase) {
  const std::string names = "\xC6\xA4\xB7\xF4.BMP\r\n";  // GBK text stays as it is
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(Compress(RawArchive(names, {2}, ToBytes("BM")))));
  EXPECT_EQ(r.Names()[0], "\xC6\xA4\xB7\xF4.bmp");
}

TEST(SkinReader, DuplicateNamesAlwaysGiveTheFirst) {
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(Compress(RawArchive("x.bmp\r\nX.BMP\r\n", {1, 1}, ToBytes("12")))));
  std::vector<std::uint8_t> m;
  EXPECT_TRUE(r.ExtractMember("X.bmp", m));
  EXPECT_EQ(AsText(m), "1");
}

TEST(SkinReader, OtherVersionYieldsNoMembers) {
  TSkinReader r;
  EXPECT_FALSE(r.LoadPackage(Compress(RawArchive("a.ini\r\n", {1}, ToBytes("x"), 19999))));
  EXPECT_EQ(r.Status(), PackageStatus::kWrongVersion);
  EXPECT_EQ(r.Header().version, 19999);
  EXPECT_TRUE(r.Names().empty());
  std::vector<std::uint8_t> m;
  std::string name;
  EXPECT_FALSE(r.ExtractFirstMatch(".ini", m, name));
  EXPECT_EQ(std::string(kOlderSkinMessage), "This is Older Skin File\rPlease update to new version !");
}

TEST(SkinReader, AFailedLoadForgetsTheSkinBefore) {
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(ThreeMembers()));
  EXPECT_FALSE(r.LoadPackage(Compress(RawArchive("a\r\n", {-1}, {}))));
  EXPECT_TRUE(r.Names().empty());
  std::vector<std::uint8_t> m;
  EXPECT_FALSE(r.ExtractMember("sedge.ini", m));
}

TEST(SkinReader, BytesSpilledByTheLastMatchBelongToNoMember) {
  // A run longer than the archive's end: the final 60-byte match is cut by S
  // in the decoder only; search a tail length where it is.
  bool spilled = false;
  for (int extra = 1; extra < 60 && !spilled; ++extra) {
    const Bytes archive = RawArchive("z.bmp\r\n", {200}, Bytes(200, 'z'));
    Bytes longer = archive;
    longer.insert(longer.end(), static_cast<std::size_t>(extra), 'z');
    Bytes package = Compress(longer);
    package[0] = static_cast<std::uint8_t>(archive.size());  // S < 256 here
    package[1] = package[2] = package[3] = 0;
    if (TLZH(Bytes(package.begin() + 4, package.end())).Decode(static_cast<std::uint32_t>(archive.size())).size() ==
        archive.size())
      continue;
    spilled = true;
    TSkinReader r;
    ASSERT_TRUE(r.LoadPackage(package));
    EXPECT_EQ(r.Member(0).size(), 200u);
    EXPECT_EQ(r.ArchiveSize(), archive.size());
  }
  EXPECT_TRUE(spilled);
}

TEST(SkinReader, ACutOffPackageStillLoadsButTellsHowFarItRanShort) {
  Bytes members(4000);
  for (std::size_t i = 0; i < members.size(); ++i) members[i] = static_cast<std::uint8_t>(i * 7919 % 251);
  const Bytes whole = WritePackage({{"a.bmp", members}, {"a.ini", ToBytes("[Buttons]\r\nTrans=1\r\n")}});
  TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(whole));
  EXPECT_EQ(r.BytesPastEnd(), 0u);
  // The missing bytes read as zero: the name list and sizes at the front
  // survive, the members at the back do not.
  ASSERT_TRUE(r.LoadPackage(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2))));
  EXPECT_GT(r.BytesPastEnd(), whole.size() / 4);
  EXPECT_EQ(r.Names().size(), 2u);
  EXPECT_FALSE(r.LoadPackage(Compress(RawArchive("a\r\n", {-1}, {}))));
  EXPECT_EQ(r.BytesPastEnd(), 0u);
}

// Members are decoded as far as they are asked for, in any order, and read
// the same as from the archive decoded whole; a reader moved keeps reading.
TEST(SkinReader, DecodesOnlyAsFarAsTheMembersAskedFor) {
  std::vector<PackageMember> members;
  for (int m = 0; m < 3; ++m) {
    Bytes bytes(20000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>((i * (7919 + m)) % 251);
    members.push_back({"m" + std::to_string(m) + ".bmp", bytes});
  }
  const Bytes package = WritePackage(members);
  TSkinReader first;
  ASSERT_TRUE(first.LoadPackage(package));
  TSkinReader r = std::move(first);
  EXPECT_LT(r.DecodedBytes(), 1000u) << "only the header, names and sizes";
  std::size_t end = r.ArchiveSize() - 3 * 20000;  // where the members start
  for (const std::size_t i : {std::size_t{0}, std::size_t{2}, std::size_t{1}}) {
    const auto m = r.Member(i);
    EXPECT_TRUE(std::equal(m.begin(), m.end(), members[i].data.begin(), members[i].data.end())) << i;
    end = std::max(end, r.ArchiveSize() - 20000 * (2 - i));
    EXPECT_GE(r.DecodedBytes(), end) << i;
    EXPECT_LT(r.DecodedBytes(), end + lzhuf::kMaxMatch) << i << ": nothing decoded past the member";
  }
}

// --- refused packages ------------------------------------------------------

void ExpectRefused(const Bytes& package, const std::string& why) {
  TSkinReader r;
  EXPECT_FALSE(r.LoadPackage(package)) << why;
  EXPECT_EQ(r.Status(), PackageStatus::kRefused) << why;
  EXPECT_NE(r.Problem().find(why), std::string::npos) << r.Problem();
  EXPECT_TRUE(r.Names().empty());
}

TEST(SkinReaderRefuses, PackageShorterThanItsSizeField) {
  ExpectRefused({}, "shorter than its size");
  ExpectRefused({1, 0, 0}, "shorter than its size");
}

TEST(SkinReaderRefuses, SizesNoStreamCouldProduceBeforeAllocating) {
  // 4 GiB and 64 MiB + 1 would be allocated at once if believed.
  ExpectRefused({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, "exceeds 64 MiB");
  Bytes big(4 + 3'000'000, 0);
  big[3] = 0x04;  // S = 64 MiB + 1 after the next line
  big[0] = 0x01;
  ExpectRefused(big, "exceeds 64 MiB");
  // 10 stream bytes hold at most 480 archive bytes.
  Bytes small = {0xE1, 0x01, 0, 0};  // S = 481
  small.resize(14, 0);
  ExpectRefused(small, "compressed bytes can hold");
  small[0] = 0xE0;  // S = 480: allowed (and then refused later as garbage or not)
  TSkinReader r;
  r.LoadPackage(small);
  EXPECT_EQ(r.Problem().find("compressed bytes"), std::string::npos);
}

TEST(SkinReaderRefuses, ArchiveShorterThanItsHeader) {
  ExpectRefused(Compress(ToBytes("0123456789")), "too short for its header");
}

TEST(SkinReaderRefuses, NameListLengthNegativeOrPastTheEnd) {
  ExpectRefused(Compress(RawArchive("a\r\n", {1}, ToBytes("x"), 20000, -3)), "name list length -3");
  ExpectRefused(Compress(RawArchive("a\r\n", {1}, ToBytes("x"), 20000, 0x7FFFFFFF)), "does not fit");
  ExpectRefused(Compress(RawArchive("a\r\n", {1}, ToBytes("x"), 20000, 9)), "does not fit");
}

TEST(SkinReaderRefuses, MoreThan1001Names) {
  std::string names;
  for (int i = 0; i < 1002; ++i) names += "m\r\n";
  ExpectRefused(Compress(RawArchive(names, std::vector<std::int64_t>(1002, 0), {})), "more than 1001");
  // Exactly 1001 fit the size table.
  names.resize(names.size() - 3);
  TSkinReader r;
  EXPECT_TRUE(r.LoadPackage(Compress(RawArchive(names, std::vector<std::int64_t>(1001, 0), {}))));
  EXPECT_EQ(r.Names().size(), 1001u);
}

TEST(SkinReaderRefuses, SizeTablePastTheEnd) {
  ExpectRefused(Compress(RawArchive("a\r\nb\r\nc\r\n", {0}, {})), "size table");
}

TEST(SkinReaderRefuses, NegativeSizes) {
  ExpectRefused(Compress(RawArchive("a\r\nb\r\n", {1, -1}, ToBytes("x"))), "member 2 has a negative size");
}

TEST(SkinReaderRefuses, SizesAddingUpToMoreThanTheData) {
  ExpectRefused(Compress(RawArchive("a\r\nb\r\n", {2, 2}, ToBytes("xyz"))), "add up to 4");
  // Two large sizes whose 32-bit sum would wrap to something small.
  ExpectRefused(Compress(RawArchive("a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, ToBytes("xyz"))), "add up to");
}

TEST(SkinReaderRefuses, NoGarbageStreamReadsOutOfBounds) {
  // Run under AddressSanitizer; every outcome is fine as long as nothing
  // outside the buffers is touched and the status is consistent.
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    Bytes p = test::RandomBytes(seed, 4 + seed % 97);
    p[2] = p[3] = 0;  // keep S small enough to be decoded
    TSkinReader r;
    const bool ok = r.LoadPackage(p);
    EXPECT_EQ(ok, r.Status() == PackageStatus::kOk);
    for (std::size_t i = 0; i < r.Names().size(); ++i) (void)r.Member(i);
  }
}

}  // namespace
}  // namespace vex::skin
