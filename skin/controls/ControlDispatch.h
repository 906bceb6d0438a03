#pragma once
// The control layer: when a frame attaches, it picks a skinner for each
// control of its window.  A window with a form object is walked through the
// components its form owns and decided by widget class and window class
// (ControlDispatchTable.h, rows 1 to 32); a plain window (a system dialog)
// through its direct child windows, decided by window class and style.
// The layer registers itself with the frame when it is linked in.
#include <windows.h>

#include "skin/controls/ControlDispatchTable.h"

namespace vcl {
class TComponent;
class TControl;
}  // namespace vcl

namespace vex::skin {

class TSkinControl;
class TSkinForm;

void SkinFormControls(TSkinForm& frame, vcl::TComponent& container);
void SkinChildWindows(TSkinForm& frame);
void SkinChildWindow(TSkinForm& frame, HWND window);

// A skinner of the frame already serves the component.
bool IsControlSkinned(TSkinForm& frame, vcl::TComponent& component);
// The frame's skinner of a window, or null.
TSkinControl* FindSkinner(TSkinForm& frame, HWND window);
// A windowed control with a scroll bar style, or a memo.
bool HasScrollBars(vcl::TControl& control);
// What the dispatch table reads of a component.  Creates the window of a
// windowed control; `usable` false when that fails.
controls::FormFacts FormFactsOf(TSkinForm& frame, vcl::TComponent& component, bool& usable);

}  // namespace vex::skin
