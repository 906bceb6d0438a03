#pragma once
// The arithmetic of a skin drawn at another DPI, free of Win32 so it is
// tested natively: pixel values of the description scaled the way MulDiv
// rounds (half away from zero), and skin images resampled cell by cell so
// that neighbouring state frames never bleed into each other and the colour
// key 0xFF00FF stays exact (a scaled pixel is either the key or a blend of
// the non-key pixels it covers, never a pinkish mix).
#include <cstdint>
#include <string>
#include <vector>

namespace vex::skin::scaling {

inline constexpr int kBaseDpi = 96;
// The colour key as a 0x00RRGGBB pixel.
inline constexpr std::uint32_t kKeyPixel = 0xFF00FF;

// value × num ÷ den rounded half away from zero, as MulDiv does; `value`
// unchanged when den is not positive or num is negative.
int Scale(int value, int num, int den);
// A 96-dpi design value at `dpi`.
inline int AtDpi(int value, int dpi) { return Scale(value, dpi, kBaseDpi); }

// Pixels 0x00RRGGBB, rows from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> data;
  std::uint32_t At(int x, int y) const { return data[static_cast<std::size_t>(y) * width + x]; }
};

// Whether `image` can be cut into a cols × rows grid of non-empty cells.
bool CanCut(int width, int height, int cols, int rows);

// `source` cut into cols × rows equal cells (integer division; columns and
// rows left over are dropped, as the painters' frame arithmetic drops them),
// each cell resampled on its own to Scale(cell, num, den) by area averaging
// in which key pixels weigh as transparency: a result pixel is the key when
// key pixels cover at least half of it, otherwise the average of the other
// pixels it covers.  Empty when the image cannot be cut or the scale is not
// positive.
Pixels ScaleCells(const Pixels& source, int cols, int rows, int num, int den);

// Images a skin package may draw for a scale: the member "name@150.bmp"
// stands in for "name.bmp" at 144 dpi, "name@200.bmp" at 192 dpi.
struct DrawnScale {
  int percent;
  int dpi;
};
inline constexpr DrawnScale kDrawnScales[] = {{150, 144}, {200, 192}};
// "name@<percent>.bmp" for the member "name.bmp" (any case of ".bmp");
// empty when `member` does not end in ".bmp".
std::string DrawnMemberName(const std::string& member, int percent);
// The drawn DPI of `member` ("x@150.bmp" gives 144), or 0 for a plain one.
int DrawnDpiOf(const std::string& member);
// Which of the `available` drawn DPIs serves `dpi` best: the one made for it,
// else the nearest larger one (a downscale keeps detail), else the largest;
// 0 when none is available or `dpi` is 96 or less.
int PickDrawnDpi(int dpi, const std::vector<int>& available);

}  // namespace vex::skin::scaling
