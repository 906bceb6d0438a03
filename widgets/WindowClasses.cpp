#include "widgets/WindowClasses.h"

#include <commctrl.h>

#include <map>

#include "widgets/Exceptions.h"
#include "widgets/MouseTracking.h"
#include "widgets/TWinControl.h"

namespace vcl {
namespace {

std::map<std::string, WNDPROC>& Classes() {
  static std::map<std::string, WNDPROC> classes;
  return classes;
}

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                             ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                             ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

}  // namespace

WNDPROC EnsureWindowClass(const std::string& name, const std::string& baseClass, UINT classStyle) {
  auto& classes = Classes();
  if (auto it = classes.find(name); it != classes.end()) return it->second;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  WNDPROC def = DefWindowProcA;
  if (!baseClass.empty()) {
    InitCommonControlsOnce();
    if (!GetClassInfoExA(nullptr, baseClass.c_str(), &wc)) {
      throw EOSError("Window class " + baseClass + " is not available");
    }
    def = wc.lpfnWndProc;
    wc.cbSize = sizeof wc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.style = classStyle;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  }
  wc.lpfnWndProc = StdWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name.c_str();
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw EOSError("Cannot register window class " + name);
  }
  classes[name] = def;
  return def;
}

WNDPROC DefaultProcOf(const std::string& name) {
  auto& classes = Classes();
  auto it = classes.find(name);
  return it == classes.end() ? DefWindowProcA : it->second;
}

namespace {
thread_local TWinControl* tCreating = nullptr;
}  // namespace

void SetCreatingControl(TWinControl* control) { tCreating = control; }

LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control) {
    control = tCreating;
    if (!control) {
      char name[256] = {};
      GetClassNameA(window, name, sizeof name);
      return CallWindowProcA(DefaultProcOf(name), window, msg, wParam, lParam);
    }
    // The first message of a window being created (often WM_GETMINMAXINFO or
    // WM_NCCREATE) binds it to its object.
    tCreating = nullptr;
    control->Attach(window);
  }
  if (msg == WM_MOUSEMOVE || msg == WM_MOUSELEAVE) TrackMouse(control, msg, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    TWndMethod proc = control->WindowProc;
    if (proc) proc(m);
  } catch (...) {
    HandleWindowException();
  }
  if (msg == WM_NCDESTROY) {
    if (TWinControl* c = TWinControl::FindControl(window)) c->HandleDestroyed();
  }
  return m.Result;
}

}  // namespace vcl
