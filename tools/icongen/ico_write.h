#pragma once
// Writes .ico files: each image as a 32-bit colour bitmap with its alpha
// plus a 1-bit AND mask (a pixel is transparent in the mask where its alpha
// is below 128) for readers without alpha; 256-pixel images as PNG.
#include <string>
#include <vector>

#include "raster.h"

namespace vex::art {

std::vector<std::uint8_t> EncodeIco(const std::vector<Raster>& images);
bool WriteIco(const std::string& path, const std::vector<Raster>& images);

}  // namespace vex::art
