#include "gallery.h"

namespace vex::art {

Raster Render(Picture draw, int size) {
  Raster r(size, size);
  Painter p(r);
  draw(p);
  return r;
}

// A manila folder seen from the front, filling the square so that an icon
// laid over its middle still leaves the folder recognisable around it.
void DrawFolder(Painter& p) {
  const Rgba outline = Rgba::Of(0x8A5A0C);
  // Back with its tab on the left.
  const Sdf back = Union(Box(1.5, 4.5, 13.5, 10.5, 1.5), Box(1.5, 7, 30.5, 28.5, 1.5));
  p.Outlined(back, Vertical(4, 28, Rgba::Of(0xE9B84A), Rgba::Of(0xC98E1E)), outline);
  // A sheet of paper peeking out.
  p.Outlined(Box(4, 9, 28, 20, 0.5), Vertical(9, 20, Rgba::Of(0xFFFFFF), Rgba::Of(0xE4E4DE)), Rgba::Of(0x9A9A90));
  // Front flap, slightly slanted at the top, lighter towards the top.
  const Sdf front = Polygon({{1.5, 13}, {30.5, 13}, {30.5, 28.5}, {1.5, 28.5}});
  p.Outlined(Intersect(Grow(front, 0), Box(1.5, 12, 30.5, 28.5, 1.5)),
             Vertical(13, 28.5, Rgba::Of(0xFFE48E), Rgba::Of(0xF2B83A)), outline);
  // Highlight along the flap's top edge.
  p.Fill(Box(3, 14.2, 29, 15.2, 0.5), Rgba::Of(0xFFF4C8));
}

}  // namespace vex::art

namespace vex::art {

// The icon browser's window icon: the folder picture under a magnifying glass.
void DrawBrowserIcon(Painter& p) {
  const Rgba outline = Rgba::Of(0x8A5A0C);
  p.Outlined(Union(Box(1.5, 5.5, 12, 10.5, 1.5), Box(1.5, 8, 26, 26, 1.5)),
             Vertical(5, 26, Rgba::Of(0xE9B84A), Rgba::Of(0xC98E1E)), outline);
  p.Outlined(Box(1.5, 13, 26, 26, 1.5), Vertical(13, 26, Rgba::Of(0xFFE48E), Rgba::Of(0xF2B83A)), outline);
  const Rgba dark = Rgba::Of(0x262C34);
  p.Fill(Capsule({24.5, 24.5}, {29.5, 29.5}, 2.6), dark);
  p.Fill(Capsule({24.8, 24.8}, {29, 29}, 1.5), Rgba::Of(0x6A4A2A));
  p.Outlined(Circle({19, 19}, 8), Radial({16, 16}, 10, Rgba::Of(0xE8F6FF), Rgba::Of(0x8CC8F0)), dark, 1.6);
  p.Fill(Ellipse({16.5, 16}, 2.6, 1.6), Rgba::Of(0xFFFFFF, 220));
}

}  // namespace vex::art
