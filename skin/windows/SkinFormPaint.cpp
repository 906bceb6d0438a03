// TSkinForm: painting the non-client area.  Each side is composed off screen
// and copied in one transfer; the title bar (with the tops of the two sides,
// the caption text and the caption buttons) is composed in FTitle.bitmap and
// copied at once, so nothing of it flickers.
#include <algorithm>
#include <string>

#include "skin/data/DrawBounds.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinForm.h"

namespace vex::skin {
namespace {

void Blit(HDC dc, int x, int y, HBITMAP picture, int width, int height, int sx = 0, int sy = 0) {
  if (!picture || width <= 0 || height <= 0) return;
  MemoryDc from(picture);
  BitBlt(dc, x, y, width, height, from.Get(), sx, sy, SRCCOPY);
}

}  // namespace

HBITMAP TSkinForm::BuildBorder(TFrameSide side, const RECT& rect) {
  if (!FSkinData) return nullptr;
  TDataSkinBorder* borders[] = {&FSkinData->Left, &FSkinData->Right, &FSkinData->Top, &FSkinData->Bottom};
  TDataSkinBorder& border = *borders[side];
  // A border without a frame count counts as one frame.
  const int frames = std::max(1, border.FrameCount);
  const int frame = FActive || frames == 1 ? 1 : 2;
  const bool stacked = side == fsTop || side == fsBottom;
  return BuildElement(rect, border.Image.Handle(), border.Margins(), stacked, border.Tile != 1, frames, frame);
}

void TSkinForm::PaintBorder(TFrameSide side, const RECT& rect, HDC dc) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  Blit(dc, rect.left, rect.top, CachedBorder(side, w, h), w, h);
}

// Building a side costs far more than copying it, and most paints (a window
// activated, uncovered, its caption changed) find the sides as they were.
HBITMAP TSkinForm::CachedBorder(TFrameSide side, int width, int height) {
  if (!FSkinData || width <= 0 || height <= 0) return nullptr;
  TDataSkinBorder* borders[] = {&FSkinData->Left, &FSkinData->Right, &FSkinData->Top, &FSkinData->Bottom};
  const int frame = FActive || std::max(1, borders[side]->FrameCount) == 1 ? 1 : 2;
  TSidePicture& kept = FSides[side][frame - 1];
  if (!kept.bitmap || kept.width != width || kept.height != height || kept.frame != frame) {
    kept.bitmap.reset(BuildBorder(side, RECT{0, 0, width, height}));
    kept.width = width;
    kept.height = height;
    kept.frame = frame;
  }
  return kept.bitmap.get();
}

void TSkinForm::DropPictures() {
  for (auto& side : FSides)
    for (TSidePicture& picture : side) picture = TSidePicture{};
  FTitle = TTitlePicture{};
  FSpareTitle = TTitlePicture{};
}

void TSkinForm::PaintFrame(HDC dc) {
  if (!ScratchBitmap() || (FSkinState != kSkinActive && FSkinState != kSkinApplying) || MdiChildAside()) return;
  if (!FSkinData || FSkinData->NoSkin) return;
  HDC own = nullptr;
  if (!dc) dc = own = GetWindowDC(FHandle);
  if (!dc) return;
  try {
    GetWindowRect(FHandle, &FWindowRect);
    FWidth = FWindowRect.right - FWindowRect.left;
    FHeight = FWindowRect.bottom - FWindowRect.top;
    const int w = FWidth, h = FHeight;
    PaintBorder(fsLeft, RECT{0, 0, FLeftWidth, h}, dc);
    PaintBorder(fsRight, RECT{w - FRightWidth, 0, w, h}, dc);
    PaintBorder(fsBottom, RECT{FLeftWidth, h - FBottomHeight, w - FRightWidth, h}, dc);
    PaintTitle(dc);
    if (FMenuBar) FMenuBar->Paint(dc, RECT{FLeftWidth, FTopHeight, w - FRightWidth, FTopHeight + FMenuHeight});
    // Every caption object is back in its normal look, but for the button
    // of a drop-down being tracked, which the menu bar painted pressed.
    if (!FTracking) FHotObject = nullptr;
  } catch (...) {
    // The frame keeps whatever was painted.
  }
  if (own) ReleaseDC(FHandle, own);
}

// Brings FTitle up to the window as it is now (its width included); false
// when there is no title to show.
bool TSkinForm::ComposeTitle() {
  const int w = FWidth;
  if (w <= 0 || FTopHeight <= 0) return false;
  const RECT bar{FLeftWidth, 0, w - FRightWidth, FTopHeight};
  // What the title shows depends on these alone: a title that showed the
  // same is copied again rather than composed again.
  char caption[1001] = {};
  GetWindowTextA(FHandle, caption, sizeof caption);
  TTitleKey key{w, FTopHeight, FWindowState, FMenuHeight, FActive, IsMdiFrame() && MdiChildMaximized(),
                FNativeIcons, caption};
  if (!(FTitle.valid && key == FTitle.key)) std::swap(FTitle, FSpareTitle);
  if (FTitle.valid && key == FTitle.key) {
    FTextRect = FTitle.textRect;
    LayoutButtons();  // the buttons' places and visibility for this state
    return true;
  }
  if (!FTitle.bitmap || !FTitle.back || FTitle.size.cx != w || FTitle.size.cy != FTopHeight) {
    if (!bounds::BitmapFits(w, FTopHeight)) {
      FTitle = TTitlePicture{};
      return false;
    }
    ScreenDc screen;
    FTitle.bitmap.reset(CreateCompatibleBitmap(screen.Get(), w, FTopHeight));
    FTitle.back.reset(CreateCompatibleBitmap(screen.Get(), w, FTopHeight));
    FTitle.size = {w, FTopHeight};
  }
  if (!FTitle.bitmap || !FTitle.back) {
    FTitle = TTitlePicture{};
    return false;
  }
  FTitle.key = std::move(key);
  FTitle.valid = true;
  MemoryDc title(FTitle.bitmap.get());
  // The title band's ends are the tops of the two sides.
  Blit(title.Get(), 0, 0, CachedBorder(fsLeft, FLeftWidth, FHeight), FLeftWidth, FTopHeight);
  Blit(title.Get(), w - FRightWidth, 0, CachedBorder(fsRight, FRightWidth, FHeight), FRightWidth, FTopHeight);
  Blit(title.Get(), bar.left, 0, CachedBorder(fsTop, bar.right - bar.left, FTopHeight), bar.right - bar.left,
       FTopHeight);
  DrawCaptionText(title.Get(), bar, FTitle.key.text);
  FTitle.textRect = FTextRect;
  {
    MemoryDc back(FTitle.back.get());
    BitBlt(back.Get(), 0, 0, w, FTopHeight, title.Get(), 0, 0, SRCCOPY);
  }
  LayoutButtons();
  DrawButtons(title.Get());
  return true;
}

void TSkinForm::PaintTitle(HDC dc) {
  const int w = FWidth;
  if (!ComposeTitle()) return;
  {
    MemoryDc title(FTitle.bitmap.get());
    BitBlt(dc, 0, 0, w, FTopHeight, title.Get(), 0, 0, SRCCOPY);
  }
  // A skin title thinner than the system's caption leaves a strip that no
  // one else paints.
  const int native = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  if (FTopHeight + FMenuHeight < native) {
    const RECT strip{FLeftWidth, FTopHeight, w - FRightWidth, native - FMenuHeight};
    FillRect(dc, &strip, FSkinData->FaceBrush.get());
  }
  SetBkMode(dc, OPAQUE);
}

void TSkinForm::DrawCaptionText(HDC dc, const RECT& bar, const std::string& caption) {
  const std::string text = "   " + caption;
  vcl::DcState state(dc);
  SelectObject(dc, FCaptionFont ? static_cast<HGDIOBJ>(FCaptionFont.get()) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, vcl::ColorToRGB(FActive ? FSkinData->TitleTextActive : FSkinData->TitleTextInactive));
  // A caption shows its text as it is: "&" is no accelerator here.
  constexpr UINT kFormat = DT_SINGLELINE | DT_NOPREFIX;
  RECT measured = bar;
  DrawTextA(dc, text.c_str(), -1, &measured, kFormat | DT_CALCRECT | DT_NOCLIP);
  TDataSkinTitle& title = FSkinData->Title;
  const frame::TitleText keys{title.TextAlignment, title.LeftWidth, title.TopHeight, title.RightWidth,
                              title.TXTBackleft, title.TXTBackRight};
  const frame::Rect r{bar.left, bar.top, bar.right, bar.bottom};
  const frame::CaptionPlace place =
      frame::PlaceCaption(r, measured.right - measured.left, measured.bottom - measured.top, keys);
  FTextRect = RECT{place.textRect.left, place.textRect.top, place.textRect.right, place.textRect.bottom};
  if (!title.Image.Empty()) {
    DrawStrip(dc, RECT{place.textRect.left, bar.top, place.textRect.right, bar.bottom}, title.Image.Handle(), true,
              true, 2, FActive ? 1 : 2, RECT{title.TXTBackleft, 0, title.TXTBackRight, 0});
  }
  RECT draw{place.drawRect.left, place.drawRect.top, place.drawRect.right, place.drawRect.bottom};
  DrawTextA(dc, text.c_str(), -1, &draw, kFormat | DT_END_ELLIPSIS);
}

}  // namespace vex::skin
