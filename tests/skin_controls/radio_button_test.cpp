// TSkinRadioButton: the radio button sees every message; the skin's glyph of
// its state covers the native circle.
#include "controls_fixture.h"
#include "skin/controls/TSkinRadioButton.h"

namespace vex::skin::test {
namespace {

TEST(SkinRadioButton, TheButtonSeesEverythingAndGroupsAsBefore) {
  for (const bool skin : {false, true}) {
    SkinnedForm f;
    auto* a = f.Add<vcl::TRadioButton>(10, 10, 150, 17);
    auto* b = f.Add<vcl::TRadioButton>(10, 30, 150, 17);
    a->SetChecked(true);
    OwnProcLog log(b, {WM_LBUTTONDOWN, WM_LBUTTONUP, BM_SETCHECK});
    if (skin) {
      f.Attach<TSkinRadioButton>(a, true);
      f.Attach<TSkinRadioButton>(b, true);
    }
    Mouse(b->Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(b->Handle(), WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(log.seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, BM_SETCHECK})) << skin << Names(log.seen);
    EXPECT_TRUE(b->Checked()) << skin;
    EXPECT_FALSE(a->Checked()) << skin;
  }
}

TEST(SkinRadioButton, DrawsTheFrameOfItsState) {
  struct Case {
    bool checked, enabled;
    int frame;
  };
  const Case cases[] = {{false, true, 1}, {true, true, 2}, {false, false, 3}, {true, false, 4}};
  vcl::TBitmap& image = Skin().Buttons.RadioImage;
  const int frames = Skin().Buttons.RadioButtonFrame;
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* button = f.Add<vcl::TRadioButton>(10, 10, 150, 20);
    button->SetChecked(c.checked);
    button->SetEnabled(c.enabled);
    auto* skinner = f.Attach<TSkinRadioButton>(button, true);
    const Pixels p = DrawOffscreen(*skinner);
    EXPECT_EQ(GlyphMismatches(p, 0, 3, image, frames, c.frame), 0) << "frame " << c.frame;
  }
}

}  // namespace
}  // namespace vex::skin::test
