#pragma once
// The bar painter the scroll bar skinners share: the arrows from the
// skin's Scrollbar strip (23 frames), the track from frame 1 of HorzScroll
// or VertScroll, the thumb from HorzScrollThumb or VertScrollThumb, all
// composed in ScratchBitmap 16 pixels thick and stretched once onto the bar,
// so that a skin is drawn for a 16-pixel bar whatever the system metric.
// The bar without its thumb and the thumb are kept as pictures between
// paints: a drag repaints with three transfers.
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
