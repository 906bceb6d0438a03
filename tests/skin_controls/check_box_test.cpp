// TSkinCheckBox: the check box sees every message; after its own painting
// the skin's glyph of its state sits where the native box was.
#include "controls_fixture.h"
#include "skin/controls/TSkinCheckBox.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

const std::vector<UINT> kWatched = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_ERASEBKGND, BM_SETCHECK};

TEST(SkinCheckBox, TheCheckBoxSeesEverything) {
  for (const bool skin : {false, true}) {
    SkinnedForm f;
    auto* box = f.Add<vcl::TCheckBox>(10, 10, 150, 17);
    int clicks = 0;
    box->OnClick = [&](vcl::TObject*) { ++clicks; };
    OwnProcLog log(box, kWatched);
    if (skin) f.Attach<TSkinCheckBox>(box, true);
    Mouse(box->Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    Mouse(box->Handle(), WM_LBUTTONUP, 5, 5);
    SendMessageA(box->Handle(), WM_ERASEBKGND, 0, 0);
    // The widget layer checks the box itself on the click.  Painting aside
    // (the double-buffered paint erases into its buffer), the sequences are
    // the same with and without the skinner.
    const std::vector<UINT> expected = {WM_LBUTTONDOWN, WM_LBUTTONUP, BM_SETCHECK, WM_ERASEBKGND};
    std::vector<UINT> seen;
    for (std::size_t i = 0; i < log.seen.size(); ++i) {
      const UINT m = log.seen[i];
      if (m == WM_PAINT || (m == WM_ERASEBKGND && log.wParams[i] != 0)) continue;
      seen.push_back(m);
    }
    EXPECT_EQ(seen, expected) << (skin ? "skinned: " : "unskinned: ") << Names(log.seen);
    EXPECT_EQ(clicks, 1) << skin;
    EXPECT_TRUE(box->Checked()) << skin;
  }
}

TEST(SkinCheckBox, DrawsTheFrameOfItsState) {
  struct Case {
    const char* name;
    vcl::TCheckBoxState state;
    bool enabled;
    int frame;
  };
  const Case cases[] = {
      {"clear", vcl::cbUnchecked, true, 1},          {"checked", vcl::cbChecked, true, 2},
      {"third state", vcl::cbGrayed, true, 4},       {"disabled", vcl::cbUnchecked, false, 3},
      {"disabled and checked", vcl::cbChecked, false, 3},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* box = f.Add<vcl::TCheckBox>(10, 10, 150, 20);
    box->SetState(c.state);
    box->SetEnabled(c.enabled);
    auto* skinner = f.Attach<TSkinCheckBox>(box, true);
    const Pixels p = DrawOffscreen(*skinner);
    // A 14-pixel glyph: 0 in from the left, centred in the 20 rows.
    EXPECT_EQ(GlyphMismatches(p, 0, 3, Skin().Buttons.CheckImage, Skin().Buttons.CheckButtonFrame, c.frame), 0)
        << c.name;
  }
}

TEST(SkinCheckBox, GlyphSitsInTheBoxBandOnTheBoxSide) {
  struct Case {
    const char* name;
    int glyphWidth;
    bool leftText;
    int left;  // where the glyph starts in a 150-pixel control
  };
  const Case cases[] = {
      {"13 pixels", 13, false, 0},
      {"10 pixels", 10, false, 2},
      {"16 pixels", 16, false, 0},
      {"13 pixels, text on the left", 13, true, 150 - 13},
      {"10 pixels, text on the left", 10, true, 150 - 2 - 10},
      {"16 pixels, text on the left", 16, true, 150 - 1 - 16},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* box = f.Add<vcl::TCheckBox>(10, 10, 150, 20);
    if (c.leftText)
      SetWindowLongPtrA(box->Handle(), GWL_STYLE, GetWindowLongPtrA(box->Handle(), GWL_STYLE) | BS_LEFTTEXT);
    ImageSwap swap(Skin().Buttons.CheckImage, Skin().Buttons.CheckButtonFrame,
                   MakeStrip(c.glyphWidth, 12, {0x102030, 0x203040, 0x304050, 0x405060}), 4);
    auto* skinner = f.Attach<TSkinCheckBox>(box, true);
    const Pixels p = DrawOffscreen(*skinner);
    const RECT expected{c.left, 4, c.left + c.glyphWidth, 16};
    EXPECT_EQ(CountColour(p, 0x102030, &expected), c.glyphWidth * 12) << c.name;
    EXPECT_EQ(CountColour(p, 0x102030), c.glyphWidth * 12) << c.name;
  }
}

TEST(SkinCheckBox, BrokenGlyphImagesLeaveTheNativeBox) {
  SkinnedForm f;
  auto* box = f.Add<vcl::TCheckBox>(10, 10, 150, 20);
  // Four frames in three pixels: no frame at all.
  ImageSwap swap(Skin().Buttons.CheckImage, Skin().Buttons.CheckButtonFrame, MakeStrip(3, 12, {0x102030}), 4);
  auto* skinner = f.Attach<TSkinCheckBox>(box, true);
  const Pixels p = DrawOffscreen(*skinner, 0x123456);
  EXPECT_EQ(CountColour(p, 0x123456), p.width * p.height);
}

// Checking from code, or by the mouse, shows the new glyph at once.
TEST(SkinCheckBox, RepaintsTheGlyphAtOnceWhenTheStateChanges) {
  SkinnedForm f;
  auto* box = f.Add<vcl::TCheckBox>(10, 10, 150, 20);
  f.Attach<TSkinCheckBox>(box, true);
  vex::test::PumpUntil([] { return false; }, std::chrono::milliseconds(100));
  // Read through the window's own DC: under Wine the screen shows what was
  // painted only once the window's surface is flushed by the message loop.
  auto glyphOnScreen = [&] { return ReadWindowDc(box->Handle(), RECT{0, 3, 14, 17}); };
  const int frames = Skin().Buttons.CheckButtonFrame;
  auto shows = [&](int frame) {
    return GlyphMismatches(glyphOnScreen(), 0, 0, Skin().Buttons.CheckImage, frames, frame) == 0;
  };
  EXPECT_TRUE(shows(1));
  box->SetChecked(true);  // BM_SETCHECK, no message loop in between
  EXPECT_TRUE(shows(2));
  Mouse(box->Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  Mouse(box->Handle(), WM_LBUTTONUP, 5, 5);
  EXPECT_TRUE(shows(1));
  vex::test::SaveWindowPng(f.form->Handle(), "skin-check-box");
}

}  // namespace
}  // namespace vex::skin::test
