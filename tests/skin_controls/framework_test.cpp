// TSkinControl, the base every skinner shares: caption drawing, elements of
// broken skin images, the caller's DC left as it was, the window text kept
// current, and a skinner released while it handles a message of its own.
#include "controls_fixture.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinCheckBox.h"
#include "skin/controls/TSkinComBox.h"
#include "skin/controls/TSkinEdit.h"
#include "skin/controls/TSkinProgress.h"
#include "skin/controls/TSkinUpDown.h"
#include "skin/data/GdiScope.h"
#include "skin/windows/ScratchBitmap.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

// Ink bounds of a colour in a picture.
RECT InkBounds(const Pixels& p, std::uint32_t ink) {
  RECT r{p.width, p.height, -1, -1};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y) == ink) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

TEST(SkinControl, DrawCaptionCentresOnlyForDtCenterAndGreysWhenDisabled) {
  struct Case {
    const char* name;
    UINT format;
    bool enabled;
    bool centred;
  };
  const Case cases[] = {
      {"centred", DT_CENTER, true, true},
      {"left", DT_LEFT, true, false},
      {"centred with another flag", DT_CENTER | DT_NOPREFIX, true, false},
      {"disabled", DT_CENTER, false, true},
  };
  TSkinButton skinner(nullptr);
  skinner.SkinData = &Skin();
  for (const Case& c : cases) {
    Canvas canvas(120, 30, 0xFFFFFF);
    const RECT all{0, 0, 120, 30};
    SetTextColor(canvas.Dc(), RGB(200, 0, 0));
    RECT size{0, 0, 0, 0};
    DrawTextA(canvas.Dc(), "WWW", 3, &size, DT_CALCRECT);
    skinner.DrawCaption(canvas.Dc(), all, c.format, c.enabled, "WWW");
    EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(200, 0, 0)) << c.name << ": the DC's colour is put back";
    const Pixels p = canvas.Read();
    const std::uint32_t ink = c.enabled ? 0xC80000 : Rgb(vcl::clBtnShadow);
    const RECT ink_at = InkBounds(p, ink);
    ASSERT_LT(ink_at.left, ink_at.right) << c.name;
    const int expectedLeft = c.centred ? (120 - size.right) / 2 : 0;
    EXPECT_NEAR(ink_at.left, expectedLeft, 2) << c.name;
    // A little above the middle: (30 - height) / 2 - 1 from the top.
    EXPECT_GE(ink_at.top, (30 - size.bottom) / 2 - 1) << c.name;
    EXPECT_LT(ink_at.bottom, (30 - size.bottom) / 2 - 1 + size.bottom + 1) << c.name;
  }
}

// A skin image too small for its margins, or with more frames than pixels,
// gives no element at all: the control shows the face colour, and nothing
// is read from outside the image.
TEST(SkinControl, BrokenButtonImagesDrawOnlyTheFace) {
  struct Case {
    const char* name;
    int width, height;  // of the whole strip of 5 frames
  };
  const Case cases[] = {
      {"frames narrower than the side margins", 5 * 16, 26},
      {"frames lower than the top and bottom margins", 5 * 32, 12},
      {"more frames than pixels", 4, 26},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
    auto* skinner = f.Attach<TSkinButton>(button);
    ImageSwap swap(Skin().Buttons.Image, Skin().Buttons.FrameCount,
                   MakeStrip(c.width / 5 ? c.width / 5 : 1, c.height, {0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF}),
                   5);
    if (c.width < 5) Skin().Buttons.Image.SetWidth(c.width);
    const Pixels p = DrawOffscreen(*skinner);
    EXPECT_EQ(CountColour(p, Rgb(Skin().ButtonFace)), p.width * p.height) << c.name;
  }
}

// Whatever a painter selects or changes in the DC it is given is put back.
TEST(SkinControl, PaintersLeaveTheCallersDcAsItWas) {
  SkinnedForm f;
  std::vector<TSkinControl*> skinners;
  auto* edit = f.Add<vcl::TEdit>(10, 10, 100, 21);
  skinners.push_back(f.Attach<TSkinEdit>(edit));
  skinners.push_back(f.Attach<TSkinButton>(f.Add<vcl::TButton>(10, 40, 90, 25)));
  auto* check = f.Add<vcl::TCheckBox>(10, 70, 120, 17);
  check->SetChecked(true);
  skinners.push_back(f.Attach<TSkinCheckBox>(check, true));
  skinners.push_back(f.Attach<TSkinComBox>(f.Add<vcl::TComboBox>(10, 100, 120, 21)));
  skinners.push_back(f.Attach<TSkinUpDown>(f.Add<vcl::TUpDown>(150, 10, 17, 22)));
  auto* bar = f.Add<vcl::TProgressBar>(150, 40, 100, 16);
  bar->SetPosition(40);
  skinners.push_back(f.Attach<TSkinProgress>(bar));
  for (TSkinControl* s : skinners) {
    Canvas canvas(200, 60, 0);
    HDC dc = canvas.Dc();
    const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    vcl::BrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    SelectObject(dc, brush.get());
    HGDIOBJ font = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
    SelectObject(dc, font);
    SetTextColor(dc, RGB(9, 8, 7));
    SetBkColor(dc, RGB(7, 8, 9));
    SetBkMode(dc, OPAQUE);
    RECT r{};
    GetWindowRect(s->Handle, &r);
    s->Draw(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
    const std::string name = s->ClassName();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush.get()) << name;
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font) << name;
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap) << name;
    EXPECT_EQ(GetTextColor(dc), RGB(9, 8, 7)) << name;
    EXPECT_EQ(GetBkColor(dc), RGB(7, 8, 9)) << name;
    EXPECT_EQ(GetBkMode(dc), OPAQUE) << name;
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
  }
}

TEST(SkinControl, KeepsTheWindowTextSetLater) {
  SkinnedForm f;
  HWND raw = f.RawChild("BUTTON", BS_PUSHBUTTON, 10, 10, 90, 25, 5, "before");
  auto* skinner = f.AttachWindow<TSkinButton>(raw);
  EXPECT_EQ(skinner->Caption, "before");
  SetWindowTextA(raw, "after");
  EXPECT_EQ(skinner->Caption, "after");
}

// Watches a component go.
class Watcher : public vcl::TComponent {
 public:
  explicit Watcher(vcl::TComponent* watched) : vcl::TComponent(nullptr) { FreeNotification(watched); }
  bool gone = false;

 protected:
  void Notification(vcl::TComponent* c, vcl::TOperation op) override {
    vcl::TComponent::Notification(c, op);
    if (op == vcl::opRemove) gone = true;
  }
};

TEST(SkinControl, ReleasedInsideItsOwnMessageIsFreedWhenTheMessageReturns) {
  SkinnedForm f;
  auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
  TSkinButton* skinner = nullptr;
  vcl::Owned<Watcher> watcher;
  bool aliveInside = false;
  const vcl::TWndMethod own = button->WindowProc;
  button->WindowProc = [&](vcl::TMessage& m) {
    if (m.Msg == WM_USER + 5) {
      // As the frame does when the window's frame goes away meanwhile.
      std::erase(f.frame->ControlSkinners, skinner);
      skinner->Detach();
      skinner->Release();
      aliveInside = !watcher->gone;
    }
    own(m);
  };
  skinner = f.Attach<TSkinButton>(button);
  watcher.reset(new Watcher(skinner));
  SendMessageA(button->Handle(), WM_USER + 5, 0, 0);
  EXPECT_TRUE(aliveInside);
  EXPECT_TRUE(watcher->gone);
  // The button works on without it.
  int clicks = 0;
  button->OnClick = [&](vcl::TObject*) { ++clicks; };
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vex::skin::test
