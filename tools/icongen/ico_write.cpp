#include "ico_write.h"

#include <cstdio>

namespace vex::art {
namespace {

void Put16(std::vector<std::uint8_t>& o, unsigned v) {
  o.push_back(static_cast<std::uint8_t>(v));
  o.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}

std::vector<std::uint8_t> ImageData(const Raster& img) {
  const int w = img.Width(), h = img.Height();
  std::vector<std::uint8_t> d;
  Put32(d, 40);
  Put32(d, static_cast<std::uint32_t>(w));
  Put32(d, static_cast<std::uint32_t>(2 * h));  // colour image + mask
  Put16(d, 1);
  Put16(d, 32);
  for (int i = 0; i < 6; ++i) Put32(d, 0);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      const Rgba& p = img.At(x, y);
      const bool opaque = p.a >= 128;
      d.push_back(opaque ? p.b : 0);
      d.push_back(opaque ? p.g : 0);
      d.push_back(opaque ? p.r : 0);
      d.push_back(opaque ? 255 : 0);
    }
  const int maskStride = ((w + 31) / 32) * 4;
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < w; ++x)
      if (img.At(x, y).a < 128) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    d.insert(d.end(), row.begin(), row.end());
  }
  return d;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<Raster>& images) {
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(images.size()));
  std::vector<std::vector<std::uint8_t>> data;
  for (const auto& img : images) data.push_back(ImageData(img));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].Width() & 0xFF));
    out.push_back(static_cast<std::uint8_t>(images[i].Height() & 0xFF));
    out.push_back(0);  // colour count: 0 for 8 bits per pixel and more
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(data[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(data[i].size());
  }
  for (const auto& d : data) out.insert(out.end(), d.begin(), d.end());
  return out;
}

bool WriteIco(const std::string& path, const std::vector<Raster>& images) {
  const auto bytes = EncodeIco(images);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace vex::art
