#pragma once
// Menus: trees of TMenuItem under a TMainMenu (a form's menu bar) or a
// TPopupMenu. The system menu is rebuilt from the tree whenever an item
// changes; a form whose menu changed is sent CM_MENUCHANGED. Owner-drawn
// items are drawn and measured through OnDrawItem and OnMeasureItem, each
// item with handlers of its own; both get a canvas with the menu font.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "widgets/Handles.h"
#include "widgets/Messages.h"
#include "widgets/TComponent.h"

namespace vcl {

class TCanvas;
class TMenu;
class TImageList;

using TShortCut = WORD;  // virtual key | scShift | scCtrl | scAlt
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
std::string ShortCutToText(TShortCut shortCut);

using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const RECT& ARect, bool Selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // Frees every child item.
  void Clear();
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(index); }
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  TMenu* GetParentMenu() const;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return FCaption == "-"; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  // A radio item shows a bullet instead of a check mark when checked.
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut shortCut);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& hint) { FHint = hint; }

  // The command id in WM_COMMAND, and the menu that shows this item's
  // children (the whole menu for the root item).
  UINT Command() const { return FCommand; }
  HMENU Handle();

  virtual void Click();

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // Routed here by the windows that own menus.
  static bool DispatchCommand(UINT command);
  static bool DispatchDrawItem(const DRAWITEMSTRUCT& item);
  static bool DispatchMeasureItem(MEASUREITEMSTRUCT& item);
  static TMenuItem* FromCommand(UINT command);
  // The live item an owner-draw request's item data names, or null (the
  // data is only trusted when it is the address of an existing item).
  static TMenuItem* FromItemData(ULONG_PTR data, UINT id);
  // The enabled, visible item at any depth below this one with `shortCut`.
  TMenuItem* FindShortCut(TShortCut shortCut);

 private:
  friend class TMenu;
  void Changed();
  void Fill(HMENU menu, bool ownerDraw);
  void DrawDefault(TCanvas& canvas, const RECT& rect, bool selected);

  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a root item
  std::string FCaption;
  std::string FHint;
  bool FEnabled = true, FChecked = false, FDefault = false, FVisible = true, FRadioItem = false;
  int FImageIndex = -1;
  TShortCut FShortCut = 0;
  UINT FCommand = 0;
  MenuHandle FHandle;  // submenu, when not attached to a parent menu
  HMENU FAttached = nullptr;  // submenu owned by the parent's menu
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;
  TMenuItem* Items() { return FItems; }
  HMENU Handle();
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Items laid out and read right to left by whoever draws them owner-drawn.
  // The system is not told (MFT_RIGHTORDER): Wine takes that bit for its
  // own system-menu flag and draws such items as the window icon.
  bool RightToLeft() const { return FRightToLeft; }
  void SetRightToLeft(bool value);
  // Rebuilds the system menu from the item tree.
  void Rebuild();
  // Clicks the item with this shortcut; false when there is none.
  bool IsShortCut(TShortCut shortCut);

 protected:
  virtual HMENU CreateMenuHandle() = 0;
  virtual void MenuChanged() {}
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TMenuItem;
  TMenuItem* FItems;
  MenuHandle FHandle;
  bool FOwnerDraw = false;
  bool FRightToLeft = false;
  TImageList* FImages = nullptr;
  bool FRebuilding = false;
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void MenuChanged() override;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}
  // Shows the menu at a screen point and runs the chosen item's OnClick.
  void Popup(int x, int y);
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* component) { FPopupComponent = component; }
  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }

 private:
  TComponent* FPopupComponent = nullptr;
};

}  // namespace vcl
