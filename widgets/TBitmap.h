#pragma once
// An off-screen bitmap with a canvas. 24- and 32-bit bitmaps are DIB sections
// (their rows can be read and written directly); pfDevice is a bitmap
// compatible with the screen. Taking Handle() for use elsewhere releases the
// canvas's DC first, since a bitmap can be selected into one DC only.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "widgets/Colors.h"
#include "widgets/Handles.h"
#include "widgets/TCanvas.h"
#include "widgets/TGraphic.h"

namespace vcl {

enum TPixelFormat { pfDevice, pf24bit, pf32bit };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pfDevice);
  ~TBitmap() override;

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Empty() const override { return !FHandle; }
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }
  // Resizes, keeping the overlapping part of the picture.
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat format);

  TCanvas& Canvas();
  HBITMAP Handle();
  // Takes ownership of `bitmap`.
  void SetHandle(HBITMAP bitmap);
  // Gives up ownership; the bitmap becomes empty.
  HBITMAP ReleaseHandle();
  void Assign(TBitmap& source);

  // A Windows bitmap file (BITMAPFILEHEADER first) from memory; EInvalidGraphic if it is not one.
  void LoadFromMemory(std::span<const std::uint8_t> data);
  void LoadFromFile(const std::string& fileName) override;

  // Row y of a DIB section (bottom-up storage hidden); nullptr for pfDevice.
  void* ScanLine(int y);

  // The colour drawn as see-through when Transparent is on: by default the
  // bottom-left pixel.
  TColor TransparentColor();
  void SetTransparentColor(TColor color) { FTransparentColor = color; }

  void Draw(TCanvas& canvas, const RECT& rect) override;

 private:
  class BitmapCanvas;
  void Recreate(int width, int height, TPixelFormat format, bool keep);
  void FreeContext();

  int FWidth = 0, FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  BitmapHandle FHandle;
  void* FBits = nullptr;
  int FStride = 0;
  bool FBottomUp = true;
  TColor FTransparentColor = clDefault;
  std::unique_ptr<BitmapCanvas> FCanvas;
};

}  // namespace vcl
