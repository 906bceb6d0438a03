#include "iconbrowser/IconCells.h"

#include <algorithm>

#include "iconbrowser/IcoFile.h"
#include "iconbrowser/LittleEndian.h"

namespace vex::iconbrowser {

using le::Get16;
using le::Get32;

namespace {
constexpr std::size_t kHeader = 40;  // BITMAPINFOHEADER
constexpr int kLargestCell = 256;
}  // namespace

bool IsPlainIconImage(std::span<const std::uint8_t> b, int cell) {
  if (cell <= 0 || cell > kLargestCell || b.size() < kHeader) return false;
  const auto c = static_cast<std::uint32_t>(cell);
  // The height counts the colour rows and the mask rows; no colour table.
  const bool plain = Get32(b, 0) == kHeader && Get32(b, 4) == c && Get32(b, 8) == 2 * c && Get16(b, 12) == 1 &&
                     Get16(b, 14) == 32 && Get32(b, 16) == 0 && Get32(b, 32) == 0;
  return plain && b.size() - kHeader >= std::size_t{c} * (DibStride(cell, 32) + DibStride(cell, 1));
}

CellStripBits MakeCellStripBits(const std::vector<std::span<const std::uint8_t>>& images, int cell) {
  CellStripBits strip;
  strip.cell = cell;
  strip.count = static_cast<int>(images.size());
  const std::size_t side = static_cast<std::size_t>(cell), width = side * images.size();
  const std::size_t colourRow = side * 4, maskIn = DibStride(cell, 1), maskOut = (width + 15) / 16 * 2;
  strip.colour.resize(width * 4 * side);
  strip.mask.assign(maskOut * side, 0);
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::uint8_t* colour = images[i].data() + kHeader;
    const std::uint8_t* mask = colour + colourRow * side;
    for (std::size_t y = 0; y < side; ++y) {
      std::copy_n(colour + y * colourRow, colourRow, strip.colour.begin() + (y * width + i * side) * 4);
      // The mask's rows come bottom first; a monochrome bitmap's top first.
      const std::uint8_t* from = mask + (side - 1 - y) * maskIn;
      std::uint8_t* to = strip.mask.data() + y * maskOut;
      for (std::size_t x = 0; x < side; ++x) {
        if (from[x / 8] & (0x80 >> (x % 8))) {
          const std::size_t at = i * side + x;
          to[at / 8] |= static_cast<std::uint8_t>(0x80 >> (at % 8));
        }
      }
    }
  }
  return strip;
}

}  // namespace vex::iconbrowser
