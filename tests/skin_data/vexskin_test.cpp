// The skin tool's commands, run in-process on packages in a scratch folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "VexskinCommands.h"
#include "package_test_util.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TSkinReader.h"

namespace vex::vexskin {
namespace {

namespace fs = std::filesystem;
using skin::test::Bytes;

class Vexskin : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vexskin_test_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return vexskin::Run(args, out_, err_);
  }
  std::string P(const std::string& name) const { return (dir_ / name).string(); }

  static void Write(const fs::path& p, const Bytes& b) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  static Bytes Read(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  }

  fs::path dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(Vexskin, PackThenUnpackGivesTheSameFilesForRandomMemberSets) {
  std::mt19937 rng(11);
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE(round);
    const fs::path in = dir_ / ("in" + std::to_string(round));
    const fs::path outDir = dir_ / ("out" + std::to_string(round));
    fs::create_directories(in);
    std::map<std::string, Bytes> files;
    const int count = 1 + static_cast<int>(rng() % 40);
    for (int i = 0; i < count; ++i) {
      const std::string name = "m" + std::to_string(rng() % 100000) + (i % 3 ? ".bmp" : ".ini");
      Bytes data = skin::test::RandomBytes(rng(), rng() % 3 == 0 ? 0 : rng() % 20000);
      if (i % 2) std::fill(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(data.size() / 2), 7);
      files[name] = data;
      Write(in / name, data);
    }
    ASSERT_EQ(Run({"pack", in.string(), P("r.skn")}), kExitOk) << err_.str();
    ASSERT_EQ(Run({"unpack", P("r.skn"), outDir.string()}), kExitOk) << err_.str();
    std::size_t seen = 0;
    for (const auto& e : fs::directory_iterator(outDir)) {
      ++seen;
      const std::string name = e.path().filename().string();
      ASSERT_TRUE(files.count(name)) << name;
      EXPECT_TRUE(Read(e.path()) == files[name]) << name;
    }
    EXPECT_EQ(seen, files.size());
  }
}

TEST_F(Vexskin, OrderListComesFirstThenTheRestByName) {
  fs::create_directories(dir_ / "in");
  for (const char* n : {"c.bmp", "a.bmp", "skin.ini", "b.bmp"}) Write(dir_ / "in" / n, {'B', 'M'});
  Write(dir_ / "order.txt", skin::test::ToBytes("# members in package order\r\nskin.ini\n  c.bmp  \n\n"));
  ASSERT_EQ(Run({"pack", P("in"), P("o.skn"), "--order", P("order.txt")}), kExitOk) << err_.str();
  skin::TSkinReader r;
  ASSERT_TRUE(r.LoadPackage(Read(P("o.skn"))));
  EXPECT_EQ(r.Names(), (std::vector<std::string>{"skin.ini", "c.bmp", "a.bmp", "b.bmp"}));

  Write(dir_ / "bad.txt", skin::test::ToBytes("missing.bmp\n"));
  EXPECT_EQ(Run({"pack", P("in"), P("o.skn"), "--order", P("bad.txt")}), kExitBadInput);
  EXPECT_NE(err_.str().find("missing.bmp is not a file"), std::string::npos);
}

TEST_F(Vexskin, ListShowsVersionSizesAndMembers) {
  Write(dir_ / "p.skn", skin::WritePackage({{"one.bmp", Bytes(10, 1)}, {"two.ini", Bytes(3, 2)}}));
  ASSERT_EQ(Run({"list", P("p.skn")}), kExitOk);
  const std::string text = out_.str();
  EXPECT_NE(text.find("version 20000"), std::string::npos) << text;
  EXPECT_NE(text.find("10\tone.bmp\n3\ttwo.ini\n"), std::string::npos) << text;
  EXPECT_NE(text.find("2 members"), std::string::npos) << text;
}

TEST_F(Vexskin, UnpackRefusesNamesThatAreNotPlainFileNamesAndWritesNothing) {
  for (const std::string bad : {"..\\evil.bmp", "../evil.bmp", "sub/x.bmp", "c:x.bmp", "..", "nul.bmp", ""}) {
    SCOPED_TRACE(bad);
    const std::string list = "good.bmp\r\n" + bad + "\r\n";
    Write(dir_ / "bad.skn", skin::test::Compress(skin::test::RawArchive(list, {2, 2}, {'B', 'M', 'B', 'M'})));
    EXPECT_EQ(Run({"unpack", P("bad.skn"), P("x")}), kExitBadInput);
    EXPECT_NE(err_.str().find("not a plain file name"), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(dir_ / "x"));
  }
}

TEST_F(Vexskin, BadInputGivesExitOneAndOneLine) {
  Write(dir_ / "junk.skn", {1, 2, 3});
  EXPECT_EQ(Run({"list", P("junk.skn")}), kExitBadInput);
  const std::string err = err_.str();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_EQ(Run({"list", P("missing.skn")}), kExitBadInput);
  Write(dir_ / "old.skn", skin::test::Compress(skin::test::RawArchive("a\r\n", {0}, {}, 19999)));
  EXPECT_EQ(Run({"check", P("old.skn")}), kExitBadInput);
  EXPECT_NE(err_.str().find("format version 19999"), std::string::npos) << err_.str();
}

TEST_F(Vexskin, WrongUsageGivesExitTwoAndHelpExplains) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_EQ(Run({"list"}), kExitUsage);
  EXPECT_EQ(Run({"pack", "a", "b", "--sort", "c"}), kExitUsage);
  EXPECT_EQ(Run({"frobnicate", "x"}), kExitUsage);
  EXPECT_NE(err_.str().find("usage: vexskin"), std::string::npos);
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out_.str().find("check PKG"), std::string::npos);
}

TEST(VexskinNames, PlainFileNames) {
  for (const char* ok : {"sedge.ini", "sedge_buttons.bmp", "a b.bmp", "\xC6\xA4\xB7\xF4.bmp", "console.bmp", "com10.bmp"})
    EXPECT_TRUE(IsPlainFileName(ok)) << ok;
  for (const char* bad : {"", ".", "..", "a/b", "a\\b", "c:", "x?.bmp", "x*.bmp", "a.bmp.", "a.bmp ", "CON", "aux.ini",
                          "com1.bmp", "LPT9", "tab\there"})
    EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

}  // namespace
}  // namespace vex::vexskin
