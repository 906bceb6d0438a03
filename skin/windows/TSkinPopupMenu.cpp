#include "skin/windows/TSkinPopupMenu.h"

#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/WindowSubclass.h"

namespace vex::skin {
namespace {

TSkinPopupMenu* gWaiting = nullptr;

HMENU MenuOfWindow(HWND window) {
  return reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
}

}  // namespace

TSkinPopupMenu* WaitingPopup() { return gWaiting; }
void SetWaitingPopup(TSkinPopupMenu* popup) { gWaiting = popup; }

void LinkWaitingPopup(HMENU menu) {
  TSkinPopupMenu* waiting = gWaiting;
  if (!waiting || !menu) return;
  const HMENU shown = IsWindow(waiting->Handle()) ? MenuOfWindow(waiting->Handle()) : nullptr;
  if (shown && shown != menu) return;  // an item of another popup: keep waiting
  waiting->SetMenuHandle(menu);
  gWaiting = nullptr;
}

TSkinPopupMenu* PopupShowing(HMENU menu) {
  TSkinManage* manager = SkinManager();
  if (!manager || !menu) return nullptr;
  for (const auto& popup : manager->Popups()) {
    if (popup->MenuHandle() == menu) return dynamic_cast<TSkinPopupMenu*>(popup.get());
  }
  // A popup whose item has not been drawn yet may still say what it shows.
  for (const auto& popup : manager->Popups()) {
    auto* skinner = dynamic_cast<TSkinPopupMenu*>(popup.get());
    if (!skinner || skinner->MenuHandle() || !IsWindow(skinner->Handle())) continue;
    if (MenuOfWindow(skinner->Handle()) != menu) continue;
    skinner->SetMenuHandle(menu);
    if (gWaiting == skinner) gWaiting = nullptr;
    return skinner;
  }
  return nullptr;
}

LRESULT PopupSubclassProc(void* data, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* popup = static_cast<TSkinPopupMenu*>(data);
  try {
    return popup->WndProc(msg, wParam, lParam);
  } catch (...) {
    return TSubclass::CallOld(window, TSubclassKind::kPopupMenu, msg, wParam, lParam);
  }
}

TSkinPopupMenu::~TSkinPopupMenu() { Detach(); }

void TSkinPopupMenu::Attach(HWND window, TSkinData* skin) {
  FHandle = window;
  FSkinData = skin;
  FMenuHandle = nullptr;
  FAttached = TSubclass::Install(window, TSubclassKind::kPopupMenu, PopupSubclassProc, this);
}

void TSkinPopupMenu::Detach() {
  if (gWaiting == this) gWaiting = nullptr;
  if (!FAttached) return;
  FAttached = false;
  TSubclass::Remove(FHandle, TSubclassKind::kPopupMenu);
  FBackground.Reset(nullptr);
}

POINT TSkinPopupMenu::ClientOffset() const {
  RECT window{};
  POINT client{0, 0};
  if (!GetWindowRect(FHandle, &window) || !ClientToScreen(FHandle, &client)) return POINT{kPopupBorder, kPopupBorder};
  return POINT{client.x - window.left, client.y - window.top};
}

bool TSkinPopupMenu::CanPaint() const {
  return FSkinData && !FSkinData->NoSkin && FSkinData->MenuBackground && !FSkinData->MenuBackground->Image.Empty();
}

bool TSkinPopupMenu::BuildBackground() {
  RECT r{};
  if (!GetWindowRect(FHandle, &r)) return false;
  TDataSkinObject& back = *FSkinData->MenuBackground;
  const RECT size{0, 0, r.right - r.left, r.bottom - r.top};
  FBackground.Reset(BuildElement(size, back.Image.Handle(), back.Margins(), false, back.Tile != 0, 1, 1));
  return FBackground.Dc() != nullptr;
}

LRESULT TSkinPopupMenu::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND window = FHandle;
  TSkinManage* manager = SkinManager();
  if (!manager || !manager->FSkinning) return TSubclass::CallOld(window, TSubclassKind::kPopupMenu, msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY: {
      // Normally the manager has freed the skinner before (at the hook's
      // destruction notice); the window's own procedure runs first, then
      // the subclass goes.
      const LRESULT result = TSubclass::CallOld(window, TSubclassKind::kPopupMenu, msg, wParam, lParam);
      Detach();
      return result;
    }
    case WM_NCPAINT:
      if (!CanPaint()) break;
      NcPaint();
      return 0;  // the system's own border is never drawn
    case WM_PAINT: {
      if (!CanPaint()) break;
      // Where the menu window has no non-client area (Wine), the menu's own
      // painting draws the system's raised edge inside the window, over the
      // band WM_NCPAINT drew: the band goes on top of it again.
      const LRESULT result = TSubclass::CallOld(window, TSubclassKind::kPopupMenu, msg, wParam, lParam);
      const POINT offset = ClientOffset();
      if (offset.x == 0 && offset.y == 0 && IsWindow(window)) {
        if (HDC dc = GetDC(window)) {
          if (BuildBackground()) PaintBand(dc);
          ReleaseDC(window, dc);
        }
      }
      return result;
    }
    case WM_PRINT:
      if (!CanPaint()) break;
      return Print(wParam, lParam);
    default: break;
  }
  return TSubclass::CallOld(window, TSubclassKind::kPopupMenu, msg, wParam, lParam);
}

void TSkinPopupMenu::NcPaint() {
  HDC dc = GetWindowDC(FHandle);
  if (!dc) return;
  if (BuildBackground()) {
    if (!FMenuHandle) gWaiting = this;
    PaintBand(dc);
  }
  ReleaseDC(FHandle, dc);
}

// The background's outer band, kPopupBorder wide, onto a DC whose origin is
// the window's top-left corner.
void TSkinPopupMenu::PaintBand(HDC dc) {
  const int w = FBackground.Width(), h = FBackground.Height(), b = kPopupBorder;
  HDC from = FBackground.Dc();
  BitBlt(dc, 0, 0, w, b, from, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - b, w, b, from, 0, h - b, SRCCOPY);
  BitBlt(dc, 0, b, b, h - b, from, 0, b, SRCCOPY);
  BitBlt(dc, w - b, b, b, h - b, from, w - b, b, SRCCOPY);
}

// The system asks the window to paint itself into a DC (menu animations
// do): the background first, then the system's items inside the border.
LRESULT TSkinPopupMenu::Print(WPARAM wParam, LPARAM lParam) {
  if (!FMenuHandle) gWaiting = this;
  const auto dc = reinterpret_cast<HDC>(wParam);
  RECT r{};
  if (!GetWindowRect(FHandle, &r) || !BuildBackground()) return TSubclass::CallOld(FHandle, TSubclassKind::kPopupMenu, WM_PRINT, wParam, lParam);
  const int w = r.right - r.left, h = r.bottom - r.top, b = kPopupBorder;
  BitBlt(dc, 0, 0, w, h, FBackground.Dc(), 0, 0, SRCCOPY);
  vcl::RegionHandle saved(CreateRectRgn(0, 0, 0, 0));
  const bool hadClip = GetClipRgn(dc, saved.get()) == 1;
  IntersectClipRect(dc, b, b, w - b, h - b);
  const LRESULT result = TSubclass::CallOld(FHandle, TSubclassKind::kPopupMenu, WM_PRINT, wParam, lParam);
  SelectClipRgn(dc, hadClip ? saved.get() : nullptr);
  return result;
}

}  // namespace vex::skin
