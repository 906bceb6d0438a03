// What `vexskin check` reports for skins with the faults authors make.
#include <gtest/gtest.h>

#include <algorithm>

#include "package_test_util.h"
#include "skin/data/BmpInfo.h"
#include "skin/data/SkinCheck.h"
#include "skin/data/SkinPackageWriter.h"

namespace vex::skin {
namespace {

using test::MakeBmp;
using test::ToBytes;

std::vector<std::string> Check(const std::vector<PackageMember>& members) {
  TSkinReader r;
  EXPECT_TRUE(r.LoadPackage(WritePackage(members)));
  return CheckSkin(r);
}

bool Has(const std::vector<std::string>& problems, const std::string& text) {
  return std::any_of(problems.begin(), problems.end(),
                     [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

std::string Join(const std::vector<std::string>& v) {
  std::string s;
  for (const auto& x : v) s += x + "\n";
  return s;
}

const char* kIni =
    "[Personality]\r\nTop=c:\\skins\\top.bmp\r\nTopFrame=2\r\nTopTopHeight=5\r\nTopBotHeight=20\r\n"
    "[Buttons]\r\nBitmap=buttons.bmp\r\nLeftWidth=3\r\nRightWidth=3\r\nTopHeight=3\r\nBottomHeight=3\r\n"
    "CheckButton=check.bmp\r\n[Button0]\r\nButtonImage=close.bmp\r\n[Scrollbar]\r\nImage=arrows.bmp\r\n";

std::vector<PackageMember> Sound() {
  return {{"top.bmp", MakeBmp(100, 60)},   {"buttons.bmp", MakeBmp(50, 20)},    {"check.bmp", MakeBmp(56, 14)},
          {"close.bmp", MakeBmp(144, 24)}, {"arrows.bmp", MakeBmp(23 * 16, 16)}, {"skin.ini", ToBytes(kIni)}};
}

void Replace(std::vector<PackageMember>& m, const std::string& name, test::Bytes data) {
  for (auto& x : m) {
    if (x.name == name) x.data = std::move(data);
  }
}

TEST(SkinCheck, SoundSkinHasNoProblems) {
  const auto problems = Check(Sound());
  EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST(SkinCheck, MissingDescription) {
  auto m = Sound();
  m.pop_back();
  EXPECT_TRUE(Has(Check(m), "no description")) << Join(Check(m));
}

TEST(SkinCheck, ImagesNamedButAbsentOrNotTwentyFourBit) {
  auto m = Sound();
  m.erase(m.begin() + 1);                        // buttons.bmp
  Replace(m, "close.bmp", MakeBmp(144, 24, 8));  // 8-bit
  Replace(m, "check.bmp", ToBytes("not a bitmap"));
  const auto p = Check(m);
  EXPECT_TRUE(Has(p, "Buttons: image buttons.bmp is not in the package")) << Join(p);
  EXPECT_TRUE(Has(p, "BUTTON0: image close.bmp has 8 bits per pixel, not 24")) << Join(p);
  EXPECT_TRUE(Has(p, "check.bmp: not a BMP file")) << Join(p);
}

TEST(SkinCheck, ValueThatNamesNoBmp) {
  auto m = Sound();
  m.back().data = ToBytes(std::string(kIni) + "[MenuItem]\r\nImage=item.png\r\n");
  EXPECT_TRUE(Has(Check(m), "MenuItem: value \"item.png\" does not name a .bmp file"));
}

TEST(SkinCheck, SizesNotDivisibleByFrameCounts) {
  auto m = Sound();
  Replace(m, "arrows.bmp", MakeBmp(23 * 16 + 1, 16));
  Replace(m, "top.bmp", MakeBmp(100, 61));  // Top stacks its 2 frames
  const auto p = Check(m);
  EXPECT_TRUE(Has(p, "Scrollbar: image arrows.bmp is 369 pixels wide, not divisible by its 23 frames")) << Join(p);
  EXPECT_TRUE(Has(p, "Top: image top.bmp is 61 pixels high, not divisible by its 2 frames")) << Join(p);
}

TEST(SkinCheck, FramesSmallerThanTheirMargins) {
  auto m = Sound();
  Replace(m, "buttons.bmp", MakeBmp(25, 20));  // 5 frames of 5 < 3 + 3
  Replace(m, "top.bmp", MakeBmp(24, 60));      // 24 < 5 + 20
  const auto p = Check(m);
  EXPECT_TRUE(Has(p, "Buttons: frames are 5 pixels wide, less than the margins 3 + 3")) << Join(p);
  EXPECT_TRUE(Has(p, "Top: frames are 24 pixels wide, less than the margins 5 + 20")) << Join(p);
}

TEST(SkinCheck, PicturesDrawnForAScale) {
  // top.bmp: 2 stacked frames of 100 x 30; close.bmp: 6 frames of 24 x 24.
  struct Case {
    std::vector<PackageMember> drawn;
    const char* problem;  // null: sound
  } cases[] = {
      {{{"top@150.bmp", MakeBmp(150, 90)}, {"close@200.bmp", MakeBmp(288, 48)}}, nullptr},
      {{{"TOP@200.BMP", MakeBmp(200, 120)}}, nullptr},
      {{{"top@150.bmp", MakeBmp(150, 91)}}, "Top: image top@150.bmp is 150 x 91, not 150 x 90 (top.bmp at 150%)"},
      {{{"close@150.bmp", MakeBmp(217, 36)}}, "BUTTON0: image close@150.bmp is 217 x 36, not 216 x 36"},
      {{{"close@150.bmp", MakeBmp(216, 36, 32)}}, "BUTTON0: image close@150.bmp has 32 bits per pixel, not 24"},
      {{{"close@200.bmp", ToBytes("BMnot really")}}, "BUTTON0: image close@200.bmp: "},
      {{{"left@150.bmp", MakeBmp(6, 6)}}, "image left@150.bmp is drawn for a scale, but no section uses"},
  };
  for (const Case& c : cases) {
    auto m = Sound();
    m.insert(m.begin(), c.drawn.begin(), c.drawn.end());
    const auto p = Check(m);
    if (!c.problem) {
      EXPECT_TRUE(p.empty()) << Join(p);
    } else {
      EXPECT_TRUE(Has(p, c.problem)) << Join(p);
    }
  }
}

TEST(BmpInfo, ReadsSizeAndDepthAndRefusesTruncatedFiles) {
  const auto info = ReadBmpInfo(MakeBmp(7, 3));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 7);
  EXPECT_EQ(info->height, 3);
  EXPECT_EQ(info->bitsPerPixel, 24);
  auto cut = MakeBmp(7, 3);
  cut.pop_back();
  EXPECT_FALSE(ReadBmpInfo(cut));
  EXPECT_FALSE(ReadBmpInfo(ToBytes("BM")));
}

}  // namespace
}  // namespace vex::skin
