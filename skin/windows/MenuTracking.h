#pragma once
// Opening and tracking the drop-downs of a skinned menu bar.  One drop-down
// of one window is open at a time (the system's modal menu loop sees to
// that), so the tracking state is process-wide.  While a drop-down is open a
// WH_MSGFILTER hook watches the menu loop's input, and the window procedure
// hands on what the loop sends the window (WM_MENUSELECT, WM_MENUCHAR); the
// rules of MenuTrackRules.h decide what to do with both.
#include <windows.h>

#include "skin/windows/MenuTrackRules.h"

namespace vex::skin {

class TSkinForm;
class TMenuBtn;
class TSkinMenuBar;

// Opens `button`'s drop-down below it and tracks it; returns when it has
// closed.  False when the button has no drop-down.  The button's command is
// posted to the window first: always for a form object's main-menu item,
// for a native item when it is an enabled command without a drop-down.
bool OpenDropDown(TSkinForm& frame, TMenuBtn& button);
// The first enabled button whose caption has `ch` as its accelerator.
TMenuBtn* FindAccelButton(TSkinForm& frame, unsigned char ch);
// Makes the frame open `button`'s drop-down next: the open one closes, and
// once it has, a click on `button` is posted to the window.
void SwitchTo(TSkinForm& frame, TMenuBtn& button);
void EndTracking(TSkinForm& frame);
// WM_MENUSELECT and WM_MENUCHAR of a frame's window while its drop-down is
// tracked; true when the message is answered (`result`).
bool MenuLoopMessage(TSkinForm& frame, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
// A menu bar being freed: tracking no longer refers to it.
void ForgetMenuBar(TSkinMenuBar* bar);

// The bar's button whose drop-down is open, or -1.
int OpenButtonIndex(const TSkinMenuBar* bar);

// What tests look at.
const menu::TrackState& TrackingState();
bool MenuFilterInstalled();

}  // namespace vex::skin
