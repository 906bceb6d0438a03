#pragma once
// The DPI a window is shown at, asked of the system.  Functions that only
// newer systems export are found at run time, so the program starts (and
// builds with any SDK) where they are missing and falls back to the screen's
// DPI, which is every window's DPI for a process that is not per-monitor
// aware.  Forms ask once, when their window is made, and keep the answer
// (updated by WM_DPICHANGED); nothing asks per paint.
#include <windows.h>

namespace vcl {

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// GetDpiForWindow, or the screen's LOGPIXELSX; 96 when neither answers.
int WindowDpi(HWND window);
// GetDpiForSystem, or the screen's LOGPIXELSX.
int SystemDpi();
// A system metric (SM_CYMENU, ...) at `dpi` (GetSystemMetricsForDpi, or the
// metric at the system's DPI scaled to `dpi`).
int SystemMetricForDpi(int index, int dpi);
// The frame around a client area of style/exStyle/menu at `dpi`
// (AdjustWindowRectExForDpi, or AdjustWindowRectEx at the system's DPI).
SIZE FrameSizeForDpi(DWORD style, DWORD exStyle, bool menu, int dpi);

// Makes this process per-monitor DPI aware when nothing declared it (a
// program without the manifest, such as a test): per monitor v2, else per
// monitor (Wine 8 refuses v2), else system aware.  Returns the DPI awareness
// context's success; call before the first window.
bool MakeProcessDpiAware();

}  // namespace vcl
