// Keyboard cues on skinned buttons: the focus rectangle inside the face of
// the focused push or bit button, and underlined access keys, exactly when
// the window's UI state shows them (as a native button draws them): hidden
// for a window used with the mouse, shown once Tab (focus) or Alt (access
// keys) has been pressed.  The state arrives with WM_UPDATEUISTATE, sent
// down from the top-level window that got WM_CHANGEUISTATE.
#include "controls_fixture.h"
#include "skin/controls/TSkinBitButton.h"
#include "skin/controls/TSkinButton.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using vex::test::ChangeUiState;

// Tab as the program's message loop hands it on: to the dialog manager,
// which moves the focus and (on Windows; Wine difference as above) shows
// the focus cues.
void PressTab(HWND top) {
  MSG msg{GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
  IsDialogMessageA(top, &msg);
  ChangeUiState(top, UIS_CLEAR, UISF_HIDEFOCUS);
  vex::test::PumpPending();
}

// The pixels where two pictures of the same size differ.
std::vector<POINT> Differences(const Pixels& a, const Pixels& b) {
  std::vector<POINT> out;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.At(x, y) != b.At(x, y)) out.push_back({x, y});
  return out;
}

// Every point lies on the outline of `r` (right and bottom exclusive).
bool OnOutline(const std::vector<POINT>& points, const RECT& r) {
  for (const POINT& p : points) {
    const bool side = (p.x == r.left || p.x == r.right - 1) && p.y >= r.top && p.y < r.bottom;
    const bool edge = (p.y == r.top || p.y == r.bottom - 1) && p.x >= r.left && p.x < r.right;
    if (!side && !edge) return false;
  }
  return true;
}

// Whether the system's DrawText leaves the underline out for DT_HIDEPREFIX.
bool DrawTextHidesPrefixes() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 20);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  auto ink = [&](UINT format) {
    RECT r{0, 0, 40, 20};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextA(dc, "&_", -1, &r, DT_SINGLELINE | format);
    int dark = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 40; ++x) dark += GetPixel(dc, x, y) != RGB(255, 255, 255);
    return dark;
  };
  const bool hides = ink(DT_HIDEPREFIX) != ink(0);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return hides;
}

class UiState : public ::testing::Test {
 protected:
  void SetUp() override {
    first = f.Add<vcl::TButton>(10, 10, 90, 25);
    first->SetCaption("&Apply");
    second = f.Add<vcl::TButton>(110, 10, 90, 25);
    second->SetCaption("&Restore");
    bit = f.Add<vcl::TBitBtn>(210, 10, 90, 25);
    bit->SetCaption("&Browse");
    s1 = f.Attach<TSkinButton>(first);
    s2 = f.Attach<TSkinButton>(second);
    s3 = f.Attach<TSkinBitButton>(bit);
    top = f.form->Handle();
    // A window the user has only used with the mouse so far, as the dialog
    // manager leaves it (UIS_INITIALIZE after a mouse start).
    ChangeUiState(top, UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL);
  }
  SkinnedForm f;
  vcl::TButton *first = nullptr, *second = nullptr;
  vcl::TBitBtn* bit = nullptr;
  TSkinButton *s1 = nullptr, *s2 = nullptr;
  TSkinBitButton* s3 = nullptr;
  HWND top = nullptr;
};

TEST_F(UiState, FocusRectangleAfterTabOnTheFocusedButtonOnlyNeverAfterAClick) {
  // A click: the button takes the focus, the picture shows no cue.
  Mouse(first->Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  Mouse(first->Handle(), WM_LBUTTONUP, 5, 5);
  vex::test::PumpPending();
  ASSERT_EQ(GetFocus(), first->Handle());
  EXPECT_TRUE(s1->Focused);
  EXPECT_FALSE(s1->ShowsFocusCue()) << "a mouse click leaves the focus cue hidden";
  const Pixels clicked = DrawOffscreen(*s1);

  // Tab: the dialog manager clears UISF_HIDEFOCUS and moves the focus.
  PressTab(top);
  ASSERT_EQ(GetFocus(), second->Handle());
  EXPECT_FALSE(s1->ShowsFocusCue());
  EXPECT_TRUE(s2->ShowsFocusCue());
  EXPECT_FALSE(s3->ShowsFocusCue()) << "only on the focused button";
  for (TSkinControl* s : {static_cast<TSkinControl*>(s1), static_cast<TSkinControl*>(s2),
                          static_cast<TSkinControl*>(s3)})
    EXPECT_EQ(s->UiState & UISF_HIDEFOCUS, 0u) << "every control heard WM_UPDATEUISTATE";

  // The cue is the focus rectangle three pixels inside the face and nothing
  // else: the same button with the cue hidden differs only on that outline.
  const Pixels shown = DrawOffscreen(*s2);
  s2->UiState |= UISF_HIDEFOCUS;
  const Pixels hidden = DrawOffscreen(*s2);
  s2->UiState &= ~UISF_HIDEFOCUS;
  const std::vector<POINT> ring = Differences(shown, hidden);
  EXPECT_GT(ring.size(), 100u);
  EXPECT_TRUE(OnOutline(ring, RECT{3, 3, 87, 22}));

  // Back on the first button by the mouse: the cues stay shown now (as on a
  // native button, the state is the window's), on the focused one only.
  Mouse(first->Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  Mouse(first->Handle(), WM_LBUTTONUP, 5, 5);
  vex::test::PumpPending();
  EXPECT_TRUE(s1->ShowsFocusCue());
  EXPECT_FALSE(s2->ShowsFocusCue());
  EXPECT_NE(Differences(DrawOffscreen(*s1), clicked).size(), 0u);

  // The bit button's cue sits where the framework's own bit button has it.
  PressTab(top);
  PressTab(top);
  ASSERT_EQ(GetFocus(), bit->Handle());
  const Pixels bitShown = DrawOffscreen(*s3);
  s3->UiState |= UISF_HIDEFOCUS;
  const Pixels bitHidden = DrawOffscreen(*s3);
  EXPECT_TRUE(OnOutline(Differences(bitShown, bitHidden), RECT{4, 4, 86, 21}));
  EXPECT_FALSE(Differences(bitShown, bitHidden).empty());
}

TEST_F(UiState, AccessKeysAreUnderlinedOnlyWhileTheStateShowsThem) {
  SetFocus(second->Handle());
  vex::test::PumpPending();
  const Pixels plain = DrawOffscreen(*s1);
  EXPECT_NE(s1->UiState & UISF_HIDEACCEL, 0u);
  // What Alt does: the window shows its access keys.
  ChangeUiState(top, UIS_CLEAR, UISF_HIDEACCEL);
  EXPECT_EQ(s1->UiState & UISF_HIDEACCEL, 0u);
  const Pixels underlined = DrawOffscreen(*s1);
  if (!DrawTextHidesPrefixes()) {
    // Wine difference: Wine 8's DrawText underlines with DT_HIDEPREFIX too,
    // so the picture cannot show the state there; the state itself is kept.
    EXPECT_TRUE(Differences(plain, underlined).empty());
    GTEST_SKIP() << "DrawText ignores DT_HIDEPREFIX on this system";
  }
  const std::vector<POINT> line = Differences(plain, underlined);
  ASSERT_FALSE(line.empty()) << "the A of &Apply is underlined";
  int lowest = line.front().y, highest = line.front().y;
  for (const POINT& p : line) {
    lowest = std::min<int>(lowest, p.y);
    highest = std::max<int>(highest, p.y);
  }
  EXPECT_LE(highest - lowest, 1) << "an underline, not another caption";
  // The bit button's caption follows the same state.
  const Pixels bitShown = DrawOffscreen(*s3);
  ChangeUiState(top, UIS_SET, UISF_HIDEACCEL);
  EXPECT_NE(Differences(bitShown, DrawOffscreen(*s3)).size(), 0u);
  EXPECT_TRUE(Differences(plain, DrawOffscreen(*s1)).empty()) << "hidden again";
}

}  // namespace
}  // namespace vex::skin::test
