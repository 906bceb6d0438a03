#include "widgets/TBitBtn.h"

#include <algorithm>

namespace vcl {

void DrawGlyphFrame(HDC dc, TBitmap& strip, int count, int index, int x, int y) {
  if (strip.Empty() || count < 1) return;
  const int w = strip.Width() / count, h = strip.Height();
  if (w <= 0) return;
  index = std::clamp(index, 0, count - 1);
  const COLORREF key = ColorToRGB(strip.TransparentColor());
  HDC src = strip.Canvas().Handle();
  TransparentBlt(dc, x, y, w, h, src, index * w, 0, w, h, key);
}

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {
  FGlyph.OnChange = [this] { Invalidate(); };
}

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  p.Style = (p.Style & ~static_cast<DWORD>(0xF)) | BS_OWNERDRAW;
}

void TBitBtn::SetNumGlyphs(int n) {
  FNumGlyphs = std::clamp(n, 1, 4);
  Invalidate();
}
void TBitBtn::SetLayout(TButtonLayout layout) {
  FLayout = layout;
  Invalidate();
}
void TBitBtn::SetMargin(int margin) {
  FMargin = margin;
  Invalidate();
}
void TBitBtn::SetSpacing(int spacing) {
  FSpacing = spacing;
  Invalidate();
}

void TBitBtn::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
    m.Result = TRUE;
    return;
  }
  if (m.Msg == WM_LBUTTONDBLCLK) {
    // Owner-drawn buttons report a double click instead of a second press.
    m.Msg = WM_LBUTTONDOWN;
  }
  TButton::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& d) {
  HDC dc = d.hDC;
  DcState state(dc);
  RECT r = d.rcItem;
  const bool down = (d.itemState & ODS_SELECTED) != 0;
  const bool disabled = (d.itemState & ODS_DISABLED) != 0;
  const bool focused = (d.itemState & ODS_FOCUS) != 0;
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  SelectObject(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(disabled ? clGrayText : Font().Color()));
  const std::string text = Caption();
  RECT measure{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_CALCRECT | DT_SINGLELINE);
  const int gw = FGlyph.Empty() ? 0 : FGlyph.Width() / FNumGlyphs;
  const int gh = FGlyph.Empty() ? 0 : FGlyph.Height();
  layout::Box client{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  auto parts = layout::PlaceGlyphAndText(client, {gw, gh}, {measure.right, measure.bottom}, FLayout, FMargin,
                                         FSpacing);
  const int shift = down ? 1 : 0;
  if (gw > 0) {
    const int frame = disabled && FNumGlyphs > 1 ? 1 : down && FNumGlyphs > 2 ? 2 : 0;
    DrawGlyphFrame(dc, FGlyph, FNumGlyphs, frame, parts.glyph.left + shift, parts.glyph.top + shift);
  }
  RECT tr{parts.text.left + shift, parts.text.top + shift, parts.text.right + shift, parts.text.bottom + shift};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &tr, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (focused) {
    RECT fr = r;
    InflateRect(&fr, -4, -4);
    DrawFocusRect(dc, &fr);
  }
}

}  // namespace vcl
