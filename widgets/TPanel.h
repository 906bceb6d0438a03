#pragma once
// Container with bevels and a centred caption ("TPanel", a class of its own,
// painted by the framework).
#include "widgets/TWinControl.h"

namespace vcl {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* AOwner);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut bevel);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut bevel);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int width);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int width);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  // Inside the bevels: where aligned children go.
  RECT AlignRect() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TAlignment FAlignment = taCenter;
};

// Draws `width` pixels of a raised or lowered frame and shrinks `rect` by it.
void Frame3D(HDC dc, RECT& rect, TColor topLeft, TColor bottomRight, int width);

}  // namespace vcl
