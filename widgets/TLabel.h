#pragma once
// Windowless text. With AutoSize on (the default) the label takes the size
// of its text.
#include "widgets/TGraphicControl.h"
#include "widgets/TPanel.h"

namespace vcl {

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* AOwner);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout layout);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  UINT TextFormat() const;
  void AdjustBounds();

  bool FAutoSize = true;
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FTransparent = false;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

}  // namespace vcl
