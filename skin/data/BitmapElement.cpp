// Nine-slice elements, strips, single frames and tiles cut from skin images.
#include <algorithm>

#include "skin/data/BitmapHelpers.h"
#include "skin/data/DrawBounds.h"
#include "skin/data/GdiScope.h"

namespace vex::skin {
namespace {

using Frame = bounds::FrameCut;
using Bands = bounds::Bands;

// A frame count below 1 never comes from a valid skin; it is read as 1 so a
// damaged description cannot divide by zero.
Frame FrameOf(HBITMAP image, bool stacked, int frameCount, int frame) {
  const BitmapSize size = SizeOf(image);
  return bounds::CutFrame(size.width, size.height, stacked, frameCount, frame);
}

Bands BandsFor(const RECT& margins, int width, int height) {
  return bounds::ElementBands(margins.left, margins.top, margins.right, margins.bottom, width, height);
}

// The size of a destination rectangle, or nothing when it is inverted,
// empty or larger than any bitmap the engine makes.
bool SaneSize(const RECT& dest, int& w, int& h) {
  const std::int64_t w64 = std::int64_t{dest.right} - dest.left, h64 = std::int64_t{dest.bottom} - dest.top;
  if (!bounds::BitmapFits(w64, h64)) return false;
  if (bounds::Coord(dest.left) != dest.left || bounds::Coord(dest.top) != dest.top) return false;
  w = static_cast<int>(w64);
  h = static_cast<int>(h64);
  return true;
}

void Piece(HDC dst, int dx0, int dy0, int dx1, int dy1, HDC src, const Frame& f, int sx0, int sy0, int sx1, int sy1) {
  StretchBlt(dst, dx0, dy0, dx1 - dx0, dy1 - dy0, src, f.x + sx0, f.y + sy0, sx1 - sx0, sy1 - sy0, SRCCOPY);
}

// Repeats the source rectangle of `src` (already a DC) from (left, top).
// `offScreen`: `dst` is a memory bitmap whose pixels can be read back.
void TileFrom(HDC dst, const RECT& destRect, HDC src, int sx, int sy, int sw, int sh, bool offScreen) {
  if (sw <= 0 || sh <= 0) return;
  const int w = destRect.right - destRect.left, h = destRect.bottom - destRect.top;
  if (w <= 0 || h <= 0) return;
  const int x0 = destRect.left, y0 = destRect.top;
  if (offScreen) {
    // The tiles cover whole multiples of the tile size from the top-left
    // corner.  After the first tile the copies double what is already
    // there, so a long edge costs a handful of transfers instead of one per
    // tile; the picture is the same as tile by tile.
    const int across = (w + sw - 1) / sw * sw, down = (h + sh - 1) / sh * sh;
    BitBlt(dst, x0, y0, sw, sh, src, sx, sy, SRCCOPY);
    for (int done = sw; done < across; done *= 2)
      BitBlt(dst, x0 + done, y0, std::min(done, across - done), sh, dst, x0, y0, SRCCOPY);
    for (int done = sh; done < down; done *= 2)
      BitBlt(dst, x0, y0 + done, across, std::min(done, down - done), dst, x0, y0, SRCCOPY);
    return;
  }
  if (!bounds::BitmapFits(sw, sh)) return;
  ScreenDc screen;
  OwnedBitmap work(CreateCompatibleBitmap(screen.Get(), sw, sh));
  MemoryDc workDc(work.Get());
  BitBlt(workDc.Get(), 0, 0, sw, sh, src, sx, sy, SRCCOPY);
  for (int x = x0; x < destRect.right; x += sw)
    for (int y = y0; y < destRect.bottom; y += sh) BitBlt(dst, x, y, sw, sh, workDc.Get(), 0, 0, SRCCOPY);
}

// The edge pieces in their fixed order: corners and edges before the centre
// (`centre` is called between the top edge and the bottom-right corner),
// then the bottom-right corner, right edge and bottom edge over any centre
// tile that ran past its gap.
template <typename Centre>
void NinePieces(HDC dst, int ox, int oy, int w, int h, HDC src, const Frame& f, const Bands& m, Centre centre) {
  const int fw = f.width, fh = f.height;
  if (m.l * m.t > 0) Piece(dst, ox, oy, ox + m.l, oy + m.t, src, f, 0, 0, m.l, m.t);
  if (m.l * m.b > 0) Piece(dst, ox, oy + h - m.b, ox + m.l, oy + h, src, f, 0, fh - m.b, m.l, fh);
  if (m.r * m.t > 0) Piece(dst, ox + w - m.r, oy, ox + w, oy + m.t, src, f, fw - m.r, 0, fw, m.t);
  if (m.l > 0) Piece(dst, ox, oy + m.t, ox + m.l, oy + h - m.b, src, f, 0, m.t, m.l, fh - m.b);
  if (m.t > 0) Piece(dst, ox + m.l, oy, ox + w - m.r, oy + m.t, src, f, m.l, 0, fw - m.r, m.t);
  centre();
  if (m.r * m.b > 0) Piece(dst, ox + w - m.r, oy + h - m.b, ox + w, oy + h, src, f, fw - m.r, fh - m.b, fw, fh);
  if (m.r > 0) Piece(dst, ox + w - m.r, oy + m.t, ox + w, oy + h - m.b, src, f, fw - m.r, m.t, fw, fh - m.b);
  if (m.b > 0) Piece(dst, ox + m.l, oy + h - m.b, ox + w - m.r, oy + h, src, f, m.l, fh - m.b, fw - m.r, fh);
}

// Puts a finished work bitmap at the rectangle, keyed or opaque.
void Present(HDC dc, const RECT& dest, HBITMAP work, bool keyed) {
  if (keyed) {
    DrawTransparent(dc, dest, work, kSkinKey);
    return;
  }
  MemoryDc src(work);
  BitBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, src.Get(), 0, 0, SRCCOPY);
}

}  // namespace

HBITMAP BuildElement(const RECT& dest, HBITMAP image, const RECT& margins, bool stacked, bool tile, int frameCount,
                     int frame) {
  int w = 0, h = 0;
  if (!SaneSize(dest, w, h)) return nullptr;
  const Frame f = FrameOf(image, stacked, frameCount, frame);
  const Bands m = BandsFor(margins, w, h);
  ScreenDc screen;
  OwnedBitmap result(CreateCompatibleBitmap(screen.Get(), w, h));
  if (!result) return nullptr;
  {
    MemoryDc dst(result.Get());
    SetStretchBltMode(dst.Get(), COLORONCOLOR);  // drop pixels, never blend them
    MemoryDc src(image);
    NinePieces(dst.Get(), 0, 0, w, h, src.Get(), f, m, [&] {
      if (tile)
        TileFrom(dst.Get(), RECT{m.l, m.t, w - m.r, h - m.b}, src.Get(), f.x + m.l, f.y + m.t,
                 f.width - m.r - m.l, f.height - m.b - m.t, true);
      else
        Piece(dst.Get(), m.l, m.t, w - m.r, h - m.b, src.Get(), f, m.l, m.t, f.width - m.r, f.height - m.b);
    });
  }
  return result.Release();
}

void DrawElement(HDC dc, const RECT& dest, HBITMAP image, bool stacked, bool tile, bool keyed, int frameCount,
                 int frame, const RECT& margins) {
  OwnedBitmap element(BuildElement(dest, image, margins, stacked, tile, frameCount, frame));
  if (element) Present(dc, dest, element.Get(), keyed);
}

void DrawStrip(HDC dc, const RECT& dest, HBITMAP image, bool stacked, bool keyed, int frameCount, int frame,
               const RECT& margins) {
  int w = 0, h = 0;
  if (!SaneSize(dest, w, h)) return;
  const Frame f = FrameOf(image, stacked, frameCount, frame);
  const int l = bounds::Extent(margins.left), r = bounds::Extent(margins.right);
  ScreenDc screen;
  OwnedBitmap work(CreateCompatibleBitmap(screen.Get(), w, h));
  if (!work) return;
  {
    MemoryDc dst(work.Get());
    SetStretchBltMode(dst.Get(), COLORONCOLOR);
    MemoryDc src(image);
    Piece(dst.Get(), 0, 0, l, h, src.Get(), f, 0, 0, l, f.height);
    // A frame with no middle between its caps repeats nothing (a step of
    // zero would never end); the caps alone are drawn.
    const int middle = f.width - l - r;
    if (middle > 0)
      for (int x = l; x < w - r; x += middle) Piece(dst.Get(), x, 0, x + middle, h, src.Get(), f, l, 0, l + middle, f.height);
    Piece(dst.Get(), w - r, 0, w, h, src.Get(), f, f.width - r, 0, f.width, f.height);
  }
  Present(dc, dest, work.Get(), keyed);
}

void DrawElementBorder(HDC dc, const RECT& dest, HBITMAP image, bool stacked, int frameCount, int frame,
                       const RECT& margins) {
  int w = 0, h = 0;
  if (!SaneSize(dest, w, h)) return;
  const Frame f = FrameOf(image, stacked, frameCount, frame);
  const Bands m = BandsFor(margins, w, h);
  StretchModeScope mode(dc, COLORONCOLOR);
  MemoryDc src(image);
  NinePieces(dc, dest.left, dest.top, w, h, src.Get(), f, m, [] {});
}

void DrawFrameImage(HDC dc, const RECT& dest, HBITMAP image, bool keyed, int frame) {
  int w = 0, h = 0;
  if (!SaneSize(dest, w, h)) return;
  const BitmapSize size = SizeOf(image);
  // A frame the image does not have draws nothing.
  const std::int64_t sx64 = std::int64_t{w} * (std::int64_t{frame} - 1);
  if (frame < 1 || sx64 >= size.width) return;
  const int sx = static_cast<int>(sx64);
  if (size.height == h && sx64 + w <= size.width) {
    // A frame shown at its own size needs no stretched copy first.
    MemoryDc src(image);
    if (!keyed) {
      BitBlt(dc, dest.left, dest.top, w, h, src.Get(), sx, 0, SRCCOPY);
      return;
    }
    if (GdiTransparentBlt(dc, dest.left, dest.top, w, h, src.Get(), sx, 0, w, h, kSkinKey)) return;
  }
  ScreenDc screen;
  OwnedBitmap work(CreateCompatibleBitmap(screen.Get(), w, h));
  if (!work) return;
  {
    MemoryDc dst(work.Get());
    SetStretchBltMode(dst.Get(), COLORONCOLOR);
    MemoryDc src(image);
    StretchBlt(dst.Get(), 0, 0, w, h, src.Get(), sx, 0, w, size.height, SRCCOPY);
  }
  Present(dc, dest, work.Get(), keyed);
}

void TileRect(HDC dc, const RECT& destRect, HBITMAP source, const RECT& sourceRect) {
  int w = 0, h = 0, sw = 0, sh = 0;
  if (!SaneSize(destRect, w, h) || !SaneSize(sourceRect, sw, sh)) return;
  MemoryDc src(source);
  TileFrom(dc, destRect, src.Get(), sourceRect.left, sourceRect.top, sw, sh, false);
}

}  // namespace vex::skin
