// Mirroring and quarter turns of skin images (tab images for tabs that do not
// sit along the top).
#include <cstdint>
#include <vector>

#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"

namespace vex::skin {
namespace {

BITMAPINFO Info32(int width, int height) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // rows from the top
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

bool Read(HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>& pixels) {
  pixels.assign(static_cast<std::size_t>(width) * height, 0);
  BITMAPINFO bi = Info32(width, height);
  ScreenDc screen;
  return GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &bi, DIB_RGB_COLORS) == height;
}

// A new 24-bit bitmap holding `pixels` (32-bit rows from the top).
HBITMAP Make24(int width, int height, const std::vector<std::uint32_t>& pixels) {
  BITMAPINFO bi = Info32(width, height);
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  ScreenDc screen;
  HBITMAP made = CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!made) return nullptr;
  BITMAPINFO in = Info32(width, height);
  SetDIBits(screen.Get(), made, 0, static_cast<UINT>(height), pixels.data(), &in, DIB_RGB_COLORS);
  return made;
}

enum class Turn { kFlip, kLeft, kRight };

void Transform(HBITMAP& bitmap, Turn turn) {
  const BitmapSize size = SizeOf(bitmap);
  const int w = size.width, h = size.height;
  std::vector<std::uint32_t> in;
  if (w <= 0 || h <= 0 || !Read(bitmap, w, h, in)) return;
  std::vector<std::uint32_t> out(in.size());
  const int outW = turn == Turn::kFlip ? w : h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int nx = x, ny = h - 1 - y;                    // flip
      if (turn == Turn::kLeft) nx = y, ny = w - 1 - x;  // top-right corner to top-left
      if (turn == Turn::kRight) nx = h - 1 - y, ny = x; // bottom-left corner to top-left
      out[static_cast<std::size_t>(ny) * outW + nx] = in[static_cast<std::size_t>(y) * w + x];
    }
  if (turn == Turn::kFlip) {
    // Same size: the rows go back into the same bitmap, format unchanged.
    BITMAPINFO bi = Info32(w, h);
    ScreenDc screen;
    SetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(h), out.data(), &bi, DIB_RGB_COLORS);
    return;
  }
  HBITMAP made = Make24(outW, w, out);
  if (!made) return;
  DeleteObject(bitmap);
  bitmap = made;
}

}  // namespace

void FlipVertical(HBITMAP& bitmap) { Transform(bitmap, Turn::kFlip); }
void RotateLeft(HBITMAP& bitmap) { Transform(bitmap, Turn::kLeft); }
void RotateRight(HBITMAP& bitmap) { Transform(bitmap, Turn::kRight); }

}  // namespace vex::skin
