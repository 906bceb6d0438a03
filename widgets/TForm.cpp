#include "widgets/TForm.h"

#include "widgets/Exceptions.h"
#include "widgets/TApplication.h"
#include "widgets/TMenu.h"
#include "widgets/DpiScale.h"
#include "widgets/TaskWindows.h"
#include "widgets/WindowClasses.h"
#include "widgets/WindowDpi.h"

namespace vcl {

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  InitVisible(false);
  SetStoredBounds(0, 0, 0, 0);
  FPaintsSelf = true;
  SetColor(clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  FIcon.OnChange = [this] { ApplyIcon(); };
  RegisterForm(this);
  FClientWidth = 320;
  FClientHeight = 240;
  ClientChanged();
  const SIZE f = FrameSize();
  SetStoredBounds(0, 0, FClientWidth + f.cx, FClientHeight + f.cy);
}

TForm::~TForm() {
  DestroyHandle();
  UnregisterForm(this);
}

void TForm::AfterConstruction() {
  TWinControl::AfterConstruction();
  if (FCreated) return;
  FCreated = true;
  if (OnCreate) {
    try {
      OnCreate(this);
    } catch (...) {
      HandleWindowException();
    }
  }
}

void TForm::BeforeDestruction() {
  if (!FDestroyDone) {
    FDestroyDone = true;
    if (OnDestroy) {
      try {
        OnDestroy(this);
      } catch (...) {
        HandleWindowException();
      }
    }
  }
  TWinControl::BeforeDestruction();
}

DWORD TForm::StyleFor() const {
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (FBorderStyle) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style |= WS_POPUP | WS_CAPTION; break;
    case bsToolWindow: style |= WS_CAPTION; break;
    case bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; break;
  }
  if (FBorderStyle != bsNone && (FBorderIcons & biSystemMenu)) {
    style |= WS_SYSMENU;
    const bool tool = FBorderStyle == bsDialog || FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin;
    if (!tool && (FBorderIcons & biMinimize)) style |= WS_MINIMIZEBOX;
    if (!tool && (FBorderIcons & biMaximize)) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD TForm::ExStyleFor() const {
  DWORD ex = 0;
  if (FBorderStyle == bsDialog) ex |= WS_EX_DLGMODALFRAME;
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) ex |= WS_EX_TOOLWINDOW;
  // The system shows the help button only without minimise and maximise boxes.
  const DWORD style = StyleFor();
  if ((FBorderIcons & biHelp) && (style & WS_SYSMENU) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
    ex |= WS_EX_CONTEXTHELP;
  }
  return ex;
}

SIZE TForm::FrameSize() const { return FrameSizeForDpi(StyleFor(), ExStyleFor(), FMenu != nullptr, Dpi()); }

void TForm::ClientChanged() {
  FDesignClientWidth = dpi::Follow(FDesignClientWidth, FClientWidth, Dpi());
  FDesignClientHeight = dpi::Follow(FDesignClientHeight, FClientHeight, Dpi());
}

void TForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = StyleFor();
  p.ExStyle = ExStyleFor();
  p.WndParent = Application ? Application->Handle() : nullptr;
  p.Menu = FMenu ? FMenu->Handle() : nullptr;
  p.ClassStyle = CS_DBLCLKS;
  const SIZE f = FrameSize();
  p.Width = FClientWidth + f.cx;
  p.Height = FClientHeight + f.cy;
  if (Centered()) {
    const POINT at = CentreFor(p.Width, p.Height);
    p.X = at.x;
    p.Y = at.y;
  } else if (FPosition == poDefault) {
    p.X = p.Y = CW_USEDEFAULT;
  }
}

bool TForm::Centered() const {
  return FPosition == poScreenCenter || FPosition == poMainFormCenter || FPosition == poOwnerFormCenter;
}

POINT TForm::CentreFor(int width, int height) const {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (FPosition != poScreenCenter && main && main != this && main->HandleAllocated()) {
    GetWindowRect(main->Handle(), &area);
  }
  return {area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
}

void TForm::CreateWndDone() {
  // The design is laid out at the window's DPI before the children's windows
  // are made, so they are made at their scaled places with scaled fonts.
  const int dpi = WindowDpi(Handle());
  if (dpi != Dpi()) {
    ScaleForDpi(dpi);
    if (Centered()) {  // centred at its scaled size, not at the design's
      RECT w{};
      GetWindowRect(Handle(), &w);
      const POINT at = CentreFor(w.right - w.left, w.bottom - w.top);
      SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    DpiChanged();
  }
  // Menus and themes may change the frame; the client size is what counts.
  RECT c{};
  GetClientRect(Handle(), &c);
  if (c.right != FClientWidth || c.bottom != FClientHeight) {
    RECT w{};
    GetWindowRect(Handle(), &w);
    SetWindowPos(Handle(), nullptr, 0, 0, w.right - w.left + FClientWidth - c.right,
                 w.bottom - w.top + FClientHeight - c.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyIcon();
}

void TForm::ApplyDpi() {
  // A form's place on the screen is the screen's business; its client area
  // is the design's.
  ApplyDpiFont();
  SetClientSize(dpi::Scale(FDesignClientWidth, Dpi()), dpi::Scale(FDesignClientHeight, Dpi()));
  ApplyDpiChildren();
}

void TForm::DpiChanged() {
  if (!OnDpiChanged) return;
  try {
    OnDpiChanged(this);
  } catch (...) {
    HandleWindowException();
  }
}

void TForm::ChangeDpi(int dpi, const RECT* suggested) {
  if (dpi <= 0 || !HandleAllocated()) return;
  // A size the user gave the window at the old DPI counts as design too.
  const RECT c = TWinControl::ClientRect();
  FClientWidth = c.right;
  FClientHeight = c.bottom;
  ClientChanged();
  DisableAlign();  // the suggested size is not yet the layout's
  if (suggested) {
    SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  try {
    ScaleForDpi(dpi);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  UpdateBounds();
  DpiChanged();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::ApplyIcon() {
  if (!HandleAllocated()) return;
  const auto icon = reinterpret_cast<LPARAM>(FIcon.Handle());
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, icon);
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, icon);
}

RECT TForm::ClientRect() {
  if (HandleAllocated()) return TWinControl::ClientRect();
  return {0, 0, FClientWidth, FClientHeight};
}

void TForm::SetClientSize(int width, int height) {
  FClientWidth = width;
  FClientHeight = height;
  ClientChanged();
  const SIZE f = FrameSize();
  if (HandleAllocated()) {
    RECT w{}, c{};
    GetWindowRect(Handle(), &w);
    GetClientRect(Handle(), &c);
    TWinControl::SetBounds(Left(), Top(), w.right - w.left + width - c.right, w.bottom - w.top + height - c.bottom);
  } else {
    SetStoredBounds(Left(), Top(), width + f.cx, height + f.cy);
    Realign();
  }
}

void TForm::SetBounds(int left, int top, int width, int height) {
  if (!HandleAllocated()) {
    const SIZE f = FrameSize();
    FClientWidth = width - f.cx;
    FClientHeight = height - f.cy;
    ClientChanged();
  }
  TWinControl::SetBounds(left, top, width, height);
  if (HandleAllocated()) {
    const RECT c = TWinControl::ClientRect();
    FClientWidth = c.right;
    FClientHeight = c.bottom;
    ClientChanged();
  }
}

// A new window for new frame styles; a form on screen stays on screen.
void TForm::RecreateShown() {
  const bool shown = HandleAllocated() && IsWindowVisible(Handle());
  RecreateWnd();
  if (shown) ShowWindow(Handle(), SW_SHOW);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == FBorderIcons) return;
  FBorderIcons = icons;
  RecreateShown();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateShown();
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  if (FMenu) RemoveFreeNotification(FMenu);
  FMenu = menu;
  if (FMenu) FreeNotification(FMenu);
  if (HandleAllocated()) {
    ::SetMenu(Handle(), FMenu ? FMenu->Handle() : nullptr);
    SetClientSize(FClientWidth, FClientHeight);
  }
  Perform(CM_MENUCHANGED);
}

void TForm::MenuChanged() {
  if (HandleAllocated() && FMenu) DrawMenuBar(Handle());
  Perform(CM_MENUCHANGED);
}

void TForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMenu) {
    FMenu = nullptr;
    if (HandleAllocated() && !Destroying()) ::SetMenu(Handle(), nullptr);
  }
}

bool TForm::Active() const {
  return const_cast<TForm*>(this)->HandleAllocated() && GetActiveWindow() == const_cast<TForm*>(this)->Handle();
}

void TForm::VisibleChanged() {
  if (Visible()) {
    HandleNeeded();
    if (OnShow) OnShow(this);
    if (!Visible()) return;  // OnShow hid it again
    // As the dialog manager does for a dialog: focus rectangles and access
    // key underlines stay hidden for a user who came with the mouse, until
    // Tab or Alt asks for them.
    if (!FShownOnce)
      SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    FShownOnce = true;
  } else {
    if (OnHide) OnHide(this);
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  }
}

void TForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) BringWindowToTop(Handle());
}

void TForm::Hide() { SetVisible(false); }

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  const bool isMain = Application && Application->MainForm() == this;
  TCloseAction action = isMain ? caFree : caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (isMain) {
    Application->Terminate();
  } else if (action == caHide) {
    Hide();
  } else if (action == caMinimize) {
    if (HandleAllocated()) ShowWindow(Handle(), SW_MINIMIZE);
  } else {
    Release();
  }
}

void TForm::Release() {
  if (HandleAllocated()) PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

TModalResult TForm::ShowModal() {
  if (Visible() || FModal) throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = GetCapture()) {
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
  }
  HWND previous = GetActiveWindow();
  FModal = true;
  FModalResult = mrNone;
  TaskWindowsDisabler disabled(Handle());
  try {
    Show();
    while (true) {
      ProcessOneMessage();
      if (Application && Application->Terminated()) {
        FModalResult = mrCancel;
        break;
      }
      if (FModalResult != mrNone) {
        // The same checks a close button gets.
        TCloseAction action = caHide;
        if (!CloseQuery()) {
          FModalResult = mrNone;
        } else if (OnClose) {
          OnClose(this, action);
          if (action == caNone) FModalResult = mrNone;
        }
        if (FModalResult != mrNone) break;
      }
    }
  } catch (...) {
    FModal = false;
    disabled.Restore();
    Hide();
    throw;
  }
  // Enable the others before hiding, so activation returns to one of them.
  disabled.Restore();
  Hide();
  FModal = false;
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return FModalResult;
}

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_DPICHANGED:
      ChangeDpi(LOWORD(m.WParam), reinterpret_cast<const RECT*>(m.LParam));
      m.Result = 0;
      return;
    case WM_CLOSE:
      Close();
      m.Result = 0;
      return;
    case CM_RELEASE:
      Free();
      return;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE) {
        SetActiveForm(this);
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      break;
    case WM_COMMAND:
      // Menu commands carry no control handle.
      if (m.LParam == 0 && HIWORD(m.WParam) <= 1 && TMenuItem::DispatchCommand(LOWORD(m.WParam))) {
        m.Result = 0;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU &&
          TMenuItem::DispatchDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
      }
      break;
    case WM_MEASUREITEM:
      if (reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU &&
          TMenuItem::DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
