#include "widgets/TBitmap.h"

#include <algorithm>
#include <cstring>

#include "widgets/Exceptions.h"

namespace vcl {

// The canvas of a bitmap makes its own memory DC when first drawn on.
class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap& owner) : owner_(owner) {}
  ~BitmapCanvas() override { Free(); }
  void Free() {
    if (!dc_) return;
    SetHandle(nullptr);
    SelectObject(dc_.get(), old_);
    dc_.reset();
  }

 protected:
  void CreateHandle() override {
    if (!owner_.FHandle) return;
    dc_.reset(CreateCompatibleDC(nullptr));
    old_ = SelectObject(dc_.get(), owner_.FHandle.get());
    SetHandle(dc_.get());
  }

 private:
  TBitmap& owner_;
  DcHandle dc_;
  HGDIOBJ old_ = nullptr;
};

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height, TPixelFormat format) {
  FPixelFormat = format;
  SetSize(width, height);
}
TBitmap::~TBitmap() { FreeContext(); }

void TBitmap::FreeContext() {
  if (FCanvas) FCanvas->Free();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<BitmapCanvas>(*this);
  return *FCanvas;
}

HBITMAP TBitmap::Handle() {
  FreeContext();
  return FHandle.get();
}

void TBitmap::SetHandle(HBITMAP bitmap) {
  FreeContext();
  FHandle.reset(bitmap);
  FBits = nullptr;
  FWidth = FHeight = 0;
  FPixelFormat = pfDevice;
  if (bitmap) {
    DIBSECTION ds{};
    if (GetObjectA(bitmap, sizeof ds, &ds) == sizeof ds && ds.dsBm.bmBits) {
      FBits = ds.dsBm.bmBits;
      FWidth = ds.dsBm.bmWidth;
      FHeight = std::abs(ds.dsBm.bmHeight);
      FStride = ds.dsBm.bmWidthBytes;
      FBottomUp = ds.dsBmih.biHeight > 0;
      FPixelFormat = ds.dsBm.bmBitsPixel == 32 ? pf32bit : ds.dsBm.bmBitsPixel == 24 ? pf24bit : pfDevice;
      if (FPixelFormat == pfDevice) FBits = nullptr;
    } else {
      BITMAP bm{};
      GetObjectA(bitmap, sizeof bm, &bm);
      FWidth = bm.bmWidth;
      FHeight = bm.bmHeight;
    }
  }
  Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
  FreeContext();
  FBits = nullptr;
  FWidth = FHeight = 0;
  return FHandle.release();
}

void TBitmap::SetSize(int width, int height) {
  if (width == FWidth && height == FHeight && (FHandle || width == 0 || height == 0)) return;
  Recreate(width, height, FPixelFormat, true);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FPixelFormat) return;
  Recreate(FWidth, FHeight, format, true);
}

void TBitmap::Recreate(int width, int height, TPixelFormat format, bool keep) {
  FreeContext();
  BitmapHandle next;
  void* bits = nullptr;
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width > 0 && height > 0) {
    if (format == pfDevice) {
      WindowDc screen(nullptr);
      next.reset(CreateCompatibleBitmap(screen.get(), width, height));
    } else {
      BITMAPINFO bi{};
      bi.bmiHeader.biSize = sizeof bi.bmiHeader;
      bi.bmiHeader.biWidth = width;
      bi.bmiHeader.biHeight = height;
      bi.bmiHeader.biPlanes = 1;
      bi.bmiHeader.biBitCount = format == pf32bit ? 32 : 24;
      bi.bmiHeader.biCompression = BI_RGB;
      next.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    if (!next) throw EOutOfResources();
    // New pixels start white, like a fresh sheet; the old picture is copied over.
    DcHandle dst(CreateCompatibleDC(nullptr));
    SelectGuard selDst(dst.get(), next.get());
    RECT all{0, 0, width, height};
    FillRect(dst.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (keep && FHandle) {
      DcHandle src(CreateCompatibleDC(nullptr));
      SelectGuard selSrc(src.get(), FHandle.get());
      BitBlt(dst.get(), 0, 0, std::min(width, FWidth), std::min(height, FHeight), src.get(), 0, 0, SRCCOPY);
    }
  }
  FHandle = std::move(next);
  FWidth = FHandle ? width : 0;
  FHeight = FHandle ? height : 0;
  FPixelFormat = format;
  FBits = bits;
  FStride = bits ? ((width * (format == pf32bit ? 32 : 24) + 31) / 32) * 4 : 0;
  FBottomUp = true;
  Changed();
}

void TBitmap::Assign(TBitmap& source) {
  if (&source == this) return;
  FPixelFormat = source.FPixelFormat;
  FreeContext();
  FHandle.reset();
  Recreate(source.FWidth, source.FHeight, source.FPixelFormat, false);
  if (FHandle) {
    DcHandle dst(CreateCompatibleDC(nullptr));
    SelectGuard selDst(dst.get(), FHandle.get());
    DcHandle src(CreateCompatibleDC(nullptr));
    SelectGuard selSrc(src.get(), source.Handle());
    BitBlt(dst.get(), 0, 0, FWidth, FHeight, src.get(), 0, 0, SRCCOPY);
  }
  FTransparentColor = source.FTransparentColor;
  SetTransparent(source.Transparent());
}

void TBitmap::LoadFromMemory(std::span<const std::uint8_t> data) {
  // File header (14 bytes), then a BITMAPINFOHEADER or later header; every
  // size is checked before the system reads the pixels.
  if (data.size() < 14 + sizeof(BITMAPINFOHEADER) || data[0] != 'B' || data[1] != 'M') {
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  BITMAPFILEHEADER fh;
  std::memcpy(&fh, data.data(), sizeof fh);
  BITMAPINFOHEADER ih;
  std::memcpy(&ih, data.data() + 14, sizeof ih);
  if (ih.biSize < sizeof ih || ih.biSize > data.size() - 14 || fh.bfOffBits >= data.size() || ih.biWidth <= 0 ||
      ih.biHeight == 0 || ih.biWidth > 32768 || std::abs(ih.biHeight) > 32768 || ih.biPlanes != 1) {
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  const long long stride = ((static_cast<long long>(ih.biWidth) * ih.biBitCount + 31) / 32) * 4;
  const long long need = stride * std::abs(ih.biHeight);
  if (ih.biCompression == BI_RGB && need > static_cast<long long>(data.size() - fh.bfOffBits)) {
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  const auto* info = reinterpret_cast<const BITMAPINFO*>(data.data() + 14);
  const void* bits = data.data() + fh.bfOffBits;
  const TPixelFormat format = ih.biBitCount == 32 ? pf32bit : pf24bit;
  // The common case (the skin's images): bottom-up rows of 24 or 32 bits,
  // laid out exactly as the bitmap keeps them, copied in without a DC.
  if (ih.biCompression == BI_RGB && (ih.biBitCount == 24 || ih.biBitCount == 32) && ih.biHeight > 0) {
    FreeContext();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = ih.biWidth;
    bi.bmiHeader.biHeight = ih.biHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = ih.biBitCount;
    bi.bmiHeader.biCompression = BI_RGB;
    void* target = nullptr;
    BitmapHandle next(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &target, nullptr, 0));
    if (!next || !target) throw EInvalidGraphic("Bitmap image is not valid");
    std::memcpy(target, bits, static_cast<std::size_t>(need));
    FHandle = std::move(next);
    FWidth = ih.biWidth;
    FHeight = ih.biHeight;
    FPixelFormat = format;
    FBits = target;
    FStride = static_cast<int>(stride);
    FBottomUp = true;
    Changed();
    return;
  }
  Recreate(ih.biWidth, std::abs(ih.biHeight), format, false);
  if (!FHandle) throw EInvalidGraphic("Bitmap image is not valid");
  DcHandle dc(CreateCompatibleDC(nullptr));
  if (!SetDIBits(dc.get(), FHandle.get(), 0, std::abs(ih.biHeight), bits, info, DIB_RGB_COLORS)) {
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  Changed();
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  const std::string data = ReadWholeFile(fileName);
  LoadFromMemory({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
}

void* TBitmap::ScanLine(int y) {
  if (!FBits || y < 0 || y >= FHeight) return nullptr;
  FreeContext();
  GdiFlush();
  const int row = FBottomUp ? FHeight - 1 - y : y;
  return static_cast<std::uint8_t*>(FBits) + static_cast<std::ptrdiff_t>(row) * FStride;
}

TColor TBitmap::TransparentColor() {
  if (FTransparentColor != clDefault) return FTransparentColor;
  if (!FHandle) return clNone;
  return Canvas().Pixel(0, FHeight - 1) & 0xFFFFFF;
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect) {
  if (!FHandle) return;
  HDC dst = canvas.Handle();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const COLORREF key = ColorToRGB(TransparentColor());
  HDC src = Canvas().Handle();
  if (Transparent()) {
    TransparentBlt(dst, rect.left, rect.top, w, h, src, 0, 0, FWidth, FHeight, key);
  } else if (w == FWidth && h == FHeight) {
    BitBlt(dst, rect.left, rect.top, w, h, src, 0, 0, canvas.CopyMode());
  } else {
    const int old = SetStretchBltMode(dst, COLORONCOLOR);
    StretchBlt(dst, rect.left, rect.top, w, h, src, 0, 0, FWidth, FHeight, canvas.CopyMode());
    SetStretchBltMode(dst, old);
  }
}

}  // namespace vcl
