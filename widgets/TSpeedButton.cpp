#include "widgets/TSpeedButton.h"

#include <windowsx.h>

#include <algorithm>

#include "widgets/TBitBtn.h"
#include "widgets/TWinControl.h"

namespace vcl {

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetStoredBounds(0, 0, 23, 22);
  FGlyph.OnChange = [this] { Invalidate(); };
  FClickEvents = false;  // clicks are decided here (press and release inside)
}

void TSpeedButton::SetNumGlyphs(int n) {
  FNumGlyphs = std::clamp(n, 1, 4);
  Invalidate();
}
void TSpeedButton::SetFlat(bool value) {
  FFlat = value;
  Invalidate();
}
void TSpeedButton::SetLayout(TButtonLayout layout) {
  FLayout = layout;
  Invalidate();
}
void TSpeedButton::SetMargin(int margin) {
  FMargin = margin;
  Invalidate();
}
void TSpeedButton::SetSpacing(int spacing) {
  FSpacing = spacing;
  Invalidate();
}

void TSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FDown) return;
  if (FDown && !value && !FAllowAllUp) return;
  FDown = value;
  FState = value ? bsExclusive : bsUp;
  Invalidate();
  if (value) UpdateExclusive();
}

// Other buttons of the same group on the same parent come up.
void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
      other->FDown = false;
      other->FState = bsUp;
      other->Invalidate();
    }
  }
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        if (!FDown) {
          FState = bsDown;
          Invalidate();
        }
        FDragging = true;
        if (m.Msg == WM_LBUTTONDBLCLK) DblClick();
      }
      break;
    case WM_MOUSEMOVE:
      if (FDragging) {
        const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        const bool inside = p.x >= 0 && p.x < Width() && p.y >= 0 && p.y < Height();
        const TButtonState next = inside ? bsDown : (FDown ? bsExclusive : bsUp);
        if (!FDown && next != FState) {
          FState = next;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP:
      if (FDragging) {
        FDragging = false;
        const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        const bool inside = p.x >= 0 && p.x < Width() && p.y >= 0 && p.y < Height();
        if (FGroupIndex == 0) {
          FState = bsUp;
        } else if (inside) {
          SetDown(!FDown);
          FState = FDown ? bsExclusive : bsUp;
        } else {
          FState = FDown ? bsExclusive : bsUp;
        }
        Invalidate();
        if (inside) Click();
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (FFlat) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint() {
  TCanvas& c = Canvas();
  HDC dc = c.Handle();
  RECT r{0, 0, Width(), Height()};
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (FFlat && !pressed && !MouseInControl()) {
    c.Brush().SetColor(Color());
    c.FillRect(r);
  } else {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (FFlat ? DFCS_FLAT : 0));
  }
  const std::string text = Caption();
  SIZE ts{0, 0};
  if (!text.empty()) {
    RECT m{0, 0, 0, 0};
    c.DrawText(text, m, DT_CALCRECT | DT_SINGLELINE);
    ts = {m.right, m.bottom};
  }
  const int gw = FGlyph.Empty() ? 0 : FGlyph.Width() / FNumGlyphs;
  const int gh = FGlyph.Empty() ? 0 : FGlyph.Height();
  const auto parts = layout::PlaceGlyphAndText({1, 1, Width() - 1, Height() - 1}, {gw, gh}, {ts.cx, ts.cy}, FLayout,
                                               FMargin, FSpacing);
  const int shift = pressed ? 1 : 0;
  if (gw > 0) {
    int frame = 0;
    if (!Enabled() && FNumGlyphs > 1) frame = 1;
    else if (FState == bsDown && FNumGlyphs > 2) frame = 2;
    else if (FState == bsExclusive && FNumGlyphs > 3) frame = 3;
    DrawGlyphFrame(dc, FGlyph, FNumGlyphs, frame, parts.glyph.left + shift, parts.glyph.top + shift);
  }
  if (!text.empty()) {
    RECT tr{parts.text.left + shift, parts.text.top + shift, parts.text.right + shift, parts.text.bottom + shift};
    c.Brush().SetStyle(bsClear);
    if (!Enabled()) c.Font().SetColor(clGrayText);
    c.DrawText(text, tr, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

}  // namespace vcl
