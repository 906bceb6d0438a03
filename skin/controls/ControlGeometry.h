#pragma once
// The arithmetic of the control skinners, free of Win32 so that it is tested
// natively: which state frame of a skin image a control shows, where a
// glyph, a caption or an arrow goes, how wide a progress bar is, and
// whether a frame can be cut out of an image at all.  The painters feed it
// what they read from the window and draw where it says.
#include <vector>

#include "skin/windows/FrameGeometry.h"

namespace vex::skin::controls {

using frame::Rect;
using frame::Size;

// The skinner's State bits.
inline constexpr unsigned kHot = 1;
inline constexpr unsigned kPressed = 2;

// ---- state frames (counted from 1) ----------------------------------------

// Push buttons and combo buttons: 1 normal, 2 pressed, 3 disabled, 4 hot or
// focused.  A disabled button shows 3 even when it has the focus.
int PushButtonFrame(bool pressed, bool hot, bool focused, bool enabled);
// A combo box: like a push button, except that pressing or hovering shows
// even when it is disabled.
int ComboButtonFrame(bool pressed, bool hot, bool focused, bool enabled);
// A bit button: the focus shows 4 unless the button is pressed.
int BitButtonFrame(bool focused, bool pressed, bool hot, bool enabled);
// A speed button: a button that is down shows 2, even when disabled.
int SpeedButtonFrame(bool pressed, bool hot, bool enabled, bool down);
// The glyph of a speed button's strip for its state frame (1 up, 2
// disabled, 3 down), 1 when the strip has fewer glyphs.
int SpeedGlyphFrame(int stateFrame, int numGlyphs);

// Which text colour a button frame takes.
enum class ButtonInk { kButtonText, kNormalColour, kMouseOverColour, kPressedColour, kShadow };
ButtonInk ButtonTextInk(int stateFrame, bool enabled);

// Check box frames: 1 clear, 2 checked, 3 disabled, 4 third state, from the
// BM_GETSTATE bits (1 checked, 2 third state).
int CheckBoxFrame(unsigned buttonState, bool disabled);
// Radio frames: 1 clear, 2 checked, 3 and 4 the same disabled.
int RadioButtonFrame(bool checked, bool disabled);

// ---- places ----------------------------------------------------------------

// Where a caption measured as textWidth x textHeight is drawn in `r`: a
// little above the middle, and centred sideways only when the low word of
// `format` is exactly DT_CENTER (1), against the right edge only when it is
// exactly DT_RIGHT (2).
Rect PlaceCaption(const Rect& r, int textWidth, int textHeight, unsigned format);

// A check box's or radio button's glyph: vertically centred, in a band 14
// pixels wide at the box side (the right side with the text on the left).
Rect BoxGlyphRect(const Rect& r, int glyphWidth, int glyphHeight, bool leftText);

// Glyph and caption of a bit button or speed button in a client area of
// `client`: `layout` 0 glyph left, 1 right, 2 top, 3 bottom; `margin` and
// `spacing` -1 mean automatic.  A speed button keeps one more pixel of margin
// when only the spacing is given.
struct GlyphAndCaption {
  Rect glyph;
  Rect caption;
};
GlyphAndCaption PlaceGlyphAndCaption(Size client, Size glyph, Size caption, int layout, int margin, int spacing,
                                     bool speedButton);

// The bar of a progress bar `width` pixels wide at `position` of `max`; the
// minimum plays no part.  0 without a positive maximum, never wider than the
// bar.
int ProgressBarWidth(int position, int width, int max);

// The two buttons of an up-down control in its client area inset by 1, and
// which one the cursor is over.  Arrow kinds: 0 up, 1 down, 2 left, 3 right.
struct UpDownHalves {
  Rect first, second;
  int firstKind = 0, secondKind = 1;
  bool cursorOverFirst = false;
};
UpDownHalves SplitUpDown(const Rect& inner, bool horizontal, int cursorX, int cursorY);
// The state (1 normal, 2 pressed, 3 disabled, 4 hot) of one half.
int UpDownHalfState(bool underCursor, bool pressed, bool hot, bool enabled);

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
// Where an arrow of `kind` is anchored in a button rectangle of a control
// shown at `dpi`.
Point ArrowAnchor(const Rect& button, int kind, int dpi = 96);
// The pixels of an arrow anchored at (x, y): at 96 dpi up and down are solid
// chevrons 7 pixels wide and 4 high (the point at y, respectively at y + 3),
// left and right small solid triangles 3 wide and 5 high pointing at x - 1
// (respectively x + 1).  At another DPI the arrow has as many rows (columns)
// as 4 (3) scale to, and keeps its 45-degree sides, so it stays sharp.  Row
// by row, from the top.
std::vector<Point> ArrowPixels(int x, int y, int kind, int dpi = 96);

// The thickness of a combo box's sunken edge band for a skin margin.
inline int SunkEdgeBand(int margin) { return margin > 1 ? 2 : 1; }

// ---- skin images -----------------------------------------------------------

// Whether frame `frame` of `frameCount` side-by-side frames can be cut out
// of an image of imageWidth x imageHeight keeping the margins: false when the
// frames would be narrower than a pixel, when the frame lies outside the
// image, or when the margins do not fit into one frame.  Such an object
// draws nothing.
bool FrameFits(int imageWidth, int imageHeight, int frameCount, int frame, int leftWidth, int topHeight,
               int rightWidth, int bottomHeight);

// A control whose Tag, modulo 100 with the sign of the Tag, equals the
// skin's DisableTag is left unskinned (so 199 is, -99 is not, for 99).
inline bool TagDisables(int tag, int disableTag) { return tag % 100 == disableTag; }

}  // namespace vex::skin::controls
