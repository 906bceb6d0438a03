#pragma once
// The skins skingen draws, by name: each one's images in package order and
// the sample windows of its preview sheet.
#include <string>
#include <vector>

#include "art_kit.h"

namespace skinart {

struct SkinArt {
  const char* name;
  std::vector<SkinImage> (*draw)();
  Raster (*samples)(const std::vector<SkinImage>& images);
};

const std::vector<SkinArt>& Skins();
// The skin of that name, or null.
const SkinArt* FindSkin(const std::string& name);

}  // namespace skinart
