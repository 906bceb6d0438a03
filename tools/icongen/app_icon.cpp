#include "app_icon.h"

namespace vex::art {

// The program's icon: a folder with a pennant on a pole, since Vexilo is
// about marking folders.
Raster DrawAppIcon() {
  Raster img(32, 32);
  const Rgba outline = Rgba::Of(0x5A4410);
  const Rgba back = Rgba::Of(0xD9A635);
  const Rgba frontTop = Rgba::Of(0xFBD873);
  const Rgba frontBottom = Rgba::Of(0xE8AE3C);
  const Rgba pole = Rgba::Of(0x4A4A4A);
  const Rgba flagLight = Rgba::Of(0xE0483C);
  const Rgba flagDark = Rgba::Of(0xA82A22);

  // Back of the folder with its tab.
  img.Fill(2, 9, 13, 12, back);
  img.Frame(2, 8, 13, 12, outline);
  img.Fill(2, 11, 30, 28, back);
  img.Frame(2, 11, 30, 28, outline);
  // Front flap, lighter towards the top.
  img.Gradient(3, 15, 29, 27, frontTop, frontBottom);
  img.Fill(3, 14, 29, 15, outline);
  img.Line(3, 15, 28, 15, Rgba::Of(0xFFF1C0));

  // Flag pole from the folder's top edge upwards, pennant to the right.
  img.Fill(20, 1, 22, 15, pole);
  for (int y = 0; y < 9; ++y) {
    const int len = 9 - (y > 4 ? y - 4 : 4 - y) * 2;
    img.Fill(22, 1 + y, 22 + len, 2 + y, y < 4 ? flagLight : flagDark);
  }
  img.Set(20, 0, pole);
  img.Set(21, 0, pole);
  return img;
}

}  // namespace vex::art

namespace vex::art {

// The same design as shapes on the 32-unit square, for every other size the
// shell asks for (24 in a title bar at 150%, 48 on its desktop), so those are
// drawn at their own size instead of stretched from the 32-pixel image.
void DrawAppIconShape(Painter& p) {
  const Rgba outline = Rgba::Of(0x5A4410);
  const Rgba back = Rgba::Of(0xD9A635);
  p.Outlined(Union(Box(2, 8, 13, 12.5, 1), Box(2, 11, 30, 28, 1)), back, outline);
  p.Outlined(Box(2, 14, 30, 28, 1), Vertical(15, 27, Rgba::Of(0xFBD873), Rgba::Of(0xE8AE3C)), outline);
  p.Fill(Box(3.2, 15.1, 28.8, 15.9, 0.4), Rgba::Of(0xFFF1C0));
  p.Fill(Box(20, 0.3, 22, 14.5, 0.4), Rgba::Of(0x4A4A4A));
  const Sdf pennant = Polygon({{22, 1}, {31, 5.5}, {22, 10}});
  p.Fill(Intersect(pennant, Box(21, 0, 32, 5.5)), Rgba::Of(0xE0483C));
  p.Fill(Intersect(pennant, Box(21, 5.5, 32, 11)), Rgba::Of(0xA82A22));
}

}  // namespace vex::art
