#pragma once
// A tiny RGBA raster for drawing icons and skin images in code.
#include <cstdint>
#include <vector>

namespace vex::art {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  static constexpr Rgba Of(std::uint32_t rgb, std::uint8_t alpha = 255) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb), alpha};
  }
};

class Raster {
 public:
  Raster(int width, int height) : w_(width), h_(height), px_(static_cast<std::size_t>(width) * height) {}
  int Width() const { return w_; }
  int Height() const { return h_; }
  Rgba& At(int x, int y) { return px_[static_cast<std::size_t>(y) * w_ + x]; }
  const Rgba& At(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }
  void Set(int x, int y, Rgba c) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_) At(x, y) = c;
  }
  void Fill(int x0, int y0, int x1, int y1, Rgba c);          // [x0,x1) x [y0,y1)
  void Frame(int x0, int y0, int x1, int y1, Rgba c);         // 1-pixel outline
  // Vertical gradient from top to bottom colour over [y0,y1).
  void Gradient(int x0, int y0, int x1, int y1, Rgba top, Rgba bottom);
  void Line(int x0, int y0, int x1, int y1, Rgba c);
  // Box scaled to a new size (used to derive 16x16 images from 32x32 art).
  Raster Scaled(int width, int height) const;

 private:
  int w_, h_;
  std::vector<Rgba> px_;
};

Rgba Mix(Rgba a, Rgba b, int percentOfB);

}  // namespace vex::art
