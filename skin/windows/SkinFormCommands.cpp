// TSkinForm: window commands, the mouse on caption objects and the hover
// timer.  Commands to the window itself are posted, never performed on the
// spot, so they run after the message that asked for them.
#include <windowsx.h>

#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"

namespace vex::skin {

void TSkinForm::Maximize() {
  if (FWindowState == 1) {
    Restore();
    return;
  }
  FWindowState = 1;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FHotObject = nullptr;
}

void TSkinForm::Minimize() {
  if (FWindowState == 2) {
    Restore();
    return;
  }
  FWindowState = 2;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TSkinForm::Restore() {
  FWindowState = 0;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TSkinForm::PressMenuButton(const TNCObject& button) {
  RECT window{};
  GetWindowRect(FHandle, &window);
  PostMessageA(FHandle, WM_NCLBUTTONDOWN, HTCLIENT,
               MAKELPARAM(window.left + button.FRect.left + 1, window.top + button.FRect.top + 1));
}

// While the menu is up the window has its own boxes back, so that the
// system enables the menu's items by what the window really has, not by the
// styles the skin took off it.  Nothing paints the native caption meanwhile.
void TSkinForm::ShowSystemMenu(POINT screen) {
  if (!FSystemMenu) return;
  SetNativeIcons(true);
  TrackPopupMenu(FSystemMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, FHandle, nullptr);
  if (FAttached && FWindowState != 2) SetNativeIcons(false);
}

void TSkinForm::MdiCommand(UINT command) {
  if (!IsMdiFrame() || !FClientWnd) return;
  const auto child = reinterpret_cast<HWND>(SendMessageA(FClientWnd, WM_MDIGETACTIVE, 0, 0));
  if (!child) return;
  SendMessageA(child, WM_SYSCOMMAND, command, 0);
  TSkinManage* manager = SkinManager();
  if (manager && manager->FMdiMax && !MdiChildMaximized()) manager->SetMdiMax(false);
}

POINT TSkinForm::ScreenToFrame(POINT screen) {
  POINT p = screen;
  ScreenToClient(FHandle, &p);
  if (FWindowState != 2) {
    p.x += FLeftWidth;
    p.y += FTopHeight + FMenuHeight;
  }
  return p;
}

void TSkinForm::HoverStop() { SetHoverTicking(false); }

void TSkinForm::SetHoverTicking(bool on) {
  if (on == FHoverTicking || !FHandle) return;
  FHoverTicking = on;
  if (on)
    SetTimer(FHandle, kHoverTimer, 250, nullptr);
  else
    KillTimer(FHandle, kHoverTimer);
}

void TSkinForm::HoverTick() {
  if (FTracking) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (FHotObject) {
    const POINT p = ScreenToFrame(cursor);
    if (!PtInRect(&FHotObject->FRect, p)) FHotObject->MouseLeave();
  }
  if (!FForm && HotControl) {
    const RECT r = HotControl->ScreenRect();
    if (!PtInRect(&r, cursor)) {
      HotControl->SendMouseLeave();
      HotControl = nullptr;
    }
  }
}

TNCObject* TSkinForm::ObjectAt(POINT p) {
  if (TNCObject* button = ButtonAt(p)) return button;
  return FMenuBar ? FMenuBar->MenuButtonAt(p) : nullptr;
}

bool TSkinForm::NcMouseMove(vcl::TMessage& m) {
  if (!FActive) {
    m.Result = 0;
    return true;  // an inactive window's buttons never light up
  }
  const POINT p = ScreenToFrame(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  if (TNCObject* object = ObjectAt(p)) {
    object->MouseMove();
    m.Result = 0;
    return true;
  }
  if (FHotObject) FHotObject->MouseLeave();
  return false;
}

bool TSkinForm::NcLButtonDown(vcl::TMessage& m) {
  const POINT p = ScreenToFrame(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  TNCObject* button = ButtonAt(p);
  TNCObject* menuButton = button || !FMenuBar ? nullptr : FMenuBar->MenuButtonAt(p);
  if (TNCObject* object = button ? button : menuButton) {
    if (!FActive) SetForegroundWindow(FHandle);
    object->MouseDown();
    if (menuButton) MenuLayer().OpenDropDown(*this, *menuButton);
    m.Result = 0;
    return true;
  }
  // The system would track its own maximise button and paint it over the
  // skin; a press it reports there with no skin button under it (the
  // buttons moved in between) does nothing.
  if (m.WParam == HTMAXBUTTON) {
    m.Result = 0;
    return true;
  }
  // A maximised window is not dragged by its caption.
  if (FWindowState == 1 && m.WParam == HTCAPTION) m.WParam = HTMENU;
  return false;
}

bool TSkinForm::NcLButtonUp(vcl::TMessage& m) {
  const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TNCObject* button = ButtonAt(ScreenToFrame(screen));
  TNCObject* object = button ? button : (FMenuBar ? FMenuBar->MenuButtonAt(ScreenToFrame(screen)) : nullptr);
  if (!object) return false;
  if (button && button == FHotObject) {
    auto* sys = static_cast<TWinSysButton*>(button);
    sys->MouseUp();
    sys->DoButtonAction(screen);
  }
  m.Result = 0;
  return true;
}

}  // namespace vex::skin
