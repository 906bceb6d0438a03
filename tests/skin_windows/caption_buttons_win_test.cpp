// Caption buttons: which show, where, how they look by state, and what the
// mouse does with them (no capture: the button under the release acts).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "skin/windows/SkinMessages.h"
#include "skin/windows/TNCObject.h"
#include "skin_window_fixture.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

class CaptionButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
  }
  // The sedge buttons: close 33, maximise/restore 63, minimise 93 pixels
  // from the right edge, 24 x 24 at y 3; the icon at (5, 5).
  static POINT Centre(HWND w, int fromRight) { return {WindowSize(w).cx - fromRight + 12, 15}; }
  static LPARAM At(HWND w, POINT p) { return ScreenPoint(w, p.x, p.y); }
  std::unique_ptr<TSkinData> skin;
};

TWinSysButton* ButtonWithAction(TSkinForm& frame, int action) {
  for (auto& b : frame.FButtons)
    if (b->FSkinButton->Action == action && b->FVisible) return b.get();
  return nullptr;
}

TEST_F(CaptionButtons, ReleasingOverAnotherButtonDoesWhatThatOneShows) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  w.swallow = {WM_SYSCOMMAND, WM_CLOSE};
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  HWND h = w.Handle();
  const POINT close = Centre(h, 33), minimise = Centre(h, 93), caption{150, 10};

  SendMessageA(h, WM_NCLBUTTONDOWN, HTCAPTION, At(h, close));
  TWinSysButton* closeButton = ButtonWithAction(*frame, 0);
  ASSERT_NE(closeButton, nullptr);
  EXPECT_EQ(frame->FHotObject, closeButton);
  EXPECT_EQ(closeButton->FState, kObjectPressed);
  SendMessageA(h, WM_NCMOUSEMOVE, HTCAPTION, At(h, minimise));
  EXPECT_EQ(closeButton->FState, kObjectNormal);
  SendMessageA(h, WM_NCLBUTTONUP, HTCAPTION, At(h, minimise));
  vex::test::PumpPending();
  EXPECT_TRUE(w.Saw(WM_SYSCOMMAND, SC_MINIMIZE));
  EXPECT_EQ(w.Count(WM_CLOSE), 0);
  EXPECT_EQ(w.Count(WM_NCLBUTTONDOWN), 0) << "a press on a button never reaches the window";
  frame->FWindowState = 0;  // the window swallowed the minimise command

  // Pressing close, moving onto the plain caption and releasing there does
  // nothing, and close is back to its normal look.
  w.Clear();
  SendMessageA(h, WM_NCLBUTTONDOWN, HTCAPTION, At(h, close));
  SendMessageA(h, WM_NCMOUSEMOVE, HTCAPTION, At(h, caption));
  SendMessageA(h, WM_NCLBUTTONUP, HTCAPTION, At(h, caption));
  vex::test::PumpPending();
  EXPECT_EQ(w.Count(WM_CLOSE), 0);
  EXPECT_EQ(w.Count(WM_SYSCOMMAND), 0);
  EXPECT_EQ(closeButton->FState, kObjectNormal);

  // A click on close closes.
  SendMessageA(h, WM_NCLBUTTONDOWN, HTCAPTION, At(h, close));
  SendMessageA(h, WM_NCLBUTTONUP, HTCAPTION, At(h, close));
  vex::test::PumpPending();
  EXPECT_EQ(w.Count(WM_CLOSE), 1);
}

TEST_F(CaptionButtons, HotAndPressedLooksAreDrawnOnTheWindow) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  HWND h = w.Handle();
  const POINT close = Centre(h, 33);
  // Read through the window's DC: the screen may show the window's picture
  // a moment later.
  auto pixel = [&] {
    HDC dc = GetWindowDC(h);
    const COLORREF c = GetPixel(dc, close.x - 8, close.y - 8);
    ReleaseDC(h, dc);
    return c;
  };
  const COLORREF normal = pixel();
  SendMessageA(h, WM_NCMOUSEMOVE, HTCAPTION, At(h, close));
  const COLORREF hot = pixel();
  vex::test::SaveWindowPng(h, "caption-button-hot");
  EXPECT_NE(hot, normal);
  SendMessageA(h, WM_NCMOUSEMOVE, HTCAPTION, At(h, POINT{150, 10}));
  EXPECT_EQ(pixel(), normal) << "back to normal when the mouse leaves";
  EXPECT_EQ(frame->FHotObject, nullptr);

  // An inactive window's buttons never light up.
  frame->FActive = false;
  SendMessageA(h, WM_NCMOUSEMOVE, HTCAPTION, At(h, close));
  EXPECT_EQ(frame->FHotObject, nullptr);
  frame->FActive = true;
}

TEST_F(CaptionButtons, VisibilityFollowsTheWindowsBoxesAndState) {
  struct Case {
    const char* name;
    DWORD style;
    std::vector<int> visibleActions;  // in skin order: close, restore, maximise, minimise, icon
  };
  const Case cases[] = {
      {"every box", WS_OVERLAPPEDWINDOW, {0, 1, 2, 3}},
      {"no maximise box", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, {0, 2, 3}},
      // Close asks for a system menu; the icon only for an active window.
      {"no boxes, no system menu", WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME, {3}},
  };
  for (const Case& c : cases) {
    LogWindow w(c.style);
    TSkinForm* frame = ShowSkinned(w.Handle());
    ASSERT_NE(frame, nullptr) << c.name;
    frame->PaintFrame();
    std::vector<int> visible;
    for (auto& b : frame->FButtons)
      if (b->FVisible) visible.push_back(b->FSkinButton->Action);
    EXPECT_EQ(visible, c.visibleActions) << c.name;
  }
  // The icon shows only while the window is active.
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  LogWindow other(WS_OVERLAPPEDWINDOW, 0, {500, 100, 700, 300});
  ShowSkinned(other.Handle());
  vex::test::PumpUntil([&] { return !frame->FActive; });
  frame->PaintFrame();
  EXPECT_EQ(ButtonWithAction(*frame, 3), nullptr);
}

TEST_F(CaptionButtons, AnActionOfItsOwnPostsSkinButtonAndDecorationNeverReacts) {
  FrameSkin s;
  s.extraSections =
      "[Button0]\nAction=5\nAlign=0\nXCoord=30\nYCoord=2\nVisibility=200\nVisibility1=200\nButtonImage=x.bmp\n"
      "[Button1]\nAction=-1\nAlign=0\nXCoord=60\nYCoord=2\nVisibility=200\nVisibility1=200\nButtonImage=x.bmp\n";
  s.extraImages = {{"x.bmp", BmpFile(48, 16, [](int x, int) { return x < 16 ? 0x2040C0u : 0xC04020u; })}};
  skin = MakeSkin(FrameSkinStream(s));
  ASSERT_TRUE(WaitSkinning(true));
  LogWindow w(WS_OVERLAPPEDWINDOW);
  w.swallow = {WM_NCLBUTTONDOWN};  // a press on the plain caption would start a move
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  HWND h = w.Handle();
  for (int x : {38, 68}) {
    SendMessageA(h, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(h, x, 8));
    SendMessageA(h, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(h, x, 8));
    SendMessageA(h, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(h, x, 8));
  }
  MSG msg;
  int posted = 0;
  while (PeekMessageA(&msg, h, WM_SKINBUTTON, WM_SKINBUTTON, PM_REMOVE)) {
    EXPECT_EQ(msg.wParam, 5u);
    EXPECT_EQ(msg.lParam, 0);
    ++posted;
  }
  EXPECT_EQ(posted, 1) << "the decoration (Action -1) posted nothing";
  EXPECT_EQ(w.Count(WM_NCLBUTTONDOWN), 1) << "a press on the decoration is a press on the caption";
}

// The heron skin as the build packs it beside the program, stored with its
// length in front the way a form keeps its skin.
Bytes HeronStream() {
  char path[MAX_PATH];
  std::string p(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  p.erase(p.find_last_of('\\'));  // tests\ sits beside the program
  const std::string package = vex::test::ReadFileText(p.substr(0, p.find_last_of('\\') + 1) + "heron.skn");
  const auto n = static_cast<std::uint32_t>(package.size());
  Bytes stream{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
               static_cast<std::uint8_t>(n >> 24)};
  stream.insert(stream.end(), package.begin(), package.end());
  return stream;
}

TEST_F(CaptionButtons, HeronsButtonsSitOnTheCaptionPlatesCapsAndItsOwnPostsSkinButton) {
  skin = MakeSkin(HeronStream());
  ASSERT_TRUE(WaitSkinning(true));
  ASSERT_FALSE(skin->NoSkin);
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, {100, 100, 500, 300});
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  frame->PaintFrame();
  const RECT plate = frame->FTextRect;
  TWinSysButton* icon = ButtonWithAction(*frame, 3);
  TWinSysButton* own = ButtonWithAction(*frame, 5);
  TWinSysButton* minimise = ButtonWithAction(*frame, 2);
  ASSERT_TRUE(icon && own && minimise);
  // The icon on the 20-pixel left cap, the application's button on the
  // 26-pixel right cap, and the plate clear of the minimise button.
  EXPECT_GE(icon->FRect.left, plate.left);
  EXPECT_LE(icon->FRect.right, plate.left + 20);
  EXPECT_GE(own->FRect.left, plate.right - 26);
  EXPECT_LE(own->FRect.right, plate.right);
  EXPECT_LT(plate.right, minimise->FRect.left);
  // Centred: as far from the left border as from the clip at the right, when
  // the caption is short enough not to be clipped.
  const int width = WindowSize(w.Handle()).cx;
  EXPECT_LE(std::abs((plate.left - 8) - (width - 8 - plate.right)), 1);
  const POINT at{(own->FRect.left + own->FRect.right) / 2, (own->FRect.top + own->FRect.bottom) / 2};
  HWND h = w.Handle();
  SendMessageA(h, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(h, at.x, at.y));
  SendMessageA(h, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(h, at.x, at.y));
  SendMessageA(h, WM_NCLBUTTONUP, HTCAPTION, ScreenPoint(h, at.x, at.y));
  MSG msg;
  int posted = 0;
  while (PeekMessageA(&msg, h, WM_SKINBUTTON, WM_SKINBUTTON, PM_REMOVE)) {
    EXPECT_EQ(msg.wParam, 5u);
    ++posted;
  }
  EXPECT_EQ(posted, 1);
  // Message boxes and dialogs cannot be minimised: no application button.
  LogWindow dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, {520, 100, 760, 240});
  TSkinForm* dialogFrame = ShowSkinned(dialog.Handle());
  ASSERT_NE(dialogFrame, nullptr);
  dialogFrame->PaintFrame();
  EXPECT_EQ(ButtonWithAction(*dialogFrame, 5), nullptr);
  EXPECT_NE(ButtonWithAction(*dialogFrame, 0), nullptr);
}

}  // namespace
}  // namespace vex::skin::test
