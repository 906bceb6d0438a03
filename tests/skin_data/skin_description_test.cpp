// The description model: keys, defaults and the rules that derive frame
// counts, on a description shaped like the embedded one.
#include <gtest/gtest.h>

#include <map>

#include "skin/data/SkinDescription.h"

namespace vex::skin {
namespace {

constexpr const char* kSedgeLike = R"([Personality]
Top=sedge_body_top.bmp
Left=sedge_body_left.bmp
Right=sedge_body_right.bmp
Bottom=sedge_body_bottom.bmp
TopFrame=2
LeftFrame=2
RightFrame=2
BottomFrame=2
TopTopHeight=5
TopBotHeight=145
LeftTopHeight=38
LeftBotHeight=10
TopStretch=0
LeftStretch=0
TopTrans=0
TextShift=14
TextShiftVert=-7
TextRightClip=145
ActiveTextR=88
ActiveTextG=102
ActiveTextB=68
InactiveTextR=109
InactiveTextG=126
InactiveTextB=83
MenuBar=sedge_menubar.bmp
TileMenu=1
TileLeftMenu=6
TileRightMenu=6
[Button0]
XCoord=30
YCoord=3
Align=1
Action=0
ButtonImage=sedge_icon_close.bmp
[Button1]
XCoord=63
YCoord=3
Align=1
Action=1
Visibility=1
Visibility1=6
ButtonImage=sedge_icon_max2.bmp
[Button.Radio]
ButtonImage=sedge_radio.bmp
[Button2]
Action=2
ButtonImage=wide_and_flat.bmp
[Button3]
Action=-1
ButtonImage=wide_and_flat.bmp
[Button4]
XCoord=5
YCoord=5
Action=3
Visibility=3
[Buttons]
Bitmap=sedge_buttons.bmp
CheckButton=sedge_checkbox.bmp
RadioButton=sedge_radio.bmp
Trans=1
TopHeight=10
LeftWidth=11
RightWidth=11
BottomHeight=11
NormalColour=0
PressedColour=1
MouseOverColour=1
NormalColour2=40 40 40
PressedColour2=255 255 255
[ToolBars]
Image=sedge_tools.bmp
[MdiControls]
Image=sedge_mdicontrols.bmp
[HorzScrollThumb]
Image=sedge_scroll_h.bmp
LeftWidth=7
[VertScrollThumb]
Image=sedge_scroll_v.bmp
FrameCount=4
[Tabs]
Image=sedge_tabs.bmp
Border=sedge_tabborder.bmp
[Scrollbar]
Image=sedge_arrows.bmp
[Progress]
Bitmap=sedge_progress.bmp
Tile=1
NormalColour=5
[MenuItem]
Image=
[Colours]
ButtonFace=189 195 158
ButtonText=40 40 40
WindowText=40  40 40
[Colour0]
color=40 40 40
[Colours]
ButtonFace=1 2 3
[Colour1]
color=255 255 255
[ColourX]
color=
[colour3]
color=88 102 68
[Fonts]
FontHeight=13
)";

SkinDescription ReadSedgeLike() {
  const std::map<std::string, ImageSize> sizes = {
      {"sedge_icon_close.bmp", {144, 24}}, {"sedge_icon_max2.bmp", {144, 24}},  {"wide_and_flat.bmp", {60, 20}},
      {"sedge_checkbox.bmp", {56, 14}},    {"sedge_radio.bmp", {56, 14}},       {"sedge_mdicontrols.bmp", {96, 16}},
  };
  const TProfileText ini(kSedgeLike);
  return ReadSkinDescription(ini, [&](const std::string& v) -> std::optional<ImageSize> {
    const auto it = sizes.find(v);
    if (it == sizes.end()) return std::nullopt;
    return it->second;
  });
}

TEST(SkinDescription, BordersTakeTheirSideKeys) {
  const SkinDescription d = ReadSedgeLike();
  EXPECT_EQ(d.Top.Image, "sedge_body_top.bmp");
  EXPECT_EQ(d.Top.LeftWidth, 5);
  EXPECT_EQ(d.Top.RightWidth, 145);
  EXPECT_EQ(d.Top.TopHeight, 0);
  EXPECT_EQ(d.Top.Tile, 0);
  EXPECT_EQ(d.Top.Trans, 0);
  EXPECT_EQ(d.Top.FrameCount, 2);
  EXPECT_EQ(d.Top.Layout, FrameLayout::kStacked);
  EXPECT_EQ(d.Left.TopHeight, 38);
  EXPECT_EQ(d.Left.BottomHeight, 10);
  EXPECT_EQ(d.Left.LeftWidth, 0);
  EXPECT_EQ(d.Left.Layout, FrameLayout::kSideBySide);
  // Missing keys: Stretch and Trans default to 1.
  EXPECT_EQ(d.Right.Tile, 1);
  EXPECT_EQ(d.Right.Trans, 1);
  EXPECT_EQ(d.Bottom.FrameCount, 2);
}

TEST(SkinDescription, CaptionButtonsThenThreeMdiButtons) {
  const SkinDescription d = ReadSedgeLike();
  ASSERT_EQ(d.SysButtons.size(), 8u);  // Button.Radio is not a caption button
  EXPECT_EQ(d.SysButtons[0].Name, "BUTTON0");
  EXPECT_EQ(d.SysButtons[0].FrameCount, 6);  // 144 / 24 = 6 > 3.8
  const SysButtonDesc& b1 = d.SysButtons[1];
  EXPECT_EQ(b1.Xcoord, 63);
  EXPECT_EQ(b1.Ycoord, 3);
  EXPECT_EQ(b1.Align, 1);
  EXPECT_EQ(b1.Action, 1);
  EXPECT_EQ(b1.Visibility, 1);
  EXPECT_EQ(b1.Visibility1, 6);
  EXPECT_EQ(b1.CombineOp, -1);
  EXPECT_EQ(b1.Image, "sedge_icon_max2.bmp");
  EXPECT_EQ(d.SysButtons[2].FrameCount, 3);  // 60 / 20 = 3 <= 3.8
  EXPECT_EQ(d.SysButtons[3].FrameCount, 6);  // negative Action
  const SysButtonDesc& b4 = d.SysButtons[4];
  EXPECT_EQ(b4.Name, "BUTTON4");
  EXPECT_EQ(b4.Action, 3);
  EXPECT_EQ(b4.FrameCount, 6);
  EXPECT_TRUE(b4.Image.empty());
  for (int i = 0; i < 3; ++i) {
    const SysButtonDesc& m = d.SysButtons[5 + i];
    EXPECT_EQ(m.Action, 7 + i);
    EXPECT_EQ(m.Align, 100);
    EXPECT_EQ(m.Visibility, 100);
    EXPECT_EQ(m.FrameCount, 4);
    EXPECT_EQ(m.MdiIndex, i);
    EXPECT_EQ(m.MdiWidth, 32);  // 96 / 12 * 4
    EXPECT_EQ(m.MdiColumn, 32 * i);
    EXPECT_EQ(m.Xcoord, 12 * (3 - i));
  }
  EXPECT_EQ(d.MdiImage, "sedge_mdicontrols.bmp");
}

TEST(SkinDescription, ButtonsAndTheirSmallImages) {
  const SkinDescription d = ReadSedgeLike();
  const ButtonDesc& b = d.Buttons;
  EXPECT_EQ(b.LeftWidth, 11);
  EXPECT_EQ(b.TopHeight, 10);
  EXPECT_EQ(b.BottomHeight, 11);
  EXPECT_EQ(b.Trans, 1);
  EXPECT_EQ(b.NormalColour, 0);
  EXPECT_EQ(b.PressedColour, 1);
  EXPECT_EQ(b.FrameCount, 5);
  EXPECT_EQ(b.CheckButtonFrame, 4);  // 56 / 13
  EXPECT_EQ(b.RadioButtonFrame, 4);
  EXPECT_EQ(b.NormalColour2, PlainColour(40, 40, 40));
  EXPECT_EQ(b.PressedColour2, PlainColour(255, 255, 255));
  EXPECT_EQ(b.MouseOverColour2, d.Colours.ButtonText);  // missing: the ButtonText colour
}

TEST(SkinDescription, TitleFromPersonalityAndFonts) {
  const SkinDescription d = ReadSedgeLike();
  EXPECT_EQ(d.Title.LeftWidth, 14);
  EXPECT_EQ(d.Title.TopHeight, -7);
  EXPECT_EQ(d.Title.RightWidth, 145);
  EXPECT_EQ(d.Title.BottomHeight, 0);
  EXPECT_EQ(d.Title.FontHeight, 13);
  EXPECT_EQ(d.Title.ActiveText, PlainColour(88, 102, 68));
  EXPECT_EQ(d.Title.InActiveText, PlainColour(109, 126, 83));
  EXPECT_EQ(d.Title.FrameCount, 2);
  EXPECT_TRUE(d.SkinName.empty());
}

TEST(SkinDescription, OptionalObjectsPresentOnlyWithAnImage) {
  const SkinDescription d = ReadSedgeLike();
  ASSERT_TRUE(d.Toolbars);  // section spelled ToolBars
  EXPECT_EQ(d.Toolbars->Name, "Toolbars");
  EXPECT_EQ(d.Toolbars->FrameCount, 5);
  EXPECT_FALSE(d.MenuItem);  // Image present but empty
  EXPECT_FALSE(d.Headerbar);
  ASSERT_TRUE(d.Tabs);
  EXPECT_EQ(d.Tabs->BorderImage, "sedge_tabborder.bmp");
  ASSERT_TRUE(d.Scrollbar);
  EXPECT_EQ(d.Scrollbar->FrameCount, 23);
  EXPECT_EQ(d.HorzScrollThumb->FrameCount, 3);
  EXPECT_EQ(d.HorzScrollThumb->LeftWidth, 7);
  EXPECT_EQ(d.VertScrollThumb->FrameCount, 4);
  ASSERT_TRUE(d.Progress);
  EXPECT_EQ(d.Progress->Tile, 1);
  EXPECT_EQ(d.Progress->NormalColour, -1);  // Progress reads no colour keys
  EXPECT_EQ(d.Progress->FrameCount, 2);
  ASSERT_TRUE(d.MenuBar);
  EXPECT_EQ(d.MenuBar->Tile, 1);
  EXPECT_EQ(d.MenuBar->LeftWidth, 6);
  EXPECT_EQ(d.MenuBar->RightWidth, 6);
  EXPECT_EQ(d.MenuBar->Layout, FrameLayout::kStacked);
}

TEST(SkinDescription, ColoursAndTheColourTable) {
  const SkinDescription d = ReadSedgeLike();
  const SkinColours& c = d.Colours;
  EXPECT_EQ(c.ButtonFace, PlainColour(189, 195, 158));  // the first [Colours] counts
  EXPECT_EQ(c.Menubar, c.ButtonFace);
  EXPECT_EQ(c.MenuText, PlainColour(189, 195, 158));  // no MenuText: ButtonFace's text
  EXPECT_EQ(c.WindowText, PlainColour(40, 0, 40));
  EXPECT_EQ(c.Buttonlight, SystemColour(20));
  EXPECT_EQ(c.ButtonDkShadow, SystemColour(16));
  EXPECT_EQ(c.MenuBarText, SystemColour(4));
  EXPECT_EQ(c.TitleTextActive, SystemColour(9));
  EXPECT_EQ(c.TitleTextInactive, SystemColour(19));
  EXPECT_EQ(d.ColourTable, (std::vector<std::uint32_t>{PlainColour(40, 40, 40), PlainColour(255, 255, 255),
                                                       SystemColour(8), PlainColour(88, 102, 68)}));
}

TEST(SkinDescription, CaptionButtonsBeyondTheLimitAreIgnored) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "[Button" + std::to_string(i) + "]\nAction=" + std::to_string(i % 12) + "\n";
  const SkinDescription d = ReadSkinDescription(TProfileText(text), nullptr);
  ASSERT_EQ(d.SysButtons.size(), kMaxCaptionButtons + 3);
  EXPECT_EQ(d.SysButtons[kMaxCaptionButtons - 1].Name, "BUTTON31");
  EXPECT_EQ(d.SysButtons[kMaxCaptionButtons].Name, "MDICONTROLS");
}

TEST(SkinDescription, EmptyDescriptionGivesDefaults) {
  const SkinDescription d = ReadSkinDescription(TProfileText(""), nullptr);
  EXPECT_EQ(d.Colours.MenuText, SystemColour(7));
  EXPECT_EQ(d.Colours.Menubar, SystemColour(15));
  EXPECT_EQ(d.Title.FontHeight, 14);
  EXPECT_EQ(d.Title.ActiveText, kNoColour);
  EXPECT_EQ(d.Buttons.CheckButtonFrame, 4);
  EXPECT_EQ(d.Left.FrameCount, 1);
  ASSERT_EQ(d.SysButtons.size(), 3u);
  EXPECT_EQ(d.SysButtons[0].Xcoord, 0);
  EXPECT_TRUE(d.ColourTable.empty());
  EXPECT_FALSE(d.MenuBar);
  EXPECT_FALSE(d.Progress);
}

}  // namespace
}  // namespace vex::skin
