#pragma once
// Icon images laid side by side as the bits of one image-list strip, taken
// straight from their resources when they are exactly what the strip holds:
// cell x cell pixels of 32 bits, uncompressed.  Such an image becomes an
// icon whose bitmaps are its own bits unchanged, so copying them gives what
// the icon would.  Win32-free.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vex::iconbrowser {

// Whether an icon resource (a bitmap information header, the colour rows,
// the mask rows) is such an image, complete.
bool IsPlainIconImage(std::span<const std::uint8_t> image, int cell);

struct CellStripBits {
  int cell = 0;
  int count = 0;
  // cell rows of count * cell pixels, bottom row first, 4 bytes each (blue,
  // green, red, alpha): the layout of a bottom-up 32-bit DIB.
  std::vector<std::uint8_t> colour;
  // cell rows, top row first, each padded to 16 bits, a set bit transparent:
  // the layout of a monochrome bitmap's bits.
  std::vector<std::uint8_t> mask;
};

// The images, each of which must pass IsPlainIconImage, left to right.
CellStripBits MakeCellStripBits(const std::vector<std::span<const std::uint8_t>>& images, int cell);

}  // namespace vex::iconbrowser
