#include "skin/controls/ScrollBarPainter.h"

#include <cstdint>

#include "skin/controls/TSkinControl.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "widgets/Handles.h"

namespace vex::skin {

using controls::BarLayout;
using controls::Rect;

namespace {

constexpr int kArrowFrames = 23;
constexpr int kTrackFrames = 4;

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

std::uint64_t ImageOf(TDataSkinObject* object) {
  return object ? static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(object->Image.Handle())) : 0;
}

bool Fits(TDataSkinObject& object, int frameCount, int frame) {
  return !object.Image.Empty() &&
         controls::FrameFits(object.Image.Width(), object.Image.Height(), frameCount, frame, object.LeftWidth,
                             object.TopHeight, object.RightWidth, object.BottomHeight);
}

// Frame k of the arrow strip stretched into `at`, magenta left out.
void DrawArrow(HDC into, const Rect& at, TDataSkinObject& arrows, int frame) {
  if (!controls::Shows(at) || arrows.Image.Empty() ||
      !controls::FrameFits(arrows.Image.Width(), arrows.Image.Height(), kArrowFrames, frame, 0, 0, 0, 0))
    return;
  const RECT r = ToRect(at);
  OwnedBitmap piece(BuildElement(r, arrows.Image.Handle(), RECT{0, 0, 0, 0}, false, false, kArrowFrames, frame));
  if (piece) DrawTransparent(into, r, piece.Get(), kSkinKey);
}

// The bar without its thumb: the scroll bar colour, the track, the arrows.
void PaintGround(HDC into, const BarLayout& l, TDataSkinObject& track, TDataSkinObject* arrows, TSkinData& skin) {
  const RECT all = ToRect(l.work);
  vcl::BrushHandle ground(CreateSolidBrush(vcl::ColorToRGB(skin.ScrollbarColour)));
  FillRect(into, &all, ground.get());
  if (Fits(track, kTrackFrames, 1))
    DrawElement(into, ToRect(l.track), track.Image.Handle(), false, track.Tile != 0, track.Trans != 0, kTrackFrames,
                1, track.Margins());
  if (arrows) {
    DrawArrow(into, l.firstArrow, *arrows, l.firstArrowFrame);
    DrawArrow(into, l.secondArrow, *arrows, l.secondArrowFrame);
  }
}

}  // namespace

bool PaintSkinBar(HDC dc, const RECT& bar, int kind, int pressedPart, const controls::BarMetrics& metrics, int arrow,
                  TSkinData& skin, TPictureCache& pictures) {
  const bool vertical = kind == controls::kVerticalBar;
  TDataSkinObject* track = vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
  TDataSkinObject* thumb = vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
  TScratchBitmap* work = ScratchBitmap();
  if (!track || !thumb || !work) return false;
  const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  if (length <= 0 || bar.right <= bar.left || bar.bottom <= bar.top) return true;
  TDataSkinObject* arrows = skin.Scrollbar.get();
  const BarLayout l = controls::LayoutBar(length, kind, arrow, pressedPart, metrics);
  const int w = l.work.Width(), h = l.work.Height();
  const int barW = bar.right - bar.left, barH = bar.bottom - bar.top;
  // The work bitmap holds the bar at its real size and, beside it across
  // the bar, the thumb's piece of the bar composed 16 pixels thick.
  const int pieceX = vertical ? barW : 0, pieceY = vertical ? 0 : barH;
  work->SetSize(vertical ? barW + w : barW, vertical ? barH : barH + h);
  HDC into = work->Dc();
  const auto groundKey =
      TPictureCache::Key({ImageOf(track), ImageOf(arrows), static_cast<std::uint64_t>(kind),
                          static_cast<std::uint64_t>(arrow), static_cast<std::uint64_t>(l.firstArrowFrame),
                          static_cast<std::uint64_t>(l.secondArrowFrame), static_cast<std::uint64_t>(skin.ScrollbarColour)});
  pictures.Draw(groundKey, w, h, into, pieceX, pieceY, [&](HDC g) { PaintGround(g, l, *track, arrows, skin); });
  // The bar without its thumb stretched to the real thickness is kept too:
  // while the thumb moves, only the thumb's piece is stretched.
  StretchModeScope mode(into, COLORONCOLOR);
  pictures.Draw(TPictureCache::Key({groundKey, static_cast<std::uint64_t>(barW), static_cast<std::uint64_t>(barH)}),
                barW, barH, into, 0, 0, [&](HDC stretched) {
                  StretchModeScope inner(stretched, COLORONCOLOR);
                  StretchBlt(stretched, 0, 0, barW, barH, into, pieceX, pieceY, w, h, SRCCOPY);
                });

  // The thumb's inner part is stretched, never tiled.
  if (l.drawThumb && controls::Shows(l.thumb)) {
    const Rect& t = l.thumb;
    DrawSkinFrame(pictures, into, RECT{pieceX + t.left, pieceY + t.top, pieceX + t.right, pieceY + t.bottom}, *thumb,
                  thumb->FrameCount, l.thumbFrame, false, thumb->Trans != 0);
    // Along the bar the stretch is one to one: the thumb's stretch of its
    // piece is the whole stretch's.
    const RECT from = vertical ? RECT{0, t.top, w, t.bottom} : RECT{t.left, 0, t.right, h};
    const RECT to = vertical ? RECT{0, t.top, barW, t.bottom} : RECT{t.left, 0, t.right, barH};
    StretchBlt(into, to.left, to.top, to.right - to.left, to.bottom - to.top, into, pieceX + from.left,
               pieceY + from.top, from.right - from.left, from.bottom - from.top, SRCCOPY);
  }
  BitBlt(dc, bar.left, bar.top, barW, barH, into, 0, 0, SRCCOPY);
  return true;
}

}  // namespace vex::skin
