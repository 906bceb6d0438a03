#include "ico_write.h"

#include <cstdio>

#include "iconbrowser/IconImages.h"

namespace vex::art {

std::vector<std::uint8_t> EncodeIco(const std::vector<Raster>& images) {
  std::vector<iconbrowser::IconFrame> frames;
  for (const Raster& r : images) {
    iconbrowser::IconFrame f;
    f.image = iconbrowser::RgbaImage::Blank(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) {
        const Rgba& p = r.At(x, y);
        f.image.argb[f.image.Index(x, y)] = (std::uint32_t{p.a} << 24) | (std::uint32_t{p.r} << 16) |
                                            (std::uint32_t{p.g} << 8) | p.b;
      }
    f.png = r.Width() >= 256;
    frames.push_back(std::move(f));
  }
  auto bytes = iconbrowser::EncodeIcon(frames);
  return bytes ? std::move(*bytes) : std::vector<std::uint8_t>{};
}

bool WriteIco(const std::string& path, const std::vector<Raster>& images) {
  const auto bytes = EncodeIco(images);
  if (bytes.empty()) return false;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace vex::art
