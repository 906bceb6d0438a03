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

// A memory DC compatible with the screen with one bitmap selected into it.
class MemoryDc {
 public:
  explicit MemoryDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ && bitmap) old_ = SelectObject(dc_, bitmap);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (!dc_) return;
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// The screen's DC, for making compatible bitmaps and reading pixels.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
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
