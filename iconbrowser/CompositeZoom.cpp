#include "iconbrowser/CompositeZoom.h"

#include <algorithm>

#include "iconbrowser/IconGdi.h"

namespace vex::iconbrowser {
namespace {

constexpr char kClassName[] = "TCompositeZoom";

void RegisterZoomClass(WNDPROC proc) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kClassName, &wc)) return;
  wc.style = CS_DROPSHADOW;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassExA(&wc);
}

}  // namespace

CompositeZoom::~CompositeZoom() {
  if (FWindow) DestroyWindow(FWindow);
}

void CompositeZoom::Show(HWND owner, const RECT& anchor, const RgbaImage& image) {
  if (image.Empty()) {
    Hide();
    return;
  }
  FIcon.reset(CreateAlphaIcon(image));
  if (!FIcon) {
    Hide();
    return;
  }
  FSide = image.width;
  const int outer = FSide + 2 * kPadding;
  if (!FWindow) {
    RegisterZoomClass(WndProc);
    FWindow = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, "", WS_POPUP | WS_BORDER,
                              0, 0, outer, outer, owner, nullptr, GetModuleHandleA(nullptr), this);
    if (!FWindow) return;
  }
  // Right of the preview, centred on it; flipped to the left or pushed up
  // when the monitor ends there.
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  GetMonitorInfoA(MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &mi);
  RECT frame{0, 0, outer, outer};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  int x = anchor.right + 8;
  if (x + w > mi.rcWork.right) x = anchor.left - 8 - w;
  int y = (anchor.top + anchor.bottom) / 2 - h / 2;
  y = std::clamp(y, static_cast<int>(mi.rcWork.top), std::max(static_cast<int>(mi.rcWork.top), static_cast<int>(mi.rcWork.bottom) - h));
  x = std::max(x, static_cast<int>(mi.rcWork.left));
  SetWindowPos(FWindow, HWND_TOPMOST, x, y, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(FWindow, nullptr, TRUE);
}

void CompositeZoom::Hide() {
  if (FWindow) ShowWindow(FWindow, SW_HIDE);
}

void CompositeZoom::Paint(HDC dc) {
  RECT r;
  GetClientRect(FWindow, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
  if (FIcon) DrawIconEx(dc, kPadding, kPadding, FIcon.get(), FSide, FSide, 0, nullptr, DI_NORMAL);
}

LRESULT CALLBACK CompositeZoom::WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<CompositeZoom*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (msg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the mouse belongs to the preview below
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      if (self) self->Paint(dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      if (self) self->FWindow = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace vex::iconbrowser
