// Bitmap files made in memory, free of Win32: a picture turned into one
// loads the way a package member does (one DIB section and a copy of the
// rows), with no device context and no round trip to the display.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vex::skin {

// A 24-bit bottom-up bitmap file of `width` × `height` pixels 0x00RRGGBB
// given rows from the top; empty when the sizes do not match `pixels`.
std::vector<std::uint8_t> EncodeBmp24(int width, int height, std::span<const std::uint32_t> pixels);

// Columns [x, x + width) of an uncompressed 24- or 32-bit bitmap file as a
// file of their own (same depth and row order); empty when `file` is no
// such bitmap or the columns do not lie inside it.
std::vector<std::uint8_t> CutBmpColumns(std::span<const std::uint8_t> file, int x, int width);

}  // namespace vex::skin
