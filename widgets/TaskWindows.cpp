#include "widgets/TaskWindows.h"

namespace vcl {

namespace {
struct Collect {
  HWND keep;
  std::vector<HWND>* out;
};
BOOL CALLBACK CollectWindow(HWND w, LPARAM param) {
  auto* c = reinterpret_cast<Collect*>(param);
  if (w != c->keep && IsWindowVisible(w) && IsWindowEnabled(w)) c->out->push_back(w);
  return TRUE;
}
}  // namespace

TaskWindowsDisabler::TaskWindowsDisabler(HWND keep) {
  Collect c{keep, &windows_};
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&c));
  for (HWND w : windows_) EnableWindow(w, FALSE);
}

void TaskWindowsDisabler::Restore() {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  }
  windows_.clear();
}

}  // namespace vcl
