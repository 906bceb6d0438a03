#include "widgets/TCanvas.h"

#include "widgets/TGraphic.h"

namespace vcl {

TCanvas::TCanvas() {
  // A changed tool is reselected at its next use; deselecting it at once lets
  // the tool delete its old GDI object.
  FFont.OnChange = [this] {
    if (FHandle && (FState & kFont)) {
      SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
      FState &= ~kFont;
    }
  };
  FBrush.OnChange = [this] {
    if (FHandle && (FState & kBrush)) {
      SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
      FState &= ~kBrush;
    }
  };
  FPen.OnChange = [this] {
    if (FHandle && (FState & kPen)) {
      SelectObject(FHandle, GetStockObject(BLACK_PEN));
      FState &= ~kPen;
    }
  };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == FHandle) return;
  if (FHandle) {
    RestoreDC(FHandle, FSavedState);
    FHandle = nullptr;
    FState = 0;
  }
  if (dc) {
    FSavedState = SaveDC(dc);
    FHandle = dc;
  }
}

void TCanvas::Require(unsigned state) {
  HDC dc = Handle();
  if (!dc) return;
  const unsigned missing = state & ~FState;
  if (missing & kFont) SelectObject(dc, FFont.Handle());
  if (missing & kBrush) SelectObject(dc, FBrush.Handle());
  if (missing & kPen) SelectObject(dc, FPen.Handle());
  FState |= missing;
  // Colours and modes are cheap and may change without the tools changing.
  if (state & kFont) SetTextColor(dc, ColorToRGB(FFont.Color()));
  if (state & (kFont | kBrush)) {
    if (FBrush.Style() == bsClear) {
      SetBkMode(dc, TRANSPARENT);
    } else {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, ColorToRGB(FBrush.Color()));
    }
  }
}

void TCanvas::FillRect(const RECT& rect) {
  Require(kBrush);
  ::FillRect(Handle(), &rect, FBrush.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  Require(kBrush);
  ::FrameRect(Handle(), &rect, FBrush.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Require(kBrush | kPen);
  ::Rectangle(Handle(), left, top, right, bottom);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  Require(kBrush | kPen);
  ::Ellipse(Handle(), left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
  Require(kPen);
  MoveToEx(Handle(), x, y, nullptr);
  FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  Require(kPen);
  MoveToEx(Handle(), FPenPos.x, FPenPos.y, nullptr);
  ::LineTo(Handle(), x, y);
  FPenPos = {x, y};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Require(kFont | kBrush);
  ::TextOutA(Handle(), x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::string& text) {
  Require(kFont | kBrush);
  UINT options = ETO_CLIPPED;
  if (FBrush.Style() != bsClear) options |= ETO_OPAQUE;
  ::ExtTextOutA(Handle(), x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, RECT& rect, UINT format) {
  Require(kFont | kBrush);
  return ::DrawTextA(Handle(), text.data(), static_cast<int>(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  Require(kFont);
  SIZE s{0, 0};
  GetTextExtentPoint32A(Handle(), text.data(), static_cast<int>(text.size()), &s);
  return s;
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  if (graphic.Empty()) return;
  const RECT r{x, y, x + graphic.Width(), y + graphic.Height()};
  graphic.Draw(*this, r);
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic& graphic) {
  if (!graphic.Empty()) graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& canvas, const RECT& source) {
  HDC dst = Handle();
  HDC src = canvas.Handle();
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const int sw = source.right - source.left, sh = source.bottom - source.top;
  if (dw == sw && dh == sh) {
    BitBlt(dst, dest.left, dest.top, dw, dh, src, source.left, source.top, FCopyMode);
  } else {
    const int old = SetStretchBltMode(dst, COLORONCOLOR);
    StretchBlt(dst, dest.left, dest.top, dw, dh, src, source.left, source.top, sw, sh, FCopyMode);
    SetStretchBltMode(dst, old);
  }
}

TColor TCanvas::Pixel(int x, int y) { return static_cast<TColor>(GetPixel(Handle(), x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Handle(), x, y, ColorToRGB(color)); }

}  // namespace vcl
