// TSkinData reading the built-in sedge skin stored in this executable, the
// way the main window's stored design hands it over.
#include <windows.h>

#include <gtest/gtest.h>

#include <numeric>

#include "skin/data/TSkinData.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TSkinReader.h"
#include "skin_data_test_util.h"

namespace vs = vex::skin;
using vs::test::EmbeddedStream;

namespace {

class EmbeddedSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.BeginLoading();
    skin.SetActive(true);
    ASSERT_TRUE(skin.ReadSkinStreamResource(GetModuleHandleA(nullptr)));
    skin.Loaded();
  }
  vs::test::RecordingLink link;
  vs::test::MessageCounter messages;
  vs::TSkinData skin{nullptr};
};

int ImageWidth(vcl::TBitmap& b) { return b.Width(); }

}  // namespace

TEST_F(EmbeddedSkin, PackageHoldsTheMembersInOrderWithTheDescriptionFirst) {
  vs::TSkinReader reader;
  ASSERT_TRUE(reader.LoadPackage(skin.Package()));
  EXPECT_EQ(reader.Header().version, 20000);
  // The description, the 32 images, the 30 the program scales drawn again
  // for 200% and for 150%.
  ASSERT_EQ(reader.Names().size(), 1 + 32u + 2 * 30);
  EXPECT_EQ(reader.Names().front(), "sedge.ini");
  EXPECT_EQ(reader.Names()[1], "sedge_body_top.bmp");
  EXPECT_EQ(reader.Names()[7], "sedge_buttons.bmp");
  for (std::size_t i = 33; i < reader.Names().size(); ++i)
    EXPECT_EQ(vs::scaling::DrawnDpiOf(reader.Names()[i]), i < 33 + 30 ? 192 : 144) << reader.Names()[i];
  std::int64_t sum = 0;
  for (std::int32_t s : reader.Sizes()) sum += s;
  EXPECT_EQ(sum + 16 + reader.Header().nameListLength + 4 * static_cast<std::int64_t>(reader.Names().size()),
            static_cast<std::int64_t>(reader.ArchiveSize()));
  std::vector<std::uint8_t> member;
  ASSERT_TRUE(reader.ExtractMember("SEDGE_BUTTONS.BMP", member));
  ASSERT_GE(member.size(), 2u);
  EXPECT_EQ(member[0], 'B');
  EXPECT_EQ(member[1], 'M');
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(EmbeddedSkin, LoadsAndAsksTheManagerToSkinOnceLoaded) {
  EXPECT_FALSE(skin.NoSkin);
  EXPECT_TRUE(skin.Active());
  // Active was stored before the skin: only recorded then; Loaded asks.
  EXPECT_EQ(link.Names(), (std::vector<std::string>{"add", "action 1"}));
  EXPECT_EQ(skin.SkinName, "");  // no TitlebarSkin section
  EXPECT_EQ(skin.SkinStore(), "(none)");
  skin.SetActive(false);
  EXPECT_EQ(link.Names().back(), "action 2");
}

TEST_F(EmbeddedSkin, CaptionButtonsAndTheThreeMdiButtons) {
  ASSERT_EQ(skin.SysButtons.size(), 8u);
  for (int i = 0; i < 4; ++i) {
    const auto& b = *skin.SysButtons[i];
    EXPECT_EQ(b.Name, "BUTTON" + std::to_string(i));
    EXPECT_EQ(b.FrameCount, 6) << b.Name;  // 144 x 24: wider than 3.8 : 1
    EXPECT_EQ(ImageWidth(skin.SysButtons[i]->Image), 144);
  }
  const auto& restore = *skin.SysButtons[1];
  EXPECT_EQ(restore.Xcoord, 63);
  EXPECT_EQ(restore.Ycoord, 3);
  EXPECT_EQ(restore.Align, 1);
  EXPECT_EQ(restore.Action, 1);
  EXPECT_EQ(restore.Visibility, 1);
  EXPECT_EQ(restore.Visibility1, 6);
  auto& icon = *skin.SysButtons[4];
  EXPECT_EQ(icon.Action, 3);
  EXPECT_EQ(icon.FrameCount, 6);
  EXPECT_TRUE(icon.Image.Empty());
  EXPECT_EQ(icon.Xcoord, 5);
  EXPECT_EQ(icon.Visibility, 3);
  for (int i = 0; i < 3; ++i) {
    auto& mdi = *skin.SysButtons[5 + i];
    EXPECT_EQ(mdi.Action, 7 + i);
    EXPECT_EQ(mdi.Align, 100);
    EXPECT_EQ(mdi.Visibility, 100);
    EXPECT_EQ(mdi.Visibility1, 0);
    EXPECT_EQ(mdi.FrameCount, 4);
    EXPECT_EQ(mdi.Image.Width(), 64);  // 192 / 12 * 4
    EXPECT_EQ(mdi.Image.Height(), 16);
    EXPECT_EQ(mdi.Xcoord, 20 * (3 - i));
  }
}

TEST_F(EmbeddedSkin, ColoursAndTheColourTable) {
  EXPECT_EQ(skin.ButtonFace, RGB(189, 195, 158));
  EXPECT_EQ(skin.ButtonText, RGB(40, 40, 40));
  EXPECT_EQ(skin.MenuBarText, RGB(40, 40, 40));
  EXPECT_EQ(skin.TitleTextActive, RGB(88, 102, 68));
  EXPECT_EQ(skin.TitleTextInactive, RGB(88, 102, 68));  // the same key, read twice
  EXPECT_EQ(skin.ColourTable,
            (std::vector<vcl::TColor>{RGB(40, 40, 40), RGB(255, 255, 255), RGB(102, 102, 102), RGB(88, 102, 68)}));
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObject(skin.FaceBrush.get(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, RGB(189, 195, 158));
}

TEST_F(EmbeddedSkin, BordersTitleAndButtons) {
  EXPECT_EQ(skin.Left.TopHeight, 38);
  EXPECT_EQ(skin.Left.BottomHeight, 10);
  EXPECT_EQ(skin.Left.FrameCount, 2);
  EXPECT_EQ(skin.Left.Tile, 0);
  EXPECT_EQ(skin.Left.Trans, 1);  // not given: rounded corners through the key
  EXPECT_EQ(skin.Top.LeftWidth, 5);
  EXPECT_EQ(skin.Top.RightWidth, 145);
  EXPECT_EQ(skin.Top.Trans, 0);
  EXPECT_EQ(skin.Top.Image.Height() / skin.Top.FrameCount, 28);
  EXPECT_EQ(skin.Title.LeftWidth, 14);
  EXPECT_EQ(skin.Title.TopHeight, -7);
  EXPECT_EQ(skin.Title.RightWidth, 145);
  EXPECT_EQ(skin.Title.FontHeight, 13);
  EXPECT_EQ(skin.Title.ActiveText, RGB(88, 102, 68));
  EXPECT_EQ(skin.Title.InActiveText, RGB(109, 126, 83));
  EXPECT_EQ(skin.Title.FrameCount, 2);
  EXPECT_TRUE(skin.Title.Image.Empty());
  EXPECT_EQ(skin.Buttons.FrameCount, 5);
  EXPECT_EQ(skin.Buttons.CheckButtonFrame, 4);  // 56 / 13
  EXPECT_EQ(skin.Buttons.RadioButtonFrame, 4);
  EXPECT_EQ(skin.Buttons.TopHeight, 10);
  EXPECT_EQ(skin.Buttons.LeftWidth, 11);
  EXPECT_EQ(skin.Buttons.Trans, 1);
  EXPECT_EQ(skin.Buttons.NormalColour2, RGB(40, 40, 40));
  EXPECT_EQ(skin.Buttons.PressedColour2, RGB(255, 255, 255));
  EXPECT_EQ(skin.Buttons.MouseOverColour2, RGB(255, 255, 255));
  EXPECT_EQ(skin.Buttons.PressedColour, 1);
  EXPECT_EQ(skin.Buttons.CheckImage.Width(), 56);
}

TEST_F(EmbeddedSkin, EveryOptionalObjectWithItsFrameCount) {
  struct Expect {
    std::unique_ptr<vs::TDataSkinObject>* object;
    const char* name;
    int frames;
  };
  const Expect expected[] = {
      {&skin.MenuBar, "MenuBar", 2},        {&skin.Progress, "Progress", 2},
      {&skin.GroupBoxEdge, "GroupBoxEdge", 2}, {&skin.Toolbars, "Toolbars", 5},
      {&skin.StatusBarEdges, "StatusBarEdges", 3}, {&skin.ComboButton, "ComboButton", 4},
      {&skin.SunkEdge, "SunkEdge", 4},      {&skin.ExtraImages, "ExtraImages", 5},
      {&skin.Headerbar, "Headerbar", 5},    {&skin.MenuItem, "MenuItem", 5},
      {&skin.MenuBackground, "MenuBackground", 1}, {&skin.Scrollbar, "Scrollbar", 23},
      {&skin.HorzScroll, "HorzScroll", 4},  {&skin.VertScroll, "VertScroll", 4},
      {&skin.HorzScrollThumb, "HorzScrollThumb", 3}, {&skin.VertScrollThumb, "VertScrollThumb", 3}};
  for (const Expect& e : expected) {
    ASSERT_NE(e.object->get(), nullptr) << e.name;
    vs::TDataSkinObject& o = **e.object;
    EXPECT_EQ(o.FrameCount, e.frames) << e.name;
    ASSERT_FALSE(o.Image.Empty()) << e.name;
    const bool stacked = e.object == &skin.MenuBar;
    EXPECT_EQ((stacked ? o.Image.Height() : o.Image.Width()) % e.frames, 0) << e.name;
  }
  ASSERT_NE(skin.Tabs, nullptr);
  EXPECT_EQ(skin.Tabs->FrameCount, 5);
  EXPECT_FALSE(skin.Tabs->BorderImage.Empty());
  EXPECT_EQ(skin.Tabs->NormalColour2, RGB(40, 40, 40));
  EXPECT_EQ(skin.Tabs->MouseOverColour2, RGB(255, 255, 255));
  EXPECT_EQ(skin.MenuItem->LeftWidth, 8);
  EXPECT_EQ(skin.MenuItem->RightWidth, 11);
  EXPECT_EQ(skin.MenuItem->Trans, 1);
  EXPECT_EQ(skin.HorzScrollThumb->RightWidth, 8);
  EXPECT_EQ(skin.VertScrollThumb->BottomHeight, 8);
  EXPECT_EQ(skin.HorzScroll->Tile, 1);
  EXPECT_EQ(skin.MenuBar->Tile, 1);
  EXPECT_EQ(skin.MenuBar->LeftWidth, 6);
  EXPECT_EQ(skin.ScrollbarColour, RGB(214, 219, 190));
}
