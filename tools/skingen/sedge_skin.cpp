#include "sedge_art.h"

namespace sedge {

std::vector<SkinImage> DrawSedge() {
  std::vector<SkinImage> images;
  images.push_back(DrawBodyTop());
  images.push_back(DrawBodyBottom());
  images.push_back(DrawBodySide(false));
  images.push_back(DrawBodySide(true));
  images.push_back(DrawMenuBar());
  images.push_back(DrawDialog());
  images.push_back(DrawButtons());
  images.push_back(DrawCheckBox());
  images.push_back(DrawRadio());
  images.push_back(DrawProgress());
  images.push_back(DrawGroupBoxEdge());
  images.push_back(DrawTabBorder());
  images.push_back(DrawTabs());
  images.push_back(DrawStatus());
  images.push_back(DrawComboButton());
  images.push_back(DrawSunkEdge());
  images.push_back(DrawComboArrow());
  images.push_back(DrawHeader());
  images.push_back(DrawMenuItem());
  images.push_back(DrawMenuBack());
  images.push_back(DrawArrows());
  images.push_back(DrawScrollTrack(false));
  images.push_back(DrawScrollTrack(true));
  images.push_back(DrawScrollThumb(false));
  images.push_back(DrawScrollThumb(true));
  images.push_back(DrawMdiControls());
  images.push_back(DrawGroupBox());
  images.push_back(DrawTools());
  images.push_back(DrawCaptionButton("sedge_icon_close.bmp", kCloseGlyph, true));
  images.push_back(DrawCaptionButton("sedge_icon_max2.bmp", kRestoreGlyph, false));
  images.push_back(DrawCaptionButton("sedge_icon_min.bmp", kMinGlyph, false));
  images.push_back(DrawCaptionButton("sedge_icon_max1.bmp", kMaxGlyph, false));
  return images;
}

}  // namespace sedge
