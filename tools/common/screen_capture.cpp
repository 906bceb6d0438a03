#include "screen_capture.h"

#include "png_write.h"

namespace vex {

Pixels ReadBitmap(HBITMAP bitmap) {
  Pixels out;
  BITMAP info{};
  if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return out;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = info.bmWidth;
  bi.bmiHeader.biHeight = -info.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  out.width = info.bmWidth;
  out.height = info.bmHeight;
  out.rgb.assign(static_cast<std::size_t>(out.width) * out.height, 0);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(out.height), out.rgb.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (auto& p : out.rgb) p &= 0xFFFFFF;  // BGRX in memory reads as 0x00RRGGBB
  return out;
}

Pixels ReadScreen(const RECT& rect) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return {};
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  Pixels out = ReadBitmap(bmp);
  DeleteObject(bmp);
  return out;
}

Pixels ReadWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return ReadScreen(r);
}

bool SavePng(const Pixels& pixels, const std::string& path) {
  return WritePng(path, pixels.width, pixels.height, pixels.rgb);
}

}  // namespace vex
