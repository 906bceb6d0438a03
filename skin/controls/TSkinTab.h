#pragma once
// TSkinTab: a tab control.  Every message reaches the control; after it has
// painted, the skinner paints the strip of tabs from the skin's Tabs image
// (frame 1 a tab, frame 2 the selected one) and the border around the pages
// from its border image.  Tabs along the bottom use flipped copies of the
// images; tabs along the left or right are composed lying down and turned,
// with the border image turned the same way.  When the tabs do not fit, the
// strip is copied around the control's scroll arrows, which get a
// TSkinUpDown of their own.  The copies are made at attach and again when
// the skin changes; a control whose style moves its tabs to another side
// afterwards keeps the old copies until then.
#include <string>

#include "skin/controls/TSkinControl.h"
#include "skin/data/GdiScope.h"

namespace vex::skin {

class TSkinUpDown;

class TSkinTab : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinTab() override;
  void AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas) override;
  void Detach() override;
  void SkinChanged() override;
  void Draw(HDC dc, const RECT& rect) override;

  void ReadTabPosition();
  void PrepareImages();
  // Skins the control's scroll arrows once they exist; true while they show.
  bool FindTabUpDown();
  void DrawTab(HDC dc, const RECT& rect, int frame);
  void DrawTabCaption(HDC dc, const RECT& rect, const std::string& text, int imageIndex, HIMAGELIST images);
  // Copies the strip's picture to `strip`, leaving out the scroll arrows.
  void BlitStrip(HDC dc, const RECT& strip);
  TSkinUpDown* UpDown() const { return FUpDown; }

  int TabPosition = 0;  // controls::kTabsTop ... kTabsRight
  vcl::TBitmap TabImage, TabBorderImage;
  OwnedBitmap WorkBitmap;

 private:
  void ReleaseUpDown();
  TSkinUpDown* FUpDown = nullptr;
};

}  // namespace vex::skin
