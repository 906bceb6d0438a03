// Prints how long the skinned frame's heaviest drawing calls take on a
// 1920 x 1080 window: building the title element, and cutting the window
// region out of the four rendered borders.  A measurement, not a test.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "skin/data/BitmapHelpers.h"
#include "win_test_support.h"

namespace vs = vex::skin;

namespace {

// Border pictures shaped like the built-in skin's: a 160 x 56 title with two
// stacked frames, 4-pixel sides with cut corners, a 4-pixel bottom.
HBITMAP Picture(int w, int h, const std::function<COLORREF(int, int)>& colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(dc, x, y, colour(x, y));
  SelectObject(dc, old);
  DeleteDC(dc);
  return bmp;
}

}  // namespace

int main() {
  constexpr int W = 1920, H = 1080;
  HBITMAP top = Picture(160, 56, [](int x, int y) { return RGB(200 + y % 28, 210, 160 + x % 7); });
  HBITMAP side = Picture(8, 60, [](int x, int y) {
    const int fx = x % 4, edge = y < 3 ? 3 - y : (y > 56 ? y - 56 : 0);
    return fx < edge ? RGB(255, 0, 255) : RGB(120, 130, 100);
  });
  HBITMAP bottom = Picture(30, 8, [](int, int y) { return RGB(150, 160, 120 + y); });

  const RECT titleRect{4, 0, W - 4, 28};
  const double tiled = vex::test::MicrosecondsPerCall(200, [&] {
    DeleteObject(vs::BuildElement(titleRect, top, RECT{5, 0, 145, 0}, true, true, 2, 1));
  });
  const double stretched = vex::test::MicrosecondsPerCall(200, [&] {
    DeleteObject(vs::BuildElement(titleRect, top, RECT{5, 0, 145, 0}, true, false, 2, 1));
  });

  // The region as the frame builds it: each side rendered, then cut.
  const double region = vex::test::MicrosecondsPerCall(50, [&] {
    HRGN all = CreateRectRgn(4, 28, W - 4, H - 4);
    auto add = [&](HBITMAP rendered, int x, int y) {
      HRGN piece = vs::RegionFromBitmap(rendered, x, y, 1, 1, 1, vs::kSkinKey);
      CombineRgn(all, all, piece, RGN_OR);
      DeleteObject(piece);
      DeleteObject(rendered);
    };
    add(vs::BuildElement(RECT{0, 0, 4, H}, side, RECT{0, 38, 0, 10}, false, true, 2, 1), 0, 0);
    add(vs::BuildElement(RECT{0, 0, 4, H}, side, RECT{0, 38, 0, 10}, false, true, 2, 1), W - 4, 0);
    add(vs::BuildElement(RECT{0, 0, W - 8, 4}, bottom, RECT{10, 0, 10, 0}, true, true, 2, 1), 4, H - 4);
    add(vs::BuildElement(RECT{0, 0, W - 8, 28}, top, RECT{5, 0, 145, 0}, true, true, 2, 1), 4, 0);
    DeleteObject(all);
  });

  std::printf("BuildElement, title 1912 x 28, centre tiled:     %8.1f us\n", tiled);
  std::printf("BuildElement, title 1912 x 28, centre stretched: %8.1f us\n", stretched);
  std::printf("Window region of a 1920 x 1080 frame (render + RegionFromBitmap of 4 borders): %8.1f us\n", region);
  DeleteObject(top);
  DeleteObject(side);
  DeleteObject(bottom);
  return 0;
}
