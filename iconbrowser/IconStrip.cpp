#include "iconbrowser/IconStrip.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vex::iconbrowser {

namespace {

// GetIconInfo's bitmaps, deleted with this.
struct IconBitmaps {
  ICONINFO info{};
  bool ok = false;
  explicit IconBitmaps(HICON icon) : ok(GetIconInfo(icon, &info) != FALSE) {}
  ~IconBitmaps() {
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  IconBitmaps(const IconBitmaps&) = delete;
  IconBitmaps& operator=(const IconBitmaps&) = delete;
};

bool IsCell(HBITMAP bitmap, int cell, int bits) {
  BITMAP b{};
  return bitmap && GetObjectA(bitmap, sizeof b, &b) == sizeof b && b.bmWidth == cell && b.bmHeight == cell &&
         b.bmBitsPixel == bits;
}

bool FitsOneStrip(std::size_t count, int cell) {
  return count > 0 && cell > 0 && count <= static_cast<std::size_t>(0x7FFF / cell);
}

// The strip's colour bitmap: a bottom-up 32-bit DIB section.
vcl::BitmapHandle StripColour(int width, int cell, void** bits) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = cell;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return vcl::BitmapHandle(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, bits, nullptr, 0));
}

}  // namespace

IconStrip MakeIconStrip(const CellStripBits& bits) {
  IconStrip strip;
  const auto count = static_cast<std::size_t>(bits.count);
  if (!FitsOneStrip(count, bits.cell)) return strip;
  const int width = bits.count * bits.cell;
  void* colourBits = nullptr;
  vcl::BitmapHandle colour = StripColour(width, bits.cell, &colourBits);
  const auto rows = static_cast<std::size_t>(bits.cell);
  if (!colour || bits.colour.size() != static_cast<std::size_t>(width) * rows * 4 ||
      bits.mask.size() != (static_cast<std::size_t>(width) + 15) / 16 * 2 * rows)
    return strip;
  std::copy(bits.colour.begin(), bits.colour.end(), static_cast<std::uint8_t*>(colourBits));
  vcl::BitmapHandle mask(CreateBitmap(width, bits.cell, 1, 1, bits.mask.data()));
  if (!mask) return strip;
  strip.cell = bits.cell;
  strip.count = bits.count;
  strip.colour = std::move(colour);
  strip.mask = std::move(mask);
  return strip;
}

IconStrip MakeIconStrip(const HICON* icons, std::size_t count, int cell) {
  IconStrip strip;
  if (!FitsOneStrip(count, cell)) return strip;
  const int width = static_cast<int>(count) * cell;
  void* bits = nullptr;
  vcl::BitmapHandle colour = StripColour(width, cell, &bits);
  vcl::BitmapHandle mask(CreateBitmap(width, cell, 1, 1, nullptr));
  vcl::DcHandle to(CreateCompatibleDC(nullptr)), from(CreateCompatibleDC(nullptr));
  if (!colour || !mask || !to || !from) return strip;
  const HGDIOBJ toWas = SelectObject(to.get(), colour.get());
  const HGDIOBJ fromWas = GetCurrentObject(from.get(), OBJ_BITMAP);
  bool ok = true;
  for (std::size_t i = 0; i < count && ok; ++i) {
    IconBitmaps icon(icons[i]);
    ok = icon.ok && IsCell(icon.info.hbmColor, cell, 32) && IsCell(icon.info.hbmMask, cell, 1);
    if (!ok) break;
    const int x = static_cast<int>(i) * cell;
    // Same format on both sides: the bits, alpha included, are copied as they are.
    SelectObject(from.get(), icon.info.hbmColor);
    ok = BitBlt(to.get(), x, 0, cell, cell, from.get(), 0, 0, SRCCOPY) != FALSE;
    SelectObject(to.get(), mask.get());
    SelectObject(from.get(), icon.info.hbmMask);
    ok = ok && BitBlt(to.get(), x, 0, cell, cell, from.get(), 0, 0, SRCCOPY) != FALSE;
    SelectObject(to.get(), colour.get());
    SelectObject(from.get(), fromWas);  // the icon's bitmaps go with `icon`
  }
  SelectObject(to.get(), toWas);
  if (!ok) return strip;
  GdiFlush();  // the DIB section's bits are complete before another thread uses it
  strip.cell = cell;
  strip.count = static_cast<int>(count);
  strip.colour = std::move(colour);
  strip.mask = std::move(mask);
  return strip;
}

}  // namespace vex::iconbrowser
