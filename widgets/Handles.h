#pragma once
// Move-only owners of Win32 handles, and scoped guards that undo changes to a
// device context. Owning and borrowing are different types: a raw handle from
// these is only ever borrowed.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace vcl {

template <class H, BOOL(WINAPI* Close)(H)>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  ~UniqueHandle() { reset(); }
  H get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  H release() { return std::exchange(h_, nullptr); }
  void reset(H h = nullptr) {
    if (h_ && h_ != h) Close(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
};

namespace detail {
inline BOOL WINAPI DeleteGdi(HGDIOBJ h) { return DeleteObject(h); }
template <class T>
BOOL WINAPI DeleteTyped(T h) { return DeleteObject(h); }
inline BOOL WINAPI DestroyImageList(HIMAGELIST h) { return ImageList_Destroy(h); }
}  // namespace detail

using BitmapHandle = UniqueHandle<HBITMAP, detail::DeleteTyped<HBITMAP>>;
using BrushHandle = UniqueHandle<HBRUSH, detail::DeleteTyped<HBRUSH>>;
using FontHandle = UniqueHandle<HFONT, detail::DeleteTyped<HFONT>>;
using PenHandle = UniqueHandle<HPEN, detail::DeleteTyped<HPEN>>;
using RegionHandle = UniqueHandle<HRGN, detail::DeleteTyped<HRGN>>;
using IconHandle = UniqueHandle<HICON, DestroyIcon>;
using MenuHandle = UniqueHandle<HMENU, DestroyMenu>;
using DcHandle = UniqueHandle<HDC, DeleteDC>;  // from CreateCompatibleDC
using ImageListHandle = UniqueHandle<HIMAGELIST, detail::DestroyImageList>;
using WindowHandle = UniqueHandle<HWND, DestroyWindow>;

// A window's DC from GetDC, released on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and selects the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC/RestoreDC pair: every change made in between is undone.
class DcState {
 public:
  explicit DcState(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  DcState(const DcState&) = delete;
  DcState& operator=(const DcState&) = delete;
  ~DcState() {
    if (id_) RestoreDC(dc_, id_);
  }

 private:
  HDC dc_;
  int id_;
};

}  // namespace vcl
