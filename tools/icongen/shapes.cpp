#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace vex::art {

Sdf Circle(V c, double r) {
  return [=](V p) { return std::hypot(p.x - c.x, p.y - c.y) - r; };
}

Sdf Ellipse(V c, double rx, double ry) {
  return [=](V p) {
    const double k = std::hypot((p.x - c.x) / rx, (p.y - c.y) / ry);
    return (k - 1.0) * std::min(rx, ry);
  };
}

Sdf Box(double x0, double y0, double x1, double y1, double r) {
  const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const double hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
  return [=](V p) {
    const double qx = std::abs(p.x - cx) - hx, qy = std::abs(p.y - cy) - hy;
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
  };
}

Sdf Capsule(V a, V b, double r) {
  return [=](V p) {
    const double px = p.x - a.x, py = p.y - a.y, bx = b.x - a.x, by = b.y - a.y;
    const double len2 = bx * bx + by * by;
    const double h = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - bx * h, py - by * h) - r;
  };
}

Sdf Polygon(std::vector<V> v) {
  return [v = std::move(v)](V p) {
    double d = 1e9;
    bool inside = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
      const double ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
      const double wx = p.x - v[i].x, wy = p.y - v[i].y;
      const double h = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
      d = std::min(d, std::hypot(wx - ex * h, wy - ey * h));
      if ((v[i].y > p.y) != (v[j].y > p.y) && p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
        inside = !inside;
    }
    return inside ? -d : d;
  };
}

Sdf Union(Sdf a, Sdf b) {
  return [=](V p) { return std::min(a(p), b(p)); };
}
Sdf Intersect(Sdf a, Sdf b) {
  return [=](V p) { return std::max(a(p), b(p)); };
}
Sdf Subtract(Sdf a, Sdf b) {
  return [=](V p) { return std::max(a(p), -b(p)); };
}
Sdf Grow(Sdf a, double by) {
  return [=](V p) { return a(p) - by; };
}

Shade Solid(Rgba c) {
  return [=](V) { return c; };
}
Shade Vertical(double y0, double y1, Rgba top, Rgba bottom) {
  return [=](V p) { return Mix(top, bottom, static_cast<int>(std::clamp((p.y - y0) / (y1 - y0), 0.0, 1.0) * 100)); };
}
Shade Radial(V c, double r, Rgba inner, Rgba outer) {
  return [=](V p) {
    return Mix(inner, outer, static_cast<int>(std::clamp(std::hypot(p.x - c.x, p.y - c.y) / r, 0.0, 1.0) * 100));
  };
}

Painter::Painter(Raster& target) : r_(target), unit_(32.0 / target.Width()) {}

void Painter::Fill(const Sdf& shape, const Shade& shade) {
  constexpr int kSub = 4;
  for (int y = 0; y < r_.Height(); ++y) {
    for (int x = 0; x < r_.Width(); ++x) {
      // Every distance here changes by at most one unit per unit moved, so a
      // centre further than half a pixel's diagonal from the edge puts all
      // the samples on its side: one evaluation instead of sixteen, with the
      // very same result (it keeps the 256-pixel images quick to draw).
      const double centre = shape({(x + 0.5) * unit_, (y + 0.5) * unit_});
      int hits = centre <= -0.75 * unit_ ? kSub * kSub : 0;
      if (std::abs(centre) < 0.75 * unit_)
      for (int sy = 0; sy < kSub; ++sy)
        for (int sx = 0; sx < kSub; ++sx)
          if (shape({(x + (sx + 0.5) / kSub) * unit_, (y + (sy + 0.5) / kSub) * unit_}) < 0) ++hits;
      if (hits == 0) continue;
      const Rgba src = shade({(x + 0.5) * unit_, (y + 0.5) * unit_});
      // Premultiplied "over": edges blend with what is below, not with black.
      const double sa = src.a / 255.0 * hits / (kSub * kSub);
      Rgba& dst = r_.At(x, y);
      const double da = dst.a / 255.0 * (1 - sa);
      const double oa = sa + da;
      auto ch = [&](int s, int d) { return static_cast<std::uint8_t>(std::lround((s * sa + d * da) / oa)); };
      dst = {ch(src.r, dst.r), ch(src.g, dst.g), ch(src.b, dst.b), static_cast<std::uint8_t>(std::lround(oa * 255))};
    }
  }
}

void Painter::Outlined(const Sdf& shape, const Shade& shade, Rgba outline, double px) {
  Fill(shape, outline);
  Fill(Grow(shape, -px * unit_), shade);
}

}  // namespace vex::art
