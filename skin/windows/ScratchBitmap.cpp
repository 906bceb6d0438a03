#include "skin/data/DrawBounds.h"
#include "skin/windows/ScratchBitmap.h"

#include <algorithm>
#include <memory>

namespace vex::skin {
namespace {
std::unique_ptr<TScratchBitmap>& Instance() {
  static std::unique_ptr<TScratchBitmap> instance;
  return instance;
}
}  // namespace

TScratchBitmap::TScratchBitmap() : FDc(CreateCompatibleDC(nullptr)) {
  if (FDc) SetStretchBltMode(FDc.get(), COLORONCOLOR);
  SetSize(1, 1);
}

TScratchBitmap::~TScratchBitmap() {
  if (FDc && FOldBitmap) SelectObject(FDc.get(), FOldBitmap);
}

void TScratchBitmap::SetSize(int width, int height) {
  width = std::clamp(width, 1, bounds::kMaxExtent);
  height = std::clamp(height, 1, bounds::kMaxExtent);
  FWidth = width;
  FHeight = height;
  if (!FDc || (width <= FCapacityWidth && height <= FCapacityHeight)) return;
  if (!bounds::BitmapFits(std::max(width, FCapacityWidth), std::max(height, FCapacityHeight))) return;
  const int w = std::max(width, FCapacityWidth), h = std::max(height, FCapacityHeight);
  HDC screen = GetDC(nullptr);
  vcl::BitmapHandle bitmap(CreateCompatibleBitmap(screen, w, h));
  ReleaseDC(nullptr, screen);
  if (!bitmap) return;
  HGDIOBJ previous = SelectObject(FDc.get(), bitmap.get());
  if (!FOldBitmap) FOldBitmap = previous;
  FBitmap = std::move(bitmap);
  FCapacityWidth = w;
  FCapacityHeight = h;
}

void TScratchBitmap::CopyTo(HDC dc, int x, int y) const {
  BitBlt(dc, x, y, FWidth, FHeight, FDc.get(), 0, 0, SRCCOPY);
}

TScratchBitmap* ScratchBitmap() { return Instance().get(); }

void StartScratchBitmap() {
  if (!Instance()) Instance() = std::make_unique<TScratchBitmap>();
}

}  // namespace vex::skin
