#pragma once
#include "raster.h"

namespace vex::art {
Raster DrawAppIcon();
}
