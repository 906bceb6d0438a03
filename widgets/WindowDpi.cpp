#include "widgets/WindowDpi.h"

#include "widgets/Handles.h"

namespace vcl {
namespace {

template <typename F>
F User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name))) : nullptr;
}

int ScreenLogPixels() {
  WindowDc dc(nullptr);
  const int dpi = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && window) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return ScreenLogPixels();
}

int SystemMetricForDpi(int index, int dpi) {
  using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
  static const auto getSystemMetricsForDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (getSystemMetricsForDpi && dpi > 0) return getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
  const int value = GetSystemMetrics(index);
  return dpi > 0 ? MulDiv(value, dpi, SystemDpi()) : value;
}

int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  if (getDpiForSystem) {
    const UINT dpi = getDpiForSystem();
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return ScreenLogPixels();
}

SIZE FrameSizeForDpi(DWORD style, DWORD exStyle, bool menu, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT r{0, 0, 100, 100};
  if (!adjustForDpi || !adjustForDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi))) {
    r = {0, 0, 100, 100};
    AdjustWindowRectEx(&r, style, menu, exStyle);
  }
  return {r.right - r.left - 100, r.bottom - r.top - 100};
}

bool MakeProcessDpiAware() {
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  using SetAwareFn = BOOL(WINAPI*)();
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
  const auto perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  const auto perMonitor = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
  if (const auto setContext = User32Function<SetContextFn>("SetProcessDpiAwarenessContext")) {
    if (setContext(perMonitorV2) || setContext(perMonitor)) return true;
  }
  const auto setAware = User32Function<SetAwareFn>("SetProcessDPIAware");
  return setAware && setAware();
}

}  // namespace vcl
