#pragma once
// Drawing routines for skin images.  A skin image holds several equal state
// frames, side by side or stacked; these cut one frame out and draw it at any
// size keeping its margins (nine-slice), draw with the colour key 0xFF00FF
// left out, build a window region from the key, and mirror or turn images.
// Free functions without state; a returned bitmap or region belongs to the
// caller.
#include <windows.h>

namespace vex::skin {

// The colour key of every skin image: red 255, green 0, blue 255.
inline constexpr COLORREF kSkinKey = RGB(255, 0, 255);

// Margins are a RECT of band widths: left, top, right and bottom.
// Frames are counted from 1; `stacked` frames lie one below the other.

// Frame k of n of `image` at the size of `dest` (its position plays no part),
// the bands kept, the centre tiled or stretched.  Null when `dest` is empty.
HBITMAP BuildElement(const RECT& dest, HBITMAP image, const RECT& margins, bool stacked, bool tile, int frameCount,
                     int frame);
// BuildElement's picture drawn at `dest`, keyed or opaque.
void DrawElement(HDC dc, const RECT& dest, HBITMAP image, bool stacked, bool tile, bool keyed, int frameCount,
                 int frame, const RECT& margins);
// A horizontal three-part strip: left cap, repeated middle, right cap; the
// frame's full height is scaled to the strip's.  Only the left and right
// margins count.
void DrawStrip(HDC dc, const RECT& dest, HBITMAP image, bool stacked, bool keyed, int frameCount, int frame,
               const RECT& margins);
// The eight edge pieces of BuildElement drawn straight onto `dc`; no centre.
void DrawElementBorder(HDC dc, const RECT& dest, HBITMAP image, bool stacked, int frameCount, int frame,
                       const RECT& margins);
// Frame k of a side-by-side image whose frames are as wide as `dest`.
void DrawFrameImage(HDC dc, const RECT& dest, HBITMAP image, bool keyed, int frame);
// Repeats `sourceRect` of `source` over `destRect` from its top-left corner;
// the last column and row run past the rectangle's right and bottom edges.
void TileRect(HDC dc, const RECT& destRect, HBITMAP source, const RECT& sourceRect);
// Copies `bitmap` (from its origin) to `dest`, leaving out pixels of `key`.
void DrawTransparent(HDC dc, const RECT& dest, HBITMAP bitmap, COLORREF key);
// The region of the pixels that are not within the tolerances above `key`,
// one rectangle per run of such pixels in a row, moved by the offsets.
HRGN RegionFromBitmap(HBITMAP bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, COLORREF key);
// Mirror top to bottom (same bitmap); turn 90 degrees counter-clockwise or
// clockwise: a turned bitmap has its sides swapped, so the handle is replaced
// by a new 24-bit bitmap and the old one deleted.
void FlipVertical(HBITMAP& bitmap);
void RotateLeft(HBITMAP& bitmap);
void RotateRight(HBITMAP& bitmap);

}  // namespace vex::skin
