#include "iconbrowser/IconGdi.h"

#include "widgets/Handles.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace vex::iconbrowser {
namespace {

struct GdiDeleter {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiDeleter>;

// The two bitmaps GetIconInfo hands over, released together.
struct IconBitmaps {
  Bitmap colour, mask;
  explicit IconBitmaps(HICON icon) {
    ICONINFO info{};
    if (icon && GetIconInfo(icon, &info)) {
      colour.reset(info.hbmColor);
      mask.reset(info.hbmMask);
    }
  }
};

BITMAPINFOHEADER Header(int width, int height, int bits) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;  // negative: rows from the top
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(bits);
  h.biCompression = BI_RGB;
  return h;
}

// Rows from the top as 32-bit BGRA, whatever the bitmap's own format.
bool Read32(HDC dc, HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>& out) {
  BITMAPINFO bi{};
  bi.bmiHeader = Header(width, -height, 32);
  out.assign(static_cast<std::size_t>(width) * height, 0);
  return GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), out.data(), &bi, DIB_RGB_COLORS) == height;
}

}  // namespace

std::optional<IconPixels> ReadIconPixels(HICON icon) {
  IconBitmaps bm(icon);
  if (!bm.mask) return std::nullopt;
  BITMAP mb{};
  GetObject(bm.mask.get(), sizeof mb, &mb);
  IconPixels p;
  p.width = mb.bmWidth;
  // A monochrome icon keeps its AND and XOR halves in one double-height mask.
  p.height = bm.colour ? mb.bmHeight : mb.bmHeight / 2;
  if (p.Empty()) return std::nullopt;
  vcl::WindowDc screen(nullptr);  // the screen
  std::vector<std::uint32_t> mask, colour;
  if (!Read32(screen.get(), bm.mask.get(), p.width, bm.colour ? p.height : 2 * p.height, mask)) return std::nullopt;
  if (bm.colour) {
    if (!Read32(screen.get(), bm.colour.get(), p.width, p.height, colour)) return std::nullopt;
  } else {
    colour.assign(mask.begin() + static_cast<std::ptrdiff_t>(p.width) * p.height, mask.end());
  }
  bool hasAlpha = false;
  for (std::uint32_t c : colour) hasAlpha = hasAlpha || (c >> 24) != 0;
  const std::size_t n = static_cast<std::size_t>(p.width) * p.height;
  p.colour.resize(n);
  p.transparent.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    p.colour[i] = colour[i] & 0xFFFFFF;
    const bool masked = (mask[i] & 0xFFFFFF) != 0;
    p.transparent[i] = masked || (hasAlpha && (colour[i] >> 24) < 128);
  }
  return p;
}

HICON CreateIconFromPixels(const IconPixels& p) {
  if (p.Empty()) return nullptr;
  const std::size_t n = static_cast<std::size_t>(p.width) * p.height;
  std::vector<std::uint32_t> bgra(n);
  // CreateBitmap wants 1-bit rows padded to 16 bits.
  const std::size_t maskStride = static_cast<std::size_t>((p.width + 15) / 16) * 2;
  std::vector<std::uint8_t> maskBits(maskStride * static_cast<std::size_t>(p.height), 0);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const std::size_t i = p.Index(x, y);
      if (p.transparent[i]) {
        maskBits[y * maskStride + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      } else {
        bgra[i] = p.colour[i];  // 0xRRGGBB is BGRA in memory with alpha 0
      }
    }
  vcl::WindowDc screen(nullptr);  // the screen
  Bitmap colour(CreateCompatibleBitmap(screen.get(), p.width, p.height));
  Bitmap mask(CreateBitmap(p.width, p.height, 1, 1, maskBits.data()));
  if (!colour || !mask) return nullptr;
  BITMAPINFO bi{};
  bi.bmiHeader = Header(p.width, -p.height, 32);
  if (SetDIBits(screen.get(), colour.get(), 0, static_cast<UINT>(p.height), bgra.data(), &bi, DIB_RGB_COLORS) != p.height)
    return nullptr;
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.get();
  info.hbmColor = colour.get();
  return CreateIconIndirect(&info);  // copies the bitmaps
}

HICON CreateAlphaIcon(const RgbaImage& image) {
  if (image.Empty()) return nullptr;
  BITMAPINFO bi{};
  bi.bmiHeader = Header(image.width, -image.height, 32);
  void* bits = nullptr;
  Bitmap colour(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour || !bits) return nullptr;
  // 0xAARRGGBB is BGRA in memory: the DIB takes the pixels as they are.
  std::copy(image.argb.begin(), image.argb.end(), static_cast<std::uint32_t*>(bits));
  const std::size_t maskStride = static_cast<std::size_t>((image.width + 15) / 16) * 2;
  std::vector<std::uint8_t> maskBits(maskStride * static_cast<std::size_t>(image.height), 0);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (AlphaOf(image.At(x, y)) < 128)
        maskBits[y * maskStride + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  Bitmap mask(CreateBitmap(image.width, image.height, 1, 1, maskBits.data()));
  if (!mask) return nullptr;
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.get();
  info.hbmColor = colour.get();
  return CreateIconIndirect(&info);
}

HICON ComposeFolderIcon(HICON icon, HICON folder, int size) {
  const auto i = ReadIconPixels(icon);
  const auto g = ReadIconPixels(folder);
  if (!i || !g) return nullptr;
  return CreateIconFromPixels(ComposePixels(*g, *i, size));
}

std::optional<IconImageBits> ReadIconImageBits(HICON icon) {
  IconBitmaps bm(icon);
  if (!bm.colour || !bm.mask) return std::nullopt;
  BITMAP cb{};
  GetObject(bm.colour.get(), sizeof cb, &cb);
  IconImageBits im;
  im.width = cb.bmWidth;
  im.height = cb.bmHeight;
  im.bitCount = cb.bmBitsPixel * cb.bmPlanes;
  if (im.width <= 0 || im.height <= 0) return std::nullopt;
  // Room for the header and the largest colour table GetDIBits may fill in.
  std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
  auto* bi = reinterpret_cast<BITMAPINFO*>(info.data());
  bi->bmiHeader = Header(im.width, im.height, im.bitCount);
  im.colourRows.resize(DibStride(im.width, im.bitCount) * static_cast<std::size_t>(im.height));
  vcl::WindowDc screen(nullptr);  // the screen
  if (GetDIBits(screen.get(), bm.colour.get(), 0, static_cast<UINT>(im.height), im.colourRows.data(), bi,
                DIB_RGB_COLORS) != im.height)
    return std::nullopt;
  if (im.bitCount <= 8) {
    const auto* table = reinterpret_cast<const std::uint32_t*>(info.data() + sizeof(BITMAPINFOHEADER));
    im.colourTable.assign(table, table + (std::size_t{1} << im.bitCount));
  }
  std::vector<std::uint8_t> maskInfo(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD), 0);
  auto* mi = reinterpret_cast<BITMAPINFO*>(maskInfo.data());
  mi->bmiHeader = Header(im.width, im.height, 1);
  im.maskRows.resize(DibStride(im.width, 1) * static_cast<std::size_t>(im.height));
  if (GetDIBits(screen.get(), bm.mask.get(), 0, static_cast<UINT>(im.height), im.maskRows.data(), mi,
                DIB_RGB_COLORS) != im.height)
    return std::nullopt;
  return im;
}

}  // namespace vex::iconbrowser
