#include "tools/skingallery/GalleryIcons.h"

namespace gallery {

HICON MakeGalleryIcon(COLORREF colour) {
  constexpr int size = 32;
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, size, size);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, picture);
  const RECT all{0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  RoundRect(dc, 3, 3, size - 2, size - 2, 10, 10);
  SelectObject(dc, mask);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  RoundRect(dc, 3, 3, size - 2, size - 2, 10, 10);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(brush);
  ReleaseDC(nullptr, screen);
  ICONINFO info{TRUE, 0, 0, mask, picture};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(picture);
  DeleteObject(mask);
  return icon;
}

void DrawGalleryGlyph(vcl::TBitmap& glyph, COLORREF colour) {
  glyph.SetSize(16, 16);
  glyph.Canvas().Brush().SetColor(vcl::clFuchsia);
  glyph.Canvas().FillRect(RECT{0, 0, 16, 16});
  glyph.Canvas().Brush().SetColor(static_cast<vcl::TColor>(colour));
  glyph.Canvas().Ellipse(3, 3, 13, 13);
}

}  // namespace gallery
