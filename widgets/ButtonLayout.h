#pragma once
// Where a button's glyph and caption go: shared by TSpeedButton and TBitBtn
// (and the skin painters), so both place them by the same rules.
#include "widgets/AlignLayout.h"

namespace vcl {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

namespace layout {

struct ButtonParts {
  Box glyph;  // empty (0 x 0) without a glyph
  Box text;   // the caption's own extent, placed
};

// `margin` -1 centres glyph and text together; otherwise it is the distance
// from the edge the glyph sits on. `spacing` -1 centres the text in what is
// left; otherwise it is the gap between glyph and text.
ButtonParts PlaceGlyphAndText(Box client, Extent glyph, Extent text, TButtonLayout layout, int margin,
                              int spacing);

}  // namespace layout
}  // namespace vcl
