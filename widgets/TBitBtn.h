#pragma once
// Button with a glyph ("TBitBtn" over "BUTTON", owner-drawn): the glyph strip
// holds NumGlyphs frames (up, disabled, down), placed with the caption by
// Layout, Margin and Spacing.
#include "widgets/ButtonLayout.h"
#include "widgets/TBitmap.h"
#include "widgets/TButton.h"

namespace vcl {

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* AOwner);
  TBitmap& Glyph() { return FGlyph; }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return FMargin; }
  void SetMargin(int margin);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);

  TBitmap FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};

// Draws frame `index` (0-based) of a strip of `count` equal glyphs at (x, y),
// with the strip's bottom-left pixel as the see-through colour.
void DrawGlyphFrame(HDC dc, TBitmap& strip, int count, int index, int x, int y);

}  // namespace vcl
