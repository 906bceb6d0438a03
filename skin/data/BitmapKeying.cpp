// Keyed drawing and window regions from the colour key.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"

namespace vex::skin {
namespace {

// Pixels of a bitmap as 32-bit BGRX rows from the top.
std::vector<std::uint32_t> ReadPixels32(HBITMAP bitmap, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  ScreenDc screen;
  if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &bi, DIB_RGB_COLORS) != height)
    pixels.clear();
  return pixels;
}

// Rectangles gathered for ExtCreateRegion: a header followed by the RECTs.
// The buffer grows 500 rectangles at a time; every 2,000 rectangles the block
// becomes a region and joins the result, which keeps each region call small.
class RegionBuilder {
 public:
  RegionBuilder() : result_(CreateRectRgn(0, 0, 0, 0)) { rects_.reserve(kGrowth); }
  RegionBuilder(const RegionBuilder&) = delete;
  RegionBuilder& operator=(const RegionBuilder&) = delete;
  ~RegionBuilder() {
    if (result_) DeleteObject(result_);
  }

  void Add(int left, int top, int right, int bottom) {
    if (rects_.size() == rects_.capacity()) rects_.reserve(rects_.capacity() + kGrowth);
    rects_.push_back(RECT{left, top, right, bottom});
    if (rects_.size() == kFlushAt) Flush();
  }

  HRGN Finish() {
    Flush();
    HRGN done = result_;
    result_ = nullptr;
    return done;
  }

 private:
  static constexpr std::size_t kGrowth = 500;
  static constexpr std::size_t kFlushAt = 2000;

  void Flush() {
    if (rects_.empty() || !result_) return;
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects_.size());
    header->nRgnSize = static_cast<DWORD>(rects_.size() * sizeof(RECT));
    RECT bound = rects_.front();
    for (const RECT& r : rects_) {
      bound.left = std::min(bound.left, r.left);
      bound.top = std::min(bound.top, r.top);
      bound.right = std::max(bound.right, r.right);
      bound.bottom = std::max(bound.bottom, r.bottom);
    }
    header->rcBound = bound;
    std::copy(rects_.begin(), rects_.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
    if (HRGN block = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()))) {
      CombineRgn(result_, result_, block, RGN_OR);
      DeleteObject(block);
    }
    rects_.clear();
  }

  HRGN result_;
  std::vector<RECT> rects_;
};

}  // namespace

void DrawTransparent(HDC dc, const RECT& dest, HBITMAP bitmap, COLORREF key) {
  if (dest.right < dest.left || dest.bottom < dest.top) return;
  const BitmapSize size = SizeOf(bitmap);
  if (size.width <= 0 || size.height <= 0) return;
  const int w = dest.right - dest.left, h = dest.bottom - dest.top;
  MemoryDc src(bitmap);
  // The system's keyed copy does in one transfer what the mask does in
  // three (and without making a mask); the mask is the way when it fails.
  const int cw = std::min(w, size.width), ch = std::min(h, size.height);
  if (w <= size.width && h <= size.height && cw > 0 && ch > 0 &&
      GdiTransparentBlt(dc, dest.left, dest.top, cw, ch, src.Get(), 0, 0, cw, ch, key))
    return;
  // The monochrome mask: white where the bitmap has the key colour.
  OwnedBitmap mask(CreateBitmap(size.width, size.height, 1, 1, nullptr));
  {
    MemoryDc maskDc(mask.Get());
    const COLORREF oldBack = SetBkColor(src.Get(), key);
    BitBlt(maskDc.Get(), 0, 0, size.width, size.height, src.Get(), 0, 0, SRCCOPY);
    SetBkColor(src.Get(), oldBack);
  }
  // Mono to colour maps 1 to the background colour and 0 to the text colour.
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  {
    MemoryDc maskDc(mask.Get());
    BitBlt(dc, dest.left, dest.top, w, h, src.Get(), 0, 0, SRCINVERT);
    BitBlt(dc, dest.left, dest.top, w, h, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(dc, dest.left, dest.top, w, h, src.Get(), 0, 0, SRCINVERT);
  }
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

HRGN RegionFromBitmap(HBITMAP bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, COLORREF key) {
  RegionBuilder region;
  const BitmapSize size = SizeOf(bitmap);
  if (size.width <= 0 || size.height <= 0) return region.Finish();
  const std::vector<std::uint32_t> pixels = ReadPixels32(bitmap, size.width, size.height);
  if (pixels.empty()) return region.Finish();

  const int lowR = GetRValue(key), lowG = GetGValue(key), lowB = GetBValue(key);
  const int highR = std::min(255, lowR + redTolerance);
  const int highG = std::min(255, lowG + greenTolerance);
  const int highB = std::min(255, lowB + blueTolerance);
  auto transparent = [&](std::uint32_t p) {
    const int b = p & 0xFF, g = (p >> 8) & 0xFF, r = (p >> 16) & 0xFF;
    return r >= lowR && r <= highR && g >= lowG && g <= highG && b >= lowB && b <= highB;
  };
  for (int y = 0; y < size.height; ++y) {
    const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * size.width;
    int x = 0;
    while (x < size.width) {
      while (x < size.width && transparent(row[x])) ++x;
      const int start = x;
      while (x < size.width && !transparent(row[x])) ++x;
      if (x > start) region.Add(start + xOffset, y + yOffset, x + xOffset, y + yOffset + 1);
    }
  }
  return region.Finish();
}

}  // namespace vex::skin
