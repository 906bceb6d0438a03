#include <algorithm>
#include <cmath>

#include "iconbrowser/RgbaImage.h"

namespace vex::iconbrowser {
namespace {

struct Tap {
  int from = 0;
  std::vector<float> weights;
};

// The source pixels and weights that make each of `out` pixels from `in`.
std::vector<Tap> Taps(int in, int out) {
  const double scale = static_cast<double>(out) / in;
  const double radius = scale < 1 ? 1 / scale : 1;
  std::vector<Tap> taps(static_cast<std::size_t>(out));
  for (int o = 0; o < out; ++o) {
    const double centre = (o + 0.5) / scale - 0.5;
    const int lo = std::max(0, static_cast<int>(std::floor(centre - radius)) + 1);
    const int hi = std::min(in - 1, static_cast<int>(std::ceil(centre + radius)) - 1);
    Tap& t = taps[static_cast<std::size_t>(o)];
    double sum = 0;
    for (int i = lo; i <= hi; ++i) sum += std::max(0.0, 1 - std::abs(i - centre) / radius);
    if (sum <= 0) {  // centre beyond the edge pixels: take the nearest one
      t.from = std::clamp(static_cast<int>(std::lround(centre)), 0, in - 1);
      t.weights = {1.0f};
      continue;
    }
    t.from = lo;
    for (int i = lo; i <= hi; ++i)
      t.weights.push_back(static_cast<float>(std::max(0.0, 1 - std::abs(i - centre) / radius) / sum));
  }
  return taps;
}

struct Premul {
  float a = 0, r = 0, g = 0, b = 0;
};

}  // namespace

RgbaImage Resample(const RgbaImage& image, int width, int height) {
  if (image.Empty() || width <= 0 || height <= 0) return {};
  if (width == image.width && height == image.height) return image;
  const auto xs = Taps(image.width, width);
  const auto ys = Taps(image.height, height);
  // Rows first into premultiplied floats, then columns.
  std::vector<Premul> rows(static_cast<std::size_t>(width) * static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < width; ++x) {
      const Tap& t = xs[static_cast<std::size_t>(x)];
      Premul p;
      for (std::size_t k = 0; k < t.weights.size(); ++k) {
        const std::uint32_t c = image.At(t.from + static_cast<int>(k), y);
        const float a = static_cast<float>(c >> 24) * t.weights[k];
        p.a += a;
        p.r += a * static_cast<float>((c >> 16) & 0xFF);
        p.g += a * static_cast<float>((c >> 8) & 0xFF);
        p.b += a * static_cast<float>(c & 0xFF);
      }
      rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = p;
    }
  RgbaImage out = RgbaImage::Blank(width, height);
  for (int y = 0; y < height; ++y) {
    const Tap& t = ys[static_cast<std::size_t>(y)];
    for (int x = 0; x < width; ++x) {
      Premul p;
      for (std::size_t k = 0; k < t.weights.size(); ++k) {
        const Premul& q = rows[static_cast<std::size_t>(t.from + static_cast<int>(k)) * static_cast<std::size_t>(width) +
                               static_cast<std::size_t>(x)];
        p.a += q.a * t.weights[k];
        p.r += q.r * t.weights[k];
        p.g += q.g * t.weights[k];
        p.b += q.b * t.weights[k];
      }
      const long a = std::lround(p.a);
      if (a <= 0) continue;
      const auto ch = [&](float v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v / p.a), 0L, 255L)); };
      out.argb[out.Index(x, y)] = (static_cast<std::uint32_t>(std::min(a, 255L)) << 24) | (ch(p.r) << 16) | (ch(p.g) << 8) | ch(p.b);
    }
  }
  return out;
}

}  // namespace vex::iconbrowser
