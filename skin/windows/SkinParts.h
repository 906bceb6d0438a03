#pragma once
// The parts a skinned frame hands work to: the control skinners (the control
// layer in skin/controls) and the menu bar and popup menus.  Each part
// registers itself when its code is linked in; until then the defaults do
// nothing, and a frame skins only its window's own frame.
#include <windows.h>

#include <memory>

#include "widgets/TComponent.h"

namespace vcl {
class TForm;
}

namespace vex::skin {

class TSkinData;
class TSkinForm;
class TNCObject;

// A skinner attached to one control of a skinned window.  The frame owns the
// skinners in its ControlSkinners list and talks to them only through this.
class TFrameSkinner : public vcl::TComponent {
 public:
  using vcl::TComponent::TComponent;
  // Undo the attachment: procedures back, colours back unless the frame is
  // being released.
  virtual void Detach() = 0;
  // The mouse has left the control (sent by the frame's hover timer).
  virtual void SendMouseLeave() = 0;
  // The control's window rectangle, screen coordinates, at its last paint.
  virtual RECT ScreenRect() const = 0;
  // The skin changed: prepare images again or take the new face colour.
  virtual void SkinChanged() = 0;
  // Frees the skinner once it is detached; one that is handling a message
  // of its own further up the stack may put that off until it returns.
  virtual void Release() { Free(); }
};

// The control layer.
class TControlLayer {
 public:
  virtual ~TControlLayer() = default;
  // Skinners for the controls a form object's container owns.
  virtual void SkinFormControls(TSkinForm& /*frame*/, vcl::TComponent& /*container*/) {}
  // Skinners for the direct child windows of a window without form object.
  virtual void SkinChildWindows(TSkinForm& /*frame*/) {}
};

// The skinned menu bar of one frame.
class TMenuBarPart {
 public:
  virtual ~TMenuBarPart() = default;
  // (Re)build the buttons from the window's menu; takes the menu off the window.
  virtual void Build() = 0;
  // Paint the band (window coordinates) onto a window DC.
  virtual void Paint(HDC dc, const RECT& band) = 0;
  // The bar's button at a point (window coordinates), or null.
  virtual TNCObject* MenuButtonAt(POINT p) = 0;
  // True once Build has taken the native menu over.
  virtual bool HasButtons() const = 0;
  // Give the window back the menu the bar took (before the bar is freed).
  virtual void RestoreNativeMenu() = 0;
};

// The skinner of one popup-menu window.
class TPopupSkinner {
 public:
  virtual ~TPopupSkinner() = default;
  virtual void Attach(HWND window, TSkinData* skin) = 0;
  virtual void Detach() = 0;
  virtual HWND Handle() const = 0;
  virtual HMENU MenuHandle() const = 0;
  // The background the items are drawn over; null while there is none.
  virtual HBITMAP Background() const = 0;
  virtual TSkinData* SkinData() const = 0;
};

// The menu layer.
class TMenuLayer {
 public:
  virtual ~TMenuLayer() = default;
  // A menu bar for a frame whose window has a native menu (null: the window
  // keeps its native menu bar).
  virtual std::unique_ptr<TMenuBarPart> CreateMenuBar(TSkinForm& /*frame*/) { return nullptr; }
  // Opens a menu bar button's drop-down and tracks it; false when it has none.
  virtual bool OpenDropDown(TSkinForm& /*frame*/, TNCObject& /*button*/) { return false; }
  // The first enabled menu bar button whose accelerator is `ch`, or null.
  virtual TNCObject* FindAccelButton(TSkinForm& /*frame*/, unsigned char /*ch*/) { return nullptr; }
  // Owner-drawn items for the form's popup-menu components (on) or not (off).
  virtual void SetPopupOwnerDraw(vcl::TForm& /*form*/, TSkinData& /*skin*/, bool /*on*/) {}
  // WM_MEASUREITEM / WM_DRAWITEM of a frame's window: true when handled.
  virtual bool MeasureMenuItem(TSkinForm& /*frame*/, MEASUREITEMSTRUCT& /*item*/) { return false; }
  virtual bool DrawMenuItem(TSkinForm& /*frame*/, DRAWITEMSTRUCT& /*item*/) { return false; }
  // A skinner for a new popup-menu window (null: the window keeps its look).
  virtual std::unique_ptr<TPopupSkinner> CreatePopupSkinner() { return nullptr; }
  // What the system's menu loop sends a frame's window while a menu is open
  // (WM_MENUSELECT, WM_MENUCHAR): true when answered, with `result`;
  // false passes the message on as usual.
  virtual bool MenuLoopMessage(TSkinForm& /*frame*/, UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                               LRESULT& /*result*/) {
    return false;
  }
};

// The registered layers (never null: defaults that do nothing).
TControlLayer& ControlLayer();
TMenuLayer& MenuLayer();
// Registration by the layers' own code; null puts the default back.
void SetControlLayer(TControlLayer* layer);
void SetMenuLayer(TMenuLayer* layer);

}  // namespace vex::skin
