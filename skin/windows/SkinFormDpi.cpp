// The one place of the skinned-window layer that knows about DPI: which DPI a
// window is drawn at, and a frame moving to another DPI.  Everything else
// paints from the skin it was handed, which TSkinData has already built at
// the window's DPI (a skin at a DPI), so no painter scales anything.
#include <windows.h>

#include <cstddef>

#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "widgets/TForm.h"
#include "widgets/WindowDpi.h"

namespace vex::skin {

int WindowDpi(HWND window) {
  // GetDpiForWindow exists from Windows 10 1607; Wine 8 has it and reports
  // the prefix's LogPixels.  Before it, a DPI-aware process sees the system
  // DPI in the screen's LOGPIXELSX, an unaware one 96.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow && window) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

namespace {

// The system's caption font at `dpi`: the system gives it at the system DPI.
HFONT CaptionFontAt(int dpi) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return nullptr;
  HDC screen = GetDC(nullptr);
  const int systemDpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  metrics.lfCaptionFont.lfHeight = MulDiv(metrics.lfCaptionFont.lfHeight, dpi, systemDpi > 0 ? systemDpi : 96);
  return CreateFontIndirectA(&metrics.lfCaptionFont);
}

}  // namespace

// WM_DPICHANGED: the frame takes the skin built for the new DPI; its caption
// buttons, menu bar and control skinners are made again from it, so the
// window's own procedure, which hears of the change next, lays the form out
// with the new bands in place; the window takes the suggested rectangle (if
// its procedure has not) and the frame is measured, cut and painted anew.
void TSkinForm::DpiChanged(vcl::TMessage& m) {
  const int dpi = HIWORD(m.WParam);
  TSkinData* wanted = FAttached && FSkinData && dpi > 0 ? FSkinData->Source()->AtDpi(dpi) : nullptr;
  if (!wanted) {
    PassOn(m);
    return;
  }
  const bool newSkin = wanted != FSkinData;
  if (newSkin) {
    FreeControlSkinners();
    RemoveFreeNotification(FSkinData);
    FSkinData = wanted;
    FreeNotification(wanted);
    if (FMenuBar) {
      FMenuBar->RestoreNativeMenu();
      FMenuBar = MenuLayer().CreateMenuBar(*this);
      if (FMenuBar) FMenuBar->Build();
      if (FMenuBar && !FMenuBar->HasButtons()) FMenuBar.reset();
      FMenuHeight = FMenuBar ? vcl::SystemMetricForDpi(SM_CYMENU, dpi) : 0;
    }
    if (HFONT font = CaptionFontAt(dpi)) FCaptionFont.reset(font);
    ClearButtons();
    BuildGeometry();
    DropRegion();
    FrameChanged();
  }
  PassOn(m);
  if (m.LParam && FWindowState == 0) {
    const RECT r = *reinterpret_cast<const RECT*>(m.LParam);
    RECT now{};
    GetWindowRect(FHandle, &now);
    if (!EqualRect(&now, &r))
      SetWindowPos(FHandle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (newSkin) {
    if (FForm) {
      FForm->SetColor(FSkinData->ButtonFace);
      // The form's popup-menu components draw their items with the skin at
      // the window's new DPI.
      MenuLayer().SetPopupOwnerDraw(*FForm, *FSkinData, true);
      ControlLayer().SkinFormControls(*this, *FForm);
    } else {
      ControlLayer().SkinChildWindows(*this);
    }
  }
  const int state = FSkinState;
  FSkinState = kSkinApplying;  // the region is cut again even at the same size
  BuildRegion();
  FSkinState = state;
  RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  m.Result = 0;
}

}  // namespace vex::skin
