// Skinned windows at the display's DPI.  Run in the ordinary test prefix
// (96 dpi: nothing changes) and, through scripts/wine-dpi, in prefixes whose
// LogPixels is 144 and 192: the frame's bands and caption buttons in
// proportion, a message box skinned at scale, and a WM_DPICHANGED round trip
// that leaves the frame and the handle counts where they were.  Screenshots
// go to the test output as dpi<N>-*.png.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "skin/data/SkinScaling.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinMenuBar.h"
#include "widgets/WindowDpi.h"
#include "skin_window_fixture.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using scaling::AtDpi;

// The DPI the prefix was made for (scripts/wine-dpi), 96 without one.
int PrefixDpi() {
  const char* dpi = std::getenv("VEXILO_TEST_DPI");
  return dpi && *dpi ? std::atoi(dpi) : 96;
}

std::string Shot(int dpi, const char* what) { return "dpi" + std::to_string(dpi) + "-" + what; }

class SkinAtDisplayDpi : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
  }
  std::unique_ptr<TSkinData> skin;
};

TWinSysButton* ButtonWithAction(TSkinForm& frame, int action) {
  for (auto& b : frame.FButtons)
    if (b->FSkinButton->Action == action && b->FVisible) return b.get();
  return nullptr;
}

// The sedge frame at 96 dpi: title 28 high, sides and bottom from its
// images; close 33, maximise 63, minimise 93 pixels from the right edge,
// 24 x 24 at y 3.
void ExpectSedgeFrameAt(TSkinForm& frame, TSkinData& loaded, int dpi) {
  EXPECT_EQ(frame.SkinData(), loaded.AtDpi(dpi));
  EXPECT_EQ(frame.FTopHeight, AtDpi(28, dpi));
  EXPECT_EQ(frame.FLeftWidth, AtDpi(loaded.Left.Image.Width() / loaded.Left.FrameCount, dpi));
  EXPECT_EQ(frame.FBottomHeight, AtDpi(loaded.Bottom.Image.Height() / loaded.Bottom.FrameCount, dpi));
  const int width = WindowSize(frame.Handle()).cx;
  const struct {
    int action, fromRight;
  } buttons[] = {{0, 33}, {2, 93}};
  for (const auto& b : buttons) {
    TWinSysButton* button = ButtonWithAction(frame, b.action);
    ASSERT_NE(button, nullptr) << b.action;
    EXPECT_EQ(button->FRect.left, width - AtDpi(b.fromRight, dpi)) << b.action;
    EXPECT_EQ(button->FRect.top, AtDpi(3, dpi)) << b.action;
    EXPECT_EQ(button->FRect.right - button->FRect.left, AtDpi(24, dpi)) << b.action;
    EXPECT_EQ(button->FRect.bottom - button->FRect.top, AtDpi(24, dpi)) << b.action;
  }
}

TEST_F(SkinAtDisplayDpi, TheWindowReportsThePrefixDpi) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(WindowDpi(w.Handle()), PrefixDpi());
}

TEST_F(SkinAtDisplayDpi, FrameAndCaptionButtonsAreInProportion) {
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, RECT{60, 60, 60 + AtDpi(360, PrefixDpi()), 60 + AtDpi(200, PrefixDpi())});
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  const int dpi = WindowDpi(w.Handle());
  ExpectSedgeFrameAt(*frame, *skin, dpi);
  if (dpi != 96) {
    EXPECT_NE(frame->SkinData(), skin.get());
    EXPECT_EQ(frame->SkinData()->Source(), skin.get());
  } else {
    EXPECT_EQ(frame->SkinData(), skin.get()) << "at 96 dpi the loaded skin itself paints";
  }
  vex::test::SaveWindowPng(w.Handle(), Shot(dpi, "frame"));
}

TEST_F(SkinAtDisplayDpi, AMessageBoxIsSkinnedAtScale) {
  LogWindow owner(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(ShowSkinned(owner.Handle()), nullptr);
  static TSkinData* loaded;
  static int seenTop, seenDpi;
  static bool seenSkin;
  loaded = skin.get();
  seenTop = seenDpi = -1;
  seenSkin = false;
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM data) -> BOOL {
          char name[16] = {};
          GetClassNameA(w, name, sizeof name);
          if (IsWindowVisible(w) && std::string(name) == "#32770") *reinterpret_cast<HWND*>(data) = w;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    TSkinForm* frame = box ? FrameOf(box) : nullptr;
    if (!frame || frame->FSkinState != kSkinActive) return;
    KillTimer(nullptr, id);
    seenDpi = WindowDpi(box);
    seenTop = frame->FTopHeight;
    seenSkin = frame->SkinData() == loaded->AtDpi(seenDpi);
    vex::test::SaveWindowPng(box, Shot(seenDpi, "message-box"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxA(owner.Handle(), "文件夹图标改变成功", "Vexilo", MB_OK);
  ASSERT_GT(seenDpi, 0) << "the message box was never skinned";
  EXPECT_EQ(seenDpi, PrefixDpi());
  EXPECT_TRUE(seenSkin);
  EXPECT_EQ(seenTop, AtDpi(28, seenDpi));
}

TEST_F(SkinAtDisplayDpi, MovingToAnotherDpiAndBackRestoresTheFrame) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  HWND h = w.Handle();
  const int dpi = WindowDpi(h);
  const int other = dpi == 192 ? 96 : 192;
  RECT before{};
  GetWindowRect(h, &before);
  const SIZE client = ClientSize(h);
  auto change = [&](int to, RECT suggested) {
    SendMessageA(h, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    vex::test::PumpPending();
  };
  // One trip first: the other DPI's skin is built once and kept.
  change(other, RECT{before.left, before.top, before.left + scaling::Scale(before.right - before.left, other, dpi),
                     before.top + scaling::Scale(before.bottom - before.top, other, dpi)});
  change(dpi, before);
  const DWORD gdi = vex::test::LiveGdiObjects(), user = vex::test::LiveUserObjects();

  change(other, RECT{before.left, before.top, before.left + scaling::Scale(before.right - before.left, other, dpi),
                     before.top + scaling::Scale(before.bottom - before.top, other, dpi)});
  ExpectSedgeFrameAt(*frame, *skin, other);
  vex::test::SaveWindowPng(h, Shot(dpi, ("moved-to-" + std::to_string(other)).c_str()));

  change(dpi, before);
  ExpectSedgeFrameAt(*frame, *skin, dpi);
  RECT after{};
  GetWindowRect(h, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(ClientSize(h).cx, client.cx);
  EXPECT_EQ(ClientSize(h).cy, client.cy);
  EXPECT_EQ(skin->ScaledCount(), dpi == 96 || other == 96 ? 1u : 2u) << "nothing is built again for a DPI already in use";
  // Wine's GetGuiResources answers 0: the test support counts them.
  EXPECT_LE(vex::test::LiveGdiObjects(), gdi + 2);
  EXPECT_LE(vex::test::LiveUserObjects(), user);
  EXPECT_EQ(FrameOf(h), frame);
}

// The menu bar's height follows the window's DPI, not the system's: the
// system's own bar height at that DPI (within a pixel of SM_CYMENU scaled,
// as Windows and Wine round font heights their own way), the client area
// starting right under it, and the height back exactly on the way back.
// Its captions are written in the menu font at that DPI: their buttons
// grow and shrink with it.
TEST_F(SkinAtDisplayDpi, TheMenuBarTakesItsHeightAtTheWindowsDpi) {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "&File");
  AppendMenuA(bar, MF_STRING, 201, "&Help");
  LogWindow w(WS_OVERLAPPEDWINDOW);
  HWND h = w.Handle();
  SetMenu(h, bar);
  TSkinForm* frame = ShowSkinned(h);
  ASSERT_NE(frame, nullptr);
  ASSERT_GT(frame->FMenuHeight, 0) << "the skin draws the bar";
  const int dpi = WindowDpi(h), other = dpi == 192 ? 96 : 192;
  const int atDpi = frame->FMenuHeight;
  EXPECT_NEAR(atDpi, MulDiv(GetSystemMetrics(SM_CYMENU), dpi, vcl::SystemDpi()), 1);
  auto clientTop = [h] {
    RECT window{};
    GetWindowRect(h, &window);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    return origin.y - window.top;
  };
  EXPECT_EQ(clientTop(), frame->FTopHeight + atDpi);
  auto buttonWidth = [frame] {
    frame->PaintFrame();
    auto* menuBar = dynamic_cast<TSkinMenuBar*>(frame->FMenuBar.get());
    return menuBar && menuBar->Count() > 1 ? menuBar->Button(1)->FRect.right - menuBar->Button(1)->FRect.left : 0;
  };
  const int widthAtDpi = buttonWidth();
  ASSERT_GT(widthAtDpi, 0);

  RECT before{};
  GetWindowRect(h, &before);
  RECT suggested{before.left, before.top, before.left + scaling::Scale(before.right - before.left, other, dpi),
                 before.top + scaling::Scale(before.bottom - before.top, other, dpi)};
  SendMessageA(h, WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
  vex::test::PumpPending();
  EXPECT_NEAR(frame->FMenuHeight, MulDiv(GetSystemMetrics(SM_CYMENU), other, vcl::SystemDpi()), 1);
  EXPECT_NE(frame->FMenuHeight, atDpi);
  EXPECT_EQ(clientTop(), frame->FTopHeight + frame->FMenuHeight);
  if (other > dpi)
    EXPECT_GT(buttonWidth(), widthAtDpi) << "the caption in the font at " << other << " dpi";
  else
    EXPECT_LT(buttonWidth(), widthAtDpi) << "the caption in the font at " << other << " dpi";
  vex::test::SaveWindowPng(h, Shot(dpi, ("menu-bar-at-" + std::to_string(other)).c_str()));

  SendMessageA(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&before));
  vex::test::PumpPending();
  EXPECT_EQ(frame->FMenuHeight, atDpi);
  EXPECT_EQ(clientTop(), frame->FTopHeight + atDpi);
  EXPECT_EQ(buttonWidth(), widthAtDpi);
}

}  // namespace
}  // namespace vex::skin::test
