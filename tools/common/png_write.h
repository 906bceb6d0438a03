#pragma once
// PNG files of opaque pictures (the icon browser's encoder underneath):
// enough for screenshots and preview sheets that a person looks at.
#include <cstdint>
#include <string>
#include <vector>

namespace vex {

// Pixels are 0xRRGGBB in rows from the top, width*height of them.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& rgb);

// Writes the PNG; returns false when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint32_t>& rgb);

}  // namespace vex
