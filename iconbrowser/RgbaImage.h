#pragma once
// A picture with a straight (not premultiplied) alpha channel, and scaling
// it to another size.  Win32-free.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vex::iconbrowser {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // 0xAARRGGBB, rows from the top
  bool Empty() const { return width <= 0 || height <= 0; }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x); }
  std::uint32_t At(int x, int y) const { return argb[Index(x, y)]; }
  static RgbaImage Blank(int w, int h) { return {w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0)}; }
};

constexpr std::uint8_t AlphaOf(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 24); }

// `image` at width x height.  Going down, every source pixel under an output
// pixel counts (a tent filter as wide as the scale), so thin lines fade
// instead of dropping out; going up, pixels are interpolated linearly.
// Colours are weighted by their alpha, so transparent pixels lend no colour
// to the edges.  An empty image or size gives an empty image.
RgbaImage Resample(const RgbaImage& image, int width, int height);

}  // namespace vex::iconbrowser
