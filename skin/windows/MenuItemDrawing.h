#pragma once
// Drawing one owner-drawn menu item: over the popup's background (or the
// skin's Menu colour), one frame of the skin's MenuItem image (frame 4 when
// selected, 1 otherwise), then the check mark or image, the caption and the
// shortcut.  Without a MenuItem object the item is plain: ButtonFace, or
// Hilight when selected, with the same content.  Composed off screen and
// copied once.
#include <windows.h>

#include <string>

namespace vcl {
class TImageList;
}

namespace vex::skin {

class TSkinData;

// What drawing an item needs to know of it.
struct TMenuItemFacts {
  std::string caption;  // "&" before the accelerator; "-" is a separator
  std::string shortcut;
  bool enabled = true;
  bool checked = false;
  bool radio = false;      // a bullet instead of a check mark
  bool isDefault = false;  // bold
  int imageIndex = -1;
  vcl::TImageList* images = nullptr;
  bool rightToLeft = false;
  bool hidePrefix = false;  // ODS_NOACCEL: the menu was opened without the keyboard
  // A popup-menu component's item: its separator is drawn from the second
  // MenuItem frame (drop-down separators are an etched line).
  bool component = false;
  // It opens a submenu.  The system draws the arrow after the item, at its
  // 96-dpi size under Wine: at another DPI the item draws it at scale and
  // keeps the system's out (clips it away in the item's DC).
  bool submenu = false;
};

// Draws the item into `rect` of `dc`; `menu` is the menu the item is in,
// whose popup window's background lies under it.
void DrawMenuItemFacts(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin,
                       HMENU menu);
// The parts, for the ones who need them apart (tests).
void DrawSkinnedItem(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin,
                     HMENU menu);
void DrawPlainItem(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin);
// A separator W x H from the second MenuItem frame, drawn keyed at `rect`.
void DrawItemSeparator(HDC dc, const RECT& rect, TSkinData& skin);

}  // namespace vex::skin
