// The skinned frame: its size and region, the window procedure's stages.
#include <gtest/gtest.h>

#include "skin/windows/SkinMessages.h"
#include "skin_window_fixture.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

FrameSkin Keyed(bool left, bool right, bool top, bool bottom, std::string personality = {}) {
  FrameSkin s;
  s.leftKeyed = left;
  s.rightKeyed = right;
  s.topKeyed = top;
  s.bottomKeyed = bottom;
  s.extraPersonality = std::move(personality);
  return s;
}

class SkinFrame : public ::testing::Test {
 protected:
  void Use(const Bytes& stream) {
    skin = MakeSkin(stream);
    ASSERT_FALSE(skin->NoSkin);
    ASSERT_TRUE(WaitSkinning(true));
  }
  void SetUp() override { Use(EmbeddedStream()); }
  std::unique_ptr<TSkinData> skin;
};

TEST_F(SkinFrame, SedgeBordersKeepTheClientSizeAndDetachRestoresTheWindow) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  const SIZE client = ClientSize(w.Handle()), window = WindowSize(w.Handle());
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->FLeftWidth, 4);
  EXPECT_EQ(frame->FRightWidth, 4);
  EXPECT_EQ(frame->FTopHeight, 28);
  EXPECT_EQ(frame->FBottomHeight, 4);
  EXPECT_EQ(ClientSize(w.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(w.Handle()).cy, client.cy);
  EXPECT_EQ(WindowSize(w.Handle()).cx, client.cx + 8);
  EXPECT_EQ(WindowSize(w.Handle()).cy, client.cy + 32);
  vex::test::SaveWindowPng(w.Handle(), "skin-frame-sedge");
  // The native caption buttons are off while the skin draws its own.
  EXPECT_FALSE(GetWindowLongPtrA(w.Handle(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  frame->Detach();
  EXPECT_EQ(ClientSize(w.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(w.Handle()).cy, client.cy);
  EXPECT_EQ(WindowSize(w.Handle()).cx, window.cx);
  EXPECT_EQ(WindowSize(w.Handle()).cy, window.cy);
  EXPECT_TRUE(WindowRegionRects(w.Handle()).empty());
  EXPECT_TRUE(GetWindowLongPtrA(w.Handle(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  SkinManager()->UnskinWindow(w.Handle());
}

// Once skinning is on, a new window is fitted and shaped while still hidden:
// it first shows at its skinned size, with its region, and is not resized
// after (it never flashes its native frame, and is painted once).  The
// frame makes no window of its own, its hover tick included.
TEST_F(SkinFrame, ANewWindowShowsFittedAndShaped) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  const SIZE client = ClientSize(w.Handle());
  const int windows = vex::test::ThreadWindowCount();
  SIZE atShow{};
  bool shown = false, regionAtShow = false;
  int resizesAfterShow = 0;
  w.onMessage = [&](HWND window, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_WINDOWPOSCHANGED) return;
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (pos->flags & SWP_SHOWWINDOW) {
      shown = true;
      atShow = WindowSize(window);
      regionAtShow = !WindowRegionRects(window).empty();
    } else if (shown && !(pos->flags & SWP_NOSIZE)) {
      ++resizesAfterShow;
    }
  };
  ASSERT_NE(ShowSkinned(w.Handle()), nullptr);
  w.onMessage = nullptr;
  EXPECT_TRUE(shown);
  EXPECT_EQ(atShow.cx, client.cx + 8);
  EXPECT_EQ(atShow.cy, client.cy + 32);
  EXPECT_TRUE(regionAtShow);
  EXPECT_EQ(resizesAfterShow, 0);
  EXPECT_EQ(vex::test::ThreadWindowCount(), windows);
  EXPECT_EQ(ClientSize(w.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(w.Handle()).cy, client.cy);
}

TEST_F(SkinFrame, AMaximisedWindowIsNotResized) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  ShowWindow(w.Handle(), SW_MAXIMIZE);
  const SIZE before = WindowSize(w.Handle());
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->FWindowState, 1);
  EXPECT_EQ(WindowSize(w.Handle()).cx, before.cx);
  EXPECT_EQ(WindowSize(w.Handle()).cy, before.cy);
  EXPECT_EQ(ClientSize(w.Handle()).cy, before.cy - 32) << "the frame is the skin's";
}

// Region rectangles of small skins: each case is a skin and the pixels the
// region must leave out (window coordinates; negative counts from the right
// or bottom edge).
TEST_F(SkinFrame, RegionsAreCutFromTheKeyedSides) {
  struct Case {
    const char* name;
    FrameSkin skin;
    DWORD style;
    std::vector<POINT> cut;
    std::vector<POINT> kept;
  };
  const Case cases[] = {
      {"no side keyed: a plain rectangle", {}, WS_OVERLAPPEDWINDOW, {}, {{0, 0}, {-1, -1}, {0, -1}, {-1, 0}}},
      {"the bottom alone keyed", Keyed(false, false, false, true, "BottomTopHeight=1\nBottomBotHeight=1\n"),
       WS_OVERLAPPEDWINDOW,
       // The bottom side starts after the left one: its corner pixels sit at
       // x = 4 and x = W - 5.
       {{4, -1}, {-5, -1}},
       {{0, 0}, {0, -1}, {-1, -1}, {5, -1}, {4, -2}}},
      {"the left side keyed", Keyed(true, false, false, false, "LeftTopHeight=1\nLeftBotHeight=1\n"),
       WS_OVERLAPPEDWINDOW,
       {{0, 0}, {3, 0}, {0, -1}, {3, -1}},
       {{1, 0}, {0, 1}, {-1, 0}, {-1, -1}}},
      {"a popup without caption: no frame at all", Keyed(true, true, true, true), WS_POPUP,
       {}, {{0, 0}, {-1, -1}}},
  };
  for (const Case& c : cases) {
    Use(FrameSkinStream(c.skin));
    LogWindow w(c.style, 0, {100, 100, 400, 300});
    TSkinForm* frame = ShowSkinned(w.Handle());
    ASSERT_NE(frame, nullptr) << c.name;
    const SIZE size = WindowSize(w.Handle());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(w.Handle(), region);
    EXPECT_NE(kind, ERROR) << c.name;
    auto at = [&](POINT p) {
      return POINT{p.x < 0 ? size.cx + p.x : p.x, p.y < 0 ? size.cy + p.y : p.y};
    };
    for (POINT p : c.cut) EXPECT_FALSE(PtInRegion(region, at(p).x, at(p).y)) << c.name << " " << p.x << "," << p.y;
    for (POINT p : c.kept) EXPECT_TRUE(PtInRegion(region, at(p).x, at(p).y)) << c.name << " " << p.x << "," << p.y;
    if (c.cut.empty()) {
      EXPECT_EQ(kind, SIMPLEREGION) << c.name;
    }
    if (c.style == WS_POPUP) {
      EXPECT_EQ(frame->FTopHeight + frame->FLeftWidth + frame->FMenuHeight, 0);
    }
    DeleteObject(region);
  }
}

// A keyed title is cut from the title as painted; after a resize that must
// be the title at the new width, not the one of the width before.
TEST_F(SkinFrame, AKeyedTitleIsCutAtTheWidthAfterAResize) {
  Use(FrameSkinStream(Keyed(false, false, true, false, "TopTopHeight=1\nTopBotHeight=1\n")));
  struct Case {
    const char* name;
    int grow;
  };
  const Case cases[] = {{"wider", 120}, {"narrower", -80}};
  for (const Case& c : cases) {
    LogWindow w(WS_OVERLAPPEDWINDOW, 0, {100, 100, 400, 300});
    ASSERT_NE(ShowSkinned(w.Handle()), nullptr) << c.name;
    const SIZE before = WindowSize(w.Handle());
    // Without a repaint first: the region is built before the title is
    // painted at the new width (as when a resize is dragged).
    SetWindowPos(w.Handle(), nullptr, 0, 0, before.cx + c.grow, before.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
    vex::test::PumpPending();
    const int width = WindowSize(w.Handle()).cx;
    ASSERT_EQ(width, before.cx + c.grow) << c.name;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(w.Handle(), region), ERROR) << c.name;
    // The title starts after the 4-pixel left side; its image's corner
    // pixels are the key.
    EXPECT_FALSE(PtInRegion(region, 4, 0)) << c.name << ": left corner";
    EXPECT_FALSE(PtInRegion(region, width - 5, 0)) << c.name << ": right corner at the new width";
    EXPECT_TRUE(PtInRegion(region, width / 2, 0)) << c.name << ": middle of the title";
    if (c.grow > 0) {
      EXPECT_TRUE(PtInRegion(region, before.cx - 5, 0)) << c.name << ": no notch at the old corner";
    }
    DeleteObject(region);
  }
}

TEST_F(SkinFrame, CaptionTextCentredWiderThanTheTitleStartsLeftOfIt) {
  Use(FrameSkinStream(Keyed(false, false, false, false, "TextAlignment=1\n")));
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, {100, 100, 180, 200});
  SetWindowTextA(w.Handle(), "A caption much wider than this narrow window can show");
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  frame->PaintFrame();
  EXPECT_LT(frame->FTextRect.left, frame->FLeftWidth);
  EXPECT_EQ(frame->FTextRect.right, WindowSize(w.Handle()).cx - frame->FRightWidth);
}

TEST_F(SkinFrame, StageOneAndTwoMessages) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  w.swallow = {WM_SYSCOMMAND};  // record the commands without carrying them out
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  HWND h = w.Handle();

  // A choice from the system menu shown as a popup comes back as a command.
  w.Clear();
  SendMessageA(h, WM_COMMAND, SC_MINIMIZE, 0);
  vex::test::PumpPending();
  EXPECT_TRUE(w.Saw(WM_SYSCOMMAND, SC_MINIMIZE));
  EXPECT_EQ(w.Count(WM_COMMAND), 0);
  frame->FWindowState = 0;  // the window swallowed the command

  // The menu key alone never reaches the window.
  w.Clear();
  EXPECT_EQ(SendMessageA(h, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  EXPECT_EQ(w.Count(WM_SYSCOMMAND), 0);

  // Double clicks on the caption: maximise when the window has the box.
  w.Clear();
  SendMessageA(h, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(h, 60, 10));
  vex::test::PumpPending();
  EXPECT_TRUE(w.Saw(WM_SYSCOMMAND, SC_MAXIMIZE));
  EXPECT_EQ(w.Count(WM_NCLBUTTONDBLCLK), 0);
  frame->FWindowState = 1;
  w.Clear();
  SendMessageA(h, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(h, 60, 10));
  vex::test::PumpPending();
  EXPECT_TRUE(w.Saw(WM_SYSCOMMAND, SC_RESTORE));
  frame->FWindowState = 0;
  frame->FNativeIcons &= ~1u;
  w.Clear();
  SendMessageA(h, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(h, 60, 10));
  vex::test::PumpPending();
  EXPECT_EQ(w.Count(WM_SYSCOMMAND), 0) << "no maximise box: nothing";

  // Below the title, a menu band answers HTMENU.
  auto hit = [&](int x, int y) { return SendMessageA(h, WM_NCHITTEST, 0, ScreenPoint(h, x, y)); };
  EXPECT_EQ(hit(60, 10), HTCAPTION);
  EXPECT_EQ(hit(60, 26), HTCAPTION) << "the skin's title is thicker than the system's";
  frame->FMenuHeight = 19;
  frame->FrameChanged();
  EXPECT_EQ(hit(60, 35), HTMENU);
  EXPECT_EQ(hit(60, 10), HTCAPTION);
  frame->FMenuHeight = 0;
  frame->FrameChanged();
}

// The system menu opens from the keyboard and from the caption, and ends
// with EndMenu from inside its own modal loop.
bool OpensSystemMenu(const std::function<void()>& open) {
  static bool seen;
  seen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (FindWindowA("#32768", nullptr)) {
      seen = true;
      EndMenu();
    }
  });
  const UINT_PTR guard = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  open();
  KillTimer(nullptr, timer);
  KillTimer(nullptr, guard);
  return seen;
}

TEST_F(SkinFrame, TheSystemMenuOpensWithAltSpaceAndARightClick) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(OpensSystemMenu([&] { SendMessageA(w.Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' '); }));
  EXPECT_TRUE(OpensSystemMenu(
      [&] { SendMessageA(w.Handle(), WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(w.Handle(), 60, 10)); }));
  // Its items follow the window's own boxes, not the styles the skin took off.
  EXPECT_EQ(GetMenuState(frame->FSystemMenu, SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(GetMenuState(frame->FSystemMenu, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_NE(GetMenuState(frame->FSystemMenu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(SkinFrame, MaximisingRebuildsTheRegionOnceForTheNewSize) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  ShowWindow(w.Handle(), SW_MAXIMIZE);
  vex::test::PumpPending();
  const SIZE maxed = WindowSize(w.Handle());
  EXPECT_EQ(frame->FRegionSize.cx, maxed.cx);
  EXPECT_EQ(frame->FRegionSize.cy, maxed.cy);
  w.Clear();
  SendMessageA(w.Handle(), WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(maxed.cx, maxed.cy));
  EXPECT_EQ(w.Count(WM_NCCALCSIZE), 0) << "the region is still good: not set again";
  ShowWindow(w.Handle(), SW_RESTORE);
}

TEST_F(SkinFrame, PaintingLeavesTheCallersDcAsItWas) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  HDC dc = GetWindowDC(w.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(1, 2, 3));
  HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  frame->PaintFrame(dc);
  EXPECT_EQ(GetBkMode(dc), OPAQUE) << "the painter leaves the context opaque";
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  ReleaseDC(w.Handle(), dc);
}

}  // namespace
}  // namespace vex::skin::test
