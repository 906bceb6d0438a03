#pragma once
// Message-loop timer: OnTimer runs on the GUI thread every Interval
// milliseconds while Enabled. Each timer has a small hidden window that
// receives its WM_TIMER, so an exception in OnTimer reaches the error box.
#include <windows.h>

#include "widgets/Handles.h"
#include "widgets/Messages.h"
#include "widgets/TComponent.h"

namespace vcl {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned milliseconds);
  TNotifyEvent OnTimer;

 private:
  static LRESULT CALLBACK TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();

  bool FEnabled = true;
  unsigned FInterval = 1000;
  WindowHandle FWindow;
};

}  // namespace vcl
