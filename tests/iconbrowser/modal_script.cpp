#include "modal_script.h"

#include <map>

namespace vex::test {
namespace {
std::map<UINT_PTR, ModalScript*>& Scripts() {
  static std::map<UINT_PTR, ModalScript*> scripts;
  return scripts;
}
}  // namespace

ModalScript::ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
  timer_ = SetTimer(nullptr, 0, 15, &ModalScript::Tick);
  Scripts()[timer_] = this;
}

ModalScript::~ModalScript() {
  KillTimer(nullptr, timer_);
  Scripts().erase(timer_);
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Scripts().find(id);
  if (it == Scripts().end()) return;
  ModalScript& s = *it->second;
  // A step may run a nested loop that dispatches this timer again.
  if (s.running_ || s.Finished()) return;
  s.running_ = true;
  if (s.steps_[s.next_]()) ++s.next_;
  s.running_ = false;
}

void PostClick(HWND control) {
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

HWND FindThreadWindow(const char* className) {
  struct Search {
    const char* cls;
    HWND found;
  } s{className, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM lp) -> BOOL {
        auto* search = reinterpret_cast<Search*>(lp);
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        if (lstrcmpA(name, search->cls) == 0 && IsWindowVisible(w)) {
          search->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

}  // namespace vex::test
