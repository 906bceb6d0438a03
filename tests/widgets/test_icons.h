#pragma once
// Icons for tests, drawn in memory: a filled square with a transparent border.
#include <windows.h>

#include "widgets/TIcon.h"

inline HICON MakeTestIcon(COLORREF color, int size = 32) {
  HDC screen = GetDC(nullptr);
  HBITMAP colorBmp = CreateCompatibleBitmap(screen, size, size);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, colorBmp);
  RECT all{0, 0, size, size};
  HBRUSH b = CreateSolidBrush(color);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  RECT inner{4, 4, size - 4, size - 4};
  FillRect(dc, &inner, b);
  SelectObject(dc, mask);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FillRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(b);
  ReleaseDC(nullptr, screen);
  ICONINFO ii{TRUE, 0, 0, mask, colorBmp};
  HICON icon = CreateIconIndirect(&ii);
  DeleteObject(colorBmp);
  DeleteObject(mask);
  return icon;
}
