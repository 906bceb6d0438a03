#pragma once
// Shapes as signed distance functions, painted with 4 x 4 supersampling onto
// a Raster.  Pictures are designed on a 32-unit square and painted at any
// size, so the 16 x 16 images are drawn, not shrunk.
#include <functional>
#include <vector>

#include "raster.h"

namespace vex::art {

struct V {
  double x = 0, y = 0;
};

// Distance to the shape's edge in design units: negative inside.
using Sdf = std::function<double(V)>;
// Colour of the shape at a design point (gradients, shading).
using Shade = std::function<Rgba(V)>;

Sdf Circle(V centre, double radius);
Sdf Ellipse(V centre, double rx, double ry);  // approximate distance, fine for filling
Sdf Box(double x0, double y0, double x1, double y1, double radius = 0);
Sdf Capsule(V a, V b, double radius);          // a thick line with round ends
Sdf Polygon(std::vector<V> points);            // any simple polygon
Sdf Union(Sdf a, Sdf b);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf b);                     // a without b
Sdf Grow(Sdf a, double by);                     // outwards by `by` units

Shade Solid(Rgba c);
Shade Vertical(double y0, double y1, Rgba top, Rgba bottom);
Shade Radial(V centre, double radius, Rgba inner, Rgba outer);

class Painter {
 public:
  explicit Painter(Raster& target);
  double Unit() const { return unit_; }  // design units per pixel

  void Fill(const Sdf& shape, const Shade& shade);
  void Fill(const Sdf& shape, Rgba c) { Fill(shape, Solid(c)); }
  // The shape with an outline of `px` pixels inside its edge.
  void Outlined(const Sdf& shape, const Shade& shade, Rgba outline, double px = 1.0);
  void Outlined(const Sdf& shape, Rgba c, Rgba outline, double px = 1.0) { Outlined(shape, Solid(c), outline, px); }

 private:
  Raster& r_;
  double unit_;
};

}  // namespace vex::art
