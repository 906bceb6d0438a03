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
