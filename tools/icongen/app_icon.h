#pragma once
#include "raster.h"
#include "shapes.h"

namespace vex::art {
// The 32-pixel image, drawn pixel by pixel.
Raster DrawAppIcon();
// The design for the other sizes.
void DrawAppIconShape(Painter& p);
}  // namespace vex::art
