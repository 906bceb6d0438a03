// TSkinControl: painting and the drawing helpers every skinner shares.
#include <algorithm>

#include "skin/data/DrawBounds.h"
#include "skin/controls/ControlGeometry.h"
#include "skin/controls/SharedPictures.h"
#include "skin/controls/TSkinControl.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "widgets/Handles.h"
#include "widgets/WindowDpi.h"

namespace vex::skin {
namespace {

RECT AtOrigin(const RECT& r) { return {0, 0, r.right - r.left, r.bottom - r.top}; }

}  // namespace

void TSkinControl::Draw(HDC, const RECT&) {}

void TSkinControl::PaintNow() {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  WindowRect = r;
  // The whole window, border included: an edit's border is non-client.
  HDC dc = GetWindowDC(Handle);
  if (!dc) return;
  try {
    Draw(dc, AtOrigin(r));
  } catch (...) {
    // The control keeps what the last paint left.
  }
  ReleaseDC(Handle, dc);
}

void TSkinControl::Redraw() {
  RECT r{};
  if (!Handle || !GetWindowRect(Handle, &r)) return;
  if (!GetParent(Handle)) return;
  const RECT local = AtOrigin(r);
  InvalidateRect(Handle, &local, FALSE);
  UpdateWindow(Handle);
}

void TSkinControl::PaintMessage(vcl::TMessage& m) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(Handle, &ps);
  RECT r{};
  GetWindowRect(Handle, &r);
  WindowRect = r;
  try {
    if (dc) Draw(dc, AtOrigin(r));
  } catch (...) {
  }
  if (own) EndPaint(Handle, &ps);
  m.Result = 0;
}

bool TSkinControl::PaintsItself(vcl::TMessage& m) {
  if (m.Msg == WM_PAINT) {
    PaintMessage(m);
    return true;
  }
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return true;
  }
  return false;
}

void TSkinControl::PressAfterOwnProc(vcl::TMessage& m) {
  CallOldProc(m);
  if (!Attached()) return;
  State |= controls::kPressed;
  PaintNow();
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) {
  if (SkinData && SkinData->FaceBrush) {
    FillRect(dc, &rect, SkinData->FaceBrush.get());
    return;
  }
  vcl::BrushHandle face(CreateSolidBrush(vcl::ColorToRGB(SkinData ? SkinData->ButtonFace : vcl::clBtnFace)));
  FillRect(dc, &rect, face.get());
}

void TSkinControl::BlitBuffer(HDC dc, const RECT& rect) {
  if (TScratchBitmap* buffer = ScratchBitmap()) buffer->CopyTo(dc, rect.left, rect.top);
}

void TSkinControl::PaintElement(const RECT& rect, TDataSkinObject& object, int trans, int frameCount, int frame) {
  TScratchBitmap* buffer = ScratchBitmap();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!buffer || w < 0 || h < 0) return;
  const auto image = reinterpret_cast<std::uintptr_t>(object.Image.Handle());
  const std::uint64_t key = TPictureCache::Key(&object, image, trans, frameCount, frame);
  // The face of the skin alone: every skinner of the skin shares it.
  FPictures.Draw(key, w, h, buffer->Dc(), 0, 0, [&](HDC mine) {
    DrawSharedPicture(this, SkinData, key, w, h, mine, 0, 0, [&](HDC into) {
      const RECT at{0, 0, w, h};
      FillFace(into, at);
      if (object.Image.Empty() ||
          !controls::FrameFits(object.Image.Width(), object.Image.Height(), frameCount, frame,
                               object.LeftWidth, object.TopHeight, object.RightWidth,
                               object.BottomHeight))
        return;
      OwnedBitmap element(BuildElement(at, object.Image.Handle(), object.Margins(), false,
                                       object.Tile != 0, frameCount, frame));
      if (!element) return;
      if (trans == 1) {
        DrawTransparent(into, at, element.Get(), kSkinKey);
      } else {
        MemoryDc src(element.Get());
        BitBlt(into, 0, 0, w, h, src.Get(), 0, 0, SRCCOPY);
      }
    });
  });
}

void DrawSkinFrame(TPictureCache& pictures, HDC dc, const RECT& at, TDataSkinObject& object, int frameCount,
                   int frame, bool tile, bool keyed) {
  DrawSkinFrame(pictures, dc, at, object.Image, object.Margins(), frameCount, frame, tile, keyed);
}

void DrawSkinFrame(TPictureCache& pictures, HDC dc, const RECT& at, vcl::TBitmap& image, const RECT& margins,
                   int frameCount, int frame, bool tile, bool keyed) {
  const int w = at.right - at.left, h = at.bottom - at.top;
  if (w <= 0 || h <= 0 || image.Empty() ||
      !controls::FrameFits(image.Width(), image.Height(), frameCount, frame, margins.left, margins.top, margins.right,
                           margins.bottom))
    return;
  const auto key = TPictureCache::Key({reinterpret_cast<std::uintptr_t>(image.Handle()),
                                       static_cast<std::uint64_t>(frameCount), static_cast<std::uint64_t>(frame),
                                       static_cast<std::uint64_t>(tile)});
  const auto paint = [&](HDC into) {
    OwnedBitmap element(BuildElement(RECT{0, 0, w, h}, image.Handle(), margins, false, tile, frameCount, frame));
    if (!element) return;
    MemoryDc from(element.Get());
    BitBlt(into, 0, 0, w, h, from.Get(), 0, 0, SRCCOPY);
  };
  if (keyed)
    pictures.DrawKeyed(key, w, h, dc, at.left, at.top, kSkinKey, paint);
  else
    pictures.Draw(key, w, h, dc, at.left, at.top, paint);
}

void TSkinControl::DrawCaption(HDC dc, const RECT& rect, UINT format, bool enabled, const std::string& text) {
  vcl::DcState saved(dc);
  SetBkMode(dc, TRANSPARENT);
  // Centred sideways by the caller's own format: with the tab flag added
  // its low word would never be DT_CENTER alone.
  const UINT asked = format;
  format |= DT_EXPANDTABS | PrefixFormat();
  RECT measured = rect;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT | DT_NOCLIP);
  const controls::Rect placed =
      controls::PlaceCaption({rect.left, rect.top, rect.right, rect.bottom}, measured.right - measured.left,
                             measured.bottom - measured.top, asked);
  RECT at{placed.left, placed.top, placed.right, placed.bottom};
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &at, format);
}

void TSkinControl::DrawGlyphFrame(HDC dc, const RECT& rect, int frameCount, int frame, vcl::TBitmap& glyph) {
  if (glyph.Empty() || frameCount < 1) return;
  const int w = glyph.Width() / frameCount, h = glyph.Height();
  if (!bounds::BitmapFits(w, h) || frame < 1 || frame > frameCount) return;
  ScreenDc screen;
  OwnedBitmap work(CreateCompatibleBitmap(screen.Get(), w, h));
  if (!work) return;
  COLORREF key = 0;
  {
    MemoryDc to(work.Get());
    MemoryDc from(glyph.Handle());
    BitBlt(to.Get(), 0, 0, w, h, from.Get(), w * (frame - 1), 0, SRCCOPY);
    key = GetPixel(to.Get(), 0, h - 1);
  }
  DrawTransparent(dc, RECT{rect.left, rect.top, rect.left + w, rect.top + h}, work.Get(), key);
}

void TSkinControl::DrawStripFrame(HDC dc, const RECT& rect, int frameCount, int frame, vcl::TBitmap& strip) {
  if (rect.right < rect.left || rect.bottom < rect.top || strip.Empty()) return;
  if (!controls::FrameFits(strip.Width(), strip.Height(), frameCount, frame, 0, 0, 0, 0)) return;
  // The frame alone, stretched: an element without margins.
  OwnedBitmap work(BuildElement(rect, strip.Handle(), RECT{0, 0, 0, 0}, false, false, frameCount, frame));
  if (work) DrawTransparent(dc, rect, work.Get(), kSkinKey);
}

void TSkinControl::DrawBoxGlyph(HDC dc, const RECT& rect, vcl::TBitmap& image, int frameCount, int frame) {
  if (image.Empty() || frameCount < 1) return;
  const int w = image.Width() / frameCount, h = image.Height();
  if (w <= 0) return;
  const bool leftText = (GetWindowLongPtrA(Handle, GWL_STYLE) & BS_LEFTTEXT) != 0;
  const controls::Rect at = controls::BoxGlyphRect({rect.left, rect.top, rect.right, rect.bottom}, w, h, leftText);
  static const int systemDpi = vcl::SystemDpi();
  if (SkinData && SkinData->Dpi() != systemDpi) RedrawCaptionBeside(dc, rect, RECT{at.left, at.top, at.right, at.bottom});
  // The button's own box sits at the control's edge; a glyph drawn for a
  // larger scale can stop a pixel short of it, where the box's edge would
  // show.  (At 96 dpi a skin's glyph keeps its place, box edge and all.)
  if (leftText && at.right < rect.right && SkinData && SkinData->Dpi() != scaling::kBaseDpi)
    FillFace(dc, RECT{at.right, rect.top, rect.right, rect.bottom});
  const auto key = TPictureCache::Key(&image, reinterpret_cast<std::uintptr_t>(image.Handle()), frameCount, frame);
  FPictures.Draw(key, w, h, dc, at.left, at.top, [&](HDC mine) {
    DrawSharedPicture(this, SkinData, key, w, h, mine, 0, 0, [&](HDC into) {
      const RECT local{0, 0, w, h};
      FillFace(into, local);
      DrawStripFrame(into, local, frameCount, frame, image);
    });
  });
}

// The button painted its own box and placed its caption for the system's
// DPI, which a window moved to a monitor of another scale no longer has:
// its box would show around the skin's glyph of the other size, and its
// caption sit under or away from it.  Both are painted over and the caption
// written again beside the glyph, in the colours the parent gives buttons.
void TSkinControl::RedrawCaptionBeside(HDC dc, const RECT& rect, const RECT& glyph) {
  FillFace(dc, rect);
  const std::string text = WindowText(Handle);
  if (text.empty()) return;
  vcl::DcState saved(dc);
  if (HWND parent = GetParent(Handle)) SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(Handle));
  SetBkMode(dc, TRANSPARENT);
  if (Font) SelectObject(dc, Font);
  const int gap = scaling::AtDpi(kBoxCaptionGap, SkinData->Dpi());
  const bool leftText = glyph.left > rect.left + (rect.right - rect.left) / 2;
  const RECT beside = leftText ? RECT{rect.left, rect.top, glyph.left - gap, rect.bottom}
                               : RECT{glyph.right + gap, rect.top, rect.right, rect.bottom};
  RefreshEnabled();
  DrawCaption(dc, beside, leftText ? DT_RIGHT : DT_LEFT, Enabled, text);
}

bool TSkinControl::ChangesBoxGlyph(UINT msg) {
  switch (msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:  // the button paints its own pushed glyph at once
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case vcl::CM_MOUSEENTER:
    case vcl::CM_MOUSELEAVE:
      return true;
    default:
      return false;
  }
}

}  // namespace vex::skin
