#include "png_write.h"

#include <cstdio>

#include "iconbrowser/PngCodec.h"

namespace vex {

// Screenshots and preview sheets go through the product's own PNG encoder, so
// there is one PNG writer to keep right.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& rgb) {
  if (width <= 0 || height <= 0 || rgb.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return {};
  iconbrowser::RgbaImage image = iconbrowser::RgbaImage::Blank(width, height);
  for (std::size_t i = 0; i < image.argb.size(); ++i) image.argb[i] = 0xFF000000u | (rgb[i] & 0xFFFFFFu);
  return iconbrowser::EncodePng(image);
}

bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint32_t>& rgb) {
  const auto png = EncodePng(width, height, rgb);
  if (png.empty()) return false;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace vex
