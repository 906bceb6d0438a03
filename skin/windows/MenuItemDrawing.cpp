#include "skin/windows/MenuItemDrawing.h"

#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/MenuGeometry.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinPopupMenu.h"
#include "widgets/TCanvas.h"
#include "widgets/TImageList.h"

namespace vex::skin {
namespace {

RECT ToRect(const menu::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The check mark and the radio bullet as monochrome pictures: the glyph's
// bits are 0, the rest 1.
HBITMAP MarkBitmap(bool radio) {
  static vcl::BitmapHandle marks[2];
  vcl::BitmapHandle& mark = marks[radio ? 1 : 0];
  if (mark) return mark.get();
  constexpr WORD kObmCheck = 32760;  // OBM_CHECK, declared only with OEMRESOURCE
  if (!radio) mark.reset(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kObmCheck)));
  if (!mark) {
    const int w = GetSystemMetrics(SM_CXMENUCHECK), h = GetSystemMetrics(SM_CYMENUCHECK);
    mark.reset(CreateBitmap(w, h, 1, 1, nullptr));
    MemoryDc dc(mark.get());
    RECT r{0, 0, w, h};
    DrawFrameControl(dc.Get(), &r, DFC_MENU, radio ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  return mark.get();
}

// A monochrome glyph drawn in `colour`, its other pixels left as they are.
void DrawMark(HDC dc, const menu::Rect& box, bool radio, COLORREF colour) {
  HBITMAP mark = MarkBitmap(radio);
  const BitmapSize size = SizeOf(mark);
  if (size.width <= 0) return;
  const menu::Point at = menu::CheckMarkAt(box, size.width, size.height);
  MemoryDc glyph(mark);
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, at.x, at.y, size.width, size.height, glyph.Get(), 0, 0, SRCAND);
  SetTextColor(dc, colour);
  SetBkColor(dc, RGB(0, 0, 0));
  BitBlt(dc, at.x, at.y, size.width, size.height, glyph.Get(), 0, 0, SRCPAINT);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

// The checked look of an item with an image: the box in the dither of the
// button face and highlight colours, sunk in.
void DrawCheckedBox(HDC dc, const menu::Rect& box) {
  static const WORD kDither[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  vcl::BitmapHandle pattern(CreateBitmap(8, 8, 1, 1, kDither));
  vcl::BrushHandle brush(CreatePatternBrush(pattern.get()));
  RECT r = ToRect(box);
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &r, brush.get());
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
}

COLORREF TextColourOf(const TMenuItemFacts& item, bool selected, const TSkinData& skin) {
  switch (menu::ItemTextColour(item.enabled, selected, skin.ButtonShadow, skin.MenuText)) {
    case menu::TextColour::kHilightText: return vcl::ColorToRGB(skin.HilightText);
    case menu::TextColour::kMenuText: return vcl::ColorToRGB(skin.MenuText);
    case menu::TextColour::kButtonShadow: return vcl::ColorToRGB(skin.ButtonShadow);
    case menu::TextColour::kSystemShadow: return GetSysColor(COLOR_BTNSHADOW);
  }
  return vcl::ColorToRGB(skin.MenuText);
}

// Glyph, caption and shortcut in (0, 0, W, H) of `dc`.
void DrawContent(HDC dc, int w, int h, const TMenuItemFacts& item, bool selected, const TSkinData& skin) {
  const bool line = item.caption == "-";
  const menu::ItemLayout layout = menu::LayOutItem(w, h, line);
  const bool hasImage = item.images && item.imageIndex >= 0 && item.imageIndex < item.images->Count();
  if (hasImage) {
    if (item.checked) DrawCheckedBox(dc, layout.glyphBox);
    vcl::TCanvas canvas;
    canvas.SetHandle(dc);
    item.images->Draw(canvas, layout.glyphBox.left, layout.glyphBox.top, item.imageIndex, item.enabled);
    canvas.SetHandle(nullptr);
  } else if (item.checked) {
    DrawMark(dc, layout.glyphBox, item.radio, GetSysColor(COLOR_BTNTEXT));
  }
  if (line) {
    RECT etched = ToRect(menu::SeparatorLine(layout.textRect));
    DrawEdge(dc, &etched, EDGE_ETCHED, BF_TOP);
    return;
  }
  vcl::DcState state(dc);
  SelectObject(dc, MenuFont(item.isDefault));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColourOf(item, selected, skin));
  const UINT reading = item.rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  const UINT format = DT_SINGLELINE | DT_EXPANDTABS | reading;
  // An empty caption (or a lone "&") still takes a line's height.
  const std::string measuredText = item.caption.empty() || item.caption == "&" ? item.caption + " " : item.caption;
  RECT measured = ToRect(layout.textRect);
  DrawTextA(dc, measuredText.c_str(), -1, &measured, format | DT_CALCRECT);
  const menu::Rect caption = menu::PlaceCaptionText(layout.textRect, measured.right - measured.left,
                                                    measured.bottom - measured.top, item.rightToLeft);
  RECT draw = ToRect(caption);
  DrawTextA(dc, item.caption.c_str(), -1, &draw, format | DT_NOCLIP);
  if (!item.shortcut.empty()) {
    RECT shortcut = ToRect(menu::ShortcutRect(caption, layout.textRect, w, item.rightToLeft));
    const UINT align = item.rightToLeft ? DT_LEFT | DT_RTLREADING : DT_RIGHT;
    DrawTextA(dc, item.shortcut.c_str(), -1, &shortcut, DT_SINGLELINE | DT_NOPREFIX | align);
  }
}

}  // namespace

void DrawItemSeparator(HDC dc, const RECT& rect, TSkinData& skin) {
  if (!skin.MenuItem || skin.MenuItem->Image.Empty()) return;
  TDataSkinObject& item = *skin.MenuItem;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  HBITMAP image = item.Image.Handle();
  const BitmapSize size = SizeOf(image);
  const int frameWidth = size.width / menu::kMenuItemFrames;
  const int frameLeft = frameWidth * (menu::kSeparatorFrame - 1);
  const menu::RowSpan rows = menu::SeparatorRows(size.height, h);
  ScreenDc screen;
  OwnedBitmap picture(CreateCompatibleBitmap(screen.Get(), w, h));
  if (!picture) return;
  {
    MemoryDc to(picture.Get()), from(image);
    StretchModeScope mode(to.Get(), COLORONCOLOR);
    for (const menu::ColumnPiece& piece : menu::SeparatorColumns(frameWidth, item.LeftWidth, item.RightWidth, w)) {
      StretchBlt(to.Get(), piece.destLeft, 0, piece.destWidth, h, from.Get(), frameLeft + piece.sourceLeft, rows.top,
                 piece.sourceWidth, rows.height, SRCCOPY);
    }
  }
  DrawTransparent(dc, rect, picture.Get(), kSkinKey);
}

void DrawSkinnedItem(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin,
                     HMENU menu) {
  TScratchBitmap* scratch = ScratchBitmap();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!scratch || w <= 0 || h <= 0) return;
  scratch->SetSize(w, h);
  HDC work = scratch->Dc();
  // The popup's client area, where the items lie, is inside its border.
  TSkinPopupMenu* popup = PopupShowing(menu);
  if (popup && popup->Background()) {
    const POINT offset = popup->ClientOffset();
    MemoryDc back(popup->Background());
    BitBlt(work, 0, 0, w, h, back.Get(), rect.left + offset.x, rect.top + offset.y, SRCCOPY);
  } else {
    vcl::BrushHandle fill(CreateSolidBrush(vcl::ColorToRGB(skin.Menu)));
    const RECT all{0, 0, w, h};
    FillRect(work, &all, fill.get());
  }
  if (item.component && item.caption == "-") {
    scratch->CopyTo(dc, rect.left, rect.top);
    DrawItemSeparator(dc, rect, skin);
    return;
  }
  TDataSkinObject& frames = *skin.MenuItem;
  DrawElement(work, RECT{0, 0, w, h}, frames.Image.Handle(), false, frames.Tile != 0, frames.Trans != 0,
              menu::kMenuItemFrames, menu::ItemFrame(selected), frames.Margins());
  DrawContent(work, w, h, item, selected, skin);
  scratch->CopyTo(dc, rect.left, rect.top);
}

void DrawPlainItem(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin) {
  TScratchBitmap* scratch = ScratchBitmap();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!scratch || w <= 0 || h <= 0) return;
  scratch->SetSize(w, h);
  HDC work = scratch->Dc();
  vcl::BrushHandle fill(CreateSolidBrush(vcl::ColorToRGB(selected ? skin.Hilight : skin.ButtonFace)));
  const RECT all{0, 0, w, h};
  FillRect(work, &all, fill.get());
  DrawContent(work, w, h, item, selected, skin);
  scratch->CopyTo(dc, rect.left, rect.top);
}

void DrawMenuItemFacts(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin,
                       HMENU menu) {
  if (skin.MenuItem && !skin.MenuItem->Image.Empty())
    DrawSkinnedItem(dc, rect, item, selected, skin, menu);
  else
    DrawPlainItem(dc, rect, item, selected, skin);
}

}  // namespace vex::skin
