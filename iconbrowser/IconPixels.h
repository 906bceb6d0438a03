#pragma once
// Icons as plain pixels, and the composite folder icon built from them.
// Win32-free: the GDI side only reads pixels in and makes icons out.
#include <cstdint>
#include <vector>

namespace vex::iconbrowser {

struct IconPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> colour;      // 0xRRGGBB, rows from the top
  std::vector<std::uint8_t> transparent;  // 1 where the mask hides the pixel
  bool Empty() const { return width <= 0 || height <= 0; }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
};

// The folder picture with `icon` laid over it at (o, o), o = CompositeOffset
// (size): the icon's opaque pixels replace the folder's, its transparent
// pixels leave the folder untouched whatever colour they carry, and a pixel
// is transparent in the result only where both pictures are transparent
// there.  The icon is placed at its own width and height (the caller scales
// it to size x size first) and clipped to the folder.  An empty picture on
// either side gives an empty result.
IconPixels ComposePixels(const IconPixels& folder, const IconPixels& icon, int size);

}  // namespace vex::iconbrowser
