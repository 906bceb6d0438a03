// Placeholder entry point: opens the main window until the real forms arrive.
#include <windows.h>

#include "res/resource_ids.h"
#include "app/usage/TKnowUsage.h"
#include "app/usage/UsageAddress.h"

namespace {

LRESULT CALLBACK MainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VEXILO));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "TForm1";
  RegisterClassA(&wc);
  RECT r{0, 0, 292, 94};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRect(&r, style, FALSE);
  HWND main = CreateWindowA("TForm1", "Vexilov3.0", style, 362, 150, r.right - r.left, r.bottom - r.top,
                            nullptr, nullptr, instance, nullptr);
  ShowWindow(main, show);
  // The usage report, as the main window's show event will start it.
  vex::app::TKnowUsage usage(nullptr);
  usage.URL = vex::app::UsageUrlFromEnvironment();
  usage.Visit();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
