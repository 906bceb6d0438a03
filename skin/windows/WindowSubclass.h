#pragma once
// Subclassing a window from outside, bound to an object without thunks, and
// undone safely whatever was installed after it.
//
// Each kind of skin subclass (the frame, the MDI client, a control skinner,
// ...) has its own window procedure; a window carries at most one record per
// kind, in a window property.  Removing a subclass that is still the
// window's current procedure puts the saved procedure back.  When something
// else has subclassed the window since, the record stays as a pass-through
// (the later procedure still calls ours, which only passes on), so neither
// that later subclass nor the window's own procedure is cut off; a new
// subclass of the same kind takes the pass-through over instead of
// installing itself again.  The record goes with the window (WM_NCDESTROY).
//
// Messages reach the handler in the window's own character set (Unicode for
// Unicode windows such as Wine's dialogs and message boxes): read texts with
// GetWindowTextA rather than from a message's parameters.
#include <windows.h>

namespace vex::skin {

enum class TSubclassKind : int { kFrame, kMdiClient, kControl, kControlPart, kPopupMenu, kShowWatch, kCount };

class TSubclass {
 public:
  // The handler sees every message first; it calls CallOld to pass one on.
  using Handler = LRESULT (*)(void* owner, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  // Installs `handler` for `owner` as the window's subclass of `kind`; false
  // when the window already has an active one of that kind or is gone.
  static bool Install(HWND window, TSubclassKind kind, Handler handler, void* owner);
  // Takes the subclass off (or leaves a pass-through, see above).
  static void Remove(HWND window, TSubclassKind kind);
  static bool Installed(HWND window, TSubclassKind kind);
  // The procedure below this kind's subclass.
  static LRESULT CallOld(HWND window, TSubclassKind kind, UINT msg, WPARAM wParam, LPARAM lParam);
  // How many subclass records are alive (all windows), for leak checks.
  static int LiveRecords();
};

}  // namespace vex::skin
