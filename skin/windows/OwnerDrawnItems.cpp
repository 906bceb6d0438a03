#include "skin/windows/OwnerDrawnItems.h"

#include <algorithm>

namespace vex::skin {
namespace {

// Submenus nest only so deep; a menu that contains itself ends here.
constexpr int kMaxDepth = 16;

bool ReadItem(HMENU menu, int position, MENUITEMINFOA& mi) {
  mi = MENUITEMINFOA{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
  return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &mi) != FALSE;
}

void SetType(HMENU menu, int position, UINT type) {
  MENUITEMINFOA mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_FTYPE;
  mi.fType = type;
  SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &mi);
}

}  // namespace

void TOwnerDrawnItems::MakeOwnerDrawn(HMENU menu) { Walk(menu, 0); }

void TOwnerDrawnItems::Walk(HMENU menu, int depth) {
  if (!menu || !IsMenu(menu) || depth > kMaxDepth) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA mi;
    if (!ReadItem(menu, i, mi)) continue;
    if (!(mi.fType & MFT_OWNERDRAW)) {
      SetType(menu, i, mi.fType | MFT_OWNERDRAW);
      FItems.push_back({menu, i, mi.wID});
    }
    if (mi.hSubMenu) Walk(mi.hSubMenu, depth + 1);
  }
}

void TOwnerDrawnItems::Restore() {
  std::vector<Item> items;
  items.swap(FItems);
  for (const Item& item : items) {
    if (!IsMenu(item.menu)) continue;
    int position = item.position;
    MENUITEMINFOA mi;
    // Items inserted in front of it move it down: look for it by its id.
    if (!ReadItem(item.menu, position, mi) || mi.wID != item.id || !(mi.fType & MFT_OWNERDRAW)) {
      position = -1;
      const int count = GetMenuItemCount(item.menu);
      for (int i = 0; i < count; ++i) {
        if (ReadItem(item.menu, i, mi) && mi.wID == item.id && (mi.fType & MFT_OWNERDRAW)) {
          position = i;
          break;
        }
      }
      if (position < 0) continue;
    }
    SetType(item.menu, position, mi.fType & ~static_cast<UINT>(MFT_OWNERDRAW));
  }
}

bool TOwnerDrawnItems::Contains(HMENU menu) const {
  return std::any_of(FItems.begin(), FItems.end(), [menu](const Item& item) { return item.menu == menu; });
}

int TOwnerDrawnItems::PositionOf(HMENU menu, UINT id) const {
  for (const Item& item : FItems)
    if (item.menu == menu && item.id == id) return item.position;
  return -1;
}

bool TOwnerDrawnItems::Contains(HMENU menu, UINT id) const {
  return std::any_of(FItems.begin(), FItems.end(),
                     [menu, id](const Item& item) { return item.id == id && (!menu || item.menu == menu); });
}

}  // namespace vex::skin
