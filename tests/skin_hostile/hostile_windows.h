// The windows the hostile-skin harness paints: every gallery page that is
// not modal, a dialog of the system's dialog class with its controls, and a
// popup-menu window, all skinned and then hidden; and what the harness
// checks around them (files written, steps timed, crashes and hangs named).
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vex::skin::hostile {

// Opens the windows and waits until each one's frame is skinned and
// active; false (with `why`) when one is not skinned in time.
bool OpenWindows(std::string& why);
// The windows opened (top-level ones; the popup-menu window last).
const std::vector<HWND>& OpenedWindows();
HWND PopupWindow();
// The window has a frame, attached and active.
bool Skinned(HWND window);

// Every file under `folder` (relative names with their sizes and write times).
std::set<std::string> ListFiles(const std::string& folder);
// The folder of the executable, with a trailing backslash.
std::string ProgramFolder();
// Gives the process a temporary folder of its own (TMP and TEMP), so files
// other programs leave in the shared one do not count; returns it.
std::string UsePrivateTempFolder();

// Names what the harness is doing, for a watchdog thread and for a crash:
// a step that runs longer than `hangSeconds` ends the process with code 3
// after printing "HANG seed N: step"; an unhandled exception prints
// "CRASH seed N: step" before the process ends.
class StepWatch {
 public:
  static void Start(int hangSeconds);
  static void Seed(std::uint64_t seed);
  // Begins a step (a string literal); Done ends it and returns its time.
  static void Begin(const char* step);
  static double Done();  // milliseconds
};

}  // namespace vex::skin::hostile
