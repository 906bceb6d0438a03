#include "skin/data/DrawBounds.h"
#include "skin/controls/PictureCache.h"

#include <algorithm>

namespace vex::skin {

TPictureCache::~TPictureCache() { Clear(); }

void TPictureCache::Select(HBITMAP bitmap) {
  if (!FDc) FDc.reset(CreateCompatibleDC(nullptr));
  if (!FDc) return;
  HGDIOBJ previous = SelectObject(FDc.get(), bitmap);
  if (!FOldBitmap) FOldBitmap = previous;
}

void TPictureCache::Clear() {
  // The DC lets go of the bitmaps before they are deleted.
  if (FDc && FOldBitmap) SelectObject(FDc.get(), FOldBitmap);
  FOldBitmap = nullptr;
  FEntries.clear();
  FDc.reset();
}

std::uint64_t TPictureCache::Key(const void* object, std::uintptr_t image, int a, int b, int c) {
  return Key({static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(object)), static_cast<std::uint64_t>(image),
              static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b), static_cast<std::uint64_t>(c)});
}

std::uint64_t TPictureCache::Key(std::initializer_list<std::uint64_t> parts) {
  std::uint64_t h = 1469598103934665603ull;
  for (const std::uint64_t part : parts) {
    h ^= part;
    h *= 1099511628211ull;
  }
  return h;
}

HDC TPictureCache::Find(std::uint64_t key, int width, int height, const std::function<void(HDC)>& paint) {
  if (width <= 0 || height <= 0) return nullptr;
  auto it = std::find_if(FEntries.begin(), FEntries.end(), [&](const Entry& e) {
    return e.key == key && e.width == width && e.height == height;
  });
  if (it != FEntries.end()) {
    Select(it->bitmap.get());
    return FDc.get();
  }
  if (!bounds::BitmapFits(width, height)) return nullptr;
  HDC screen = GetDC(nullptr);
  vcl::BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
  ReleaseDC(nullptr, screen);
  if (!bitmap) return nullptr;
  if (FEntries.size() == kMost) {
    if (FDc && FOldBitmap) SelectObject(FDc.get(), FOldBitmap);
    FEntries.erase(FEntries.begin());
  }
  Select(bitmap.get());
  if (!FDc) return nullptr;
  paint(FDc.get());
  FEntries.push_back({key, width, height, std::move(bitmap)});
  return FDc.get();
}

void TPictureCache::Draw(std::uint64_t key, int width, int height, HDC dc, int x, int y,
                         const std::function<void(HDC)>& paint) {
  if (HDC picture = Find(key, width, height, paint)) BitBlt(dc, x, y, width, height, picture, 0, 0, SRCCOPY);
}

void TPictureCache::DrawKeyed(std::uint64_t key, int width, int height, HDC dc, int x, int y, COLORREF transparent,
                              const std::function<void(HDC)>& paint) {
  if (HDC picture = Find(key, width, height, paint))
    GdiTransparentBlt(dc, x, y, width, height, picture, 0, 0, width, height, transparent);
}

}  // namespace vex::skin
