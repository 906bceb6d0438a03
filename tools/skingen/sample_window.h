#pragma once
// Sample windows composed from the skin images the way the skinned frame and
// controls cut them (nine-slice pieces, keyed drawing), for the preview sheet.
#include <vector>

#include "sedge_kit.h"

namespace sedge {

Raster RenderSamples(const std::vector<SkinImage>& images);

}  // namespace sedge
