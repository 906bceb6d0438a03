#include "skins.h"

#include "heron_art.h"
#include "sedge_art.h"

namespace skinart {

const std::vector<SkinArt>& Skins() {
  static const std::vector<SkinArt> skins = {
      {"sedge", &sedge::DrawSedge, &sedge::RenderSamples},
      {"heron", &heron::DrawHeron, &heron::RenderSamples},
  };
  return skins;
}

const SkinArt* FindSkin(const std::string& name) {
  for (const SkinArt& skin : Skins())
    if (name == skin.name) return &skin;
  return nullptr;
}

}  // namespace skinart
