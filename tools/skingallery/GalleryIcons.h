#pragma once
// Window icons and glyphs drawn in memory for the gallery's windows.
#include <windows.h>

#include "widgets/TBitmap.h"

namespace gallery {

// A rounded square of `colour` with a transparent border, 32 x 32.
HICON MakeGalleryIcon(COLORREF colour);
// A 16 x 16 glyph: a dot of `colour` on the key colour.
void DrawGalleryGlyph(vcl::TBitmap& glyph, COLORREF colour);

}  // namespace gallery
