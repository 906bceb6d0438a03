#pragma once
// Pictures a skinner composes again and again (a button's frame over the
// face colour, a check box glyph) kept at the size last asked for, so that a
// repaint copies them instead of cutting, stretching and keying skin images
// each time.  A few per skinner; the oldest goes first.  The pictures depend
// on the skin's images: the skinner clears its cache when the skin changes.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "widgets/Handles.h"

namespace vex::skin {

class TPictureCache {
 public:
  TPictureCache() = default;
  TPictureCache(const TPictureCache&) = delete;
  TPictureCache& operator=(const TPictureCache&) = delete;
  ~TPictureCache();

  // Copies the picture of `key`, width x height, to `dc` at (x, y); when
  // there is none yet, `paint` draws it first into a DC of that size.
  void Draw(std::uint64_t key, int width, int height, HDC dc, int x, int y, const std::function<void(HDC)>& paint);
  // The same, leaving out the picture's pixels of colour `transparent`.
  void DrawKeyed(std::uint64_t key, int width, int height, HDC dc, int x, int y, COLORREF transparent,
                 const std::function<void(HDC)>& paint);
  void Clear();
  std::size_t Size() const { return FEntries.size(); }

  // A key from the parts that decide a picture.
  static std::uint64_t Key(const void* object, std::uintptr_t image, int a, int b = 0, int c = 0);
  static std::uint64_t Key(std::initializer_list<std::uint64_t> parts);

 private:
  struct Entry {
    std::uint64_t key;
    int width, height;
    vcl::BitmapHandle bitmap;
  };
  static constexpr std::size_t kMost = 8;
  void Select(HBITMAP bitmap);
  // The DC holding the picture of `key` (painted first when new), or null.
  HDC Find(std::uint64_t key, int width, int height, const std::function<void(HDC)>& paint);

  std::vector<Entry> FEntries;
  vcl::DcHandle FDc;
  HGDIOBJ FOldBitmap = nullptr;
};

}  // namespace vex::skin
