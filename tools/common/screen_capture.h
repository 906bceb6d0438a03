#pragma once
// Reads pixels back from the screen or from a bitmap and saves them as PNG.
// Under Wine PrintWindow draws no non-client area, so windows are captured
// from the screen itself.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vex {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;  // 0xRRGGBB, rows from the top
  std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// Pixels of a bitmap (any format), through GetDIBits as 32-bit top-down.
Pixels ReadBitmap(HBITMAP bitmap);
// Pixels of a screen rectangle.
Pixels ReadScreen(const RECT& rect);
// A window as shown on screen, frame included.
Pixels ReadWindow(HWND window);

bool SavePng(const Pixels& pixels, const std::string& path);

}  // namespace vex
