// The built-in sedge package, as the build packs it: its layout, a
// byte-identical round trip, and the description read from it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/data/BmpInfo.h"
#include "skin/data/SkinCheck.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TLZH.h"
#include "skin/data/TSkinReader.h"

namespace vex::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::vector<std::string> kMembers = {
    "sedge_body_top.bmp",     "sedge_body_bottom.bmp",  "sedge_body_left.bmp",  "sedge_body_right.bmp",
    "sedge_menubar.bmp",      "sedge_dialog.bmp",       "sedge_buttons.bmp",    "sedge_checkbox.bmp",
    "sedge_radio.bmp",        "sedge_progress.bmp",     "sedge_groupboxe.bmp",  "sedge_tabborder.bmp",
    "sedge_tabs.bmp",         "sedge_status.bmp",       "sedge_combobutton.bmp", "sedge_sunkedge.bmp",
    "sedge_comboarrow.bmp",   "sedge_header.bmp",       "sedge_menuitem.bmp",   "sedge_menuback.bmp",
    "sedge_arrows.bmp",       "sedge_scroll_back_h.bmp", "sedge_scroll_back_v.bmp", "sedge_scroll_h.bmp",
    "sedge_scroll_v.bmp",     "sedge_mdicontrols.bmp",  "sedge_groupbox.bmp",   "sedge_tools.bmp",
    "sedge_icon_close.bmp",   "sedge_icon_max2.bmp",    "sedge_icon_min.bmp",   "sedge_icon_max1.bmp",
    "sedge.ini"};

class SedgePackage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream f(VEXILO_SEDGE_PACKAGE, std::ios::binary);
    package_ = new Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  }
  static void TearDownTestSuite() {
    delete package_;
    package_ = nullptr;
  }
  void SetUp() override {
    ASSERT_GT(package_->size(), 4u) << "missing " << VEXILO_SEDGE_PACKAGE;
    ASSERT_TRUE(reader_.LoadPackage(*package_)) << reader_.Problem();
  }

  SkinDescription Description() const {
    Bytes ini;
    std::string name;
    EXPECT_TRUE(reader_.ExtractFirstMatch(".ini", ini, name));
    return ReadSkinDescription(TProfileText(std::string(ini.begin(), ini.end())),
                               [this](const std::string& value) -> std::optional<ImageSize> {
                                 Bytes bmp;
                                 if (!reader_.ExtractMember(SkinImageMemberName(value), bmp)) return std::nullopt;
                                 const auto info = ReadBmpInfo(bmp);
                                 if (!info) return std::nullopt;
                                 return ImageSize{info->width, info->height};
                               });
  }

  static Bytes* package_;
  TSkinReader reader_;
};
Bytes* SedgePackage::package_ = nullptr;

TEST_F(SedgePackage, HoldsTheDescriptionFirstThenThe32ImagesAndTheirDrawingsForEachScale) {
  // The description (read before anything else), the images, then each
  // image the program scales drawn for 200%, then for 150%, in the
  // description's order: a reader at 200%, whose pictures are the largest
  // to decode, decodes no picture for 150%.
  std::vector<std::string> members = {kMembers.back()};
  members.insert(members.end(), kMembers.begin(), kMembers.end() - 1);
  const std::vector<FramedImage> scaled = ScaledImages(Description());
  ASSERT_EQ(scaled.size(), 30u);  // all but the preview and the unused group box
  for (const int percent : {200, 150})
    for (const FramedImage& f : scaled) members.push_back(scaling::DrawnMemberName(f.member, percent));
  EXPECT_EQ(reader_.Names(), members);
  EXPECT_EQ(reader_.Header().version, 20000);
  // The sizes account for every archive byte after the size table.
  std::int64_t total = 0;
  for (const std::int32_t s : reader_.Sizes()) total += s;
  EXPECT_EQ(total, static_cast<std::int64_t>(reader_.ArchiveSize()) - 16 - reader_.Header().nameListLength -
                       4 * static_cast<std::int64_t>(members.size()));
  for (std::size_t i = 1; i < members.size(); ++i) {
    const auto m = reader_.Member(i);
    ASSERT_GE(m.size(), 2u) << members[i];
    EXPECT_EQ(m[0], 'B');
    EXPECT_EQ(m[1], 'M');
    const auto info = ReadBmpInfo(m);
    ASSERT_TRUE(info) << members[i];
    EXPECT_EQ(info->bitsPerPixel, 24) << members[i];
  }
}

TEST_F(SedgePackage, DecodesToAnArchiveStartingWithItsVersion) {
  const Bytes archive = TLZH(std::span<const std::uint8_t>(*package_).subspan(4)).Decode(reader_.ArchiveSize());
  ASSERT_GE(archive.size(), 4u);
  EXPECT_EQ(archive[0], 0x20);
  EXPECT_EQ(archive[1], 0x4E);
  EXPECT_EQ(archive[2], 0x00);
  EXPECT_EQ(archive[3], 0x00);
}

TEST_F(SedgePackage, CapitalsFindTheButtonsImage) {
  Bytes m;
  EXPECT_TRUE(reader_.ExtractMember("SEDGE_BUTTONS.BMP", m));
  EXPECT_FALSE(m.empty());
}

TEST_F(SedgePackage, UnpackedMembersPackToTheSameBytes) {
  std::vector<PackageMember> members;
  for (std::size_t i = 0; i < reader_.Names().size(); ++i) {
    const auto m = reader_.Member(i);
    members.push_back({reader_.Names()[i], Bytes(m.begin(), m.end())});
  }
  EXPECT_TRUE(WritePackage(members) == *package_);
}

TEST_F(SedgePackage, PassesTheSkinCheck) {
  const auto problems = CheckSkin(reader_);
  std::string text;
  for (const auto& p : problems) text += p + "\n";
  EXPECT_TRUE(problems.empty()) << text;
}

TEST_F(SedgePackage, DescriptionGivesTheExpectedObjects) {
  const SkinDescription d = Description();
  EXPECT_TRUE(d.SkinName.empty());  // no TitlebarSkin section
  ASSERT_EQ(d.SysButtons.size(), 8u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(d.SysButtons[i].Name, "BUTTON" + std::to_string(i));
    EXPECT_EQ(d.SysButtons[i].FrameCount, 6);  // 144 x 24 images
  }
  const SysButtonDesc& b4 = d.SysButtons[4];
  EXPECT_TRUE(b4.Image.empty());
  EXPECT_EQ(b4.Action, 3);
  EXPECT_EQ(b4.FrameCount, 6);
  for (int i = 5; i < 8; ++i) EXPECT_EQ(d.SysButtons[i].FrameCount, 4);
  EXPECT_EQ(d.SysButtons[5].MdiWidth * 3, [&] {
    Bytes bmp;
    reader_.ExtractMember("sedge_mdicontrols.bmp", bmp);
    return ReadBmpInfo(bmp)->width / 12 * 12;
  }());
  EXPECT_EQ(d.ColourTable, (std::vector<std::uint32_t>{PlainColour(40, 40, 40), PlainColour(255, 255, 255),
                                                       PlainColour(102, 102, 102), PlainColour(88, 102, 68)}));
  EXPECT_EQ(d.Buttons.CheckButtonFrame, 4);
  EXPECT_EQ(d.Buttons.RadioButtonFrame, 4);
  EXPECT_TRUE(d.Toolbars);  // spelled ToolBars
  EXPECT_FALSE(d.MdiImage.empty());  // spelled MdiControls
  EXPECT_EQ(d.Colours.ButtonFace, PlainColour(189, 195, 158));
  EXPECT_EQ(d.Title.FontHeight, 13);
  EXPECT_EQ(d.Title.ActiveText, PlainColour(88, 102, 68));
  EXPECT_EQ(d.Top.RightWidth, 145);
}

}  // namespace
}  // namespace vex::skin
