#pragma once
// The skin's measure and draw handlers for the items of a form's popup-menu
// components, and switching them on and off for a form.
#include <windows.h>

#include "widgets/TMenu.h"

namespace vcl {
class TForm;
class TCanvas;
}  // namespace vcl

namespace vex::skin {

class TSkinData;

// The measure handler: the size the framework proposed (and the item's own
// measure handler, when it had one before the skin's) widened for the
// glyph box.
struct TComponentItemMeasure {
  vcl::TMenuMeasureItemEvent previous;
  void operator()(vcl::TObject* sender, vcl::TCanvas* canvas, int& width, int& height) const;
};

// The draw handler: the item drawn from `skin` over its popup's background.
struct TComponentItemDraw {
  TSkinData* skin;
  void operator()(vcl::TObject* sender, vcl::TCanvas* canvas, const RECT& rect, bool selected) const;
};

// Every popup-menu component of `form` the skin skins (its SkinControls
// has popup menus, the component's Tag modulo 100 is not DisableTag) gets
// owner-drawn items with the skin's handlers (on), or loses them (off).
// Items with Tag 999 keep the system's drawing; items with a draw handler
// of their own keep their handlers.
void SetPopupOwnerDraw(vcl::TForm& form, TSkinData& skin, bool on);

}  // namespace vex::skin
