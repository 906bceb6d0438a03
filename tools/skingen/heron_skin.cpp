#include "heron_art.h"

namespace heron {

std::vector<SkinImage> DrawHeron() {
  std::vector<SkinImage> images;
  images.push_back(DrawBodyTop());
  images.push_back(DrawBodyBottom());
  images.push_back(DrawBodySide(false));
  images.push_back(DrawBodySide(true));
  images.push_back(DrawTextBack());
  images.push_back(DrawMenuBar());
  images.push_back(DrawButtons());
  images.push_back(DrawCheckBox());
  images.push_back(DrawRadio());
  images.push_back(DrawProgress());
  images.push_back(DrawGroupBoxEdge());
  images.push_back(DrawTabBorder());
  images.push_back(DrawTabs());
  images.push_back(DrawComboButton());
  images.push_back(DrawSunkEdge());
  images.push_back(DrawComboArrow());
  images.push_back(DrawMenuBack());
  images.push_back(DrawArrows());
  images.push_back(DrawScrollTrack(false));
  images.push_back(DrawScrollTrack(true));
  images.push_back(DrawScrollThumb(false));
  images.push_back(DrawScrollThumb(true));
  images.push_back(DrawMdiControls());
  images.push_back(DrawTools());
  images.push_back(DrawCaptionButton("heron_close.bmp", CaptionGlyph::kClose));
  images.push_back(DrawCaptionButton("heron_max.bmp", CaptionGlyph::kMaximise));
  images.push_back(DrawCaptionButton("heron_restore.bmp", CaptionGlyph::kRestore));
  images.push_back(DrawCaptionButton("heron_min.bmp", CaptionGlyph::kMinimise));
  images.push_back(DrawAppButton());
  return images;
}

}  // namespace heron
