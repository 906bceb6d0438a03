#include "widgets/TMenu.h"

#include <algorithm>
#include <map>

#include "widgets/TApplication.h"
#include "widgets/TCanvas.h"
#include "widgets/TForm.h"
#include "widgets/TImageList.h"

namespace vcl {
namespace {

std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}
UINT gNextCommand = 0x100;

UINT AllocateCommand() {
  auto& c = Commands();
  // Ids are 16 bits in WM_COMMAND; wrap around past the ones in use.
  for (int tries = 0; tries < 0xFF00; ++tries) {
    const UINT id = gNextCommand;
    gNextCommand = gNextCommand >= 0xFFFF ? 0x100 : gNextCommand + 1;
    if (!c.count(id)) return id;
  }
  return 0;
}

}  // namespace

std::string ShortCutToText(TShortCut s) {
  std::string text;
  if (s & scCtrl) text += "Ctrl+";
  if (s & scShift) text += "Shift+";
  if (s & scAlt) text += "Alt+";
  const UINT vk = s & 0xFF;
  if (vk >= VK_F1 && vk <= VK_F24) return text + "F" + std::to_string(vk - VK_F1 + 1);
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return text + static_cast<char>(vk);
  char name[64] = {};
  const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
  if (GetKeyNameTextA(static_cast<LONG>(scan << 16), name, sizeof name) > 0) return text + name;
  return text;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
  FCommand = AllocateCommand();
  if (FCommand) Commands()[FCommand] = this;
}

TMenuItem::~TMenuItem() {
  Commands().erase(FCommand);
  // Children not owned by anybody else go with their parent.
  while (!FItems.empty()) {
    TMenuItem* child = FItems.back();
    FItems.pop_back();
    child->FParent = nullptr;
    if (!child->Owner()) child->Free();
  }
  if (FParent) FParent->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item->FParent == this) return;
  if (item->FParent) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  Changed();
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

int TMenuItem::MenuIndex() const {
  if (!FParent) return -1;
  auto it = std::find(FParent->FItems.begin(), FParent->FItems.end(), this);
  return static_cast<int>(it - FParent->FItems.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* i = this;
  while (i->FParent) i = i->FParent;
  return i->FMenu;
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  Changed();
}
void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed();
}
void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  Changed();
}
void TMenuItem::SetRadioItem(bool value) {
  if (value == FRadioItem) return;
  FRadioItem = value;
  Changed();
}
void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  Changed();
}
void TMenuItem::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Changed();
}
void TMenuItem::SetImageIndex(int index) {
  if (index == FImageIndex) return;
  FImageIndex = index;
  Changed();
}
void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == FShortCut) return;
  FShortCut = shortCut;
  Changed();
}

void TMenuItem::Changed() {
  if (Destroying()) return;
  if (TMenu* menu = GetParentMenu()) {
    menu->Rebuild();
  } else {
    FHandle.reset();
  }
}

HMENU TMenuItem::Handle() {
  if (FMenu) return FMenu->Handle();  // the root item stands for the whole menu
  if (FAttached) return FAttached;
  if (!FHandle) {
    FHandle.reset(CreatePopupMenu());
    TMenu* menu = GetParentMenu();
    Fill(FHandle.get(), menu && menu->OwnerDraw());
  }
  return FHandle.get();
}

void TMenuItem::Fill(HMENU menu, bool ownerDraw) {
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA;
    mi.wID = item->FCommand;
    mi.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    std::string text = item->FCaption;
    if (item->FShortCut) text += "\t" + ShortCutToText(item->FShortCut);
    if (item->IsLine()) {
      mi.fType = MFT_SEPARATOR;
    } else {
      mi.fMask |= MIIM_STRING;
      mi.dwTypeData = text.data();
    }
    if (ownerDraw) mi.fType |= MFT_OWNERDRAW;
    if (item->FRadioItem) mi.fType |= MFT_RADIOCHECK;
    if (!item->FEnabled) mi.fState |= MFS_DISABLED | MFS_GRAYED;
    if (item->FChecked) mi.fState |= MFS_CHECKED;
    if (item->FDefault) mi.fState |= MFS_DEFAULT;
    if (!item->FItems.empty()) {
      mi.fMask |= MIIM_SUBMENU;
      item->FHandle.reset();
      HMENU sub = CreatePopupMenu();
      item->Fill(sub, ownerDraw);
      item->FAttached = sub;
      mi.hSubMenu = sub;
    } else {
      item->FAttached = nullptr;
    }
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &mi);
  }
}

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  for (TMenuItem* item : FItems) {
    if (!item->FVisible || !item->FEnabled) continue;
    if (item->FShortCut == shortCut && item->FItems.empty()) return item;
    if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FromCommand(UINT command) {
  auto& c = Commands();
  auto it = c.find(command);
  return it == c.end() ? nullptr : it->second;
}

bool TMenuItem::DispatchCommand(UINT command) {
  TMenuItem* item = FromCommand(command);
  if (!item) return false;
  item->Click();
  return true;
}

namespace {
// Only pointers to items that still exist are trusted; a submenu entry may
// report its submenu handle as id, so the data is checked against every item.
TMenuItem* LiveItem(ULONG_PTR data, UINT id) {
  TMenuItem* item = TMenuItem::FromCommand(id);
  if (item && reinterpret_cast<ULONG_PTR>(item) == data) return item;
  for (const auto& [command, candidate] : Commands()) {
    if (reinterpret_cast<ULONG_PTR>(candidate) == data) return candidate;
  }
  return nullptr;
}

// The system's menu font on a canvas.
void UseMenuFont(TCanvas& canvas) {
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  canvas.Font().SetName(ncm.lfMenuFont.lfFaceName);
  canvas.Font().SetHeight(ncm.lfMenuFont.lfHeight);
}
}  // namespace

TMenuItem* TMenuItem::FromItemData(ULONG_PTR data, UINT id) { return LiveItem(data, id); }

bool TMenuItem::DispatchDrawItem(const DRAWITEMSTRUCT& d) {
  TMenuItem* item = LiveItem(d.itemData, d.itemID);
  if (!item) return false;
  TCanvas canvas;
  canvas.SetHandle(d.hDC);
  UseMenuFont(canvas);
  const bool selected = (d.itemState & ODS_SELECTED) != 0;
  if (item->OnDrawItem) {
    item->OnDrawItem(item, &canvas, d.rcItem, selected);
  } else {
    item->DrawDefault(canvas, d.rcItem, selected);
  }
  // The DC is given back as it came, except for what the handler clipped
  // away: that stays clipped for what the system draws after the item (a
  // submenu's arrow, which a handler may draw itself).
  RegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  const bool clipped = clip && GetClipRgn(d.hDC, clip.get()) == 1;
  canvas.SetHandle(nullptr);
  if (clipped) SelectClipRgn(d.hDC, clip.get());
  return true;
}

bool TMenuItem::DispatchMeasureItem(MEASUREITEMSTRUCT& m) {
  TMenuItem* item = LiveItem(m.itemData, m.itemID);
  if (!item) return false;
  WindowDc screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.get());
  UseMenuFont(canvas);
  int width = 0, height = 0;
  if (item->IsLine()) {
    // As high as the system's own separators.
    height = 9;
  } else {
    const SIZE s = canvas.TextExtent(item->FCaption + (item->FShortCut ? "    " + ShortCutToText(item->FShortCut) : ""));
    width = s.cx + 24;
    height = std::max<int>(s.cy + 4, GetSystemMetrics(SM_CYMENUSIZE));
  }
  if (item->OnMeasureItem) item->OnMeasureItem(item, &canvas, width, height);
  canvas.SetHandle(nullptr);
  m.itemWidth = static_cast<UINT>(std::max(width, 0));
  m.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

void TMenuItem::DrawDefault(TCanvas& canvas, const RECT& rect, bool selected) {
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT line{rect.left, (rect.top + rect.bottom) / 2 - 1, rect.right, (rect.top + rect.bottom) / 2 + 1};
    DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TMenu* menu = GetParentMenu();
  if (menu && menu->Images() && FImageIndex >= 0) {
    menu->Images()->Draw(canvas, rect.left + 2, rect.top + (rect.bottom - rect.top - menu->Images()->Height()) / 2,
                         FImageIndex, FEnabled);
  }
  canvas.Font().SetColor(!FEnabled ? clGrayText : selected ? clHighlightText : clMenuText);
  canvas.Brush().SetStyle(bsClear);
  RECT text{rect.left + 20, rect.top, rect.right - 4, rect.bottom};
  canvas.DrawText(FCaption, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (FShortCut) canvas.DrawText(ShortCutToText(FShortCut), text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner) {
  FItems = new TMenuItem(this);
  FItems->FMenu = this;
}

TMenu::~TMenu() = default;

HMENU TMenu::Handle() {
  if (!FHandle) {
    FHandle.reset(CreateMenuHandle());
    FItems->Fill(FHandle.get(), FOwnerDraw);
  }
  return FHandle.get();
}

void TMenu::Rebuild() {
  if (Destroying() || FRebuilding) return;
  FRebuilding = true;
  if (FHandle) {
    // The handle stays (a window may show it); its items are replaced.
    while (GetMenuItemCount(FHandle.get()) > 0) DeleteMenu(FHandle.get(), 0, MF_BYPOSITION);
    FItems->Fill(FHandle.get(), FOwnerDraw);
  }
  FRebuilding = false;
  MenuChanged();
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (shortCut == 0) return false;
  TMenuItem* item = FItems->FindShortCut(shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == FOwnerDraw) return;
  FOwnerDraw = value;
  Rebuild();
}

void TMenu::SetRightToLeft(bool value) {
  if (value == FRightToLeft) return;
  FRightToLeft = value;
  Rebuild();
}

void TMenu::SetImages(TImageList* images) {
  if (FImages) RemoveFreeNotification(FImages);
  FImages = images;
  if (images) FreeNotification(images);
  Rebuild();
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TMainMenu::MenuChanged() {
  if (Application) {
    for (int i = 0; i < Application->FormCount(); ++i) {
      TForm* f = Application->Forms(i);
      if (f->Menu() == this) f->MenuChanged();
    }
  }
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  HWND owner = nullptr;
  if (Application && Application->ActiveForm() && Application->ActiveForm()->HandleAllocated()) {
    owner = Application->ActiveForm()->Handle();
  } else if (Application) {
    owner = Application->Handle();
  }
  const UINT id = static_cast<UINT>(TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y,
                                                   0, owner, nullptr));
  if (id) TMenuItem::DispatchCommand(id);
}

}  // namespace vcl
