// TSkinData reading the heron skin as the build packs it, from its file while
// the form's design is being read (as vexilo.exe does when Setup.ini names
// it): the stretched borders with only the bottom keyed, the centred caption
// on its plate, the caption buttons placed by the text, the application's
// own button, and the objects it leaves out so that the plain look is drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/data/TSkinData.h"
#include "skin_data_test_util.h"

namespace vs = vex::skin;

namespace {

// heron.skn lies beside the program, one folder above the tests.
std::string HeronPackage() {
  char path[MAX_PATH];
  std::string p(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  p.erase(p.find_last_of('\\'));
  return p.substr(0, p.find_last_of('\\') + 1) + "heron.skn";
}

class HeronSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.BeginLoading();
    skin.SetActive(true);
    skin.SetSkinFile(HeronPackage());
    skin.Loaded();
    ASSERT_FALSE(skin.NoSkin) << HeronPackage();
  }
  vs::test::RecordingLink link;
  vs::test::MessageCounter messages;
  vs::TSkinData skin{nullptr};
};

}  // namespace

TEST_F(HeronSkin, LoadsFromItsFileDuringTheDesignAndSkinsOnceLoaded) {
  EXPECT_EQ(skin.SkinName, "heron");
  EXPECT_TRUE(skin.Active());
  // While the design is read the file is only loaded; Loaded asks once.
  EXPECT_EQ(link.Names(), (std::vector<std::string>{"add", "action 1"}));
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HeronSkin, BordersAreThickStretchedAndOnlyTheBottomIsKeyed) {
  struct Side {
    vs::TDataSkinBorder* border;
    bool stacked;
    int thickness, left, top, right, bottom, trans;
  };
  const Side sides[] = {
      {&skin.Left, false, 8, 0, 32, 0, 12, 0},
      {&skin.Right, false, 8, 0, 32, 0, 12, 0},
      {&skin.Top, true, 32, 8, 0, 8, 0, 0},
      {&skin.Bottom, true, 8, 16, 0, 16, 0, 1},
  };
  for (const Side& s : sides) {
    vs::TDataSkinBorder& b = *s.border;
    SCOPED_TRACE(b.Name);
    EXPECT_EQ(b.FrameCount, 2);
    EXPECT_EQ(b.Tile, 1);  // the side's Stretch key: stretched, not tiled
    EXPECT_EQ(b.Trans, s.trans);
    ASSERT_FALSE(b.Image.Empty());
    EXPECT_EQ((s.stacked ? b.Image.Height() : b.Image.Width()) / b.FrameCount, s.thickness);
    EXPECT_EQ(b.LeftWidth, s.left);
    EXPECT_EQ(b.TopHeight, s.top);
    EXPECT_EQ(b.RightWidth, s.right);
    EXPECT_EQ(b.BottomHeight, s.bottom);
  }
  // Thicker than the built-in skin's 4-pixel sides.
  EXPECT_GT(skin.Left.Image.Width() / 2, 4);
}

TEST_F(HeronSkin, CaptionIsCentredOnAPlateWithEndCaps) {
  vs::TDataSkinTitle& t = skin.Title;
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.TXTBackleft, 20);
  EXPECT_EQ(t.TXTBackRight, 26);
  EXPECT_EQ(t.RightWidth, 80);  // TextRightClip
  EXPECT_EQ(t.FrameCount, 2);   // active above inactive
  ASSERT_FALSE(t.Image.Empty());
  EXPECT_EQ(t.Image.Height() / 2, skin.Top.Image.Height() / 2);
  EXPECT_EQ(t.ActiveText, RGB(240, 244, 250));
  EXPECT_EQ(t.InActiveText, RGB(214, 220, 228));
}

TEST_F(HeronSkin, CaptionButtonsByTheTextAndTheApplicationsOwn) {
  ASSERT_EQ(skin.SysButtons.size(), 6u + 3u);
  vs::TDataSkinSysButton& icon = *skin.SysButtons[4];
  EXPECT_EQ(icon.Align, 2);  // left of the caption text
  EXPECT_EQ(icon.Action, 3);
  EXPECT_EQ(icon.Xcoord, -20);  // on the plate's left cap
  EXPECT_EQ(icon.Visibility, 200);
  EXPECT_TRUE(icon.Image.Empty());  // drawn from the window's icon
  vs::TDataSkinSysButton& own = *skin.SysButtons[5];
  EXPECT_EQ(own.Align, 3);  // right of the caption text
  EXPECT_EQ(own.Xcoord, -23);  // on the plate's right cap
  EXPECT_EQ(own.Visibility, 8);  // windows that can be minimised
  EXPECT_EQ(own.Visibility1, 3);  // while active
  EXPECT_EQ(own.Action, 5);  // no fixed meaning: a click posts WM_SKINBUTTON 5
  EXPECT_EQ(own.FrameCount, 3);  // 54 x 18: not wider than 3.8 : 1
  EXPECT_EQ(own.Image.Width(), 54);
  for (int i = 0; i < 4; ++i) {
    vs::TDataSkinSysButton& b = *skin.SysButtons[i];
    EXPECT_EQ(b.Align, 1) << b.Name;
    EXPECT_EQ(b.FrameCount, 6) << b.Name;
    EXPECT_EQ(b.Image.Width(), 6 * 22) << b.Name;
  }
  // The MDI child buttons are cut out of MdiControls: 4 frames of 16 each.
  for (int i = 6; i < 9; ++i) EXPECT_EQ(skin.SysButtons[i]->Image.Width(), 64) << i;
}

TEST_F(HeronSkin, DisabledTextEqualsMenuText) {
  EXPECT_EQ(skin.ButtonShadow, RGB(84, 98, 120));
  EXPECT_EQ(skin.MenuText, skin.ButtonShadow);
  EXPECT_EQ(skin.ButtonFace, RGB(222, 227, 234));
  EXPECT_EQ(skin.Hilight, RGB(84, 112, 148));
  EXPECT_EQ(skin.ColourTable.size(), 3u);
}

TEST_F(HeronSkin, LeavesOutMenuItemsStatusEdgesAndHeadersAndHasEverythingElse) {
  EXPECT_EQ(skin.MenuItem, nullptr);
  EXPECT_EQ(skin.StatusBarEdges, nullptr);
  EXPECT_EQ(skin.Headerbar, nullptr);
  const std::pair<const char*, vs::TDataSkinObject*> present[] = {
      {"MenuBar", skin.MenuBar.get()},
      {"Progress", skin.Progress.get()},
      {"GroupBoxEdge", skin.GroupBoxEdge.get()},
      {"Toolbars", skin.Toolbars.get()},  // [ToolBars]: sections are read in any case
      {"Tabs", skin.Tabs.get()},
      {"ComboButton", skin.ComboButton.get()},
      {"SunkEdge", skin.SunkEdge.get()},
      {"ExtraImages", skin.ExtraImages.get()},
      {"MenuBackground", skin.MenuBackground.get()},
      {"Scrollbar", skin.Scrollbar.get()},
      {"HorzScroll", skin.HorzScroll.get()},
      {"VertScroll", skin.VertScroll.get()},
      {"HorzScrollThumb", skin.HorzScrollThumb.get()},
      {"VertScrollThumb", skin.VertScrollThumb.get()},
  };
  for (const auto& [name, object] : present) {
    ASSERT_NE(object, nullptr) << name;
    EXPECT_FALSE(object->Image.Empty()) << name;
    EXPECT_EQ(object->Name, name);
  }
  EXPECT_FALSE(skin.Tabs->BorderImage.Empty());
  EXPECT_EQ(skin.Scrollbar->FrameCount, 23);
  EXPECT_EQ(skin.HorzScrollThumb->FrameCount, 3);
  EXPECT_EQ(skin.MenuBar->Tile, 0);  // stretched
  EXPECT_EQ(skin.MenuBackground->Tile, 1);
  EXPECT_FALSE(skin.Buttons.Image.Empty());
  EXPECT_FALSE(skin.Buttons.CheckImage.Empty());
  EXPECT_FALSE(skin.Buttons.RadioImage.Empty());
  EXPECT_EQ(skin.Buttons.CheckButtonFrame, 4);
  EXPECT_EQ(skin.Buttons.RadioButtonFrame, 4);
  EXPECT_EQ(skin.Buttons.Trans, 1);
}
