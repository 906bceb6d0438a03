#include "widgets/TPanel.h"

namespace vcl {

void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width) {
  BrushHandle tl(CreateSolidBrush(ColorToRGB(topLeft)));
  BrushHandle br(CreateSolidBrush(ColorToRGB(bottomRight)));
  for (int i = 0; i < width; ++i) {
    RECT top{r.left, r.top, r.right - 1, r.top + 1};
    RECT left{r.left, r.top, r.left + 1, r.bottom - 1};
    RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    RECT right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, tl.get());
    FillRect(dc, &left, tl.get());
    FillRect(dc, &bottom, br.get());
    FillRect(dc, &right, br.get());
    InflateRect(&r, -1, -1);
  }
}

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetStoredBounds(0, 0, 185, 41);
  SetParentColor(false);
  SetColor(clBtnFace);
}

// Tab and the arrow keys walk into the panel's children only when the dialog
// manager is told the panel is a container.
void TPanel::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  p.ExStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  FBevelOuter = bevel;
  Invalidate();
  Realign();
}
void TPanel::SetBevelInner(TBevelCut bevel) {
  FBevelInner = bevel;
  Invalidate();
  Realign();
}
void TPanel::SetBevelWidth(int width) {
  FBevelWidth = width;
  Invalidate();
  Realign();
}
void TPanel::SetBorderWidth(int width) {
  FBorderWidth = width;
  Invalidate();
  Realign();
}
void TPanel::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  Invalidate();
}

RECT TPanel::AlignRect() {
  RECT r = ClientRect();
  int inset = FBorderWidth;
  if (FBevelOuter != bvNone) inset += FBevelWidth;
  if (FBevelInner != bvNone) inset += FBevelWidth;
  InflateRect(&r, -inset, -inset);
  return r;
}

void TPanel::Paint() {
  TCanvas& c = Canvas();
  RECT r{0, 0, Width(), Height()};
  HDC dc = c.Handle();
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    if (cut == bvSpace) {
      InflateRect(&r, -FBevelWidth, -FBevelWidth);
      return;
    }
    const bool raised = cut == bvRaised;
    Frame3D(dc, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, FBevelWidth);
  };
  bevel(FBevelOuter);
  InflateRect(&r, -FBorderWidth, -FBorderWidth);
  bevel(FBevelInner);
  c.Brush().SetColor(Color());
  c.FillRect(r);
  const std::string text = Caption();
  if (!text.empty()) {
    c.Brush().SetStyle(bsClear);
    const UINT align = FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    c.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | align);
  }
}

}  // namespace vcl
