#pragma once
// TSkinPopupMenu: the skinner of one popup-menu window ("#32768": context
// menus, the drop-downs of skinned menu bars, the system menu).  It paints
// the skin's MenuBackground as the window's border and keeps that picture,
// window-sized, for the owner-drawn items, which are drawn over it.
//
// A popup window does not say which menu it shows; it learns it from the
// first item drawn after its background was first painted (WaitingPopup),
// or from the window itself when it answers MN_GETHMENU.
//
// Wine gives "#32768" windows no non-client area, sends them no
// WM_NCPAINT and its menu procedure does not answer WM_PRINT: there the
// system's border stays, and the items are drawn over the skin's Menu colour.
#include <windows.h>

#include "skin/windows/KeptPicture.h"
#include "skin/windows/SkinParts.h"

namespace vex::skin {

class TSkinData;

// Width of the band of the background that frames a popup window.
inline constexpr int kPopupBorder = 3;

class TSkinPopupMenu : public TPopupSkinner {
 public:
  TSkinPopupMenu() = default;
  ~TSkinPopupMenu() override;

  void Attach(HWND window, TSkinData* skin) override;
  void Detach() override;
  HWND Handle() const override { return FHandle; }
  HMENU MenuHandle() const override { return FMenuHandle; }
  HBITMAP Background() const override { return FBackground.Bitmap(); }
  // The background selected into a DC of its own (null without one).
  HDC BackgroundDc() const { return FBackground.Dc(); }
  TSkinData* SkinData() const override { return FSkinData; }
  bool Attached() const { return FAttached; }
  void SetMenuHandle(HMENU menu) { FMenuHandle = menu; }
  // Where the client area (the items' coordinates) lies in the window.
  POINT ClientOffset() const;

  HWND FHandle = nullptr;
  TSkinData* FSkinData = nullptr;
  HMENU FMenuHandle = nullptr;
  TKeptPicture FBackground;

 private:
  friend LRESULT PopupSubclassProc(void*, HWND, UINT, WPARAM, LPARAM);
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  bool CanPaint() const;
  bool BuildBackground();
  void NcPaint();
  void PaintBand(HDC dc);
  LRESULT Print(WPARAM wParam, LPARAM lParam);

  bool FAttached = false;
};

// The skinner that painted its background and waits for its menu, or null.
TSkinPopupMenu* WaitingPopup();
void SetWaitingPopup(TSkinPopupMenu* popup);
// An item of `menu` is being drawn: the waiting skinner shows that menu
// (unless its window says it shows another).
void LinkWaitingPopup(HMENU menu);
// The skinner of the window that shows `menu`, or null.
TSkinPopupMenu* PopupShowing(HMENU menu);

}  // namespace vex::skin
