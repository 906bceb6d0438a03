#include "scaled_art.h"

#include <optional>

#include "skin/data/SkinDescription.h"
#include "skin/data/TProfileText.h"

namespace skinart {
namespace {

const SkinImage* Named(const std::vector<SkinImage>& images, const std::string& member) {
  for (const SkinImage& img : images)
    if (img.name == member) return &img;
  return nullptr;
}

}  // namespace

ScaledArt DrawForScale(const SkinArt& skin, std::string_view description, int dpi) {
  using namespace vex::skin;
  ScaledArt out;
  const std::vector<SkinImage> plain = skin.draw();
  const TProfileText ini(description);
  const SkinDescription d = ReadSkinDescription(ini, [&plain](const std::string& value) -> std::optional<ImageSize> {
    const SkinImage* img = Named(plain, SkinImageMemberName(value));
    if (!img) return std::nullopt;
    return ImageSize{img->pixels.Width(), img->pixels.Height()};
  });
  std::vector<SkinImage> scaled;
  {
    const DrawAt at(dpi);
    scaled = skin.draw();
  }
  for (const FramedImage& wanted : ScaledImages(d)) {
    const SkinImage* img = Named(scaled, wanted.member);
    if (!img) continue;  // not drawn here: the package fails its check on its own
    if (img->frames != wanted.frames || img->stacked != wanted.stacked) {
      out.error = wanted.member + " is drawn as " + std::to_string(img->frames) + (img->stacked ? " stacked" : "") +
                  " frames, but the description cuts it into " + std::to_string(wanted.frames) +
                  (wanted.stacked ? " stacked" : "");
      return out;
    }
    out.images.push_back(*img);
  }
  return out;
}

}  // namespace skinart
