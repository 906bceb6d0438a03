#pragma once
// Writes a Raster as an uncompressed 24-bit Windows bitmap file (alpha dropped).
#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace skinart {

std::vector<std::uint8_t> EncodeBmp24(const vex::art::Raster& raster);
bool WriteBmp24(const std::string& path, const vex::art::Raster& raster);

}  // namespace skinart
