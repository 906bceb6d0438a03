#include "widgets/TListView.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "widgets/TImageList.h"

namespace vcl {

void TListItem::SetCaption(const std::string& caption) {
  FCaption = caption;
  FOwner->UpdateItem(Index());
}

void TListItem::SetImageIndex(int index) {
  FImageIndex = index;
  FOwner->UpdateItem(Index());
}

int TListItem::Index() const {
  const auto& items = FOwner->FItems;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

bool TListItem::Selected() const {
  if (!FOwner->HandleAllocated()) return Index() == FOwner->FSavedIndex;
  return ListView_GetItemState(FOwner->Handle(), Index(), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool value) {
  const int i = Index();
  if (!FOwner->HandleAllocated()) {
    FOwner->FSavedIndex = value ? i : -1;
    return;
  }
  if (FOwner->FCountChanged) FOwner->SyncItemCount();  // an item added in this update
  ListView_SetItemState(FOwner->Handle(), i, value ? (LVIS_SELECTED | LVIS_FOCUSED) : 0,
                        LVIS_SELECTED | LVIS_FOCUSED);
}

void TListItem::MakeVisible() {
  if (FOwner->HandleAllocated() && FOwner->FCountChanged) FOwner->SyncItemCount();
  if (FOwner->HandleAllocated()) ListView_EnsureVisible(FOwner->Handle(), Index(), FALSE);
}

TListView::TListView(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetColor(clWindow);
  FClickEvents = false;  // NM_CLICK / NM_DBLCLK
}

TListView::~TListView() {
  if (FLargeImages) FLargeImages->UnRegisterChanges(this);
  if (FSmallImages) FSmallImages->UnRegisterChanges(this);
}

void TListView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = WC_LISTVIEWA;
  static constexpr DWORD kStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  p.Style |= kStyles[FViewStyle] | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
  if (!FMultiSelect) p.Style |= LVS_SINGLESEL;
  if (FOwnerData) p.Style |= LVS_OWNERDATA;
  if (!FHideSelection) p.Style |= LVS_SHOWSELALWAYS;
  if (!FReadOnly) p.Style |= LVS_EDITLABELS;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWndDone() {
  ApplyImages();
  ListView_SetBkColor(Handle(), ColorToRGB(Color()));
  ListView_SetTextBkColor(Handle(), ColorToRGB(Color()));
  ListView_SetTextColor(Handle(), ColorToRGB(Font().Color()));
  if (FViewStyle == vsReport) {
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH | LVCF_TEXT;
    col.cx = Width() - 8;
    col.pszText = const_cast<char*>("");
    ListView_InsertColumn(Handle(), 0, &col);
  }
  if (FOwnerData) {
    SyncItemCount();
  } else {
    for (int i = 0; i < ItemCount(); ++i) PushItem(i);
  }
  if (FSavedIndex >= 0 && FSavedIndex < ItemCount()) FItems[FSavedIndex]->SetSelected(true);
}

void TListView::DestroyWnd() { FSavedIndex = ItemIndex(); }

void TListView::ApplyImages() {
  if (!HandleAllocated()) return;
  ListView_SetImageList(Handle(), FLargeImages ? FLargeImages->Handle() : nullptr, LVSIL_NORMAL);
  ListView_SetImageList(Handle(), FSmallImages ? FSmallImages->Handle() : nullptr, LVSIL_SMALL);
}

void TListView::PushItem(int index) {
  if (!HandleAllocated()) return;
  if (FOwnerData) {
    // One count for a whole update rather than one per item.
    if (FUpdating > 0) {
      FCountChanged = true;
    } else {
      SyncItemCount();
    }
    return;
  }
  const TListItem& item = *FItems[index];
  LVITEMA lv{};
  lv.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  lv.iItem = index;
  lv.pszText = const_cast<char*>(item.FCaption.c_str());
  lv.iImage = item.FImageIndex;
  lv.lParam = reinterpret_cast<LPARAM>(&item);
  SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv));
}

void TListView::SyncItemCount() {
  FCountChanged = false;
  const bool icons = FViewStyle == vsIcon || FViewStyle == vsSmallIcon;
  // Some controls (Wine's) place the items of an owner-data icon view only
  // when they arrange it.  With the redraw off that costs no invalidation
  // per item; turning it back on repaints once.
  if (icons) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  ListView_SetItemCountEx(Handle(), ItemCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  if (icons) {
    ListView_Arrange(Handle(), LVA_DEFAULT);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  }
}

void TListView::UpdateItem(int index) {
  if (!HandleAllocated() || index < 0) return;
  if (FOwnerData) {
    ListView_RedrawItems(Handle(), index, index);
    return;
  }
  const TListItem& item = *FItems[index];
  LVITEMA lv{};
  lv.mask = LVIF_TEXT | LVIF_IMAGE;
  lv.iItem = index;
  lv.pszText = const_cast<char*>(item.FCaption.c_str());
  lv.iImage = item.FImageIndex;
  SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
}

TListItem* TListView::AddItem(const std::string& caption, int imageIndex) {
  FItems.push_back(std::unique_ptr<TListItem>(new TListItem(this)));
  TListItem* item = FItems.back().get();
  item->FCaption = caption;
  item->FImageIndex = imageIndex;
  PushItem(ItemCount() - 1);
  return item;
}

void TListView::DeleteItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  if (HandleAllocated()) ListView_DeleteItem(Handle(), index);
  FItems.erase(FItems.begin() + index);
  if (index < FLastSelected) --FLastSelected;
  else if (index == FLastSelected) FLastSelected = -1;
}

void TListView::Clear() {
  if (HandleAllocated()) ListView_DeleteAllItems(Handle());
  FItems.clear();
  FSavedIndex = -1;
  FLastSelected = -1;
}

int TListView::ItemIndex() const {
  if (!const_cast<TListView*>(this)->HandleAllocated()) return FSavedIndex;
  return ListView_GetNextItem(const_cast<TListView*>(this)->Handle(), -1, LVNI_SELECTED);
}

void TListView::SetItemIndex(int index) {
  if (index < 0 || index >= ItemCount()) {
    if (HandleAllocated()) ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED);
    FSavedIndex = -1;
    return;
  }
  FItems[index]->SetSelected(true);
}

TListItem* TListView::Selected() const {
  const int i = ItemIndex();
  return i >= 0 && i < ItemCount() ? FItems[i].get() : nullptr;
}

void TListView::BeginUpdate() {
  // An owner-data list only holds back its count: it goes on painting and
  // scrolling what it shows meanwhile.
  if (FUpdating++ == 0 && HandleAllocated() && !FOwnerData) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
  if (FUpdating > 0 && --FUpdating == 0 && HandleAllocated()) {
    if (FOwnerData) {
      if (FCountChanged) SyncItemCount();
      return;
    }
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style == FViewStyle) return;
  FViewStyle = style;
  RecreateWnd();
}

void TListView::SetLargeImages(TImageList* images) {
  if (FLargeImages) {
    FLargeImages->UnRegisterChanges(this);
    RemoveFreeNotification(FLargeImages);
  }
  FLargeImages = images;
  if (images) {
    FreeNotification(images);
    images->RegisterChanges(this, [this] { ApplyImages(); });
  }
  ApplyImages();
}

void TListView::SetSmallImages(TImageList* images) {
  if (FSmallImages) {
    FSmallImages->UnRegisterChanges(this);
    RemoveFreeNotification(FSmallImages);
  }
  FSmallImages = images;
  if (images) {
    FreeNotification(images);
    images->RegisterChanges(this, [this] { ApplyImages(); });
  }
  ApplyImages();
}

void TListView::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  RecreateWnd();
}

void TListView::SetOwnerData(bool value) {
  if (value == FOwnerData) return;
  FOwnerData = value;
  FCountChanged = false;
  RecreateWnd();
}

void TListView::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  RecreateWnd();
}

void TListView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove || Destroying()) return;
  bool changed = false;
  if (AComponent == FLargeImages) {
    FLargeImages = nullptr;
    changed = true;
  }
  if (AComponent == FSmallImages) {
    FSmallImages = nullptr;
    changed = true;
  }
  if (changed) ApplyImages();
}

void TListView::Notify(const NMHDR& header, TMessage& m) {
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& nm = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((nm.uChanged & LVIF_STATE) && ((nm.uOldState ^ nm.uNewState) & LVIS_SELECTED)) {
        const bool selected = (nm.uNewState & LVIS_SELECTED) != 0;
        int index = nm.iItem;
        // An owner-data control reports deselecting every item at once
        // (item -1): what it deselected is the item last reported selected.
        if (index == -1 && !selected) index = FLastSelected;
        if (index >= 0 && index < ItemCount()) {
          if (selected) FLastSelected = index;
          else if (index == FLastSelected) FLastSelected = -1;
          if (OnSelectItem) OnSelectItem(this, FItems[static_cast<std::size_t>(index)].get(), selected);
        }
      }
      if (OnChange) OnChange(this);
      break;
    }
    case LVN_DELETEALLITEMS:
      // Nothing here needs an LVN_DELETEITEM per item: without them a list
      // of thousands is emptied at once, not item by item.
      m.Result = TRUE;
      return;
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
      GiveDisplayInfo(header);
      break;
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      // Type-ahead in an owner-data list: the control asks, the items answer.
      m.Result = FindItem(header);
      return;
    case NM_CLICK:
      Click();
      break;
    case NM_DBLCLK:
      DblClick();
      break;
    default:
      break;
  }
  m.Result = 0;
}

int TListView::FindItem(const NMHDR& header) const {
  // The A and W structures differ only in the text's type.
  const LVFINDINFOA& find = reinterpret_cast<const NMLVFINDITEMA&>(header).lvfi;
  if (!(find.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.psz) return -1;
  std::string text = find.psz;
  if (header.code == LVN_ODFINDITEMW) {
    const auto* wide = reinterpret_cast<const wchar_t*>(find.psz);
    const int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    text.assign(n > 0 ? static_cast<std::size_t>(n) : 1u, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), n, nullptr, nullptr);
    text.resize(std::strlen(text.c_str()));
  }
  const auto matches = [&](const std::string& caption) {
    if (find.flags & LVFI_PARTIAL) return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, caption.c_str(),
                                                         static_cast<int>(std::min(caption.size(), text.size())),
                                                         text.c_str(), static_cast<int>(text.size())) == CSTR_EQUAL;
    return lstrcmpiA(caption.c_str(), text.c_str()) == 0;
  };
  const int n = ItemCount();
  const int start = std::clamp(reinterpret_cast<const NMLVFINDITEMA&>(header).iStart, 0, n);
  for (int i = start; i < n; ++i)
    if (matches(FItems[static_cast<std::size_t>(i)]->FCaption)) return i;
  if (find.flags & LVFI_WRAP)
    for (int i = 0; i < start; ++i)
      if (matches(FItems[static_cast<std::size_t>(i)]->FCaption)) return i;
  return -1;
}

void TListView::GiveDisplayInfo(const NMHDR& header) {
  // The A and W structures differ only in the text's type.
  auto& item = const_cast<LVITEMA&>(reinterpret_cast<const NMLVDISPINFOA&>(header).item);
  if (item.iItem < 0 || item.iItem >= ItemCount() || item.iSubItem != 0) return;
  const TListItem& source = *FItems[static_cast<std::size_t>(item.iItem)];
  if (item.mask & LVIF_IMAGE) item.iImage = source.FImageIndex;
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    if (header.code == LVN_GETDISPINFOW) {
      auto* text = reinterpret_cast<wchar_t*>(item.pszText);
      const int n = MultiByteToWideChar(CP_ACP, 0, source.FCaption.c_str(), -1, text, item.cchTextMax);
      if (n == 0) text[item.cchTextMax - 1] = L'\0';  // too long: cut
    } else {
      lstrcpynA(item.pszText, source.FCaption.c_str(), item.cchTextMax);
    }
  }
}

void TListView::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    Notify(*reinterpret_cast<const NMHDR*>(m.LParam), m);
    return;
  }
  if (m.Msg == CM_COLORCHANGED && HandleAllocated()) {
    ListView_SetBkColor(Handle(), ColorToRGB(Color()));
    ListView_SetTextBkColor(Handle(), ColorToRGB(Color()));
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
