// The icon browser on a folder with many icons, driven from the outside:
// its list shows the skin's scroll bar, and dragging the thumb with the
// mouse, the wheel and the keyboard scroll the list with the bar following
// in the skin.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "IconLibrary.h"
#include "VexiloDriver.h"
#include "win_test_support.h"

namespace vex::app::test {
namespace {

// The sedge skin's scroll bar track (its Scrollbar colour too) and the
// outline of its arrow buttons.
constexpr std::uint32_t kTrack = 0xD6DBBE;
constexpr std::uint32_t kArrowOutline = 0x7A8462;

struct Bar {
  RECT screen{};  // the vertical bar
  int arrow = 0;
};

Bar VerticalBar(HWND list) {
  RECT w{}, c{};
  GetWindowRect(list, &w);
  GetClientRect(list, &c);
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  return {{origin.x + c.right, origin.y, origin.x + c.right + a, origin.y + c.bottom}, a};
}

// Where the thumb is along the bar's middle column (top and bottom, screen
// y), as the pixels that are neither track nor arrow show it; and whether
// the bar is the skin's: its arrows outlined and its track in its colours.
struct Look {
  bool skinned = false;
  int thumbTop = -1, thumbBottom = -1;
};

Look LookAt(HWND list) {
  const Bar bar = VerticalBar(list);
  const Pixels p = ReadScreen(bar.screen);
  Look look;
  int outline = 0;
  for (int y = 0; y < bar.arrow && y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) outline += p.At(x, y) == kArrowOutline;
  const int mid = p.width / 2;
  int track = 0;
  for (int y = bar.arrow; y < p.height - bar.arrow; ++y) {
    if (p.At(mid, y) == kTrack) {
      ++track;
    } else {
      if (look.thumbTop < 0) look.thumbTop = bar.screen.top + y;
      look.thumbBottom = bar.screen.top + y;
    }
  }
  look.skinned = outline > 8 && track > (p.height - 2 * bar.arrow) / 3;
  return look;
}

void Settle(int ms = 300) { vex::test::PumpUntil([] { return false; }, std::chrono::milliseconds(ms)); }

int TopIndex(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0)); }

TEST(BrowserScrolling, ManyIconsScrollWithSkinnedBarsByMouseWheelAndKeyboard) {
  ProgramFolder program;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vexilo many icons " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  constexpr int kIcons = 150;
  ASSERT_TRUE(WriteIconLibrary(program.Exe(), folder + "\\many.dll", kIcons));

  Vexilo app(program.Exe(), "\"" + folder + "\"");
  HWND browser = app.OpenIconBrowser();
  ASSERT_NE(browser, nullptr);
  HWND list = ChildOfClass(browser, "TListView");
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == kIcons; },
                                   std::chrono::seconds(30)));
  ASSERT_TRUE(vex::test::PumpUntil([&] { return LooksSkinned(browser); }, std::chrono::seconds(10)));
  SetForegroundWindow(browser);
  Settle(600);
  vex::test::SaveWindowPng(browser, "browser-many-icons");
  const Look before = LookAt(list);
  EXPECT_TRUE(before.skinned) << "the list's bar is the skin's";
  ASSERT_GE(before.thumbTop, 0);
  EXPECT_EQ(TopIndex(list), 0);

  // Press on the thumb, drag it down in steps, hold, release.
  const Bar bar = VerticalBar(list);
  const POINT grip{(bar.screen.left + bar.screen.right) / 2, (before.thumbTop + before.thumbBottom) / 2};
  vex::test::SendMouse(MOUSEEVENTF_MOVE, grip);
  Settle(100);
  vex::test::SendMouse(MOUSEEVENTF_LEFTDOWN);
  Settle(100);
  for (int dy = 5; dy <= 40; dy += 5) {
    vex::test::SendMouse(MOUSEEVENTF_MOVE, {grip.x, grip.y + dy});
    Settle(60);
  }
  Settle(300);
  vex::test::SaveWindowPng(browser, "browser-thumb-held");
  const int whileHeld = TopIndex(list);
  vex::test::SendMouse(MOUSEEVENTF_LEFTUP);
  Settle(500);
  EXPECT_GT(whileHeld, 0) << "the list scrolls while the thumb is dragged";
  const Look dragged = LookAt(list);
  EXPECT_TRUE(dragged.skinned);
  EXPECT_GT(dragged.thumbTop, before.thumbTop + 20) << "the skin's thumb went with the drag";
  EXPECT_GE(TopIndex(list), whileHeld);
  vex::test::SaveWindowPng(browser, "browser-thumb-dragged");

  // The wheel scrolls on, the keyboard goes back to the start: the bar
  // follows in the skin each time.
  const int afterDrag = TopIndex(list);
  const POINT middle{(bar.screen.left - 60), (bar.screen.top + bar.screen.bottom) / 2};
  PostMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(middle.x, middle.y));
  Settle();
  EXPECT_GT(TopIndex(list), afterDrag) << "the wheel";
  const Look wheeled = LookAt(list);
  EXPECT_TRUE(wheeled.skinned);
  EXPECT_GT(wheeled.thumbTop, dragged.thumbTop);
  Vexilo::Key(list, VK_HOME);
  Settle();
  EXPECT_EQ(TopIndex(list), 0) << "the keyboard";
  const Look home = LookAt(list);
  EXPECT_TRUE(home.skinned);
  EXPECT_EQ(home.thumbTop, before.thumbTop);

  PostMessageA(browser, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsWindowVisible(browser); }));
  EXPECT_EQ(app.Close(), 0u);
  DeleteFileA((folder + "\\many.dll").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace vex::app::test
