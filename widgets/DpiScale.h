#pragma once
// Stored designs are pixels at 96 dpi; a window shows them at its own DPI.
// Every value is scaled the way a form framework scales it, MulDiv(x, dpi,
// 96) rounded half away from zero, and a rectangle by its edges rather than
// by its size, so a control's right edge and its neighbour's left edge stay
// together at every DPI.  Going back to the design from pixels (`Follow`)
// keeps the design value wherever it still scales to those pixels, so a
// window that goes from one DPI to another and back lands exactly where it
// was.  No Win32 here: tested natively.
#include "widgets/AlignLayout.h"

namespace vcl::dpi {

constexpr int kDesignDpi = 96;

// a * b / c rounded half away from zero, as Windows' MulDiv; -1 when c is 0
// or the result does not fit in an int (MulDiv's own answer).
int MulDivRound(int a, int b, int c);

// A design value at `dpi`; a DPI of 0 or less counts as the design's own.
int Scale(int design, int dpi);
// A design rectangle at `dpi`, edge by edge.
layout::Box ScaleBox(const layout::Box& design, int dpi);

// The design value that pixels set at `dpi` stand for: `design` itself when
// it scales to `pixels`, otherwise the pixels taken back to 96 dpi.
int Follow(int design, int pixels, int dpi);
layout::Box FollowBox(const layout::Box& design, const layout::Box& pixels, int dpi);

// The square icon size that matches `designSize` at `dpi` (32 gives 40, 48,
// 56, 64 and 80 from 120 to 240 dpi).
inline int IconSize(int designSize, int dpi) { return Scale(designSize, dpi); }

}  // namespace vcl::dpi
