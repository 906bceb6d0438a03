// A raw Win32 MDI frame with a menu and two children, the second one
// maximised: no form objects, so the engine skins it as a foreign window,
// and its children when the client announces them.  The skinned menu bar
// carries the maximised child's minimise, restore and close buttons.
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryIcons.h"
#include "widgets/DpiScale.h"
#include "widgets/WindowDpi.h"

namespace gallery {
namespace {

constexpr char kFrameClass[] = "VexGalleryMdiFrame";
constexpr char kChildClass[] = "VexGalleryMdiChild";
HWND gClient = nullptr;
HMENU gWindowMenu = nullptr;
int gChildren = 0;

enum : UINT { kNewChild = 100, kCascade, kTile, kAbout };

HWND CreateChild(const char* title, int x, int y);

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT ccs{gWindowMenu, 50000};
      gClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, window,
                                nullptr, GetModuleHandleA(nullptr), &ccs);
      return 0;
    }
    case WM_CLOSE:
      ShowWindow(window, SW_HIDE);  // the gallery's main form ends the program
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kNewChild: {
          char title[32];
          wsprintfA(title, "子窗口 %d", ++gChildren);
          CreateChild(title, 20 * gChildren, 15 * gChildren);
          return 0;
        }
        case kCascade: SendMessageA(gClient, WM_MDICASCADE, 0, 0); return 0;
        case kTile: SendMessageA(gClient, WM_MDITILE, MDITILE_VERTICAL, 0); return 0;
        case kAbout: SetWindowTextA(window, "MDI 框架 MDI frame - 关于"); return 0;
        default: break;
      }
      break;
    default:
      break;
  }
  return DefFrameProcA(window, gClient, msg, wParam, lParam);
}

HMENU MakeFrameMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kNewChild, "新建子窗口(&N)\tCtrl+N");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING | MF_GRAYED, 0, "打印(&P)");
  gWindowMenu = CreatePopupMenu();
  AppendMenuA(gWindowMenu, MF_STRING, kCascade, "层叠(&C)");
  AppendMenuA(gWindowMenu, MF_STRING, kTile, "平铺(&T)");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(gWindowMenu), "窗口(&W)");
  AppendMenuA(bar, MF_STRING, kAbout, "关于(&A)");
  return bar;
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
  mcs.cx = vcl::dpi::Scale(220, vcl::SystemDpi());
  mcs.cy = vcl::dpi::Scale(140, vcl::SystemDpi());
  mcs.style = WS_OVERLAPPEDWINDOW;
  return reinterpret_cast<HWND>(SendMessageA(gClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

HWND OpenMdi() {
  Register();
  // A raw window: its design is scaled here, at the DPI it opens at.
  const int dpi = vcl::SystemDpi();
  const int width = vcl::dpi::Scale(520, dpi), height = vcl::dpi::Scale(360, dpi);
  const POINT at = NextWindowPosition(width, height);
  HMENU menu = MakeFrameMenu();
  HWND frame = CreateWindowExA(0, kFrameClass, "MDI 框架 MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, at.x, at.y,
                               width, height, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(frame, SW_SHOW);
  CreateChild("子窗口 1", vcl::dpi::Scale(10, dpi), vcl::dpi::Scale(10, dpi));
  HWND second = CreateChild("子窗口 2", vcl::dpi::Scale(150, dpi), vcl::dpi::Scale(90, dpi));
  gChildren = 2;
  SendMessageA(gClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
  return frame;
}

const PageRegistrar gMdi{{"mdi", 20, OpenMdi, nullptr}};

}  // namespace
}  // namespace gallery
