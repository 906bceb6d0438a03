// TSkinSpeedButton: the speed button keeps its own press and click, and
// shows the skin's frame and the glyph of its state.
#include "controls_fixture.h"
#include "skin/controls/TSkinSpeedButton.h"
#include "skin/data/GdiScope.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using controls::kHot;
using controls::kPressed;

constexpr std::uint32_t kUp = 0xE00000, kDisabled = 0x00C000, kDown = 0x0000E0;

Pixels Paint(TSkinSpeedButton& skinner, vcl::TSpeedButton& button) {
  Canvas canvas(button.Width(), button.Height(), 0);
  skinner.PaintSpeedButton(canvas.Dc(), RECT{0, 0, button.Width(), button.Height()});
  return canvas.Read();
}

TEST(SkinSpeedButton, TheButtonKeepsItsOwnPressAndClick) {
  SkinnedForm f;
  auto* button = f.Add<vcl::TSpeedButton>(10, 10, 40, 24);
  int clicks = 0;
  button->OnClick = [&](vcl::TObject*) { ++clicks; };
  OwnProcLog own(button, {WM_LBUTTONDOWN, WM_LBUTTONUP});
  OwnProcLog parent(f.form->Handle(), {WM_COMMAND});
  auto* skinner = new TSkinSpeedButton(f.frame);
  skinner->AttachSpeedButton(button, &Skin(), &f.frame->Canvas());
  // The parent forwards the mouse in the button's coordinates.
  Mouse(f.form->Handle(), WM_LBUTTONDOWN, 20, 20, MK_LBUTTON);
  EXPECT_TRUE(skinner->State & kPressed);
  Mouse(f.form->Handle(), WM_LBUTTONUP, 20, 20);
  vex::test::PumpPending();
  EXPECT_EQ(own.seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP})) << Names(own.seen);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(parent.seen.empty()) << "no WM_COMMAND for a speed button";
  EXPECT_FALSE(skinner->State & kPressed);
}

TEST(SkinSpeedButton, FrameAndGlyphOfEachState) {
  struct Case {
    const char* name;
    unsigned state;
    bool enabled, down;
    int glyphs;
    int frame;
    std::uint32_t glyph;
  };
  const Case cases[] = {
      {"up", 0, true, false, 3, 1, kUp},
      {"hot", kHot, true, false, 3, 4, kUp},
      {"pressed", kPressed, true, false, 3, 2, kDown},
      {"disabled", 0, false, false, 3, 3, kDisabled},
      {"down wins over disabled", 0, false, true, 3, 2, kDown},
      {"down with two glyphs shows the first", 0, true, true, 2, 2, kUp},
      {"disabled with one glyph", 0, false, false, 1, 3, kUp},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* button = f.Add<vcl::TSpeedButton>(10, 10, 40, 24);
    const std::vector<std::uint32_t> colours = {kUp, kDisabled, kDown};
    HBITMAP strip = MakeStrip(10, 10, std::vector<std::uint32_t>(colours.begin(), colours.begin() + c.glyphs));
    {
      MemoryDc dc(strip);
      for (int k = 0; k < c.glyphs; ++k) SetPixel(dc.Get(), 10 * k, 9, RGB(255, 255, 255));
    }
    button->Glyph().SetHandle(strip);
    button->SetNumGlyphs(c.glyphs);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    button->SetDown(c.down);
    button->SetEnabled(c.enabled);
    auto* skinner = new TSkinSpeedButton(f.frame);
    skinner->AttachSpeedButton(button, &Skin(), &f.frame->Canvas());
    skinner->State = c.state;
    const Pixels p = Paint(*skinner, *button);
    EXPECT_EQ(p.At(3, 3), ImagePixel(Skin().Buttons.Image, 5, c.frame, 3, 3)) << c.name;
    EXPECT_EQ(CountColour(p, c.glyph), 99) << c.name;
  }
}

TEST(SkinSpeedButton, WithoutGlyphTheCaptionKeepsTheButtonsOwnColour) {
  SkinnedForm f;
  auto* button = f.Add<vcl::TSpeedButton>(10, 10, 40, 24);
  button->SetCaption("WW");
  button->SetParentFont(false);
  button->Font().SetColor(vcl::clRed);
  auto* skinner = new TSkinSpeedButton(f.frame);
  skinner->AttachSpeedButton(button, &Skin(), &f.frame->Canvas());
  for (unsigned state : {0u, kHot, kPressed}) {
    skinner->State = state;
    const Pixels p = Paint(*skinner, *button);
    EXPECT_GT(CountColour(p, 0xFF0000), 8) << state;
  }
}

}  // namespace
}  // namespace vex::skin::test
