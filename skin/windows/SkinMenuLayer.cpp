// The menu layer the frames call: skinned menu bars, their drop-downs, the
// owner-drawn items and the popup-menu windows.  It registers itself when
// the skinned-window library is linked in.
#include "skin/windows/MenuItemRequests.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/PopupOwnerDraw.h"
#include "skin/windows/SkinParts.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinMenuBar.h"
#include "skin/windows/TSkinPopupMenu.h"

namespace vex::skin {
namespace {

class TSkinMenuLayer : public TMenuLayer {
 public:
  std::unique_ptr<TMenuBarPart> CreateMenuBar(TSkinForm& frame) override {
    return std::make_unique<TSkinMenuBar>(frame);
  }
  bool OpenDropDown(TSkinForm& frame, TNCObject& button) override {
    auto* menuButton = dynamic_cast<TMenuBtn*>(&button);
    return menuButton && vex::skin::OpenDropDown(frame, *menuButton);
  }
  TNCObject* FindAccelButton(TSkinForm& frame, unsigned char ch) override {
    return vex::skin::FindAccelButton(frame, ch);
  }
  void SetPopupOwnerDraw(vcl::TForm& form, TSkinData& skin, bool on) override {
    vex::skin::SetPopupOwnerDraw(form, skin, on);
  }
  bool MeasureMenuItem(TSkinForm& frame, MEASUREITEMSTRUCT& item) override {
    return vex::skin::MeasureMenuItem(frame, item);
  }
  bool DrawMenuItem(TSkinForm& frame, DRAWITEMSTRUCT& item) override { return vex::skin::DrawMenuItem(frame, item); }
  std::unique_ptr<TPopupSkinner> CreatePopupSkinner() override { return std::make_unique<TSkinPopupMenu>(); }
  bool MenuLoopMessage(TSkinForm& frame, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    return vex::skin::MenuLoopMessage(frame, msg, wParam, lParam, result);
  }
};

TSkinMenuLayer gMenuLayer;
[[maybe_unused]] const bool gRegistered = (SetMenuLayer(&gMenuLayer), true);

}  // namespace
}  // namespace vex::skin
