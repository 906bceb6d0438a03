#pragma once
// Windowless picture (an icon or a bitmap), drawn at its own size, centred or
// stretched; a transparent image lets the parent show through.
#include "widgets/TGraphicControl.h"
#include "widgets/TPicture.h"

namespace vcl {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  TPicture& Picture() { return FPicture; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value);

 protected:
  void Paint() override;

 private:
  TPicture FPicture;
  bool FTransparent = false;
  bool FStretch = false;
  bool FCenter = false;
};

}  // namespace vcl
