// TSkinEdit: the edit sees every message; after its painting the border is
// the skin's shadow outline over the field's colour, one ring less with a
// spin button inside.
#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/TSkinEdit.h"
#include "skin/controls/TSkinUpDown.h"

namespace vex::skin::test {
namespace {

TEST(SkinEdit, TheEditSeesEverythingAndTypesAsBefore) {
  SkinnedForm f;
  auto* edit = f.Add<vcl::TEdit>(10, 10, 120, 21);
  std::string changed;
  edit->OnChange = [&](vcl::TObject*) { changed = edit->Text(); };
  OwnProcLog log(edit, {WM_LBUTTONDOWN, WM_CHAR, WM_PAINT, WM_ERASEBKGND});
  f.Attach<TSkinEdit>(edit);
  Mouse(edit->Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  SendMessageA(edit->Handle(), WM_CHAR, 'a', 1);
  SendMessageA(edit->Handle(), WM_ERASEBKGND, 0, 0);
  UpdateWindow(edit->Handle());
  auto has = [&](UINT m) { return std::find(log.seen.begin(), log.seen.end(), m) != log.seen.end(); };
  for (UINT m : {WM_LBUTTONDOWN, WM_CHAR, WM_ERASEBKGND}) EXPECT_TRUE(has(m)) << std::hex << m;
  EXPECT_EQ(changed, "a");
}

struct Rings {
  std::uint32_t outline, first, second;
};
Rings RingsAt(const Pixels& p, int y) { return {p.At(0, y), p.At(1, y), p.At(2, y)}; }

TEST(SkinEdit, OutlinesThePlainEditAndPaintsOverTwoInnerRings) {
  SkinnedForm f;
  auto* edit = f.Add<vcl::TEdit>(10, 10, 120, 21);
  auto* skinner = f.Attach<TSkinEdit>(edit);
  // A fresh memory DC has the white brush selected: the rings take it.
  const Pixels p = DrawOffscreen(*skinner, 0x123456);
  for (int y : {0, 10, 20}) EXPECT_EQ(p.At(0, y), Rgb(Skin().ButtonShadow)) << y;
  EXPECT_EQ(p.At(60, 0), Rgb(Skin().ButtonShadow));
  EXPECT_EQ(p.At(119, 10), Rgb(Skin().ButtonShadow));
  const Rings r = RingsAt(p, 10);
  EXPECT_EQ(r.first, 0xFFFFFFu);
  EXPECT_EQ(r.second, 0xFFFFFFu);
  EXPECT_EQ(p.At(3, 10), 0x123456u) << "the field itself is the edit's";
}

TEST(SkinEdit, KeepsOneRingAroundASpinButtonAndSkinsIt) {
  SkinnedForm f;
  auto* edit = f.Add<vcl::TEdit>(10, 10, 120, 21);
  HWND spin = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 98, 0, 16, 17, edit->Handle(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(spin, nullptr);
  auto* skinner = f.Attach<TSkinEdit>(edit);
  const Pixels p = DrawOffscreen(*skinner, 0x123456);
  ASSERT_NE(skinner->UpDown(), nullptr);
  EXPECT_EQ(skinner->UpDown()->Handle, spin);
  const Rings r = RingsAt(p, 10);
  EXPECT_EQ(r.outline, Rgb(Skin().ButtonShadow));
  EXPECT_EQ(r.first, 0xFFFFFFu);
  EXPECT_EQ(r.second, 0x123456u);
  // The spin button is painted by its skinner: no erase of its own.
  EXPECT_EQ(SendMessageA(spin, WM_ERASEBKGND, 0, 0), 1);
  skinner->Detach();
  EXPECT_EQ(skinner->UpDown(), nullptr);
}

// The spin window of an edit destroyed, and made again or not: the skinner
// follows, a new spin gets a skinner of its own and the rings match.
TEST(SkinEdit, ASpinMadeAgainIsSkinnedAgain) {
  const struct {
    const char* name;
    bool madeAgain;
  } cases[] = {{"spin destroyed", false}, {"spin destroyed and made again", true}};
  for (const auto& c : cases) {
    SkinnedForm f;
    auto* edit = f.Add<vcl::TEdit>(10, 10, 120, 21);
    auto makeSpin = [&] {
      return CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 98, 0, 16, 17, edit->Handle(), nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    };
    HWND first = makeSpin();
    auto* skinner = f.Attach<TSkinEdit>(edit);
    DrawOffscreen(*skinner, 0x123456);
    ASSERT_NE(skinner->UpDown(), nullptr) << c.name;
    DestroyWindow(first);
    HWND second = c.madeAgain ? makeSpin() : nullptr;
    const Pixels p = DrawOffscreen(*skinner, 0x123456);
    if (c.madeAgain) {
      ASSERT_NE(skinner->UpDown(), nullptr) << c.name;
      EXPECT_EQ(skinner->UpDown()->Handle, second) << c.name;
      EXPECT_TRUE(skinner->UpDown()->Attached()) << c.name;
      EXPECT_EQ(SendMessageA(second, WM_ERASEBKGND, 0, 0), 1) << c.name << ": painted by its skinner";
      EXPECT_EQ(RingsAt(p, 10).second, 0x123456u) << c.name << ": one ring around a spin";
    } else {
      EXPECT_EQ(skinner->UpDown(), nullptr) << c.name;
      EXPECT_EQ(RingsAt(p, 10).second, 0xFFFFFFu) << c.name << ": two rings without a spin";
    }
  }
}

TEST(SkinEdit, AnEditWithoutBorderIsLeftAlone) {
  SkinnedForm f;
  HWND raw = f.RawChild("EDIT", ES_AUTOHSCROLL, 10, 10, 120, 20);
  auto* skinner = f.AttachWindow<TSkinEdit>(raw);
  const Pixels p = DrawOffscreen(*skinner, 0x123456);
  EXPECT_EQ(CountColour(p, 0x123456), p.width * p.height);
}

}  // namespace
}  // namespace vex::skin::test

namespace vex::skin::test {
namespace {

// The outline is on the screen too, over the native border (non-client),
// also on an edit that an up-down control beside it (its buddy) narrowed.
TEST(SkinEdit, TheBuddyOfAnUpDownIsOutlinedToo) {
  SkinnedForm f;
  auto* number = f.Add<vcl::TEdit>(10, 10, 60, 21);
  auto* upDown = f.Add<vcl::TUpDown>(70, 10, 17, 21);
  upDown->SetAssociate(number);
  auto* skinner = f.Attach<TSkinEdit>(number);
  RedrawWindow(number->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  RECT r{};
  GetWindowRect(number->Handle(), &r);
  const Pixels p = ReadWindowDc(number->Handle(), RECT{0, 0, r.right - r.left, r.bottom - r.top});
  EXPECT_EQ(p.At(0, 10), Rgb(Skin().ButtonShadow));
  EXPECT_EQ(p.At(5, 0), Rgb(Skin().ButtonShadow));
  EXPECT_EQ(p.At(r.right - r.left - 1, 10), Rgb(Skin().ButtonShadow)) << "the right edge, next to the up-down";
  (void)skinner;
}

}  // namespace
}  // namespace vex::skin::test
