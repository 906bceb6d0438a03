// TSkinButton: what the button's own procedure still sees, the click the
// skinner makes on release, the space key, hot and pressed state, and the
// frame it draws per state.
#include "controls_fixture.h"
#include "skin/controls/SharedPictures.h"
#include "skin/controls/TSkinButton.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using controls::kHot;
using controls::kPressed;

const std::vector<UINT> kWatched = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_PAINT, WM_ERASEBKGND,
                                    WM_KEYDOWN, WM_KEYUP, WM_MOUSEMOVE};

struct Sent {
  UINT msg;
  WPARAM wParam;
};

TEST(SkinButton, OwnProcedureSeesAllButThePressAndThePainting) {
  struct Case {
    const char* name;
    std::vector<Sent> send;
    std::vector<UINT> unskinned, skinned;  // what the own procedure sees
  };
  const Case cases[] = {
      {"press", {{WM_LBUTTONDOWN, MK_LBUTTON}}, {WM_LBUTTONDOWN}, {}},
      {"double click", {{WM_LBUTTONDBLCLK, MK_LBUTTON}}, {WM_LBUTTONDBLCLK}, {}},
      {"release", {{WM_LBUTTONUP, 0}}, {WM_LBUTTONUP}, {WM_LBUTTONUP}},
      {"move", {{WM_MOUSEMOVE, 0}}, {WM_MOUSEMOVE}, {WM_MOUSEMOVE}},
      {"erase", {{WM_ERASEBKGND, 0}}, {WM_ERASEBKGND}, {}},
      {"space", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, {WM_KEYDOWN, WM_KEYUP}, {WM_KEYDOWN, WM_KEYUP}},
  };
  for (const Case& c : cases) {
    for (const bool skin : {false, true}) {
      SkinnedForm f;
      auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
      OwnProcLog log(button, kWatched);
      if (skin) f.Attach<TSkinButton>(button);
      for (const Sent& s : c.send) SendMessageA(button->Handle(), s.msg, s.wParam, MAKELPARAM(5, 5));
      const auto& expected = skin ? c.skinned : c.unskinned;
      EXPECT_EQ(log.seen, expected) << c.name << (skin ? " skinned: " : " unskinned: ") << Names(log.seen);
      if (skin) {
        EXPECT_EQ(SendMessageA(button->Handle(), WM_ERASEBKGND, 0, 0), 1) << "the skinner erases";
      }
    }
  }
}

// Clicks from the mouse: a form object's button gets WM_COMMAND naming its
// window, a dialog's button WM_COMMAND with its id, once per press and
// release on the button, never for a release alone.
TEST(SkinButton, ClicksOnlyOnAPressReleasedOverTheButton) {
  struct Case {
    const char* name;
    std::vector<UINT> mouse;  // at (5, 5) unless WM_MOUSELEAVE-like
    int clicks;
  };
  const Case cases[] = {
      {"press and release", {WM_LBUTTONDOWN, WM_LBUTTONUP}, 1},
      {"double click", {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}, 2},
      {"release after a press elsewhere (dragged onto it)", {WM_MOUSEMOVE, WM_LBUTTONUP}, 0},
      {"press, leave, release", {WM_LBUTTONDOWN, vcl::CM_MOUSELEAVE, WM_LBUTTONUP}, 0},
  };
  for (const Case& c : cases) {
    {
      SkinnedForm f;
      auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
      int clicks = 0;
      button->OnClick = [&](vcl::TObject*) { ++clicks; };
      f.Attach<TSkinButton>(button);
      for (UINT m : c.mouse) Mouse(button->Handle(), m, 5, 5);
      vex::test::PumpPending();
      EXPECT_EQ(clicks, c.clicks) << "form object: " << c.name;
    }
    {
      SkinnedForm f;
      HWND button = f.RawChild("BUTTON", BS_PUSHBUTTON, 10, 10, 90, 25, 321, "OK");
      OwnProcLog parent(f.form->Handle(), {WM_COMMAND});
      f.AttachWindow<TSkinButton>(button);
      for (UINT m : c.mouse) Mouse(button, m, 5, 5);
      vex::test::PumpPending();
      ASSERT_EQ(static_cast<int>(parent.seen.size()), c.clicks) << "by handle: " << c.name;
      for (WPARAM w : parent.wParams) EXPECT_EQ(w, MAKEWPARAM(321, BN_CLICKED)) << c.name;
    }
  }
}

TEST(SkinButton, SpaceKeyClicksNativelyWhileTheSkinShowsItPressed) {
  SkinnedForm f;
  auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
  int clicks = 0;
  button->OnClick = [&](vcl::TObject*) { ++clicks; };
  auto* skinner = f.Attach<TSkinButton>(button);
  button->SetFocus();
  SendMessageA(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(skinner->State & kPressed);
  SendMessageA(button->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  vex::test::PumpPending();
  EXPECT_FALSE(skinner->State & kPressed);
  EXPECT_EQ(clicks, 1);
}

TEST(SkinButton, HotAndPressedBitsAndTheHotControlHandOver) {
  SkinnedForm f;
  auto* a = f.Add<vcl::TButton>(10, 10, 90, 25);
  auto* b = f.Add<vcl::TButton>(110, 10, 90, 25);
  auto* sa = f.Attach<TSkinButton>(a);
  auto* sb = f.Attach<TSkinButton>(b);
  a->Perform(vcl::CM_MOUSEENTER);
  EXPECT_EQ(sa->State, kHot);
  EXPECT_EQ(f.frame->HotControl, sa);
  Mouse(a->Handle(), WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(sa->State, kHot | kPressed);
  a->Perform(vcl::CM_MOUSELEAVE);
  EXPECT_EQ(sa->State, 0u);
  EXPECT_EQ(f.frame->HotControl, nullptr);

  // Windows without mouse-enter messages become hot on a move and hand the
  // hot state over: the previous one is sent the leave message.
  Mouse(a->Handle(), WM_MOUSEMOVE, 5, 5);
  EXPECT_EQ(f.frame->HotControl, sa);
  Mouse(b->Handle(), WM_MOUSEMOVE, 5, 5);
  EXPECT_EQ(f.frame->HotControl, sb);
  EXPECT_EQ(sa->State, 0u);
  EXPECT_EQ(sb->State, kHot);
  // A disabled button does not become hot.
  b->Perform(vcl::CM_MOUSELEAVE);
  b->SetEnabled(false);
  b->Perform(vcl::CM_MOUSEENTER);
  EXPECT_EQ(sb->State, 0u);
}

// The frame drawn per state: the top-left corner of the element is the
// frame's own, unscaled.
TEST(SkinButton, DrawsTheFrameOfItsState) {
  struct Case {
    const char* name;
    unsigned state;
    bool focused, enabled;
    int frame;
  };
  const Case cases[] = {
      {"normal", 0, false, true, 1},
      {"pressed", kPressed, false, true, 2},
      {"hot", kHot, false, true, 4},
      {"focused", 0, true, true, 4},
      {"hot and pressed", kHot | kPressed, false, true, 2},
      {"disabled", 0, false, false, 3},
      {"disabled wins over focus", 0, true, false, 3},
  };
  vcl::TBitmap& image = Skin().Buttons.Image;
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
    button->SetCaption("OK");
    auto* skinner = f.Attach<TSkinButton>(button);
    if (c.focused) button->SetFocus();
    if (!c.enabled) EnableWindow(button->Handle(), FALSE);
    skinner->State = c.state;
    const Pixels p = DrawOffscreen(*skinner);
    for (const POINT at : {POINT{5, 5}, POINT{9, 8}})
      EXPECT_EQ(p.At(at.x, at.y), ImagePixel(image, 5, c.frame, at.x, at.y)) << c.name << " at " << at.x;
    // Keyed corners show the skin's face colour, not what was on the DC.
    EXPECT_EQ(CountColour(p, 0x123456), 0) << c.name;
  }
}

TEST(SkinButton, CaptionTakesTheStateColourAndSitsInTheMiddle) {
  struct Case {
    unsigned state;
    vcl::TColor TDataSkinObject::*colour;
  };
  const Case cases[] = {{0, &TDataSkinObject::NormalColour2},
                        {kHot, &TDataSkinObject::MouseOverColour2},
                        {kPressed, &TDataSkinObject::PressedColour2}};
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
    button->SetCaption("MMMM");
    auto* skinner = f.Attach<TSkinButton>(button);
    skinner->State = c.state;
    const Pixels p = DrawOffscreen(*skinner);
    const std::uint32_t ink = Rgb(Skin().Buttons.*c.colour);
    const RECT left{0, 0, 45, 25}, right{45, 0, 90, 25};
    const int l = CountColour(p, ink, &left), r = CountColour(p, ink, &right);
    EXPECT_GT(l + r, 10) << c.state;
    // Centred: about as much ink on either half.
    EXPECT_LT(std::abs(l - r), (l + r) / 3 + 3) << c.state << ": " << l << " left, " << r << " right";
  }
}

// Buttons of one size and state draw one picture of the skin between them;
// a changed skin paints it anew, and it goes with the last skinner.
TEST(SkinButton, ButtonsOfOneSizeShareTheSkinsPicture) {
  {
    SkinnedForm f;
    TSkinButton* skinners[3] = {};
    const int widths[] = {90, 90, 120};
    for (int i = 0; i < 3; ++i)
      skinners[i] = f.Attach<TSkinButton>(f.Add<vcl::TButton>(10, 10 + 30 * i, widths[i], 25));
    const Pixels first = DrawOffscreen(*skinners[0]);
    EXPECT_EQ(SharedPictureCount(&Skin()), 1u);
    EXPECT_EQ(DrawOffscreen(*skinners[1]).rgb, first.rgb) << "the same picture";
    EXPECT_EQ(SharedPictureCount(&Skin()), 1u) << "built once for both";
    DrawOffscreen(*skinners[2]);
    EXPECT_EQ(SharedPictureCount(&Skin()), 2u) << "another size";
    skinners[0]->SkinChanged();
    EXPECT_EQ(SharedPictureCount(&Skin()), 0u) << "the skin's images may be new";
    EXPECT_EQ(DrawOffscreen(*skinners[0]).rgb, first.rgb);
    EXPECT_EQ(SharedPictureCount(&Skin()), 1u);
  }
  EXPECT_EQ(SharedPictureCount(&Skin()), 0u) << "nothing outlives the skinners";
}

}  // namespace
}  // namespace vex::skin::test
