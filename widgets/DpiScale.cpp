#include "widgets/DpiScale.h"

#include <climits>
#include <cstdint>

namespace vcl::dpi {

int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t num = static_cast<std::int64_t>(a) * b;
  std::int64_t den = c;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const std::int64_t half = den / 2;
  const std::int64_t q = num < 0 ? (num - half) / den : (num + half) / den;
  if (q > INT_MAX || q < -INT_MAX) return -1;
  return static_cast<int>(q);
}

int Scale(int design, int dpi) {
  if (dpi <= 0 || dpi == kDesignDpi) return design;
  return MulDivRound(design, dpi, kDesignDpi);
}

layout::Box ScaleBox(const layout::Box& d, int dpi) {
  return {Scale(d.left, dpi), Scale(d.top, dpi), Scale(d.right, dpi), Scale(d.bottom, dpi)};
}

int Follow(int design, int pixels, int dpi) {
  if (dpi <= 0 || dpi == kDesignDpi) return pixels;
  if (Scale(design, dpi) == pixels) return design;
  return MulDivRound(pixels, kDesignDpi, dpi);
}

layout::Box FollowBox(const layout::Box& d, const layout::Box& p, int dpi) {
  return {Follow(d.left, p.left, dpi), Follow(d.top, p.top, dpi), Follow(d.right, p.right, dpi),
          Follow(d.bottom, p.bottom, dpi)};
}

}  // namespace vcl::dpi
