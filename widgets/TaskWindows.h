#pragma once
// While a modal window or a system dialog is up, every other top-level window
// of the program is disabled; this puts them back on scope exit.
#include <windows.h>

#include <vector>

namespace vcl {

class TaskWindowsDisabler {
 public:
  // Disables the visible, enabled top-level windows of this thread except `keep`.
  explicit TaskWindowsDisabler(HWND keep = nullptr);
  TaskWindowsDisabler(const TaskWindowsDisabler&) = delete;
  TaskWindowsDisabler& operator=(const TaskWindowsDisabler&) = delete;
  ~TaskWindowsDisabler() { Restore(); }
  // Re-enables them now (before the modal window hides, so activation goes back).
  void Restore();

 private:
  std::vector<HWND> windows_;
};

}  // namespace vcl
