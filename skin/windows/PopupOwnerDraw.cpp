// Popup-menu components of a skinned form: their items are owner-drawn by
// the skin while the form is skinned.  The skin's handlers are objects of
// their own types, so the skin tells them apart from an application's
// handlers: switching off removes only what the skin gave, and puts the
// component's owner-draw switch back as it was.
#include "skin/windows/PopupOwnerDraw.h"

#include <map>
#include <utility>

#include "skin/data/TSkinData.h"
#include "skin/windows/MenuGeometry.h"
#include "skin/windows/MenuItemDrawing.h"
#include "skin/windows/MenuItemRequests.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinPopupMenu.h"
#include "widgets/TCanvas.h"
#include "widgets/TForm.h"
#include "widgets/TMenu.h"

namespace vex::skin {
namespace {

bool Win9x() { return (WinVersion & 0x80000000u) != 0; }

bool SkinIsLive(const TSkinData* skin) {
  TSkinManage* manager = SkinManager();
  if (!manager || !skin) return false;
  for (const TSkinData* s : manager->SkinDatas())
    if (s->IsOrMade(skin)) return true;
  return false;
}

// The owner-draw switch each skinned component had before the skin set it,
// and the application's own draw handlers the skin took from items that
// keep the system's drawing (Tag 999).  Never freed: components may still
// be freed at program end, and tell it.
class TOwnerDrawSwitches : public vcl::TComponent {
 public:
  TOwnerDrawSwitches() : vcl::TComponent(nullptr) {}
  void Remember(vcl::TPopupMenu* menu) {
    if (FWas.count(menu)) return;
    FWas[menu] = menu->OwnerDraw();
    FreeNotification(menu);
  }
  // The switch as it was, when the skin set it.
  bool Take(vcl::TPopupMenu* menu, bool& was) {
    auto it = FWas.find(menu);
    if (it == FWas.end()) return false;
    was = it->second;
    FWas.erase(it);
    RemoveFreeNotification(menu);
    return true;
  }
  void KeepDrawHandler(vcl::TMenuItem* item, vcl::TMenuDrawItemEvent handler) {
    if (FDraw.count(item)) return;
    FDraw[item] = std::move(handler);
    FreeNotification(item);
  }
  // The handler taken from the item, if one was.
  bool TakeDrawHandler(vcl::TMenuItem* item, vcl::TMenuDrawItemEvent& handler) {
    auto it = FDraw.find(item);
    if (it == FDraw.end()) return false;
    handler = std::move(it->second);
    FDraw.erase(it);
    RemoveFreeNotification(item);
    return true;
  }

 protected:
  void Notification(vcl::TComponent* component, vcl::TOperation operation) override {
    vcl::TComponent::Notification(component, operation);
    if (operation != vcl::opRemove) return;
    FWas.erase(component);
    FDraw.erase(component);
  }

 private:
  std::map<vcl::TComponent*, bool> FWas;
  std::map<vcl::TComponent*, vcl::TMenuDrawItemEvent> FDraw;
};

TOwnerDrawSwitches& Switches() {
  static auto* switches = new TOwnerDrawSwitches;
  return *switches;
}

void ApplyToItems(vcl::TMenuItem& parent, TSkinData& skin, bool on) {
  for (int i = 0; i < parent.Count(); ++i) {
    vcl::TMenuItem& item = *parent.Items(i);
    const bool ownDraw = item.OnDrawItem && !item.OnDrawItem.target<TComponentItemDraw>();
    switch (menu::HandlersFor(on, item.Tag(), ownDraw)) {
      case menu::ItemHandlers::kKeep: break;
      case menu::ItemHandlers::kGiveSkin: {
        item.OnDrawItem = TComponentItemDraw{&skin};
        // An application's own measure handler still has its say first.
        if (!item.OnMeasureItem.target<TComponentItemMeasure>())
          item.OnMeasureItem = TComponentItemMeasure{item.OnMeasureItem};
        break;
      }
      case menu::ItemHandlers::kDropDraw:
        // The application's handler comes back when the skin goes.
        if (ownDraw) Switches().KeepDrawHandler(&item, item.OnDrawItem);
        item.OnDrawItem = nullptr;
        break;
      case menu::ItemHandlers::kDropSkin: {
        if (item.OnDrawItem.target<TComponentItemDraw>()) item.OnDrawItem = nullptr;
        vcl::TMenuDrawItemEvent own;
        if (Switches().TakeDrawHandler(&item, own)) item.OnDrawItem = std::move(own);
        if (auto* ours = item.OnMeasureItem.target<TComponentItemMeasure>()) {
          vcl::TMenuMeasureItemEvent previous = ours->previous;
          item.OnMeasureItem = previous;
        }
        break;
      }
    }
    ApplyToItems(item, skin, on);
  }
}

}  // namespace

void TComponentItemMeasure::operator()(vcl::TObject* sender, vcl::TCanvas* canvas, int& width, int& height) const {
  if (previous) previous(sender, canvas, width, height);
  auto* item = dynamic_cast<vcl::TMenuItem*>(sender);
  const menu::ItemSize size = menu::MeasureComponentItem({width, height}, item && item->IsLine(), Win9x());
  width = size.width;
  height = size.height;
}

void TComponentItemDraw::operator()(vcl::TObject* sender, vcl::TCanvas* canvas, const RECT& rect,
                                    bool selected) const {
  auto* item = dynamic_cast<vcl::TMenuItem*>(sender);
  if (!item || !canvas || !SkinIsLive(skin)) return;
  HMENU menu = item->Parent() ? item->Parent()->Handle() : nullptr;
  if (menu) LinkWaitingPopup(menu);
  TMenuItemFacts facts = ComponentItemFacts(*item);
  facts.component = true;
  DrawMenuItemFacts(canvas->Handle(), rect, facts, selected, *skin, menu);
}

void SetPopupOwnerDraw(vcl::TForm& form, TSkinData& skin, bool on) {
  const bool skinsPopups = (skin.SkinControls & SkinControlBit(xcPopupMenu)) != 0;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* popup = dynamic_cast<vcl::TPopupMenu*>(form.Components(i));
    if (!popup) continue;
    if (on) {
      if (!menu::SkinsPopupComponent(skinsPopups, popup->Tag(), skin.DisableTag)) continue;
      Switches().Remember(popup);
      popup->SetOwnerDraw(true);
    } else {
      // Whatever SkinControls, DisableTag or the Tag say by now: every
      // component the skin switched is put back.
      bool was = false;
      if (!Switches().Take(popup, was)) continue;
      popup->SetOwnerDraw(was);
    }
    ApplyToItems(*popup->Items(), skin, on);
  }
}

}  // namespace vex::skin
