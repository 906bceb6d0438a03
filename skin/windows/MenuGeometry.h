#pragma once
// The arithmetic of skinned menus, free of Win32 so that it is tested
// natively: menu texts cut to their buffers, accelerators, the menu bar's
// button layout, the sizes of owner-drawn items, where an item's glyph,
// caption and shortcut go, the rows of a separator, the colour of an item's
// text, and which popup-menu items get the skin's handlers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinScaling.h"
#include "skin/windows/FrameGeometry.h"

namespace vex::skin::menu {

using frame::Rect;

// ---- menu texts ---------------------------------------------------------

// Menu texts are read into buffers of this many characters.
inline constexpr std::size_t kMenuTextLength = 80;

// Tells whether a byte starts a double-byte character of the code page.
using LeadByteTest = bool (*)(unsigned char);
// The GBK rule (code page 936): 0x81 to 0xFE lead a two-byte character.
bool IsGbkLeadByte(unsigned char c);

// `text` cut to at most `limit` bytes.  A double-byte character that would
// be split is left out whole, so the cut never leaves half a character.
std::string CutMenuText(std::string_view text, std::size_t limit, LeadByteTest isLead);

// The accelerator of a caption: the character after a single "&" ("&&" is
// a literal ampersand), or 0 when it has none.
unsigned char AccelChar(std::string_view caption, LeadByteTest isLead);
// Accelerators match without regard to case (ASCII letters).
bool SameAccel(unsigned char a, unsigned char b);

// A caption and its shortcut text, split at the first tab of a native
// menu string ("Open\tCtrl+O").
struct CaptionParts {
  std::string caption;
  std::string shortcut;
};
CaptionParts SplitAtTab(std::string_view text);

// ---- the menu bar -------------------------------------------------------

struct BarButton {
  std::string caption;
  bool enabled = true;
};

// The first enabled button whose accelerator is `ch`; -1 when none is.
int FindAccelButton(const std::vector<BarButton>& buttons, unsigned char ch, LeadByteTest isLead);

// Where the first button starts in a band `bandWidth` wide: after the
// MenuBar object's left margin and 4 more (12 in a band narrower than
// that), or at 6 without a MenuBar object.
int FirstButtonX(bool hasMenuBarObject, int leftWidth, int bandWidth);

// The buttons' rectangles (window coordinates) in the band `band`: each as
// wide as its caption + 10, side by side from `firstX` with no gap, one row
// however wide the band is; one pixel short of the band's bottom.
std::vector<Rect> LayoutButtons(const Rect& band, int firstX, const std::vector<int>& captionWidths);

// The first button containing (x, y) whose caption is not empty; -1 if none.
int ButtonAt(const std::vector<Rect>& rects, const std::vector<BarButton>& buttons, int x, int y);

// A measured w x h block centred in `target` (halves truncated toward zero).
Rect CentreIn(const Rect& target, int w, int h);

// ---- item sizes ---------------------------------------------------------

struct ItemSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const ItemSize&, const ItemSize&) = default;
};

// A popup-menu component's item, after the framework proposed its size:
// 28 wider (room for the glyph box and the gaps); on Windows 95/98/Me 4
// higher, separators excepted.
ItemSize MeasureComponentItem(ItemSize proposed, bool separator, bool win9x);
// A drop-down item measured for the frame: the text's width + 26; 8 high
// for a separator (or an item without text), otherwise the proposed height
// + 4; 4 higher again on Windows 95/98/Me.  The added pixels are a 96-dpi
// design, taken at `dpi` (the window's).
ItemSize MeasureDropDownItem(int textWidth, int proposedHeight, bool separator, bool win9x,
                             int dpi = scaling::kBaseDpi);

// ---- item drawing -------------------------------------------------------

// Frames of the MenuItem image, side by side.
inline constexpr int kMenuItemFrames = 5;
inline constexpr int kNormalItemFrame = 1;
inline constexpr int kSeparatorFrame = 2;
inline constexpr int kSelectedItemFrame = 4;
int ItemFrame(bool selected);

// The parts of an item W x H, in item coordinates.
struct ItemLayout {
  Rect glyphBox;  // check mark or image
  Rect textRect;  // caption and shortcut
};
// The 96-dpi design (glyph box 16 x 16 at (1, 1), the text 3 pixels after
// it) taken at `dpi`.
ItemLayout LayOutItem(int width, int height, bool separator, int dpi = scaling::kBaseDpi);
// The caption measured w x h in the text rectangle: moved down by half the
// spare height.  Right to left: right aligned in the rectangle.
Rect PlaceCaptionText(const Rect& textRect, int w, int h, bool rightToLeft);
// The arrow of an item that opens a submenu, in an item W x H: a solid
// triangle pointing right, 4 x 7 at 96 dpi, its point 6 pixels in from the
// right edge, centred on the height; taken at `dpi`.  Rows are
// [left, right) at y.
struct Span {
  int y, left, right;
};
std::vector<Span> SubmenuArrow(int width, int height, int dpi);
// The shortcut's rectangle, on the caption's line: from the caption's right
// end to W - 11, its text right aligned; right to left, mirrored: from the
// text rectangle's left to the caption, left aligned.
Rect ShortcutRect(const Rect& caption, const Rect& textRect, int width, bool rightToLeft,
                  int dpi = scaling::kBaseDpi);
// The top-left corner of a check mark w x h: centred in the box, then one
// pixel right and down.
struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
Point CheckMarkAt(const Rect& box, int w, int h, int dpi = scaling::kBaseDpi);
// The etched line of a drop-down separator: along the text rectangle's top
// moved down by 4.
Rect SeparatorLine(const Rect& textRect, int dpi = scaling::kBaseDpi);

// Rows of the separator frame used for a separator item `itemHeight` high
// over a MenuItem image `imageHeight` high: its bottom rows when the item
// is lower than the image, otherwise all of them.
struct RowSpan {
  int top = 0, height = 0;
  friend bool operator==(const RowSpan&, const RowSpan&) = default;
};
RowSpan SeparatorRows(int imageHeight, int itemHeight);
// Columns of a separator W wide from a frame `frameWidth` wide with bands
// L and R: the bands keep their width, the middle is stretched.  Pieces
// from source column ranges to destination ranges.
struct ColumnPiece {
  int sourceLeft = 0, sourceWidth = 0, destLeft = 0, destWidth = 0;
  friend bool operator==(const ColumnPiece&, const ColumnPiece&) = default;
};
std::vector<ColumnPiece> SeparatorColumns(int frameWidth, int leftWidth, int rightWidth, int width);

// Which colour an item's caption is drawn in.
enum class TextColour { kHilightText, kMenuText, kButtonShadow, kSystemShadow };
// Enabled: HilightText when selected, MenuText otherwise.  Disabled: the
// skin's ButtonShadow, or the system's button shadow when the skin's
// ButtonShadow equals its MenuText (the caption would not look disabled).
TextColour ItemTextColour(bool enabled, bool selected, std::uint32_t buttonShadow, std::uint32_t menuText);

// ---- popup-menu components ----------------------------------------------

// Tag of an item that keeps the system's drawing inside a skinned menu.
inline constexpr std::int32_t kNativeItemTag = 999;

// A popup-menu component is skinned when the skin skins popup menus and
// the component's Tag modulo 100 is not the skin's DisableTag.
bool SkinsPopupComponent(bool skinsPopupMenus, std::int32_t componentTag, std::int32_t disableTag);

enum class ItemHandlers {
  kKeep,      // the item keeps the handlers it has
  kGiveSkin,  // the skin's draw and measure handlers
  kDropDraw,  // any draw handler goes (the system draws the item); the measure handler stays
  kDropSkin   // the skin's handlers go; handlers of the application's own stay
};
// What happens to an item's handlers when skinning goes on or off.
// `ownDraw`: the item has a draw handler that is not the skin's.
ItemHandlers HandlersFor(bool on, std::int32_t itemTag, bool ownDraw);

}  // namespace vex::skin::menu
