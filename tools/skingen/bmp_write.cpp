#include "bmp_write.h"

#include <cstdio>

#include "skin/data/BmpFile.h"

namespace skinart {

// The engine's own bitmap writer, so the skins' pictures and the pictures the
// engine makes at load time are the same kind of file.
std::vector<std::uint8_t> EncodeBmp24(const vex::art::Raster& raster) {
  const int w = raster.Width(), h = raster.Height();
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const vex::art::Rgba& p = raster.At(x, y);
      pixels.push_back(static_cast<std::uint32_t>(p.r) << 16 | static_cast<std::uint32_t>(p.g) << 8 | p.b);
    }
  return vex::skin::EncodeBmp24(w, h, pixels);
}

bool WriteBmp24(const std::string& path, const vex::art::Raster& raster) {
  const std::vector<std::uint8_t> bytes = EncodeBmp24(raster);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace skinart
