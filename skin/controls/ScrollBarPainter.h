#pragma once
// The bar painter the scroll bar skinners share: the arrows from the
// skin's Scrollbar strip (23 frames), the track from frame 1 of HorzScroll
// or VertScroll, the thumb from HorzScrollThumb or VertScrollThumb, all
// composed 16 pixels thick and stretched to the bar's thickness, so that a
// skin is drawn for a 16-pixel bar whatever the system metric.  The bar
// without its thumb is kept between paints both composed and stretched, and
// so is the thumb: a paint copies the stretched bar, puts the thumb on the
// composed one and stretches only the thumb's piece over, all in
// ScratchBitmap, then copies the bar once onto the DC.
#include <windows.h>

#include "skin/controls/PictureCache.h"
#include "skin/controls/ScrollBarGeometry.h"

namespace vex::skin {

class TSkinData;

// Paints the bar of `kind` (1 horizontal, 2 vertical) at `bar` on `dc` with
// arrows `arrow` long, the part `pressedPart` pressed and the thumb where
// `metrics` say.  False, with nothing painted, when the skin lacks the
// track or the thumb of the bar's orientation; without arrow images the
// arrows are left out.
bool PaintSkinBar(HDC dc, const RECT& bar, int kind, int pressedPart, const controls::BarMetrics& metrics, int arrow,
                  TSkinData& skin, TPictureCache& pictures);

}  // namespace vex::skin
