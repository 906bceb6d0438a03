#pragma once
// The drawing kit the skins' images are made of: a skin image with its frames
// and margins, and a small set of pixel-exact drawing moves.  Everything is
// drawn on a Raster whose alpha is ignored: the colour key 0xFF00FF marks what
// the skin engine leaves out.
#include <functional>
#include <string>
#include <vector>

#include "raster.h"

namespace skinart {

using vex::art::Raster;
using vex::art::Rgba;

constexpr Rgba Rgb(int r, int g, int b) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b), 255};
}

// The colour key: pixels of this colour are left out where an image is drawn
// keyed, and cut away from a window by its region.
inline constexpr Rgba kKey = Rgb(255, 0, 255);
inline constexpr Rgba kWhite = Rgb(255, 255, 255);
constexpr bool IsKeyColour(Rgba c) { return c.r == kKey.r && c.g == kKey.g && c.b == kKey.b; }

using vex::art::Mix;

// One skin image and what the preview needs to show it.
struct SkinImage {
  std::string name;
  Raster pixels;
  int frames = 1;
  bool stacked = false;  // frames one below the other instead of side by side
  int left = 0, top = 0, right = 0, bottom = 0;  // margins of one frame
  int FrameWidth() const { return stacked ? pixels.Width() : pixels.Width() / frames; }
  int FrameHeight() const { return stacked ? pixels.Height() / frames : pixels.Height(); }
};

SkinImage NewImage(std::string name, int frameWidth, int frameHeight, int frames, bool stacked = false);
// Calls draw(k, x0, y0) for each frame k (from 1) with the frame's origin.
void ForFrames(SkinImage& image, const std::function<void(int k, int x0, int y0)>& draw);

// A rectangle [x0,x1) x [y0,y1) with rounded corners of `radius` pixels.
struct Box {
  int x0, y0, x1, y1, radius = 0;
  bool Inside(int x, int y) const;
};
void FillBox(Raster& r, const Box& box, Rgba c);
// Vertical gradient inside the box: `top` at row y0, `bottom` at row y1 - 1.
void FillBoxGradient(Raster& r, const Box& box, Rgba top, Rgba bottom);
// The box's 1-pixel rim.
void OutlineBox(Raster& r, const Box& box, Rgba c);
// The highlight just inside the rim along the top (and left when `left`).
void InnerTopLine(Raster& r, const Box& box, Rgba c, bool left);

// Pixel art: '#' pixels of `rows` drawn at (x, y) in `c`; '+' in `c2` when given.
void Glyph(Raster& r, int x, int y, const std::vector<const char*>& rows, Rgba c, Rgba c2 = kKey, bool useC2 = false);
int GlyphWidth(const std::vector<const char*>& rows);

// Mirrors a region left to right / turns it so that a left-to-right design can
// serve the other direction.
void MirrorX(Raster& r, int x0, int y0, int x1, int y1);

}  // namespace skinart

namespace skinart {
// Fills a box in three vertical bands: a gradient from `top` to `mid` over the
// first `topRows`, `mid` flat, and a gradient to `bottom` over the last
// `bottomRows`.  Stretching the flat middle keeps the look at any height.
void FillBoxBands(Raster& r, const Box& box, Rgba top, Rgba mid, Rgba bottom, int topRows, int bottomRows);
// Copies `src` into `dst` at (x, y) turned on its diagonal (x and y swapped).
void PasteTransposed(Raster& dst, int x, int y, const Raster& src);
}  // namespace skinart

namespace skinart {
// Each pixel as a factor x factor block.
Raster Enlarged(const Raster& src, int factor);
}  // namespace skinart
