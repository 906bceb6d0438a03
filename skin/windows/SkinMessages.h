#pragma once
// The skin engine's private window messages.  Their numbers are part of the
// interface: an application may send WM_SKINAPPLY to a form to re-apply the
// skin colours and may handle WM_SKINBUTTON (a caption button with an action
// of its own was clicked; wParam is that action).
#include <windows.h>

namespace vex::skin {

inline constexpr UINT WM_SKINAPPLY = 13313;     // 0x3401
inline constexpr UINT WM_SKINNCPAINT = 13570;   // 0x3502: repaint the whole non-client area
inline constexpr UINT WM_SKINACTIVATE = 13571;  // 0x3503: posted after attaching; first sizing
inline constexpr UINT WM_SKINBUTTON = 13572;    // 0x3504

static_assert(WM_SKINAPPLY == 0x3401 && WM_SKINNCPAINT == 0x3502 && WM_SKINACTIVATE == 0x3503 &&
              WM_SKINBUTTON == 0x3504);

}  // namespace vex::skin
