#pragma once
// A skin's images drawn again for a larger scale, as the members a package
// carries for 144 and 192 dpi ("name@150.bmp", "name@200.bmp").  Only the
// images the description has the program scale are drawn, and each must be
// cut into the frames the description gives it: the engine cuts the scaled
// picture by the same count, so a disagreement would shift every frame.
#include <string>
#include <string_view>
#include <vector>

#include "art_kit.h"
#include "skins.h"

namespace skinart {

struct ScaledArt {
  std::vector<SkinImage> images;  // named as the 96-dpi images they stand in for
  std::string error;              // empty when every image agrees with the description
};

// The images of `skin` that `description` (the text of its .ini) has the
// program scale, drawn at `dpi`.
ScaledArt DrawForScale(const SkinArt& skin, std::string_view description, int dpi);

}  // namespace skinart
