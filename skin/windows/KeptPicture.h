#pragma once
// A bitmap kept selected into a memory DC of its own, for pictures drawn
// from again and again: making a DC and selecting a bitmap into it costs
// more than the transfer itself.  Owns both.
#include <windows.h>

#include "skin/data/GdiScope.h"

namespace vex::skin {

class TKeptPicture {
 public:
  TKeptPicture() = default;
  TKeptPicture(const TKeptPicture&) = delete;
  TKeptPicture& operator=(const TKeptPicture&) = delete;
  ~TKeptPicture() { Reset(nullptr); }
  void Reset(HBITMAP bitmap) {
    if (FDc) {
      SelectObject(FDc, FOld);
      DeleteDC(FDc);
      FDc = nullptr;
    }
    FBitmap.Reset(bitmap);
    FSize = SizeOf(bitmap);
    if (!bitmap) return;
    FDc = CreateCompatibleDC(nullptr);
    FOld = FDc ? SelectObject(FDc, bitmap) : nullptr;
  }
  HDC Dc() const { return FDc; }
  HBITMAP Bitmap() const { return FBitmap.Get(); }
  int Width() const { return FSize.width; }
  int Height() const { return FSize.height; }

 private:
  OwnedBitmap FBitmap;
  HDC FDc = nullptr;
  HGDIOBJ FOld = nullptr;
  BitmapSize FSize{};
};

}  // namespace vex::skin
