// TSkinComBox: the combo box sees every message; after its painting the
// drop-down button, its arrow and the sunken edge come from the skin.
#include <set>

#include "controls_fixture.h"
#include "skin/controls/TSkinComBox.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using controls::kHot;
using controls::kPressed;

std::set<std::uint32_t> FrameColours(TDataSkinObject& object, int frame) {
  std::set<std::uint32_t> colours;
  const int w = object.Image.Width() / object.FrameCount;
  for (int y = 0; y < object.Image.Height(); ++y)
    for (int x = 0; x < w; ++x) colours.insert(ImagePixel(object.Image, object.FrameCount, frame, x, y));
  colours.erase(0xFF00FF);
  return colours;
}

// Which ComboButton frame a pixel of the button belongs to (0: none or more
// than one).
int FrameOfPixel(std::uint32_t pixel) {
  int found = 0;
  for (int k = 1; k <= 4; ++k) {
    if (FrameColours(*Skin().ComboButton, k).count(pixel)) {
      if (found) return 0;
      found = k;
    }
  }
  return found;
}

TEST(SkinComBox, TheComboBoxSeesEverything) {
  SkinnedForm f;
  auto* combo = f.Add<vcl::TComboBox>(10, 10, 150, 21);
  combo->SetStyle(vcl::csDropDownList);
  combo->SetItems({"one", "two"});
  OwnProcLog log(combo, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_KEYDOWN});
  f.Attach<TSkinComBox>(combo);
  SendMessageA(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(log.seen.front(), static_cast<UINT>(WM_KEYDOWN));
}

TEST(SkinComBox, ButtonFrameByState) {
  struct Case {
    const char* name;
    bool focused, press, hot, enabled;
    int frame;
  };
  const Case cases[] = {
      {"normal", false, false, false, true, 1}, {"focused", true, false, false, true, 4},
      {"hot", false, false, true, true, 4},     {"held down", true, true, false, true, 2},
      {"disabled", false, false, false, false, 3},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* combo = f.Add<vcl::TComboBox>(10, 10, 150, 21);
    auto* skinner = f.Attach<TSkinComBox>(combo);
    if (c.focused) combo->SetFocus();
    if (!c.enabled) combo->SetEnabled(false);
    if (c.hot) combo->Perform(vcl::CM_MOUSEENTER);
    if (c.press) skinner->State |= kPressed;
    const Pixels p = DrawOffscreen(*skinner);
    const int a = GetSystemMetrics(SM_CXHSCROLL) + 2;
    // Inside the button, clear of its arrow and outline.
    EXPECT_EQ(FrameOfPixel(p.At(p.width - a + 3, 4)), c.frame) << c.name;
    if (c.hot) combo->Perform(vcl::CM_MOUSELEAVE);
    EXPECT_FALSE(skinner->State & kHot) << c.name;
  }
}

// The edge bands are copied from frame 1 of SunkEdge: 2 pixels where its
// margin is more than 1, else 1.
TEST(SkinComBox, SunkenEdgeBandsComeFromTheFirstFrame) {
  TDataSkinObject& edge = *Skin().SunkEdge;
  for (const int margin : {2, 1}) {
    const int saved[] = {edge.LeftWidth, edge.TopHeight, edge.RightWidth, edge.BottomHeight};
    edge.LeftWidth = edge.TopHeight = edge.RightWidth = edge.BottomHeight = margin;
    SkinnedForm f;
    auto* combo = f.Add<vcl::TComboBox>(10, 10, 150, 21);
    auto* skinner = f.Attach<TSkinComBox>(combo);
    const Pixels p = DrawOffscreen(*skinner, 0x123456);
    const int fh = edge.Image.Height();
    const int mid = p.height / 2;
    // Left band: source columns 0 .. L, stretched into the band's width.
    EXPECT_EQ(p.At(0, mid), ImagePixel(edge.Image, edge.FrameCount, 1, 0, fh / 2)) << margin;
    // Top band at a column in the middle of the field.
    EXPECT_EQ(p.At(50, 0), ImagePixel(edge.Image, edge.FrameCount, 1, margin, 0)) << margin;
    // Bottom band's last row.
    EXPECT_EQ(p.At(50, p.height - 1), ImagePixel(edge.Image, edge.FrameCount, 1, margin, fh - 1)) << margin;
    // Past the band: the frame of the DC's brush (ring 1), then the field.
    EXPECT_EQ(p.At(50, 2), 0x123456u) << margin;
    if (margin == 1) {
      EXPECT_EQ(p.At(50, 1), 0xFFFFFFu) << "ring 1 shows past a 1-pixel band";
    }
    edge.LeftWidth = saved[0], edge.TopHeight = saved[1], edge.RightWidth = saved[2], edge.BottomHeight = saved[3];
  }
}

TEST(SkinComBox, PressedWhileTheButtonIsHeld) {
  SkinnedForm f;
  auto* combo = f.Add<vcl::TComboBox>(10, 10, 150, 21);
  combo->SetItems({"one", "two"});
  auto* skinner = f.Attach<TSkinComBox>(combo);
  Mouse(combo->Handle(), WM_LBUTTONDOWN, 140, 8, MK_LBUTTON);
  EXPECT_TRUE(skinner->State & kPressed);
  Mouse(combo->Handle(), WM_LBUTTONUP, 140, 8);
  EXPECT_FALSE(skinner->State & kPressed);
  SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  vex::test::PumpPending();
}

}  // namespace
}  // namespace vex::skin::test
