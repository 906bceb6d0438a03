#include "widgets/TGroupBox.h"

namespace vcl {

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 185, 105);
  SetParentColor(true);
}

void TGroupBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = "BUTTON";
  p.Style |= BS_GROUPBOX;
  p.ExStyle |= WS_EX_CONTROLPARENT;
}

bool TGroupBox::EraseBackground(HDC dc) {
  RECT r{};
  GetClientRect(Handle(), &r);
  FillRect(dc, &r, BackgroundBrush());
  return true;
}

RECT TGroupBox::AlignRect() {
  RECT r = ClientRect();
  const int captionHeight = Font().Height() < 0 ? -Font().Height() : Font().Height();
  r.top += captionHeight + 2;
  InflateRect(&r, -2, -2);
  return r;
}

}  // namespace vcl
