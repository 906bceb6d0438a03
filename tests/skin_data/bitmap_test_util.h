#pragma once
// Bitmaps and canvases for the pixel tests of the skin drawing routines.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "screen_capture.h"

namespace vex::skin::test {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// A 24-bit bitmap whose pixel (x, y) is colour(x, y) as 0xRRGGBB.
HBITMAP MakeBitmap(int width, int height, const std::function<std::uint32_t(int, int)>& colour);
// A bitmap from rows of letters, each letter a colour from `palette`.
HBITMAP MakeBitmap(const std::vector<const char*>& rows, const std::function<std::uint32_t(char)>& palette);

// An off-screen target filled with one colour.
class Canvas {
 public:
  Canvas(int width, int height, std::uint32_t fill);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();
  HDC Dc() const { return dc_; }
  Pixels Read() const;

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ old_;
};

// Rectangles of a region, in the order GetRegionData gives them.
std::vector<RECT> RegionRects(HRGN region);
long RegionArea(HRGN region);

}  // namespace vex::skin::test
