// TSkinData with packages made for the test: refused packages, the
// description rules that reach the skin objects, skin files, form filters.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TSkinData.h"
#include "skin_data_test_util.h"
#include "win_test_support.h"

namespace vs = vex::skin;
using Bytes = std::vector<std::uint8_t>;
using vs::test::Stream;

namespace {

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A 24-bit bitmap file, every pixel `rgb`.
Bytes Bmp(int w, int h, std::uint32_t rgb = 0x336699) {
  const int stride = (w * 3 + 3) & ~3;
  Bytes out(54 + static_cast<std::size_t>(stride) * h, 0);
  auto put = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put(2, static_cast<std::uint32_t>(out.size()));
  put(10, 54);
  put(14, 40);
  put(18, static_cast<std::uint32_t>(w));
  put(22, static_cast<std::uint32_t>(h));
  out[26] = 1;
  out[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &out[54 + static_cast<std::size_t>(y) * stride + x * 3];
      p[0] = static_cast<std::uint8_t>(rgb);
      p[1] = static_cast<std::uint8_t>(rgb >> 8);
      p[2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  return out;
}

Bytes Package(const std::string& ini, std::vector<vs::PackageMember> images = {}) {
  images.push_back({"test.ini", Text(ini)});
  return vs::WritePackage(images);
}

// Loads `package` the way a form's stored design does, Active stored true.
void LoadStored(vs::TSkinData& skin, const Bytes& package) {
  skin.BeginLoading();
  skin.SetActive(true);
  skin.ReadSkinStream(Stream(package));
  skin.Loaded();
}

}  // namespace

TEST(SkinDataLoad, AnEmptyStreamSwitchesActiveOff) {
  vs::test::RecordingLink link;
  vs::TSkinData skin(nullptr);
  skin.BeginLoading();
  skin.SetActive(true);
  skin.ReadSkinStream(Bytes{0, 0, 0, 0});
  skin.Loaded();
  EXPECT_TRUE(skin.NoSkin);
  EXPECT_FALSE(skin.Active());
  EXPECT_EQ(link.Names(), (std::vector<std::string>{"add"}));  // never asked to skin
  EXPECT_EQ(skin.WriteSkinStream(), (Bytes{0, 0, 0, 0}));
}

TEST(SkinDataLoad, AnOlderPackageShowsTheMessageOnceAndKeepsTheOrdinaryLook) {
  vs::test::MessageCounter messages;
  Bytes archive = vs::BuildArchive({{"test.ini", Text("[Colours]\nButtonFace=1 2 3\n")}});
  archive[0] = 0x1F;  // 19999
  vs::TSkinData skin(nullptr);
  LoadStored(skin, vs::CompressArchive(archive));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_TRUE(skin.NoSkin);
  EXPECT_FALSE(skin.Active());
  EXPECT_EQ(skin.ButtonFace, vcl::clBtnFace);
}

TEST(SkinDataLoad, DamagedPackagesLeaveNoSkinQuietly) {
  vs::test::MessageCounter messages;
  const Bytes good = Package("[Colours]\nButtonFace=1 2 3\n");
  Bytes hugeSize = good;
  hugeSize[3] = 0x7F;  // S far beyond what the input could give
  Bytes noise(300);
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>(i * 131 + 7);
  // Cut right after S: the header decodes from missing (zero) bits.
  const Bytes cases[] = {Bytes{1}, Bytes(good.begin(), good.begin() + 5), hugeSize, noise,
                         vs::WritePackage({{"readme.txt", Text("no description here")}})};
  for (const Bytes& package : cases) {
    vs::TSkinData skin(nullptr);
    LoadStored(skin, package);
    EXPECT_TRUE(skin.NoSkin);
    EXPECT_FALSE(skin.Active());
    EXPECT_EQ(skin.SysButtons.size(), 0u);
  }
  // A length larger than the stored bytes: nothing is taken.
  vs::TSkinData skin(nullptr);
  Bytes stream = Stream(good);
  stream.pop_back();
  skin.ReadSkinStream(stream);
  EXPECT_TRUE(skin.Package().empty());
  EXPECT_TRUE(messages.messages.empty());
}

TEST(SkinDataLoad, AFailedLoadKeepsTheSkinItHad) {
  vs::TSkinData skin(nullptr);
  LoadStored(skin, Package("[Buttons]\nBitmap=b.bmp\n[Colours]\nButtonFace=1 2 3\n", {{"b.bmp", Bmp(10, 6)}}));
  ASSERT_FALSE(skin.NoSkin);
  skin.ReadSkinStream(Stream(Bytes(64, 0xAB)));
  EXPECT_TRUE(skin.NoSkin);
  EXPECT_EQ(skin.ButtonFace, RGB(1, 2, 3));
  EXPECT_EQ(skin.Buttons.Image.Width(), 10);
}

TEST(SkinDataLoad, DescriptionRulesReachTheObjects) {
  const std::string ini =
      "[colours]\nbuttonface = \"189 195 158\"\nHilight=40  40 40\n"
      "[Personality]\nLeft=c:\\skins\\side.bmp\nRight=side.BMP\nTop=missing.bmp\nLeftFrame=$2\nRightFrame=0x2\n"
      "[Colours]\nButtonFace=1 1 1\n"
      "[Colour7]\ncolor=1 2 3\n[ColourX]\ncolor=\n[Colours]\n"
      "[ProgRESS]\nBitmap=side.bmp\nTile=abc\n";
  vs::TSkinData skin(nullptr);
  LoadStored(skin, Package(ini, {{"side.bmp", Bmp(8, 20)}}));
  ASSERT_FALSE(skin.NoSkin);
  EXPECT_EQ(skin.ButtonFace, RGB(189, 195, 158));  // first section wins, quotes and blanks go
  EXPECT_EQ(skin.MenuText, RGB(189, 195, 158));    // no MenuText: the ButtonFace text
  EXPECT_EQ(skin.Menubar, RGB(189, 195, 158));
  EXPECT_EQ(skin.Hilight, RGB(40, 0, 40));         // two blanks leave green at 0
  EXPECT_EQ(skin.ColourTable, (std::vector<vcl::TColor>{RGB(1, 2, 3), vcl::clWindowText}));
  EXPECT_EQ(skin.Left.Image.Width(), 8);   // folder and drive before the name
  EXPECT_TRUE(skin.Right.Image.Empty());   // ".BMP" is not ".bmp"
  EXPECT_TRUE(skin.Top.Image.Empty());     // no such member
  EXPECT_EQ(skin.Left.FrameCount, 2);
  EXPECT_EQ(skin.Right.FrameCount, 2);
  ASSERT_NE(skin.Progress, nullptr);
  EXPECT_EQ(skin.Progress->Tile, 0);  // not a number: the default
  EXPECT_EQ(skin.MenuItem, nullptr);
  EXPECT_EQ(skin.SysButtons.size(), 3u);  // the MDI buttons only, without images
  EXPECT_TRUE(skin.SysButtons[0]->Image.Empty());
}

TEST(SkinDataLoad, CanSkinFormFiltersByClassName) {
  vs::TSkinData skin(nullptr);
  std::vector<std::string> asked;
  skin.OnFormSkin = [&](vcl::TObject* sender, const std::string& name, bool& doSkin) {
    EXPECT_EQ(sender, &skin);
    asked.push_back(name);
    if (name == "TFormIconExplorer") doSkin = false;
  };
  EXPECT_FALSE(skin.CanSkinForm("TQRStandardPreview"));
  EXPECT_FALSE(skin.CanSkinForm("SysMonthCal32"));
  EXPECT_FALSE(skin.CanSkinForm("TfrmAbout"));
  EXPECT_FALSE(skin.CanSkinForm("TFormIconExplorer"));
  EXPECT_TRUE(skin.CanSkinForm("TForm1"));
  EXPECT_TRUE(skin.CanSkinForm("TFRaction"));  // "Tfr" is case-sensitive
  EXPECT_EQ(asked, (std::vector<std::string>{"TFormIconExplorer", "TForm1", "TFRaction"}));
}

TEST(SkinDataLoad, SkinFileAtRunTimeLoadsAndHandsTheSkinToTheManager) {
  vs::test::RecordingLink link;
  const std::string path = vex::test::OutputDir() + "skin_file_test.skn";
  {
    const Bytes stream = vs::test::EmbeddedStream();
    ASSERT_GT(stream.size(), 4u);
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(stream.data()) + 4, static_cast<std::streamsize>(stream.size() - 4));
  }
  vs::TSkinData skin(nullptr);
  int changed = 0;
  skin.OnSkinChanged = [&](vcl::TObject*) { ++changed; };
  skin.SetSkinFile(path);
  EXPECT_FALSE(skin.NoSkin);
  EXPECT_EQ(skin.SkinFile(), path);
  EXPECT_EQ(skin.SysButtons.size(), 8u);
  EXPECT_EQ(link.Names(), (std::vector<std::string>{"add", "changed", "clear buttons", "action 3"}));
  skin.SkinChanged();
  EXPECT_EQ(changed, 1);

  // A missing or damaged file leaves the skin in use as it was: the windows
  // skinned with it keep their look, and the manager hears nothing.
  skin.SetSkinFile(path + ".missing");
  EXPECT_FALSE(skin.NoSkin);
  EXPECT_EQ(skin.SkinFile(), path + ".missing");
  EXPECT_EQ(skin.SysButtons.size(), 8u);
  const std::string damaged = vex::test::OutputDir() + "skin_file_damaged.skn";
  vex::test::WriteFileText(damaged, "not a skin package at all");
  skin.SetSkinFile(damaged);
  EXPECT_FALSE(skin.NoSkin);
  EXPECT_EQ(skin.SysButtons.size(), 8u);
  EXPECT_EQ(link.Names().size(), 4u);
  std::remove(damaged.c_str());
  std::remove(path.c_str());
}

TEST(SkinDataLoad, WriteSkinStreamGivesBackWhatWasRead) {
  vs::TSkinData skin(nullptr);
  const Bytes stream = vs::test::EmbeddedStream();
  skin.ReadSkinStream(stream);
  EXPECT_EQ(skin.WriteSkinStream(), stream);
  vs::TSkinData copy(nullptr);
  copy.ReadSkinStream(skin.WriteSkinStream());
  EXPECT_FALSE(copy.NoSkin);
}
