#include "raster.h"

#include <algorithm>
#include <cstdlib>

namespace vex::art {

void Raster::Fill(int x0, int y0, int x1, int y1, Rgba c) {
  for (int y = std::max(0, y0); y < std::min(h_, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(w_, x1); ++x) At(x, y) = c;
}

void Raster::Frame(int x0, int y0, int x1, int y1, Rgba c) {
  Fill(x0, y0, x1, y0 + 1, c);
  Fill(x0, y1 - 1, x1, y1, c);
  Fill(x0, y0, x0 + 1, y1, c);
  Fill(x1 - 1, y0, x1, y1, c);
}

void Raster::Gradient(int x0, int y0, int x1, int y1, Rgba top, Rgba bottom) {
  const int span = std::max(1, y1 - y0 - 1);
  for (int y = y0; y < y1; ++y) Fill(x0, y, x1, y + 1, Mix(top, bottom, (y - y0) * 100 / span));
}

void Raster::Line(int x0, int y0, int x1, int y1, Rgba c) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

Raster Raster::Scaled(int width, int height) const {
  Raster out(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int sx0 = x * w_ / width, sx1 = std::max(sx0 + 1, (x + 1) * w_ / width);
      const int sy0 = y * h_ / height, sy1 = std::max(sy0 + 1, (y + 1) * h_ / height);
      int r = 0, g = 0, b = 0, a = 0, n = 0;
      for (int sy = sy0; sy < sy1; ++sy)
        for (int sx = sx0; sx < sx1; ++sx) {
          const Rgba& p = At(sx, sy);
          r += p.r * p.a; g += p.g * p.a; b += p.b * p.a; a += p.a; ++n;
        }
      if (a == 0) continue;
      out.At(x, y) = {static_cast<std::uint8_t>(r / a), static_cast<std::uint8_t>(g / a),
                      static_cast<std::uint8_t>(b / a), static_cast<std::uint8_t>(a / n)};
    }
  }
  return out;
}

Rgba Mix(Rgba a, Rgba b, int p) {
  auto m = [p](int x, int y) { return static_cast<std::uint8_t>(x + (y - x) * p / 100); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

}  // namespace vex::art
