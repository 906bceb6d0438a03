// A raw Win32 MDI frame with two children: no form objects, so the engine
// skins it as a foreign window, and its children when the client announces
// them.
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryIcons.h"

namespace gallery {
namespace {

constexpr char kFrameClass[] = "VexGalleryMdiFrame";
constexpr char kChildClass[] = "VexGalleryMdiChild";
HWND gClient = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT ccs{nullptr, 50000};
      gClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, window,
                                nullptr, GetModuleHandleA(nullptr), &ccs);
      return 0;
    }
    case WM_CLOSE:
      ShowWindow(window, SW_HIDE);  // the gallery's main form ends the program
      return 0;
    default:
      return DefFrameProcA(window, gClient, msg, wParam, lParam);
  }
}

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r{};
    GetClientRect(window, &r);
    SetBkMode(dc, TRANSPARENT);
    char text[100] = {};
    GetWindowTextA(window, text, sizeof text);
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &ps);
    return 0;
  }
  return DefMDIChildProcA(window, msg, wParam, lParam);
}

void Register() {
  static bool done = false;
  if (done) return;
  done = true;
  HICON icon = MakeGalleryIcon(RGB(60, 110, 170));
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FrameProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.hIcon = icon;
  wc.lpszClassName = kFrameClass;
  RegisterClassExA(&wc);
  wc.lpfnWndProc = ChildProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.hIcon = MakeGalleryIcon(RGB(170, 80, 60));
  wc.lpszClassName = kChildClass;
  RegisterClassExA(&wc);
}

HWND CreateChild(const char* title, int x, int y) {
  MDICREATESTRUCTA mcs{};
  mcs.szClass = kChildClass;
  mcs.szTitle = title;
  mcs.hOwner = GetModuleHandleA(nullptr);
  mcs.x = x;
  mcs.y = y;
  mcs.cx = 220;
  mcs.cy = 140;
  mcs.style = WS_OVERLAPPEDWINDOW;
  return reinterpret_cast<HWND>(SendMessageA(gClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

HWND OpenMdi() {
  Register();
  const POINT at = NextWindowPosition(520, 360);
  HWND frame = CreateWindowExA(0, kFrameClass, "MDI 框架 MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, at.x, at.y,
                               520, 360, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(frame, SW_SHOW);
  CreateChild("子窗口 1", 10, 10);
  CreateChild("子窗口 2", 150, 90);
  return frame;
}

const PageRegistrar gMdi{{"mdi", 20, OpenMdi, nullptr}};

}  // namespace
}  // namespace gallery
