#pragma once
// Windowless button: caption in its own font, a glyph strip of NumGlyphs
// frames (up, disabled, down, exclusive), Down state with GroupIndex, and
// Layout, Margin and Spacing for glyph and caption. It is pressed and clicked
// through the mouse messages its parent forwards.
#include "widgets/ButtonLayout.h"
#include "widgets/TBitmap.h"
#include "widgets/TGraphicControl.h"

namespace vcl {

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  TBitmap& Glyph() { return FGlyph; }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int n);
  bool Down() const { return FDown; }
  void SetDown(bool value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int index) { FGroupIndex = index; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value) { FAllowAllUp = value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return FMargin; }
  void SetMargin(int margin);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);
  // What the button shows now (pressed while the mouse is held on it).
  TButtonState State() const { return FState; }
  void Click() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void UpdateExclusive();

  TBitmap FGlyph;
  int FNumGlyphs = 1;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TButtonState FState = bsUp;
  bool FDragging = false;
};

}  // namespace vcl
