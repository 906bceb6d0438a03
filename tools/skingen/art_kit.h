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

// The DPI skin images are drawn at: 96 unless a DrawAt is alive on this
// thread.  The art is written once, in 96-dpi design pixels; at 144 or 192
// every shape is laid out again at the larger pixel size.
int DrawingDpi();
class DrawAt {
 public:
  explicit DrawAt(int dpi);
  ~DrawAt();
  DrawAt(const DrawAt&) = delete;
  DrawAt& operator=(const DrawAt&) = delete;

 private:
  int previous_;
};

// A design length at `dpi`, rounded as the skin engine scales the
// description's values (MulDiv: half away from zero).
int AtDpi(int value, int dpi);

// The pixels of a skin image, drawn in design coordinates.  The image is a
// grid of state frames (cells); the engine cuts a scaled image into cells of
// AtDpi(cell) pixels and scales the margins with AtDpi, so a design
// coordinate maps within its cell, measured from the nearer edge, and the
// margins (SetMargins) from their own edge: the leftmost `left` design
// pixels become AtDpi(left) pixels and the rightmost `right` ones
// AtDpi(right), exactly where the engine cuts the scaled margins.  At 96 dpi
// the mapping is the identity.
class Canvas {
 public:
  // One cell of width x height at the current drawing DPI.
  Canvas(int width, int height);
  Canvas(int width, int height, int cellWidth, int cellHeight, int dpi);

  // Design size.
  int Width() const { return w_; }
  int Height() const { return h_; }
  int Dpi() const { return dpi_; }
  void SetMargins(int left, int top, int right, int bottom) { l_ = left, t_ = top, r_ = right, b_ = bottom; }
  // A design coordinate in pixels.
  int X(int x) const { return Map(x, cw_, l_, r_); }
  int Y(int y) const { return Map(y, ch_, t_, b_); }
  // A design length in pixels.
  int Px(int length) const { return AtDpi(length, dpi_); }
  // The width of a drawn line: one pixel up to 191 dpi, two at 192.
  int LineWidth() const { return dpi_ >= 192 ? dpi_ / 96 : 1; }

  // The drawn pixel at the top left of the design pixel (x, y).
  const Rgba& At(int x, int y) const { return px_.At(X(x), Y(y)); }
  const Raster& Pixels() const { return px_; }
  Raster& Pixels() { return px_; }
  operator const Raster&() const { return px_; }

  // The design pixel, the rectangle [x0,x1) x [y0,y1), its rim one line
  // wide, a vertical gradient over its pixel rows.
  void Set(int x, int y, Rgba c) { Fill(x, y, x + 1, y + 1, c); }
  void Fill(int x0, int y0, int x1, int y1, Rgba c) { px_.Fill(X(x0), Y(y0), X(x1), Y(y1), c); }
  void Frame(int x0, int y0, int x1, int y1, Rgba c);
  void Gradient(int x0, int y0, int x1, int y1, Rgba top, Rgba bottom) {
    px_.Gradient(X(x0), Y(y0), X(x1), Y(y1), top, bottom);
  }

 private:
  int Map(int v, int cell, int lo, int hi) const;
  int w_, h_, cw_, ch_, dpi_;
  int l_ = 0, t_ = 0, r_ = 0, b_ = 0;
  Raster px_;
};

// One skin image and what the preview needs to show it.  Sizes and margins
// are in design pixels; `pixels` holds the image at the DPI it was drawn at.
struct SkinImage {
  std::string name;
  Canvas pixels;
  int frames = 1;
  bool stacked = false;  // frames one below the other instead of side by side
  int left = 0, top = 0, right = 0, bottom = 0;  // margins of one frame
  int FrameWidth() const { return stacked ? pixels.Width() : pixels.Width() / frames; }
  int FrameHeight() const { return stacked ? pixels.Height() / frames : pixels.Height(); }
};

// A new image at the current drawing DPI, all key.
SkinImage NewImage(std::string name, int frameWidth, int frameHeight, int frames, bool stacked = false);
// Calls draw(k, x0, y0) for each frame k (from 1) with the frame's origin,
// the image's margins given to its canvas first.
void ForFrames(SkinImage& image, const std::function<void(int k, int x0, int y0)>& draw);

// A rectangle [x0,x1) x [y0,y1) with rounded corners of `radius` pixels
// (design pixels when drawn on a Canvas; Inside works in the box's own units).
struct Box {
  int x0, y0, x1, y1, radius = 0;
  bool Inside(int x, int y) const;
};
void FillBox(Canvas& r, const Box& box, Rgba c);
// The same on a plain picture in its own pixels (the preview's samples).
void FillBox(Raster& r, const Box& box, Rgba c);
// Vertical gradient inside the box: `top` at row y0, `bottom` at row y1 - 1.
void FillBoxGradient(Canvas& r, const Box& box, Rgba top, Rgba bottom);
// The box's rim, one line wide.
void OutlineBox(Canvas& r, const Box& box, Rgba c);
// The highlight just inside the rim along the top (and left when `left`).
void InnerTopLine(Canvas& r, const Box& box, Rgba c, bool left);

// Pixel art: '#' pixels of `rows` drawn at (x, y) in `c`; '+' in `c2` when given.
// Above 96 dpi each design pixel is a square of the larger size; where such a
// square covers part of a pixel the ink is blended by coverage, except over
// the colour key, which only takes ink that covers half of a pixel or more.
void Glyph(Canvas& r, int x, int y, const std::vector<const char*>& rows, Rgba c, Rgba c2 = kKey, bool useC2 = false);
int GlyphWidth(const std::vector<const char*>& rows);

// Mirrors a region left to right / turns it so that a left-to-right design can
// serve the other direction.
void MirrorX(Canvas& r, int x0, int y0, int x1, int y1);

}  // namespace skinart

namespace skinart {
// Fills a box in three vertical bands: a gradient from `top` to `mid` over the
// first `topRows`, `mid` flat, and a gradient to `bottom` over the last
// `bottomRows`.  Stretching the flat middle keeps the look at any height.
void FillBoxBands(Canvas& r, const Box& box, Rgba top, Rgba mid, Rgba bottom, int topRows, int bottomRows);
// Copies `src` into `dst` at (x, y) turned on its diagonal (x and y swapped).
void PasteTransposed(Canvas& dst, int x, int y, const Canvas& src);
// Copies `src` into `dst` with its top left at the design point (x, y).
void Paste(Canvas& dst, int x, int y, const Canvas& src);
}  // namespace skinart

namespace skinart {
// Each pixel as a factor x factor block.
Raster Enlarged(const Raster& src, int factor);
}  // namespace skinart
