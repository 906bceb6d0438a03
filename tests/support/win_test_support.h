#pragma once
// Helpers for tests that run under Wine with real windows.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "screen_capture.h"

namespace vex::test {

// Dispatches this thread's messages until `done` holds or `timeout` passes.
// Returns whether `done` held: tests wait on what a window did, never sleep.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

// Dispatches what is already queued, then returns.
void PumpPending();

// Real mouse input (SendInput): `flags` of MOUSEEVENTF_*; with
// MOUSEEVENTF_MOVE the cursor goes to the screen point `at`.
void SendMouse(DWORD flags, POINT at = {});

// Makes the process DPI-aware as Vexilo's manifest does (per-monitor v2,
// else per-monitor, else system-aware: Wine 8 refuses v2), so windows report
// the display's DPI instead of 96.
void BecomeDpiAware();

// Folder beside the test executable where screenshots and other artefacts go
// (created on first use), with a trailing backslash.
std::string OutputDir();

// A whole file's bytes; "<missing>" when it cannot be opened, so a missing
// file never compares equal to expected contents.
std::string ReadFileText(const std::string& path);
// Replaces a file with `text` (a test failure when it cannot be created).
void WriteFileText(const std::string& path, const std::string& text);

// Live handles of this process, counted by the tests themselves where
// GetGuiResources answers 0 (Wine): GDI objects, USER objects (windows and
// menus), and the windows of this thread with all their children.
DWORD LiveGdiObjects();
DWORD LiveUserObjects();
int ThreadWindowCount();

// For benchmarks, which print figures: the mean time of `call` over
// `calls` runs after one warm-up run, in microseconds.
double MicrosecondsPerCall(int calls, const std::function<void()>& call);

// A window as shown on screen (frame included, which PrintWindow would leave
// out) once its picture has settled: under Wine it reaches the screen a
// moment after the paint.
Pixels SettledWindow(HWND window);
// Saves SettledWindow's picture to OutputDir()/name.png and returns the full
// path.
std::string SaveWindowPng(HWND window, const std::string& name);
// Saves a bitmap's pixels to OutputDir()/name.png and returns the full path.
std::string SaveBitmapPng(HBITMAP bitmap, const std::string& name);

// A change of the window's UI state as Windows makes it: WM_CHANGEUISTATE
// to the top-level window, whose DefWindowProc sends WM_UPDATEUISTATE to it
// and to every window inside it.  Wine difference: Wine 8 keeps no UI state
// (WM_QUERYUISTATE answers 0, WM_CHANGEUISTATE is dropped), so the updates
// Windows would send are sent here too; a second identical update changes
// nothing on Windows.
void ChangeUiState(HWND top, WORD action, WORD flags);
// What the system broadcasts when the user switches high contrast.
void BroadcastHighContrastChange();

}  // namespace vex::test
