#include "widgets/TImage.h"

namespace vcl {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetStoredBounds(0, 0, 105, 105);
  SetParentColor(true);
  FPicture.OnChange = [this] { Invalidate(); };
}

void TImage::SetTransparent(bool value) {
  FTransparent = value;
  if (auto* g = FPicture.Graphic(); g && dynamic_cast<TBitmap*>(g)) g->SetTransparent(value);
  Invalidate();
}
void TImage::SetStretch(bool value) {
  FStretch = value;
  Invalidate();
}
void TImage::SetCenter(bool value) {
  FCenter = value;
  Invalidate();
}

void TImage::Paint() {
  TCanvas& c = Canvas();
  if (!FTransparent) {
    c.Brush().SetColor(Color());
    RECT all{0, 0, Width(), Height()};
    c.FillRect(all);
  }
  TGraphic* g = FPicture.Graphic();
  if (!g || g->Empty()) return;
  if (auto* bmp = dynamic_cast<TBitmap*>(g)) bmp->SetTransparent(FTransparent);
  RECT r{0, 0, g->Width(), g->Height()};
  if (FStretch) {
    r = {0, 0, Width(), Height()};
  } else if (FCenter) {
    OffsetRect(&r, (Width() - g->Width()) / 2, (Height() - g->Height()) / 2);
  }
  c.StretchDraw(r, *g);
}

}  // namespace vcl
