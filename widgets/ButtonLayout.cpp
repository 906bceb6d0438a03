#include "widgets/ButtonLayout.h"

namespace vcl::layout {

ButtonParts PlaceGlyphAndText(Box client, Extent glyph, Extent text, TButtonLayout layout, int margin,
                              int spacing) {
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  const int cw = client.Width(), ch = client.Height();
  int gx = 0, gy = 0, tx = 0, ty = 0;
  // Centre the other axis first.
  if (horizontal) {
    gy = (ch - glyph.height + 1) / 2;
    ty = (ch - text.height + 1) / 2;
  } else {
    gx = (cw - glyph.width + 1) / 2;
    tx = (cw - text.width + 1) / 2;
  }
  if (glyph.width == 0 || text.width == 0) spacing = 0;
  const int total = horizontal ? cw : ch;
  const int gsize = horizontal ? glyph.width : glyph.height;
  const int tsize = horizontal ? text.width : text.height;
  if (margin == -1) {
    if (spacing == -1) {
      const int space = (total - (gsize + tsize)) / 3;
      margin = space;
      spacing = space;
    } else {
      margin = (total - (gsize + tsize + spacing)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (total - (margin + gsize + tsize)) / 2;
  }
  int gpos, tpos;
  if (layout == blGlyphLeft || layout == blGlyphTop) {
    gpos = margin;
    tpos = margin + gsize + spacing;
  } else {
    gpos = total - margin - gsize;
    tpos = gpos - spacing - tsize;
  }
  if (horizontal) {
    gx = gpos;
    tx = tpos;
  } else {
    gy = gpos;
    ty = tpos;
  }
  ButtonParts p;
  p.glyph = {client.left + gx, client.top + gy, client.left + gx + glyph.width, client.top + gy + glyph.height};
  p.text = {client.left + tx, client.top + ty, client.left + tx + text.width, client.top + ty + text.height};
  return p;
}

}  // namespace vcl::layout
