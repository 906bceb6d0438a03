#include "bitmap_test_util.h"

#include <cstring>

namespace vex::skin::test {

HBITMAP MakeBitmap(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  const int stride = (width * 3 + 3) & ~3;
  auto* row = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < height; ++y, row += stride)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      row[x * 3] = static_cast<std::uint8_t>(c);
      row[x * 3 + 1] = static_cast<std::uint8_t>(c >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  GdiFlush();
  return bmp;
}

HBITMAP MakeBitmap(const std::vector<const char*>& rows, const std::function<std::uint32_t(char)>& palette) {
  const int w = static_cast<int>(std::strlen(rows[0])), h = static_cast<int>(rows.size());
  return MakeBitmap(w, h, [&](int x, int y) { return palette(rows[y][x]); });
}

Canvas::Canvas(int width, int height, std::uint32_t fill) {
  HDC screen = GetDC(nullptr);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  dc_ = CreateCompatibleDC(nullptr);
  old_ = SelectObject(dc_, bitmap_);
  HBRUSH brush = CreateSolidBrush(RGB(fill >> 16, (fill >> 8) & 0xFF, fill & 0xFF));
  RECT all{0, 0, width, height};
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

Pixels Canvas::Read() const {
  // GetDIBits wants the bitmap out of any DC.
  SelectObject(dc_, old_);
  Pixels px = ReadBitmap(bitmap_);
  SelectObject(dc_, bitmap_);
  return px;
}

std::vector<RECT> RegionRects(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> data(size);
  if (size == 0 || !GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data()))) return {};
  const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
  const auto* rects = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
  return {rects, rects + header->nCount};
}

long RegionArea(HRGN region) {
  long area = 0;
  for (const RECT& r : RegionRects(region)) area += (r.right - r.left) * (r.bottom - r.top);
  return area;
}

}  // namespace vex::skin::test
