#include "widgets/TTimer.h"

#include "widgets/WindowClasses.h"

namespace vcl {

namespace {
constexpr char kTimerClass[] = "TPUtilWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TimerWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTimerClass;
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
  FWindow.reset(CreateWindowExA(0, kTimerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr));
  SetWindowLongPtrA(FWindow.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  UpdateTimer();
}

TTimer::~TTimer() {
  if (FWindow) {
    KillTimer(FWindow.get(), kTimerId);
    SetWindowLongPtrA(FWindow.get(), GWLP_USERDATA, 0);
  }
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == FInterval) return;
  FInterval = milliseconds;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (!FWindow) return;
  KillTimer(FWindow.get(), kTimerId);
  if (FEnabled && FInterval > 0) SetTimer(FWindow.get(), kTimerId, FInterval, nullptr);
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (timer && timer->FEnabled && timer->OnTimer) {
      try {
        timer->OnTimer(timer);
      } catch (...) {
        HandleWindowException();
      }
    }
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace vcl
