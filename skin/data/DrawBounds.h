#pragma once
// What the skin engine may hand to GDI.  A skin description is untrusted:
// its margins, coordinates and frame counts may be anything a 32-bit value
// holds, and its images may be millions of pixels wide.  Sums and products
// of such values overflow `int`, and a system asked to draw a rectangle or
// make a bitmap no screen holds may fail badly (under Wine such requests
// have corrupted the heap).  So every value on its way to GDI is worked out
// in 64 bits and brought within these bounds first.  Free of Win32, so that
// it runs natively and under the sanitizers.
#include <algorithm>
#include <cstdint>

namespace vex::skin::bounds {

// Coordinates and extents within the 16-bit range that X11 and the old GDI
// hold, far beyond any screen.
inline constexpr int kMaxCoord = 32767;
inline constexpr int kMaxExtent = 32767;
// The largest bitmap the engine makes: 16 Mi pixels (64 MiB at 32 bits),
// more than a frame band or title of any real window needs.
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 24;

// A coordinate brought within [-kMaxCoord, kMaxCoord].
constexpr int Coord(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -kMaxCoord, kMaxCoord)); }
// A width, height or band brought within [0, kMaxExtent].
constexpr int Extent(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, kMaxExtent)); }

// Whether a bitmap of w x h is one the engine makes at all.
constexpr bool BitmapFits(std::int64_t w, std::int64_t h) {
  return w > 0 && h > 0 && w <= kMaxExtent && h <= kMaxExtent && w * h <= kMaxBitmapPixels;
}

// Frame `frame` (from 1) of `frameCount` of an image, side by side or
// stacked: its size and where it starts in the image.  A count below 1 is
// read as 1; a frame outside 1..count is the nearest one there is, so the
// cut always lies inside the image.
struct FrameCut {
  int width = 0, height = 0, x = 0, y = 0;
  friend bool operator==(const FrameCut&, const FrameCut&) = default;
};
constexpr FrameCut CutFrame(std::int64_t imageWidth, std::int64_t imageHeight, bool stacked, std::int64_t frameCount,
                            std::int64_t frame) {
  const std::int64_t n = std::max<std::int64_t>(1, frameCount);
  const std::int64_t k = std::clamp<std::int64_t>(frame, 1, n) - 1;
  const std::int64_t w = std::max<std::int64_t>(0, imageWidth), h = std::max<std::int64_t>(0, imageHeight);
  if (stacked) {
    const std::int64_t fh = h / n;
    return {Extent(w), Extent(fh), 0, Coord(fh * k)};
  }
  const std::int64_t fw = w / n;
  return {Extent(fw), Extent(h), Coord(fw * k), 0};
}

// The margins kept at the edges of a nine-slice element of width x height:
// negative ones count as 0 (they would mirror pieces), and a pair wider
// than the element is dropped so that the whole frame goes to the centre.
struct Bands {
  int l = 0, t = 0, r = 0, b = 0;
  friend bool operator==(const Bands&, const Bands&) = default;
};
constexpr Bands ElementBands(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                             std::int64_t width, std::int64_t height) {
  Bands m{Extent(left), Extent(top), Extent(right), Extent(bottom)};
  if (width < std::int64_t{m.l} + m.r) m.l = m.r = 0;
  if (height < std::int64_t{m.t} + m.b) m.t = m.b = 0;
  return m;
}

}  // namespace vex::skin::bounds
