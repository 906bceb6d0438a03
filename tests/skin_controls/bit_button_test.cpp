// TSkinBitButton: the push button's message handling, its frames with the
// focus of the control object, glyph 1 of the strip in every state, and the
// glyph placed by Layout, Margin and Spacing.
#include "controls_fixture.h"
#include "skin/controls/TSkinBitButton.h"
#include "skin/data/GdiScope.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using controls::kHot;
using controls::kPressed;

constexpr std::uint32_t kRed = 0xE00000, kGreen = 0x00C000, kBlue = 0x0000E0;

// Three 12 x 12 glyphs, red, green and blue, each with a white bottom-left
// pixel (the see-through colour of a glyph strip).
void GiveGlyphs(vcl::TBitBtn* button) {
  HBITMAP strip = MakeStrip(12, 12, {kRed, kGreen, kBlue});
  {
    MemoryDc dc(strip);
    for (int k = 0; k < 3; ++k) SetPixel(dc.Get(), 12 * k, 11, RGB(255, 255, 255));
  }
  button->Glyph().SetHandle(strip);
  button->SetNumGlyphs(3);
}

TEST(SkinBitButton, KeepsThePressFromTheButtonAndPostsTheClick) {
  SkinnedForm f;
  auto* button = f.Add<vcl::TBitBtn>(10, 10, 90, 25);
  int clicks = 0;
  button->OnClick = [&](vcl::TObject*) { ++clicks; };
  OwnProcLog log(button, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT});
  f.Attach<TSkinBitButton>(button);
  Mouse(button->Handle(), WM_LBUTTONDOWN, 5, 5);
  Mouse(button->Handle(), WM_LBUTTONUP, 5, 5);
  vex::test::PumpPending();
  EXPECT_EQ(log.seen, std::vector<UINT>{WM_LBUTTONUP}) << Names(log.seen);
  EXPECT_EQ(clicks, 1);
}

TEST(SkinBitButton, FramesFollowTheControlsFocusAndState) {
  struct Case {
    const char* name;
    unsigned state;
    bool focused, enabled;
    int frame;
  };
  const Case cases[] = {
      {"normal", 0, false, true, 1},     {"focused", 0, true, true, 4},
      {"focused and pressed", kPressed, true, true, 2}, {"hot", kHot, false, true, 4},
      {"disabled and focused", 0, true, false, 3},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* button = f.Add<vcl::TBitBtn>(10, 10, 90, 25);
    auto* skinner = f.Attach<TSkinBitButton>(button);
    if (c.focused) button->SetFocus();
    if (!c.enabled) button->SetEnabled(false);
    skinner->State = c.state;
    const Pixels p = DrawOffscreen(*skinner);
    EXPECT_EQ(p.At(5, 5), ImagePixel(Skin().Buttons.Image, 5, c.frame, 5, 5)) << c.name;
  }
}

TEST(SkinBitButton, ShowsTheFirstGlyphWhereTheLayoutPutsIt) {
  struct Case {
    const char* name;
    vcl::TButtonLayout layout;
    int margin;
    unsigned state;
    bool enabled;
    RECT glyph;  // where the red glyph shows (client coordinates)
  };
  // Client 90 x 30, no caption: glyph 12 x 12.
  const Case cases[] = {
      {"left, margin 4", vcl::blGlyphLeft, 4, 0, true, {4, 9, 16, 21}},
      {"left, margin 4, pressed", vcl::blGlyphLeft, 4, kPressed, true, {4, 9, 16, 21}},
      {"left, margin 4, disabled", vcl::blGlyphLeft, 4, 0, false, {4, 9, 16, 21}},
      {"right, margin 6", vcl::blGlyphRight, 6, 0, true, {72, 9, 84, 21}},
      {"top, margin 2", vcl::blGlyphTop, 2, 0, true, {39, 2, 51, 14}},
      {"bottom, automatic margin", vcl::blGlyphBottom, -1, 0, true, {39, 9, 51, 21}},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* button = f.Add<vcl::TBitBtn>(10, 10, 90, 30);
    GiveGlyphs(button);
    button->SetLayout(c.layout);
    button->SetMargin(c.margin);
    button->SetEnabled(c.enabled);
    auto* skinner = f.Attach<TSkinBitButton>(button);
    skinner->State = c.state;
    const Pixels p = DrawOffscreen(*skinner);
    EXPECT_EQ(CountColour(p, kRed, &c.glyph), 12 * 12 - 1) << c.name;
    EXPECT_EQ(CountColour(p, kRed), 12 * 12 - 1) << c.name << ": nowhere else";
    EXPECT_EQ(CountColour(p, kGreen) + CountColour(p, kBlue), 0) << c.name << ": never another glyph";
  }
}

}  // namespace
}  // namespace vex::skin::test
