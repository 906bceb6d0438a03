// The skin named in Setup.ini: where its value points, which packages count
// as readable, and that every other case falls back to the built-in skin
// (an empty choice).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "app/SkinChoice.h"
#include "skin/data/SkinPackageWriter.h"

namespace vex::app {
namespace {

using test::FakePlatform;

constexpr char kSetup[] = "C:\\Vexilo\\Setup.ini";
constexpr char kFolder[] = "C:\\Vexilo\\";

std::string Text(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::vector<skin::PackageMember> SkinMembers() {
  const std::string ini = "[TitlebarSkin]\r\nSkinName=test\r\n";
  return {{"test.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())}};
}

std::string GoodPackage() { return Text(skin::WritePackage(SkinMembers())); }

TEST(SkinFilePath, PlacesTheValueInTheProgramFolderUnlessItIsAbsolute) {
  struct Case {
    const char* value;
    std::string path;
  };
  const Case cases[] = {
      {"", ""},
      {"heron.skn", "C:\\Vexilo\\heron.skn"},
      {"skins\\heron.skn", "C:\\Vexilo\\skins\\heron.skn"},
      {"..\\heron.skn", "C:\\Vexilo\\..\\heron.skn"},
      {"皮肤.skn", std::string(kFolder) + "皮肤.skn"},
      {"D:\\Skins\\heron.skn", "D:\\Skins\\heron.skn"},
      {"d:/skins/heron.skn", "d:/skins/heron.skn"},
      {"\\\\server\\share\\heron.skn", "\\\\server\\share\\heron.skn"},
      // Resolved against the current drive or folder: not a choice.
      {"\\heron.skn", ""},
      {"/heron.skn", ""},
      {"D:heron.skn", ""},
      {"D:", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SkinFilePath(c.value, kFolder), c.path) << c.value;
}

TEST(IsReadableSkinPackage, OnlyADecodablePackageOfThisVersionWithADescription) {
  const std::vector<std::uint8_t> good = skin::WritePackage(SkinMembers());
  EXPECT_TRUE(IsReadableSkinPackage(good));

  std::vector<std::uint8_t> archive = skin::BuildArchive(SkinMembers());
  archive[0] = 0x1F;  // version 19999: Vexilo would say it is too old
  EXPECT_FALSE(IsReadableSkinPackage(skin::CompressArchive(archive)));

  const std::string bmp = "BM";
  EXPECT_FALSE(IsReadableSkinPackage(
      skin::WritePackage({{"only.bmp", std::vector<std::uint8_t>(bmp.begin(), bmp.end())}})));  // no description
  EXPECT_FALSE(IsReadableSkinPackage({}));
  const std::vector<std::uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  EXPECT_FALSE(IsReadableSkinPackage(truncated));
  const std::string text = "[Skin]\r\nnot a package\r\n";
  EXPECT_FALSE(IsReadableSkinPackage(std::vector<std::uint8_t>(text.begin(), text.end())));
}

class ChosenSkin : public ::testing::Test {
 protected:
  FakePlatform P;
  std::string Chosen() { return ChosenSkinFile(P, kSetup); }
};

TEST_F(ChosenSkin, APackageNamedBesideTheProgramOrByItsFullPath) {
  P.Files["C:\\Vexilo\\heron.skn"] = GoodPackage();
  P.Files["D:\\Photos\\mine.skn"] = GoodPackage();
  P.Files[kSetup] = "[Reg]\r\nMenu=1\r\n[Skin]\r\nFile=heron.skn\r\n";
  EXPECT_EQ(Chosen(), "C:\\Vexilo\\heron.skn");
  P.Files[kSetup] = "[skin]\r\nfile=D:\\Photos\\mine.skn\r\n";  // names match without regard to case
  EXPECT_EQ(Chosen(), "D:\\Photos\\mine.skn");
}

TEST_F(ChosenSkin, BuiltInSkinWhenNothingUsableIsNamed) {
  const std::vector<std::uint8_t> good = skin::WritePackage(SkinMembers());
  std::vector<std::uint8_t> older = skin::BuildArchive(SkinMembers());
  older[0] = 0x1F;
  P.Files["C:\\Vexilo\\damaged.skn"] = Text(good).substr(0, good.size() / 3);
  P.Files["C:\\Vexilo\\older.skn"] = Text(skin::CompressArchive(older));
  P.Files["C:\\Vexilo\\empty.skn"] = "";
  struct Case {
    const char* what;
    std::string setup;  // absent when empty
  };
  const Case cases[] = {
      {"no Setup.ini", ""},
      {"no [Skin] section", "[Reg]\r\nMenu=1\r\n"},
      {"no File key", "[Skin]\r\nName=heron\r\n"},
      {"an empty File", "[Skin]\r\nFile=\r\n"},
      {"a missing file", "[Skin]\r\nFile=heron.skn\r\n"},
      {"a damaged package", "[Skin]\r\nFile=damaged.skn\r\n"},
      {"a package of another version", "[Skin]\r\nFile=older.skn\r\n"},
      {"an empty file", "[Skin]\r\nFile=empty.skn\r\n"},
      {"a path on the current drive", "[Skin]\r\nFile=\\Vexilo\\damaged.skn\r\n"},
  };
  for (const Case& c : cases) {
    if (c.setup.empty())
      P.Files.erase(kSetup);
    else
      P.Files[kSetup] = c.setup;
    EXPECT_EQ(Chosen(), "") << c.what;
  }
}

TEST_F(ChosenSkin, HighContrastKeepsTheSkinOnlyWhenTheUserSaysSo) {
  struct Case {
    std::string setup;  // absent when empty
    bool keep;
  };
  const Case cases[] = {
      {"", false},
      {"[Skin]\r\nFile=heron.skn\r\n", false},
      {"[Skin]\r\nHighContrast=1\r\n", true},
      {"[skin]\r\nhighcontrast=0x10\r\n", true},
      {"[Skin]\r\nHighContrast=0\r\n", false},
      {"[Skin]\r\nHighContrast=yes\r\n", false},
      {"[Reg]\r\nHighContrast=1\r\n", false},
  };
  for (const Case& c : cases) {
    if (c.setup.empty())
      P.Files.erase(kSetup);
    else
      P.Files[kSetup] = c.setup;
    EXPECT_EQ(SkinInHighContrast(P, kSetup), c.keep) << c.setup;
  }
}

}  // namespace
}  // namespace vex::app
