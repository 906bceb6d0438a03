#include "contact_sheet.h"

#include <cstdint>
#include <vector>

#include "app_icon.h"
#include "gallery.h"
#include "png_write.h"

namespace vex::art {
namespace {

constexpr int kZoom = 3;
constexpr int kCell = 36 * kZoom;

struct Sheet {
  int w, h;
  std::vector<std::uint32_t> px;
  void Put(const Raster& r, int cx, int cy, std::uint32_t back) {
    for (int y = 0; y < 32 * kZoom; ++y)
      for (int x = 0; x < 32 * kZoom; ++x) px[static_cast<std::size_t>(cy + y) * w + cx + x] = back;
    const int off = (32 - r.Width()) / 2 * kZoom;
    for (int y = 0; y < r.Height() * kZoom; ++y)
      for (int x = 0; x < r.Width() * kZoom; ++x) {
        const Rgba& p = r.At(x / kZoom, y / kZoom);
        if (p.a < 128) continue;  // as the 1-bit mask of the .ico file will have it
        px[static_cast<std::size_t>(cy + off + y) * w + cx + off + x] =
            (std::uint32_t{p.r} << 16) | (std::uint32_t{p.g} << 8) | p.b;
      }
  }
};

Raster Composite(const Raster& folder, const Raster& icon16) {
  Raster out = folder;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (icon16.At(x, y).a >= 128) out.At(x + 8, y + 8) = icon16.At(x, y);
  return out;
}

}  // namespace

bool WriteContactSheet(const std::string& path) {
  std::vector<Picture> rows{DrawAppIconShape, DrawFolder, DrawBrowserIcon};
  for (const auto& p : GalleryPictures()) rows.push_back(p.draw);
  const Raster folder = Render(DrawFolder, 32);
  Sheet s{4 * kCell, static_cast<int>(rows.size()) * kCell, {}};
  s.px.assign(static_cast<std::size_t>(s.w) * s.h, 0xD4D0C8);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int y = static_cast<int>(i) * kCell + 2 * kZoom;
    s.Put(Render(rows[i], 32), 2 * kZoom, y, 0xFFFFFF);
    s.Put(Render(rows[i], 32), kCell + 2 * kZoom, y, 0x3A6EA5);
    s.Put(Render(rows[i], 16), 2 * kCell + 2 * kZoom, y, 0xFFFFFF);
    s.Put(Composite(folder, Render(rows[i], 16)), 3 * kCell + 2 * kZoom, y, 0xFFFFFF);
  }
  return vex::WritePng(path, s.w, s.h, s.px);
}

}  // namespace vex::art
