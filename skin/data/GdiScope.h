#pragma once
// Small owners for the GDI objects the skin data code makes and throws away.
// Each undoes exactly what it did: a selected object is put back before its
// DC is deleted, a stretch mode is restored.
#include <windows.h>

#include <utility>

namespace vex::skin {

// An owned bitmap handle.
class OwnedBitmap {
 public:
  OwnedBitmap() = default;
  explicit OwnedBitmap(HBITMAP handle) : handle_(handle) {}
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;
  OwnedBitmap(OwnedBitmap&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedBitmap& operator=(OwnedBitmap&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~OwnedBitmap() { Reset(); }

  HBITMAP Get() const { return handle_; }
  HBITMAP Release() { return std::exchange(handle_, nullptr); }
  void Reset(HBITMAP handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HBITMAP handle_ = nullptr;
};

// Memory DCs are costly to make (under Wine each takes as long as drawing a
// whole frame side), so the drawing routines borrow them from a small pool
// of this thread's: a borrowed DC comes back with every change made to it
// undone (SaveDC / RestoreDC), its selected bitmap included.
HDC BorrowMemoryDc();
void ReturnMemoryDc(HDC dc);
// Memory DCs the pool holds now (for leak checks).
int PooledMemoryDcs();

// A memory DC compatible with the screen with one bitmap selected into it.
class MemoryDc {
 public:
  explicit MemoryDc(HBITMAP bitmap) : dc_(BorrowMemoryDc()) {
    if (dc_ && bitmap) SelectObject(dc_, bitmap);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_) ReturnMemoryDc(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// The screen's DC, for making compatible bitmaps and reading pixels.  One DC
// of the screen serves the program for its whole life.
HDC SharedScreenDc();
class ScreenDc {
 public:
  ScreenDc() : dc_(SharedScreenDc()) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

class StretchModeScope {
 public:
  StretchModeScope(HDC dc, int mode) : dc_(dc), old_(SetStretchBltMode(dc, mode)) {}
  StretchModeScope(const StretchModeScope&) = delete;
  StretchModeScope& operator=(const StretchModeScope&) = delete;
  ~StretchModeScope() {
    if (old_) SetStretchBltMode(dc_, old_);
  }

 private:
  HDC dc_;
  int old_;
};

struct BitmapSize {
  int width = 0;
  int height = 0;
};
inline BitmapSize SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return {};
  return {info.bmWidth, info.bmHeight};
}

}  // namespace vex::skin
