#include "widgets/TLabel.h"

namespace vcl {

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetStoredBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustBounds();
}
void TLabel::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  Invalidate();
}
void TLabel::SetLayout(TTextLayout layout) {
  FLayout = layout;
  Invalidate();
}
void TLabel::SetTransparent(bool value) {
  FTransparent = value;
  Invalidate();
}
void TLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}
void TLabel::SetShowAccelChar(bool value) {
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

UINT TLabel::TextFormat() const {
  UINT f = DT_EXPANDTABS;
  f |= FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  if (!FShowAccelChar) f |= DT_NOPREFIX;
  f |= FAlignment == taRightJustify ? DT_RIGHT : FAlignment == taCenter ? DT_CENTER : DT_LEFT;
  return f;
}

void TLabel::AdjustBounds() {
  if (!FAutoSize) return;
  WindowDc screen(nullptr);
  SelectGuard font(screen.get(), Font().Handle());
  const std::string text = Caption().empty() ? std::string(" ") : Caption();
  RECT r{0, 0, FWordWrap ? Width() : 0, 0};
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &r, TextFormat() | DT_CALCRECT);
  SetBounds(Left(), Top(), FWordWrap ? Width() : r.right, r.bottom);
}

void TLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TLabel::Paint() {
  TCanvas& c = Canvas();
  RECT r{0, 0, Width(), Height()};
  if (!FTransparent) {
    c.Brush().SetColor(Color());
    c.FillRect(r);
  }
  c.Brush().SetStyle(bsClear);
  const std::string text = Caption();
  UINT format = TextFormat();
  if (FLayout != tlTop) {
    RECT m = r;
    c.DrawText(text, m, format | DT_CALCRECT);
    const int offset = FLayout == tlCenter ? (Height() - (m.bottom - m.top)) / 2 : Height() - (m.bottom - m.top);
    OffsetRect(&r, 0, offset);
  }
  if (!Enabled()) {
    OffsetRect(&r, 1, 1);
    c.Font().SetColor(clBtnHighlight);
    c.DrawText(text, r, format);
    OffsetRect(&r, -1, -1);
    c.Font().SetColor(clBtnShadow);
  }
  c.DrawText(text, r, format);
}

}  // namespace vcl
