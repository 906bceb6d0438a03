#pragma once
// Which control the mouse is over, windowed or not, and the CM_MOUSELEAVE /
// CM_MOUSEENTER pair sent through WindowProc whenever that changes.
#include <windows.h>

namespace vcl {

class TControl;
class TWinControl;

// Seen by the window procedure before the control handles the message.
void TrackMouse(TWinControl* control, UINT msg, LPARAM lParam);
// The control under the mouse, or nullptr.
TControl* MouseControl();
// Called by a dying control.
void ForgetMouseControl(TControl* control);

}  // namespace vcl
