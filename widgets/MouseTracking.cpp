#include "widgets/MouseTracking.h"

#include <windowsx.h>

#include "widgets/TWinControl.h"

namespace vcl {
namespace {

TControl* gMouseControl = nullptr;

void SetMouseControl(TControl* control) {
  if (control == gMouseControl) return;
  TControl* old = gMouseControl;
  gMouseControl = control;
  // Leave before enter: whoever paints a hot state sees the old one cleared first.
  if (old) old->Perform(CM_MOUSELEAVE);
  if (control && control == gMouseControl) control->Perform(CM_MOUSEENTER);
}

}  // namespace

TControl* MouseControl() { return gMouseControl; }

void ForgetMouseControl(TControl* control) {
  if (gMouseControl == control) gMouseControl = nullptr;
}

void TrackMouse(TWinControl* control, UINT msg, LPARAM lParam) {
  if (msg == WM_MOUSEMOVE) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    TControl* target = control->ControlAtPos(p);
    const bool changed = (target ? target : control) != gMouseControl;
    SetMouseControl(target ? target : control);
    if (changed && control->HandleAllocated()) {
      // Windows tells us when the mouse leaves the window (WM_MOUSELEAVE).
      TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, control->Handle(), 0};
      TrackMouseEvent(&tme);
    }
  } else if (msg == WM_MOUSELEAVE) {
    if (gMouseControl == control ||
        (gMouseControl && gMouseControl->Parent() == control && !dynamic_cast<TWinControl*>(gMouseControl))) {
      SetMouseControl(nullptr);
    }
  }
}

}  // namespace vcl
