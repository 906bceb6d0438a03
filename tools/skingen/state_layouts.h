#pragma once
// The state images whose layout the painters fix, whatever the skin: which
// frame holds which state, how big the frames are, where a glyph sits.  A
// skin brings its looks (colours, the key it draws per state); these draw
// the frames in the order the engine cuts them.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "art_kit.h"

namespace skinart {

// One look of a rounded key: a vertical gradient (or three bands, with
// `mid`), its rim, a highlight inside the rim's top and the glyph ink.
struct KeyLook {
  Rgba top, bottom, outline, ink;
  Rgba line = kKey;       // the highlight inside the rim's top; kKey: none
  bool lineLeft = false;  // the highlight also runs down the upper left side
  Rgba mid = kKey;        // kKey: a plain gradient from top to bottom
};
// Paints the look into the box (bands over topRows and bottomRows when it
// has a `mid`) and returns its ink.
Rgba PaintKey(Canvas& r, const Box& box, const KeyLook& look, int topRows = 0, int bottomRows = 0);

// Draws a key of `state` into `box` and returns the ink for its glyph.
using KeyFn = std::function<Rgba(Canvas& r, const Box& box, int state)>;

using GlyphRows = std::vector<const char*>;

// Scroll bar arrows, 23 frames of 16 x 16: left 1-4, right 5-8, up 9-12,
// down 13-16 (states 1 normal, 2 pressed, 3 hot, 4 disabled each), then the
// thumb grips of the horizontal and the vertical bar (normal, pressed), the
// size box, a plain corner and a spare face.
struct ArrowStripLook {
  KeyFn key;
  int keyRadius = 2;
  Rgba underKeys = kKey;  // behind each key's rounded corners; kKey: left out
  std::array<const GlyphRows*, 4> glyphs;  // left, right, up, down
  int acrossX, acrossY;   // where a left or right arrow's glyph starts
  int alongX, alongY;     // where an up or down arrow's glyph starts
  Rgba face;              // behind the grips and the size box
  Rgba grip, gripPressed, gripPressedFill;
  int gripRadius = 2;
  Rgba sizeLight, sizeShadow;
};
SkinImage ScrollArrowStrip(std::string name, const ArrowStripLook& look);

// Frames drawn lying along a horizontal bar, w x h each, and turned on their
// diagonal for a vertical one (h x w then).
SkinImage AlongTheBar(std::string name, int w, int h, int frames, bool vertical,
                      const std::function<void(Canvas& frame, int k)>& draw);

// MDI child buttons: minimise, restore, close; four 16 x 16 frames each in
// state order normal, pressed, disabled, hot (`looks` in that order).  The
// key fills the box inset by one pixel; the glyph starts `glyphAt` pixels in
// (one more, pressed).
SkinImage MdiButtonStrip(std::string name, const std::array<GlyphRows, 3>& glyphs, int radius, int glyphAt,
                         const std::array<KeyLook, 4>& looks);

// Check box frames, a 13 x 13 box in a 14 x 14 cell: clear, checked,
// disabled, third state.  `mark` draws the check (k 2) and the third state's
// mark (k 4) over the box.
SkinImage CheckBoxStrip(std::string name, int radius, const KeyLook& box, const KeyLook& disabled,
                        const std::function<void(Canvas& r, int x0, int k)>& mark);

// Radio frames, a 13-pixel disc with a 5-pixel dot: clear, checked, disabled
// clear, disabled checked.
SkinImage RadioStrip(std::string name, const KeyLook& disc, Rgba dot, const KeyLook& disabled, Rgba disabledDot);

// Tabs: normal, selected, hot, disabled, focused (`looks` in that order),
// 24 x 22 with margins 4.  Drawn opaque: the corners outside the rounded top
// carry `face`, the colour of the strip behind them.
SkinImage TabStrip(std::string name, Rgba face, const std::array<KeyLook, 5>& looks);

// The rim around a tab control's pages, 16 x 16 with margins 4, 5, 4, 4; only
// its edge bands are drawn.  Two top lines join the selected tab above it.
struct PageRimLook {
  Rgba face, top, second, rim, light, inner;
};
SkinImage TabPageRim(std::string name, const PageRimLook& look);

// A hollow rounded rim over a light line, 24 x 24 with margins 6: normal,
// disabled (the group box edge).
struct RimLook {
  Rgba light, line;
};
SkinImage EtchedRim(std::string name, int radius, const RimLook& normal, const RimLook& disabled);

}  // namespace skinart
