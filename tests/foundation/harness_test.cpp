// The test helpers themselves: waiting on messages and capturing pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include "win_test_support.h"

namespace {

LRESULT CALLBACK RedProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r;
    GetClientRect(w, &r);
    FillRect(dc, &r, red);
    DeleteObject(red);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

TEST(Harness, PumpUntilDispatchesUntilTheConditionHolds) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = [](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    if (msg == WM_TIMER) {
      KillTimer(w, wp);
      SetWindowLongPtrA(w, GWLP_USERDATA, 1);
      return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
  };
  wc.lpszClassName = "VexHarnessTimer";
  RegisterClassA(&wc);
  HWND w = CreateWindowA("VexHarnessTimer", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  SetTimer(w, 1, 10, nullptr);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return GetWindowLongPtrA(w, GWLP_USERDATA) == 1; }));
  DestroyWindow(w);
  EXPECT_FALSE(vex::test::PumpUntil([] { return false; }, std::chrono::milliseconds(50)));
}

TEST(Harness, CapturesAWindowFromTheScreen) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = RedProc;
  wc.lpszClassName = "VexHarnessRed";
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(WS_EX_TOPMOST, "VexHarnessRed", "red", WS_POPUP | WS_VISIBLE, 40, 40, 60, 30,
                           nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  UpdateWindow(w);
  vex::Pixels px;
  EXPECT_TRUE(vex::test::PumpUntil([&] {
    px = vex::ReadWindow(w);
    return px.width == 60 && px.At(30, 15) == 0xFF0000;
  }));
  const std::string path = vex::test::SaveWindowPng(w, "harness-red");
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  DestroyWindow(w);
}
