#include "iconbrowser/CompositeSet.h"

#include <algorithm>

#include "iconbrowser/CompositeGeometry.h"

namespace vex::iconbrowser {
namespace {

// n * num / 32 rounded to the nearest integer, halves upwards.
int Scale32(int n, int side) { return (n * side * 2 + kCompositeSize) / (2 * kCompositeSize); }

}  // namespace

InnerBox CompositeBox(int innerSize, int side) {
  const int s = std::clamp(innerSize, kMinInnerSize, kMaxInnerSize);
  const int o = CompositeOffset(s);
  const int left = Scale32(o, side);
  const int right = Scale32(o + s, side);
  return {left, left, std::max(1, right - left)};
}

RgbaImage ComposeOver(const RgbaImage& folder, const RgbaImage& icon, int left, int top) {
  RgbaImage out = folder;
  for (int y = std::max(0, -top); y < icon.height && top + y < out.height; ++y)
    for (int x = std::max(0, -left); x < icon.width && left + x < out.width; ++x) {
      const std::uint32_t s = icon.At(x, y);
      const std::uint32_t sa = s >> 24;
      if (sa == 0) continue;
      std::uint32_t& d = out.argb[out.Index(left + x, top + y)];
      if (sa == 255) {
        d = s;
        continue;
      }
      // Straight alpha, in units of 1/255: out = s*sa + d*da*(1 - sa).
      const std::uint32_t da = (d >> 24) * (255 - sa);  // 0..65025
      const std::uint32_t oa = sa * 255 + da;             // alpha * 65025
      const auto ch = [&](int shift) {
        const std::uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        return ((sc * sa * 255 + dc * da + oa / 2) / oa) << shift;
      };
      d = (((oa + 127) / 255) << 24) | ch(16) | ch(8) | ch(0);
    }
  return out;
}

RgbaImage FromIconPixels(const IconPixels& p) {
  if (p.Empty()) return {};
  RgbaImage out = RgbaImage::Blank(p.width, p.height);
  for (std::size_t i = 0; i < out.argb.size(); ++i)
    out.argb[i] = p.transparent[i] ? 0 : (0xFF000000u | (p.colour[i] & 0xFFFFFF));
  return out;
}

RgbaImage ComposeAtSide(const std::vector<RgbaImage>& folder, const std::vector<RgbaImage>& icon, int innerSize,
                        int side) {
  if (side <= 0 || ChooseSourceImage(folder, side) < 0 || ChooseSourceImage(icon, side) < 0) return {};
  const InnerBox box = CompositeBox(innerSize, side);
  return ComposeOver(ImageAtSize(folder, side), ImageAtSize(icon, box.size), box.left, box.top);
}

std::vector<CompositeImage> ComposeCompositeSet(const std::vector<RgbaImage>& folder, const std::vector<RgbaImage>& icon,
                                                int innerSize, const IconPixels* legacy32) {
  std::vector<CompositeImage> set;
  if (ChooseSourceImage(folder, kCompositeSize) < 0 || ChooseSourceImage(icon, kCompositeSize) < 0) return set;
  for (int side : kCompositeSizes) {
    CompositeImage c;
    c.image = ComposeAtSide(folder, icon, innerSize, side);
    if (side == kCompositeSize && legacy32 && legacy32->width == side && legacy32->height == side) {
      c.mask = legacy32->transparent;
      for (std::size_t i = 0; i < c.mask.size(); ++i)
        if (!c.mask[i]) c.image.argb[i] = 0xFF000000u | (legacy32->colour[i] & 0xFFFFFF);
    }
    set.push_back(std::move(c));
  }
  return set;
}

std::optional<std::vector<std::uint8_t>> EncodeCompositeSet(const std::vector<CompositeImage>& set) {
  if (set.empty()) return std::nullopt;
  std::vector<IconFrame> frames;
  for (const CompositeImage& c : set) frames.push_back({c.image, c.mask, c.image.width >= kPngFromSize});
  return EncodeIcon(frames);
}

}  // namespace vex::iconbrowser
