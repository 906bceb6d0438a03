#pragma once
// The composite folder icon at every size the shell draws folders at: each
// image composed at its own size from the folder picture and the chosen
// icon at that size, with soft edges.  Win32-free.
#include <array>
#include <vector>

#include "iconbrowser/IconImages.h"
#include "iconbrowser/IconPixels.h"
#include "iconbrowser/RgbaImage.h"

namespace vex::iconbrowser {

inline constexpr std::array<int, 10> kCompositeSizes{16, 20, 24, 32, 40, 48, 64, 96, 128, 256};
// Stored PNG-compressed, as Windows' own icons store it.
inline constexpr int kPngFromSize = 256;

// Where the inner icon of size S (1..32, clamped) sits in the image of side
// N: the 32-pixel layout (CompositeOffset) scaled by N / 32, edges rounded to
// the nearest pixel, at least one pixel.  For N = 32 it is the old layout.
struct InnerBox {
  int left = 0, top = 0, size = 0;
};
InnerBox CompositeBox(int innerSize, int side);

// The icon laid over the folder picture with "over" blending: where the
// icon is partly clear the folder shows through, and a pixel is fully clear
// only where both are.  `icon` is placed at (left, top) and clipped.
RgbaImage ComposeOver(const RgbaImage& folder, const RgbaImage& icon, int left, int top);

// The composite of side `side` (any size, not only the set's): the folder
// picture's and the icon's images of the sizes needed (nearest larger,
// scaled down), the icon in CompositeBox.  Empty when a picture has none.
RgbaImage ComposeAtSide(const std::vector<RgbaImage>& folder, const std::vector<RgbaImage>& icon, int innerSize,
                        int side);

// One image of the set, with the AND mask it is saved with (empty: from the
// alpha channel).
struct CompositeImage {
  RgbaImage image;
  std::vector<std::uint8_t> mask;
};

// The set, one image per kCompositeSizes entry, from every image of the
// folder picture and of the chosen icon (each size takes the nearest larger
// image and scales it down, or the largest and scales it up).  `legacy32`,
// the 32-pixel composite as the browser has always made it (GDI scaling and
// a 1-bit mask), decides the 32-pixel image wherever its mask is opaque and
// gives that image its mask, so readers of that image see what they saw.
// Empty when either picture has no image.
std::vector<CompositeImage> ComposeCompositeSet(const std::vector<RgbaImage>& folder, const std::vector<RgbaImage>& icon,
                                                int innerSize, const IconPixels* legacy32);

// The set as an .ico file (the largest image as PNG); nothing for an empty
// or broken set.
std::optional<std::vector<std::uint8_t>> EncodeCompositeSet(const std::vector<CompositeImage>& set);

// IconPixels (1-bit transparency) as RGBA: opaque or fully clear.
RgbaImage FromIconPixels(const IconPixels& pixels);

}  // namespace vex::iconbrowser
