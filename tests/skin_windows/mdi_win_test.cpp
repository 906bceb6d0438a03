// A raw Win32 MDI frame: its children are skinned as the client creates
// them, the client never shows scroll bars, and a maximised child's frame
// steps aside until it is restored.
#include <gtest/gtest.h>

#include "skin_window_fixture.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

HWND gClient = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{nullptr, 50000};
    gClient = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                              0, 0, 0, 0, window, nullptr, GetModuleHandleA(nullptr), &ccs);
    return 0;
  }
  return DefFrameProcA(window, gClient, msg, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcA(window, msg, wParam, lParam);
}

class Mdi : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    if (!GetClassInfoExA(wc.hInstance, "VexTestMdiFrame", &wc)) {
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = FrameProc;
      wc.lpszClassName = "VexTestMdiFrame";
      RegisterClassExA(&wc);
      wc.lpfnWndProc = ChildProc;
      wc.lpszClassName = "VexTestMdiChild";
      RegisterClassExA(&wc);
    }
    frame = CreateWindowExA(0, "VexTestMdiFrame", "MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 500, 380,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    client = gClient;
  }
  void TearDown() override {
    DestroyWindow(frame);
    skin.reset();
  }
  HWND NewChild(const char* title, int x, int y) {
    MDICREATESTRUCTA mcs{};
    mcs.szClass = "VexTestMdiChild";
    mcs.szTitle = title;
    mcs.hOwner = GetModuleHandleA(nullptr);
    mcs.x = x;
    mcs.y = y;
    mcs.cx = 200;
    mcs.cy = 140;
    mcs.style = WS_OVERLAPPEDWINDOW;
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }
  std::unique_ptr<TSkinData> skin;
  HWND frame = nullptr, client = nullptr;
};

TEST_F(Mdi, ChildrenAreSkinnedAsTheClientMakesThem) {
  TSkinForm* f = ShowSkinned(frame);
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->IsMdiFrame());
  HWND a = NewChild("one", 10, 10), b = NewChild("two", 120, 60);
  TSkinForm* fa = ActiveFrame(a);
  TSkinForm* fb = ActiveFrame(b);
  ASSERT_NE(fa, nullptr);
  ASSERT_NE(fb, nullptr) << "the newest child too";
  EXPECT_TRUE(fb->IsMdiChild());
  // A refresh after the last creation leaves the children as they are.
  SendMessageA(client, WM_MDIREFRESHMENU, 0, 0);
  vex::test::PumpPending();
  EXPECT_EQ(FrameOf(a), fa);
  EXPECT_EQ(FrameOf(b), fb);
  vex::test::SaveWindowPng(frame, "mdi-frame");
  // Destroying a child through the client releases its frame.
  SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(a), 0);
  EXPECT_EQ(FrameOf(a), nullptr);
}

TEST_F(Mdi, TheClientNeverShowsScrollBars) {
  ASSERT_NE(ShowSkinned(frame), nullptr);
  HWND a = NewChild("far", 10, 10);
  SetWindowPos(a, nullptr, 900, 700, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(client, WM_MDIICONARRANGE, 0, 0);
  vex::test::PumpPending();
  EXPECT_FALSE(GetWindowLongPtrA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(Mdi, AMaximisedChildsFrameStepsAsideAndComesBack) {
  ASSERT_NE(ShowSkinned(frame), nullptr);
  HWND a = NewChild("child", 10, 10);
  TSkinForm* fa = ActiveFrame(a);
  ASSERT_NE(fa, nullptr);
  const SIZE skinnedClient = ClientSize(a);
  EXPECT_EQ(WindowSize(a).cy - skinnedClient.cy, 32);
  SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(a), 0);
  vex::test::PumpPending();
  EXPECT_TRUE(fa->MdiChildAside());
  EXPECT_NE(WindowSize(a).cy - ClientSize(a).cy, 32) << "the system's frame while maximised";
  SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(a), 0);
  vex::test::PumpPending();
  EXPECT_FALSE(fa->MdiChildAside());
  EXPECT_EQ(WindowSize(a).cy - ClientSize(a).cy, 32) << "the skin's frame again";
  EXPECT_FALSE(WindowRegionRects(a).empty());
}

}  // namespace
}  // namespace vex::skin::test

namespace vex::skin::test {
namespace {

TEST_F(Mdi, SwitchedOffAndOnTheChildrenAreSkinnedWithTheirFrame) {
  ASSERT_NE(ShowSkinned(frame), nullptr);
  HWND a = NewChild("one", 10, 10);
  ASSERT_NE(ActiveFrame(a), nullptr);
  const SIZE size = ClientSize(a);
  skin->SetActive(false);
  ASSERT_TRUE(WaitSkinning(false));
  EXPECT_EQ(FrameOf(a), nullptr);
  EXPECT_EQ(ClientSize(a).cy, size.cy);
  skin->SetActive(true);
  ASSERT_TRUE(WaitSkinning(true));
  LogWindow other(WS_OVERLAPPEDWINDOW, 0, {600, 100, 800, 300});
  ShowSkinned(other.Handle());
  ASSERT_NE(ShowSkinned(frame), nullptr);
  EXPECT_NE(ActiveFrame(a), nullptr) << "no new child announced it: it came with its frame";
  EXPECT_EQ(ClientSize(a).cy, size.cy);
}

}  // namespace
}  // namespace vex::skin::test
