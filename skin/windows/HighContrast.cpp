#include "skin/windows/HighContrast.h"

namespace vex::skin {

namespace {

THighContrastQuery gQuery = &SystemHighContrast;

constexpr char kWatchClass[] = "VexSkinSettingsWatch";

}  // namespace

bool SystemHighContrast() {
  HIGHCONTRASTA hc{};
  hc.cbSize = sizeof hc;
  if (!SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0)) return false;
  return (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool HighContrastOn() { return gQuery(); }

THighContrastQuery SetHighContrastQuery(THighContrastQuery query) {
  const THighContrastQuery old = gQuery;
  gQuery = query ? query : &SystemHighContrast;
  return old;
}

TSettingsWatch::TSettingsWatch(std::function<void()> changed) : FChanged(std::move(changed)) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!GetClassInfoA(instance, kWatchClass, &wc)) {
    wc.lpfnWndProc = &Proc;
    wc.hInstance = instance;
    wc.lpszClassName = kWatchClass;
    RegisterClassA(&wc);
  }
  // Top-level and never shown: a message-only window hears no broadcasts.
  FHandle = CreateWindowExA(WS_EX_TOOLWINDOW, kWatchClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                            this);
}

TSettingsWatch::~TSettingsWatch() {
  if (FHandle) {
    SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
  }
}

LRESULT CALLBACK TSettingsWatch::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  if (msg == WM_SETTINGCHANGE || msg == WM_SYSCOLORCHANGE) {
    auto* watch = reinterpret_cast<TSettingsWatch*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (watch && watch->FChanged) {
      try {
        watch->FChanged();
      } catch (...) {
        // A broadcast is no place for an error to surface.
      }
    }
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace vex::skin
