#pragma once
// How the frame measures and draws the owner-drawn items of its menu bar's
// drop-downs (WM_MEASUREITEM, WM_DRAWITEM), and the item facts both kinds
// of item give the drawing.
#include <windows.h>

#include "skin/windows/MenuItemDrawing.h"

namespace vcl {
class TMenuItem;
}

namespace vex::skin {

class TSkinForm;

// True when the request was the skin's and has been answered.
bool MeasureMenuItem(TSkinForm& frame, MEASUREITEMSTRUCT& request);
bool DrawMenuItem(TSkinForm& frame, DRAWITEMSTRUCT& request);

// A menu component's item as the drawing sees it.
TMenuItemFacts ComponentItemFacts(vcl::TMenuItem& item);
// A native item (at `position` in `menu`, or when that is -1 by command) in
// the state a draw request gives; without text it is a separator.
TMenuItemFacts NativeItemFacts(HMENU menu, int position, UINT id, UINT state);

}  // namespace vex::skin
