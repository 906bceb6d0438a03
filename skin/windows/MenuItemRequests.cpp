// WM_MEASUREITEM and WM_DRAWITEM of a skinned window for the items of its
// menu bar's drop-downs.  Only items the skin made owner-drawn are its
// business: a popup-menu component's items go on to the component (its
// items have handlers of their own), and items the application draws itself
// stay the application's.
#include "skin/windows/MenuItemRequests.h"

#include <string>

#include "skin/data/TSkinData.h"
#include "skin/windows/MenuGeometry.h"
#include "skin/windows/MenuItemDrawing.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "skin/windows/TSkinPopupMenu.h"
#include "widgets/TForm.h"
#include "widgets/TMenu.h"
#include "widgets/WindowDpi.h"

namespace vex::skin {
namespace {

bool Win9x() { return (WinVersion & 0x80000000u) != 0; }

bool Nt4() { return !Win9x() && LOBYTE(LOWORD(WinVersion)) == 4; }

TSkinMenuBar* BarOf(TSkinForm& frame) { return dynamic_cast<TSkinMenuBar*>(frame.FMenuBar.get()); }

// The main menu's item a request is about, or null.
vcl::TMenuItem* MainMenuItem(TSkinForm& frame, ULONG_PTR data, UINT id) {
  vcl::TForm* form = frame.Form();
  if (!form || !form->Menu()) return nullptr;
  vcl::TMenuItem* item = vcl::TMenuItem::FromItemData(data, id);
  return item && item->GetParentMenu() == form->Menu() ? item : nullptr;
}

// The height the system proposes for an owner-drawn item, taken at the
// system's DPI.  Wine proposes the height of its dialog base unit, and above
// 96 dpi it scales that unit twice (62 at 192 dpi for a system font 31 high):
// such a proposal stands for the system font's height.
int ProposedHeight(UINT proposed) {
  static const int dialogUnit = HIWORD(GetDialogBaseUnits());
  static const int systemFont = [] {
    HDC screen = GetDC(nullptr);
    if (!screen) return dialogUnit;
    const HGDIOBJ old = SelectObject(screen, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm{};
    const int height = GetTextMetricsA(screen, &tm) ? static_cast<int>(tm.tmHeight) : dialogUnit;
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return height;
  }();
  const int height = static_cast<int>(proposed);
  return height == dialogUnit ? systemFont : height;
}

int TextWidth(HDC dc, const std::string& text) {
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  return r.right - r.left;
}

}  // namespace

TMenuItemFacts ComponentItemFacts(vcl::TMenuItem& item) {
  TMenuItemFacts facts;
  facts.caption = item.Caption();
  facts.shortcut = item.ShortCut() ? vcl::ShortCutToText(item.ShortCut()) : std::string();
  facts.enabled = item.Enabled();
  facts.checked = item.Checked();
  facts.radio = item.RadioItem();
  facts.isDefault = item.Default();
  facts.imageIndex = item.ImageIndex();
  facts.submenu = item.Count() > 0;
  if (vcl::TMenu* menu = item.GetParentMenu()) {
    facts.images = menu->Images();
    facts.rightToLeft = menu->RightToLeft();
  }
  return facts;
}

TMenuItemFacts NativeItemFacts(HMENU menu, int position, UINT id, UINT state) {
  TMenuItemFacts facts;
  const std::string text =
      position >= 0 ? MenuItemText(menu, static_cast<UINT>(position), true) : MenuItemText(menu, id, false);
  const menu::CaptionParts parts = menu::SplitAtTab(text);
  facts.caption = parts.caption.empty() && parts.shortcut.empty() ? "-" : parts.caption;
  facts.shortcut = parts.shortcut;
  facts.enabled = (state & (ODS_GRAYED | ODS_DISABLED)) == 0;
  facts.checked = (state & ODS_CHECKED) != 0;
  facts.isDefault = (state & ODS_DEFAULT) != 0;
  facts.hidePrefix = (state & ODS_NOACCEL) != 0;
  if (position >= 0) {
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &mi)) {
      facts.submenu = mi.hSubMenu != nullptr;
      facts.radio = (mi.fType & MFT_RADIOCHECK) != 0;
      facts.rightToLeft = (mi.fType & MFT_RIGHTORDER) != 0;
    }
  }
  return facts;
}

bool MeasureMenuItem(TSkinForm& frame, MEASUREITEMSTRUCT& request) {
  TSkinMenuBar* bar = BarOf(frame);
  if (request.CtlType != ODT_MENU || !bar || !bar->FOwnerDrawn.Contains(nullptr, request.itemID)) return false;
  HDC dc = GetWindowDC(frame.Handle());
  if (!dc) return false;
  // The window's DPI, which its skin was built for: after a move to a monitor
  // of another scale the system still proposes a height at its own DPI.
  static const int systemDpi = vcl::SystemDpi();
  const int dpi = frame.SkinData() ? frame.SkinData()->Dpi() : systemDpi;
  const int proposed = MulDiv(ProposedHeight(request.itemHeight), dpi, systemDpi);
  const HGDIOBJ oldFont = SelectObject(dc, MenuFont(false, dpi));
  menu::ItemSize size;
  if (vcl::TMenuItem* item = MainMenuItem(frame, request.itemData, request.itemID)) {
    const std::string shortcut = item->ShortCut() ? vcl::ShortCutToText(item->ShortCut()) : std::string();
    size = menu::MeasureDropDownItem(TextWidth(dc, item->Caption() + shortcut), proposed, item->IsLine(), Win9x(),
                                     dpi);
  } else {
    const menu::CaptionParts parts = menu::SplitAtTab(MenuItemText(frame.FDropDown, request.itemID, false));
    const std::string text = parts.caption + parts.shortcut;
    size = menu::MeasureDropDownItem(TextWidth(dc, text), proposed, text.empty(), Win9x(), dpi);
  }
  SelectObject(dc, oldFont);
  ReleaseDC(frame.Handle(), dc);
  request.itemWidth = static_cast<UINT>(size.width);
  request.itemHeight = static_cast<UINT>(size.height);
  return true;
}

bool DrawMenuItem(TSkinForm& frame, DRAWITEMSTRUCT& request) {
  TSkinMenuBar* bar = BarOf(frame);
  const auto menu = reinterpret_cast<HMENU>(request.hwndItem);
  if (request.CtlType != ODT_MENU || !bar || !frame.SkinData() || (frame.IsMdiFrame() && Nt4()) ||
      bar->FOwnerDrawn.PositionOf(menu, request.itemID) < 0)
    return false;
  LinkWaitingPopup(menu);
  const bool selected = (request.itemState & ODS_SELECTED) != 0;
  TMenuItemFacts facts;
  if (vcl::TMenuItem* item = MainMenuItem(frame, request.itemData, request.itemID))
    facts = ComponentItemFacts(*item);
  else
    facts = NativeItemFacts(menu, bar->FOwnerDrawn.PositionOf(menu, request.itemID), request.itemID,
                            request.itemState);
  facts.component = false;
  DrawMenuItemFacts(request.hDC, request.rcItem, facts, selected, *frame.SkinData(), menu);
  return true;
}

}  // namespace vex::skin
