#include "skin/data/DrawBounds.h"
#include "skin/windows/MenuItemDrawing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include <commctrl.h>

#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/KeptPicture.h"
#include "skin/windows/MenuGeometry.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinPopupMenu.h"
#include "widgets/TCanvas.h"
#include "widgets/TImageList.h"
#include "widgets/WindowDpi.h"

namespace vex::skin {
namespace {

RECT ToRect(const menu::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The system's check mark (OBM_CHECK) for a menu drawn at `dpi`: as the
// system gives it for the DPI it was drawn for, scaled as the menu check
// size scales at another.  Windows draws it at the system's menu check size;
// Wine keeps the 96-dpi bitmap (14 x 14) at every DPI, so a bitmap no larger
// than the 96-dpi check size counts as drawn for 96 dpi.  Null when the
// system has none.
HBITMAP SystemCheck(int dpi) {
  constexpr WORD kObmCheck = 32760;  // OBM_CHECK, declared only with OEMRESOURCE
  HBITMAP system = LoadBitmapA(nullptr, MAKEINTRESOURCEA(kObmCheck));
  if (!system) return nullptr;
  static const int systemDpi = vcl::SystemDpi();
  const BitmapSize size = SizeOf(system);
  const int drawnFor =
      size.width <= vcl::SystemMetricForDpi(SM_CXMENUCHECK, scaling::kBaseDpi) + 1 ? scaling::kBaseDpi : systemDpi;
  if (dpi == drawnFor) return system;
  const int w = MulDiv(size.width, vcl::SystemMetricForDpi(SM_CXMENUCHECK, dpi),
                       vcl::SystemMetricForDpi(SM_CXMENUCHECK, drawnFor));
  const int h = MulDiv(size.height, vcl::SystemMetricForDpi(SM_CYMENUCHECK, dpi),
                       vcl::SystemMetricForDpi(SM_CYMENUCHECK, drawnFor));
  HBITMAP fitted = w > 0 && h > 0 ? CreateBitmap(w, h, 1, 1, nullptr) : nullptr;
  if (fitted) {
    MemoryDc to(fitted), from(system);
    StretchModeScope mode(to.Get(), BLACKONWHITE);  // the glyph's bits are 0: keep them
    StretchBlt(to.Get(), 0, 0, w, h, from.Get(), 0, 0, size.width, size.height, SRCCOPY);
  }
  DeleteObject(system);
  return fitted;
}

// The check mark and the radio bullet as monochrome pictures: the glyph's
// bits are 0, the rest 1, for a menu at `dpi` (a window on a monitor of
// another scale than the system's).  One pair per DPI in use, kept to
// program end.
const TKeptPicture& Mark(bool radio, int dpi) {
  static std::map<int, std::array<TKeptPicture, 2>> marks;
  TKeptPicture& mark = marks[dpi][radio ? 1 : 0];
  if (mark.Dc()) return mark;
  HBITMAP system = radio ? nullptr : SystemCheck(dpi);
  if (!system) {
    const int w = vcl::SystemMetricForDpi(SM_CXMENUCHECK, dpi), h = vcl::SystemMetricForDpi(SM_CYMENUCHECK, dpi);
    system = CreateBitmap(w, h, 1, 1, nullptr);
    MemoryDc dc(system);
    RECT r{0, 0, w, h};
    DrawFrameControl(dc.Get(), &r, DFC_MENU, radio ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  mark.Reset(system);
  return mark;
}

// A monochrome glyph drawn in `colour`, its other pixels left as they are.
void DrawMark(HDC dc, const menu::Rect& box, bool radio, COLORREF colour, int dpi) {
  const TKeptPicture& mark = Mark(radio, dpi);
  if (!mark.Dc()) return;
  const int w = mark.Width(), h = mark.Height();
  const menu::Point at = menu::CheckMarkAt(box, w, h, dpi);
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, at.x, at.y, w, h, mark.Dc(), 0, 0, SRCAND);
  SetTextColor(dc, colour);
  SetBkColor(dc, RGB(0, 0, 0));
  BitBlt(dc, at.x, at.y, w, h, mark.Dc(), 0, 0, SRCPAINT);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

void Fill(HDC dc, int w, int h, COLORREF colour) {
  const COLORREF old = SetDCBrushColor(dc, colour);
  const RECT all{0, 0, w, h};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
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

// The item's image in its glyph box.  The image lists of menus hold 96-dpi
// pictures: at another DPI the image is drawn once on black with its mask
// beside it and both are stretched pixel for pixel into the scaled box, so
// it grows with the item and stays sharp (no smoothing mixes the item's
// face into its edge).
void DrawItemImage(HDC dc, const menu::Rect& box, const TMenuItemFacts& item, int dpi) {
  vcl::TImageList& images = *item.images;
  const int w = images.Width(), h = images.Height();
  const int scaledW = scaling::AtDpi(w, dpi), scaledH = scaling::AtDpi(h, dpi);
  vcl::TCanvas canvas;
  if (scaledW == w && scaledH == h) {
    canvas.SetHandle(dc);
    images.Draw(canvas, box.left, box.top, item.imageIndex, item.enabled);
    canvas.SetHandle(nullptr);
    return;
  }
  ScreenDc screen;
  OwnedBitmap colour(CreateCompatibleBitmap(screen.Get(), w, h));
  OwnedBitmap mask(CreateBitmap(w, h, 1, 1, nullptr));
  if (!colour || !mask) return;
  MemoryDc picture(colour.Get()), cutout(mask.Get());
  const RECT all{0, 0, w, h};
  FillRect(picture.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  canvas.SetHandle(picture.Get());
  images.Draw(canvas, 0, 0, item.imageIndex, item.enabled);
  canvas.SetHandle(nullptr);
  FillRect(cutout.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ImageList_Draw(images.Handle(), item.imageIndex, cutout.Get(), 0, 0, ILD_MASK);
  StretchModeScope mode(dc, COLORONCOLOR);
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  StretchBlt(dc, box.left, box.top, scaledW, scaledH, cutout.Get(), 0, 0, w, h, SRCAND);
  StretchBlt(dc, box.left, box.top, scaledW, scaledH, picture.Get(), 0, 0, w, h, SRCPAINT);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

// Right to left, the system's arrow stays.
bool ScalesSubmenuArrow(const TMenuItemFacts& item, int dpi) {
  return item.submenu && !item.rightToLeft && dpi != scaling::kBaseDpi;
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

// Glyph, caption and shortcut in (0, 0, W, H) of `dc`, at the DPI the skin
// was built for (the window's).
void DrawContent(HDC dc, int w, int h, const TMenuItemFacts& item, bool selected, const TSkinData& skin) {
  const bool line = item.caption == "-";
  const int dpi = skin.Dpi();
  const menu::ItemLayout layout = menu::LayOutItem(w, h, line, dpi);
  const bool hasImage = item.images && item.imageIndex >= 0 && item.imageIndex < item.images->Count();
  if (hasImage) {
    if (item.checked) DrawCheckedBox(dc, layout.glyphBox);
    DrawItemImage(dc, layout.glyphBox, item, dpi);
  } else if (item.checked) {
    DrawMark(dc, layout.glyphBox, item.radio, GetSysColor(COLOR_BTNTEXT), dpi);
  }
  if (line) {
    RECT etched = ToRect(menu::SeparatorLine(layout.textRect, dpi));
    DrawEdge(dc, &etched, EDGE_ETCHED, BF_TOP);
    return;
  }
  vcl::DcState state(dc);
  SelectObject(dc, MenuFont(item.isDefault, dpi));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColourOf(item, selected, skin));
  const UINT reading = item.rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  const UINT format = DT_SINGLELINE | DT_EXPANDTABS | reading | (item.hidePrefix ? DT_HIDEPREFIX : 0);
  // An empty caption (or a lone "&") still takes a line's height.
  const std::string measuredText = item.caption.empty() || item.caption == "&" ? item.caption + " " : item.caption;
  RECT measured = ToRect(layout.textRect);
  DrawTextA(dc, measuredText.c_str(), -1, &measured, format | DT_CALCRECT);
  const menu::Rect caption = menu::PlaceCaptionText(layout.textRect, measured.right - measured.left,
                                                    measured.bottom - measured.top, item.rightToLeft);
  RECT draw = ToRect(caption);
  DrawTextA(dc, item.caption.c_str(), -1, &draw, format | DT_NOCLIP);
  if (!item.shortcut.empty()) {
    RECT shortcut = ToRect(menu::ShortcutRect(caption, layout.textRect, w, item.rightToLeft, dpi));
    const UINT align = item.rightToLeft ? DT_LEFT | DT_RTLREADING : DT_RIGHT;
    DrawTextA(dc, item.shortcut.c_str(), -1, &shortcut, DT_SINGLELINE | DT_NOPREFIX | align);
  }
  if (ScalesSubmenuArrow(item, dpi)) {
    vcl::BrushHandle ink(CreateSolidBrush(TextColourOf(item, selected, skin)));
    for (const menu::Span& row : menu::SubmenuArrow(w, h, dpi)) {
      const RECT r{row.left, row.y, row.right, row.y + 1};
      FillRect(dc, &r, ink.get());
    }
  }
}

// A fingerprint of a bitmap's pixels.  Bitmap handles and objects are
// reused once freed (a skin loaded again), so the pictures made from an
// image are known by what the image holds.
std::uint64_t ImageFingerprint(HBITMAP image) {
  std::uint64_t hash = 1469598103934665603ull;
  auto add = [&hash](const unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      hash = (hash ^ word) * 1099511628211ull;
    }
    for (; i < n; ++i) hash = (hash ^ p[i]) * 1099511628211ull;
  };
  DIBSECTION dib{};
  if (GetObjectA(image, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBits) {
    GdiFlush();
    add(static_cast<const unsigned char*>(dib.dsBm.bmBits),
        static_cast<std::size_t>(dib.dsBm.bmWidthBytes) * static_cast<std::size_t>(dib.dsBm.bmHeight));
    return hash;
  }
  const BitmapSize size = SizeOf(image);
  if (size.width <= 0 || size.height <= 0) return 0;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = size.width;
  bi.bmiHeader.biHeight = size.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  std::vector<unsigned char> bits(static_cast<std::size_t>(size.width) * size.height * 4);
  ScreenDc screen;
  GetDIBits(screen.Get(), image, 0, static_cast<UINT>(size.height), bits.data(), &bi, DIB_RGB_COLORS);
  add(bits.data(), bits.size());
  return hash;
}

// The items of one popup share their size: the MenuItem frames are built
// once per size and frame, with the colour key turned into a mask, and
// drawn with two transfers (building one costs far more than drawing it).
class TItemFrames {
 public:
  void Draw(HDC dc, int w, int h, TDataSkinObject& frames, int frame) {
    Entry& e = Find(frames, w, h, frame);
    if (!e.picture->Dc()) return;
    if (!e.mask->Dc()) {
      BitBlt(dc, 0, 0, w, h, e.picture->Dc(), 0, 0, SRCCOPY);
      return;
    }
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, 0, 0, w, h, e.mask->Dc(), 0, 0, SRCAND);  // keyed pixels keep what is below
    BitBlt(dc, 0, 0, w, h, e.picture->Dc(), 0, 0, SRCPAINT);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
  }

 private:
  struct Entry {
    std::uint64_t fingerprint = 0;
    int imageWidth = 0, imageHeight = 0, w = 0, h = 0, frame = 0, tile = 0, trans = 0;
    RECT margins{};
    std::unique_ptr<TKeptPicture> picture = std::make_unique<TKeptPicture>();  // keyed pixels black
    std::unique_ptr<TKeptPicture> mask = std::make_unique<TKeptPicture>();     // monochrome: white where keyed
    bool Same(const Entry& o) const {
      return fingerprint == o.fingerprint && imageWidth == o.imageWidth && imageHeight == o.imageHeight &&
             w == o.w && h == o.h && frame == o.frame && tile == o.tile && trans == o.trans && EqualRect(&margins, &o.margins);
    }
  };

  Entry& Find(TDataSkinObject& frames, int w, int h, int frame) {
    Entry key;
    HBITMAP image = frames.Image.Handle();
    key.fingerprint = ImageFingerprint(image);
    key.imageWidth = frames.Image.Width();
    key.imageHeight = frames.Image.Height();
    key.w = w;
    key.h = h;
    key.frame = frame;
    key.tile = frames.Tile;
    key.trans = frames.Trans;
    key.margins = frames.Margins();
    for (Entry& e : FEntries)
      if (e.Same(key)) return e;
    if (FEntries.size() >= kCapacity) FEntries.erase(FEntries.begin());
    key.picture->Reset(BuildElement(RECT{0, 0, w, h}, image, key.margins, false, key.tile != 0,
                                    menu::kMenuItemFrames, frame));
    if (key.picture->Dc() && key.trans != 0) MakeMask(key, w, h);
    FEntries.push_back(std::move(key));
    return FEntries.back();
  }

  static void MakeMask(Entry& e, int w, int h) {
    e.mask->Reset(CreateBitmap(w, h, 1, 1, nullptr));
    HDC picture = e.picture->Dc(), mask = e.mask->Dc();
    if (!mask) return;
    // Copying to monochrome: pixels of the background colour become white.
    const COLORREF oldBack = SetBkColor(picture, kSkinKey);
    BitBlt(mask, 0, 0, w, h, picture, 0, 0, SRCCOPY);
    SetBkColor(picture, oldBack);
    // The keyed pixels of the picture turn black, so that OR leaves what is
    // below: the mask's white (keyed) bits arrive as the background colour.
    const COLORREF oldText = SetTextColor(picture, RGB(0, 0, 0));
    const COLORREF oldBack2 = SetBkColor(picture, RGB(255, 255, 255));
    BitBlt(picture, 0, 0, w, h, mask, 0, 0, 0x00220326);  // DSna: picture AND NOT mask
    SetBkColor(picture, oldBack2);
    SetTextColor(picture, oldText);
  }

  static constexpr std::size_t kCapacity = 8;
  std::vector<Entry> FEntries;
};

TItemFrames& ItemFrames() {
  static TItemFrames frames;
  return frames;
}

}  // namespace

void DrawItemSeparator(HDC dc, const RECT& rect, TSkinData& skin) {
  if (!skin.MenuItem || skin.MenuItem->Image.Empty()) return;
  TDataSkinObject& item = *skin.MenuItem;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!bounds::BitmapFits(w, h)) return;
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
  if (popup && popup->BackgroundDc()) {
    const POINT offset = popup->ClientOffset();
    BitBlt(work, 0, 0, w, h, popup->BackgroundDc(), rect.left + offset.x, rect.top + offset.y, SRCCOPY);
  } else {
    Fill(work, w, h, vcl::ColorToRGB(skin.Menu));
  }
  if (item.component && item.caption == "-") {
    scratch->CopyTo(dc, rect.left, rect.top);
    DrawItemSeparator(dc, rect, skin);
    return;
  }
  ItemFrames().Draw(work, w, h, *skin.MenuItem, menu::ItemFrame(selected));
  DrawContent(work, w, h, item, selected, skin);
  scratch->CopyTo(dc, rect.left, rect.top);
}

void DrawPlainItem(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin) {
  TScratchBitmap* scratch = ScratchBitmap();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!scratch || w <= 0 || h <= 0) return;
  scratch->SetSize(w, h);
  HDC work = scratch->Dc();
  Fill(work, w, h, vcl::ColorToRGB(selected ? skin.Hilight : skin.ButtonFace));
  DrawContent(work, w, h, item, selected, skin);
  scratch->CopyTo(dc, rect.left, rect.top);
}

void DrawMenuItemFacts(HDC dc, const RECT& rect, const TMenuItemFacts& item, bool selected, TSkinData& skin,
                       HMENU menu) {
  if (skin.MenuItem && !skin.MenuItem->Image.Empty())
    DrawSkinnedItem(dc, rect, item, selected, skin, menu);
  else
    DrawPlainItem(dc, rect, item, selected, skin);
  if (ScalesSubmenuArrow(item, skin.Dpi())) {
    // The system draws its arrow into this DC next, in the item's right end
    // (Wine: its arrow bitmap's width; Windows: a menu check's width).
    static const int band = [] {
      BITMAP arrow{};
      if (HBITMAP system = LoadBitmapA(nullptr, MAKEINTRESOURCEA(32739))) {  // OBM_MNARROW
        GetObjectA(system, sizeof arrow, &arrow);
        DeleteObject(system);
      }
      return std::max<int>({static_cast<int>(arrow.bmWidth), GetSystemMetrics(SM_CXMENUCHECK), 16});
    }();
    ExcludeClipRect(dc, std::max<int>(rect.left, rect.right - band), rect.top, rect.right, rect.bottom);
  }
}

}  // namespace vex::skin
