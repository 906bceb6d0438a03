#pragma once
// List view ("TListView" over "SysListView32"). Items live in the object and
// are pushed into the window whenever one is made, so a re-created window
// shows the same list. Selection changes arrive as CN_NOTIFY (LVN_ITEMCHANGED)
// and run OnSelectItem; NM_CLICK and NM_DBLCLK run OnClick and OnDblClick.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/TWinControl.h"

namespace vcl {

class TImageList;
class TListView;

class TListItem {
 public:
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int Index() const;
  bool Selected() const;
  void SetSelected(bool value);
  void MakeVisible();
  void* Data = nullptr;
  TListView* Owner() const { return FOwner; }

 private:
  friend class TListView;
  explicit TListItem(TListView* owner) : FOwner(owner) {}
  TListView* FOwner;
  std::string FCaption;
  int FImageIndex = -1;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* AOwner);
  ~TListView() override;

  TListItem* AddItem(const std::string& caption, int imageIndex = -1);
  void DeleteItem(int index);
  void Clear();
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TListItem* Items(int index) const { return FItems.at(index).get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  TListItem* Selected() const;
  void BeginUpdate();
  void EndUpdate();

  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle style);
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* images);
  TImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* images);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  // The control keeps no items of its own and asks for what it shows: adding
  // an item is only a count, which matters for lists of thousands (an item
  // inserted costs the control a millisecond under Wine).  The items, their
  // captions, images and selection behave as without.
  bool OwnerData() const { return FOwnerData; }
  void SetOwnerData(bool value);

  TLVSelectItemEvent OnSelectItem;
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TListItem;
  void PushItem(int index);
  void UpdateItem(int index);
  void ApplyImages();
  void Notify(const NMHDR& header, TMessage& m);
  void GiveDisplayInfo(const NMHDR& header);
  int FindItem(const NMHDR& header) const;
  void SyncItemCount();

  std::vector<std::unique_ptr<TListItem>> FItems;
  TViewStyle FViewStyle = vsIcon;
  TImageList* FLargeImages = nullptr;
  TImageList* FSmallImages = nullptr;
  bool FReadOnly = true;
  bool FHideSelection = true;
  bool FMultiSelect = false;
  bool FOwnerData = false;
  bool FCountChanged = false;  // owner data: items added while updating
  int FLastSelected = -1;      // the item last reported selected
  int FUpdating = 0;
  int FSavedIndex = -1;
};

}  // namespace vcl
