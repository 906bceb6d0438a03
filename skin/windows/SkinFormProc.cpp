// TSkinForm: the window procedure that drives the skinned frame, and the
// hook in a form object's message chain.
//
// The window procedure works in two stages.  The first sees every message:
// state bookkeeping, sizing, colours and the frame's private messages.  The
// second, the non-client area proper, runs once the frame has been activated
// (WM_SKINACTIVATE), and not while the window is minimised or is an MDI child
// that is maximised or minimised: then the window looks as Windows draws it.
// A message that neither stage handled goes on to the window's own procedure.
#include <windows.h>

#include <windowsx.h>

#include "skin/data/TSkinData.h"
#include "skin/windows/SkinMessages.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/UiState.h"
#include "skin/windows/WindowSubclass.h"
#include "widgets/TForm.h"

namespace vex::skin {

LRESULT TSkinForm::Dispatch(void* data, void (TSkinForm::*proc)(vcl::TMessage&), UINT msg, WPARAM wParam,
                            LPARAM lParam) {
  auto* frame = static_cast<TSkinForm*>(data);
  vcl::TMessage m{msg, wParam, lParam, 0};
  {
    TFrameProcScope scope(*frame);
    try {
      (frame->*proc)(m);
    } catch (...) {
      // Nothing of the skin may stop the window's own handling.
    }
  }
  return m.Result;
}

LRESULT FrameSubclassProc(void* data, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  return TSkinForm::Dispatch(data, &TSkinForm::WndProc, msg, wParam, lParam);
}

TSkinForm* FrameOf(HWND window) {
  TSkinManage* manager = SkinManager();
  return manager ? manager->FindFrame(window) : nullptr;
}

void TSkinForm::PassOn(vcl::TMessage& m) {
  m.Result = TSubclass::CallOld(FHandle, TSubclassKind::kFrame, m.Msg, m.WParam, m.LParam);
}

void TSkinForm::WndProc(vcl::TMessage& m) {
  if (Stage1(m)) return;
  if (FSubclassed && FSkinState != kSkinAttached && FWindowState != 2 && !MdiChildAside() && Stage2(m)) return;
  PassOn(m);
}

bool TSkinForm::Stage1(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_NCACTIVATE:
    case WM_ACTIVATE:
      FActive = LOBYTE(LOWORD(m.WParam)) != 0;
      return false;
    case WM_ERASEBKGND:
      PassOn(m);
      if (!FForm && FSkinData) {
        RECT client{};
        GetClientRect(FHandle, &client);
        FillRect(reinterpret_cast<HDC>(m.WParam), &client, FSkinData->FaceBrush.get());
        m.Result = 1;
      }
      return true;
    case WM_DESTROY:
      // Normally the frame is gone before this (the hook releases it first).
      UnsubclassClient();
      PassOn(m);
      if (FSubclassed) {
        TSubclass::Remove(FHandle, TSubclassKind::kFrame);
        FSubclassed = false;
      }
      return true;
    case WM_SIZE: {
      PassOn(m);
      if (m.WParam == SIZE_RESTORED) FWindowState = 0;
      else if (m.WParam == SIZE_MINIMIZED) FWindowState = 2;
      else if (m.WParam == SIZE_MAXIMIZED) FWindowState = 1;
      TSkinManage* manager = SkinManager();
      if (FWindowState == 2 || (IsMdiChild() && ((manager && manager->FMdiMax) || FWindowState != 0))) return true;
      if (FSkinState == kSkinActive || FSkinState == kSkinApplying) BuildRegion();
      return true;
    }
    case WM_GETMINMAXINFO: {
      PassOn(m);
      ReadWindowState();
      SetNativeIcons(FWindowState == 2);
      auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
      info->ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
      return true;
    }
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      PassOn(m);
      return true;
    case WM_COMMAND:
      switch (LOWORD(m.WParam)) {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
        case SC_CLOSE:
        case SC_RESTORE:
          // A choice from the system menu shown as a popup.
          PostMessageA(FHandle, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
          return true;
        default:
          PassOn(m);
          return true;
      }
    case WM_SYSCOMMAND:
      SysCommand(m);
      return true;
    case WM_CTLCOLORBTN:
      PassOn(m);
      SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
      return true;
    case WM_CTLCOLORSTATIC:
      PassOn(m);
      if (!FForm) SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
      if (FSkinData) m.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush.get());
      return true;
    case WM_SKINACTIVATE:
      SkinActivate();
      return true;
    case WM_TIMER:
      // Ours is never passed on; one left in the queue from before the
      // ticking stopped is dropped.
      if (m.WParam != kHoverTimer) return false;
      if (FHoverTicking) HoverTick();
      m.Result = 0;
      return true;
    case WM_UPDATEUISTATE: {
      // Alt shows the menu bar's access keys, as on a native menu bar.
      PassOn(m);
      const bool hid = HidesAccessKeys();
      FUiState = UpdatedUiState(FUiState, m.WParam, FHandle);
      if (hid != HidesAccessKeys() && FMenuBar && FSkinState == kSkinActive && FWindowState != 2 &&
          !MdiChildAside())
        PaintFrame();
      return true;
    }
    case WM_DPICHANGED:
      DpiChanged(m);
      return true;
    case WM_MENUSELECT:
    case WM_MENUCHAR:
      // The menu loop of a skinned menu bar's drop-down reports here.
      return MenuLayer().MenuLoopMessage(*this, m.Msg, m.WParam, m.LParam, m.Result);
    default:
      return false;
  }
}

bool TSkinForm::Stage2(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_NCACTIVATE: {
      FActive = m.WParam != 0;
      SetHoverTicking(FActive);
      if (!FActive && HotControl) {
        HotControl->SendMouseLeave();
        HotControl = nullptr;
      }
      // -1: the system changes the activation state without painting its own
      // caption over ours.
      m.Result = TSubclass::CallOld(FHandle, TSubclassKind::kFrame, m.Msg, m.WParam, -1);
      if (FAttached && !MdiChildAside()) PaintFrame();
      return true;
    }
    case WM_NCCALCSIZE:
      NcCalcSize(m);
      return true;
    case WM_NCPAINT: {
      HDC dc = nullptr;
      if (m.WParam > 1) {
        // GetDCEx takes ownership of the region it clips with.
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        if (CombineRgn(clip, reinterpret_cast<HRGN>(m.WParam), nullptr, RGN_COPY) != ERROR)
          dc = GetDCEx(FHandle, clip, DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE | DCX_CLIPSIBLINGS);
        if (!dc) DeleteObject(clip);
      }
      if (!dc) dc = GetWindowDC(FHandle);
      PaintFrame(dc);
      if (dc) ReleaseDC(FHandle, dc);
      m.Result = 0;
      return true;
    }
    case WM_NCHITTEST: {
      PassOn(m);
      const POINT p = ScreenToFrame(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      if (m.Result == HTCAPTION && FMenuHeight > 0 && p.y >= FTopHeight) m.Result = HTMENU;
      // The skin's bands may be thicker than the system's: what the system
      // finds nothing at is still the title bar or the menu band.
      if (m.Result == HTNOWHERE && p.x >= 0 && p.x < FWidth) {
        if (p.y >= 0 && p.y < FTopHeight) m.Result = HTCAPTION;
        else if (p.y >= FTopHeight && p.y < FTopHeight + FMenuHeight) m.Result = HTMENU;
      }
      // The skin's maximise (or restore) button answers as the native one
      // would, so that Windows 11 offers its snap layouts over it.  The
      // mouse on it stays the skin's: NcLButtonDown keeps the press from the
      // system's own button tracking.
      if (IsMaximizeButton(ButtonAt(p))) m.Result = HTMAXBUTTON;
      return true;
    }
    case WM_NCMOUSEMOVE:
      return NcMouseMove(m);
    case WM_NCLBUTTONDOWN:
      return NcLButtonDown(m);
    case WM_NCLBUTTONUP:
      return NcLButtonUp(m);
    case WM_NCLBUTTONDBLCLK:
      if (FWindowState != 0)
        Restore();
      else if (FNativeIcons & 1)
        Maximize();
      m.Result = 0;
      return true;
    case WM_NCRBUTTONDOWN:
      if (m.WParam == HTCAPTION && !IsMdiChild()) {
        ShowSystemMenu(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        m.Result = 0;
        return true;
      }
      return false;
    case WM_MEASUREITEM:
      if (FNativeMenu && MenuLayer().MeasureMenuItem(*this, *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return true;
      }
      return false;
    case WM_DRAWITEM:
      if (FNativeMenu && MenuLayer().DrawMenuItem(*this, *reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return true;
      }
      return false;
    case WM_SETTEXT:
      // A form's caption is repainted through its hook; a dialog's here.
      PassOn(m);
      if (!FForm && FAttached) PaintFrame();
      return true;
    case WM_SKINNCPAINT:
      PaintFrame();
      return true;
    default:
      return false;
  }
}

void TSkinForm::NcCalcSize(vcl::TMessage& m) {
  if (!m.WParam) {
    PassOn(m);
    m.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  const RECT proposed = params->rgrc[0];
  PassOn(m);
  if (MdiChildAside()) {
    params->rgrc[1] = params->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return;
  }
  const frame::Rect c = frame::SkinnedClientRect(proposed.left, proposed.top, proposed.right - proposed.left,
                                                 proposed.bottom - proposed.top, Bands());
  RECT client{c.left, c.top, std::max(c.left, c.right), std::max(c.top, c.bottom)};
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  m.Result = WVR_VALIDRECTS;
}

void TSkinForm::SkinActivate() {
  if (FSkinState == kSkinAttached) {
    TSkinManage* manager = SkinManager();
    if (IsMdiChild() && manager && manager->FMdiMax) {
      SetNativeIcons(true);
    } else {
      FSkinState = kSkinFirstSizing;
      FitToSkin(false);
      FSkinState = kSkinActive;
      BuildRegion();
    }
  }
  FSkinState = kSkinActive;
  SetHoverTicking(true);
  PaintFrame();
}

void TSkinForm::FitBeforeShow() {
  // A window about to be shown minimised or maximised is fitted at
  // activation, as one skinned while shown.
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  if (FSkinState != kSkinAttached || IsMdiChild() || (style & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE))) return;
  FSkinState = kSkinFirstSizing;
  FitToSkin(false);
  BuildRegion();
  FSkinState = kSkinActive;
}

void TSkinForm::SysCommand(vcl::TMessage& m) {
  const UINT command = static_cast<UINT>(m.WParam & 0xFFF0);
  if (!FTracking && command == SC_KEYMENU && m.LParam != ' ' && m.LParam != '-' && !GetCapture()) {
    // The menu key alone, or Alt with a menu bar button's accelerator: the
    // native menu bar is never entered from the keyboard.  A window without
    // form object hears of the accelerator only here: its button opens.
    if (m.LParam == 0) {
      m.Result = 1;
      return;
    }
    if (TNCObject* button = MenuLayer().FindAccelButton(*this, static_cast<unsigned char>(m.LParam))) {
      PressMenuButton(*button);
      m.Result = 1;
      return;
    }
  }
  // Alt+Space: the system's own way to the system menu needs the system-menu
  // style, which the skin takes off; the menu opens below the window icon.
  if (command == SC_KEYMENU && m.LParam == ' ' && !(GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_SYSMENU) &&
      (FNativeIcons & 8)) {
    RECT window{};
    GetWindowRect(FHandle, &window);
    ShowSystemMenu(POINT{window.left + FLeftWidth, window.top + FTopHeight});
    m.Result = 0;
    return;
  }
  switch (command) {
    case SC_MINIMIZE:
      FWindowState = 2;
      if (IsMdiChild()) SetNativeIcons(true);
      break;
    case SC_MAXIMIZE: FWindowState = 1; break;
    case SC_RESTORE:
      FWindowState = 0;
      if (IsMdiChild()) SetNativeIcons(false);
      break;
    default: break;
  }
  PassOn(m);
}

void TSkinForm::FormWindowProc(vcl::TMessage& m) {
  TFrameProcScope scope(*this);
  auto passOn = [&] {
    if (FOldWindowProc) FOldWindowProc(m);
  };
  switch (m.Msg) {
    case WM_SETTEXT:
      passOn();
      if (FAttached) FrameChanged();
      return;
    case WM_SKINAPPLY:
      ApplySkin();
      return;
    case vcl::CM_DIALOGCHAR:
      if (TNCObject* button = MenuLayer().FindAccelButton(*this, static_cast<unsigned char>(m.WParam))) {
        PressMenuButton(*button);
        m.Result = 1;
        return;
      }
      passOn();
      return;
    case vcl::CM_MENUCHANGED:
      passOn();
      if (FMenuBar) {
        FMenuBar->Build();
        if (FAttached) PaintFrame();  // the band shows the new captions now
      }
      return;
    default:
      passOn();
      return;
  }
}

}  // namespace vex::skin
