#pragma once
// The sedge skin's palette and the small set of pixel-exact drawing moves its
// images are made of.  Everything is drawn on a Raster whose alpha is ignored:
// the colour key 0xFF00FF marks what the skin engine leaves out.
#include <functional>
#include <string>
#include <vector>

#include "raster.h"

namespace sedge {

using vex::art::Raster;
using vex::art::Rgba;

constexpr Rgba Rgb(int r, int g, int b) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b), 255};
}

// The description's own colours.
inline constexpr Rgba kKey = Rgb(255, 0, 255);
inline constexpr Rgba kFace = Rgb(189, 195, 158);
inline constexpr Rgba kText = Rgb(40, 40, 40);
inline constexpr Rgba kTitleInk = Rgb(88, 102, 68);
inline constexpr Rgba kTitleInkInactive = Rgb(109, 126, 83);
inline constexpr Rgba kWhite = Rgb(255, 255, 255);
// Shades of the face colour.
inline constexpr Rgba kFaceLight = Rgb(222, 226, 204);
inline constexpr Rgba kFaceHi = Rgb(244, 246, 234);
inline constexpr Rgba kShadow = Rgb(143, 152, 114);
inline constexpr Rgba kDkShadow = Rgb(94, 104, 72);
inline constexpr Rgba kMenu = Rgb(236, 239, 224);
inline constexpr Rgba kTrack = Rgb(214, 219, 190);
// Accents: hot and pressed states carry white text on sedge green; close is brick.
inline constexpr Rgba kOliveLight = Rgb(134, 154, 104);
inline constexpr Rgba kOlive = Rgb(110, 128, 84);
inline constexpr Rgba kOliveDark = Rgb(80, 94, 60);
inline constexpr Rgba kBrick = Rgb(172, 88, 64);
inline constexpr Rgba kBrickDark = Rgb(134, 62, 44);
// Disabled look.
inline constexpr Rgba kMuted = Rgb(208, 211, 196);
inline constexpr Rgba kMutedLine = Rgb(166, 171, 152);
inline constexpr Rgba kMutedInk = Rgb(150, 156, 136);

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

}  // namespace sedge

namespace sedge {
// Fills a box in three vertical bands: a gradient from `top` to `mid` over the
// first `topRows`, `mid` flat, and a gradient to `bottom` over the last
// `bottomRows`.  Stretching the flat middle keeps the look at any height.
void FillBoxBands(Raster& r, const Box& box, Rgba top, Rgba mid, Rgba bottom, int topRows, int bottomRows);
// Copies `src` into `dst` at (x, y) turned on its diagonal (x and y swapped).
void PasteTransposed(Raster& dst, int x, int y, const Raster& src);
}  // namespace sedge

namespace sedge {
// Each pixel as a factor x factor block.
Raster Enlarged(const Raster& src, int factor);
}  // namespace sedge
