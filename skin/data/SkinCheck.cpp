#include "skin/data/SkinCheck.h"

#include <map>
#include <set>

#include "skin/data/BmpInfo.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TProfileText.h"

namespace vex::skin {
namespace {

struct Image {
  std::string member;
  std::optional<BmpInfo> info;
};

class Checker {
 public:
  explicit Checker(const TSkinReader& reader) : reader_(reader) {}

  std::vector<std::string> Run() {
    std::vector<std::uint8_t> text;
    std::string name;
    if (!reader_.ExtractFirstMatch(".ini", text, name)) {
      problems_.push_back("no description: no member name contains \".ini\"");
      return problems_;
    }
    const TProfileText ini(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    const SkinDescription d = ReadSkinDescription(ini, [this](const std::string& value) -> std::optional<ImageSize> {
      const Image& image = Load("", value);
      if (!image.info) return std::nullopt;
      return ImageSize{image.info->width, image.info->height};
    });
    for (const SkinObjectDesc* o : d.Objects()) CheckObject(*o, d);
    CheckFrames("Buttons (CheckButton)", d.Buttons.CheckImage, d.Buttons.CheckButtonFrame, FrameLayout::kSideBySide);
    CheckFrames("Buttons (RadioButton)", d.Buttons.RadioImage, d.Buttons.RadioButtonFrame, FrameLayout::kSideBySide);
    if (d.Tabs) CheckFrames("Tabs (Border)", d.Tabs->BorderImage, 1, FrameLayout::kSideBySide);
    if (const Image& mdi = Load("MdiControls", d.MdiImage); mdi.info && mdi.info->width % kMdiFrames != 0)
      problems_.push_back("MdiControls: image " + mdi.member + " is " + std::to_string(mdi.info->width) +
                          " pixels wide, not a multiple of 12 (3 buttons of 4 frames)");
    else if (mdi.info)
      CheckDrawnImages("MdiControls", mdi.member, {mdi.info->width / kMdiFrames, mdi.info->height}, kMdiFrames, false);
    CheckStrayDrawnImages();
    return problems_;
  }

 private:
  // Loads (once) the image a value names; reports problems for `owner` the
  // first time.  An empty value is no image and no problem.
  const Image& Load(const std::string& owner, const std::string& value) {
    auto it = images_.find(value);
    if (it == images_.end()) {
      Image image;
      std::string why;
      image.member = SkinImageMemberName(value);
      std::vector<std::uint8_t> bytes;
      if (value.empty()) {
      } else if (image.member.empty()) {
        why = "value \"" + value + "\" does not name a .bmp file";
      } else if (!reader_.ExtractMember(image.member, bytes)) {
        why = "image " + image.member + " is not in the package";
      } else if (!(image.info = ReadBmpInfo(bytes, &why))) {
        why = "image " + image.member + ": " + why;
      } else if (image.info->bitsPerPixel != 24) {
        why = "image " + image.member + " has " + std::to_string(image.info->bitsPerPixel) + " bits per pixel, not 24";
      }
      it = images_.emplace(value, std::move(image)).first;
      problem_[value] = why;
    }
    if (!owner.empty() && !problem_[value].empty() && reported_.insert({owner, value}).second)
      problems_.push_back(owner + ": " + problem_[value]);
    return it->second;
  }

  // Returns the frame size, or nullopt when the image is absent or unusable.
  std::optional<ImageSize> CheckFrames(const std::string& owner, const std::string& value, std::int32_t count,
                                       FrameLayout layout) {
    const Image& image = Load(owner, value);
    if (!image.info) return std::nullopt;
    if (count <= 0) {
      problems_.push_back(owner + ": frame count " + std::to_string(count) + " is not positive");
      return std::nullopt;
    }
    const bool stacked = layout == FrameLayout::kStacked;
    const std::int32_t extent = stacked ? image.info->height : image.info->width;
    if (extent % count != 0)
      problems_.push_back(owner + ": image " + image.member + " is " + std::to_string(extent) + " pixels " +
                          (stacked ? "high" : "wide") + ", not divisible by its " + std::to_string(count) + " frames");
    ImageSize frame{image.info->width, image.info->height};
    (stacked ? frame.height : frame.width) = extent / count;
    CheckDrawnImages(owner, image.member, frame, count, stacked);
    return frame;
  }

  // Pictures drawn for 150% and 200% ("name@150.bmp") hold the same frames,
  // each the size the scaled margins expect; otherwise Vexilo scales the
  // plain picture instead, and the author should hear why.
  void CheckDrawnImages(const std::string& owner, const std::string& member, ImageSize frame, std::int32_t count,
                        bool stacked) {
    for (const scaling::DrawnScale& scale : scaling::kDrawnScales) {
      const std::string drawn = scaling::DrawnMemberName(member, scale.percent);
      std::vector<std::uint8_t> bytes;
      if (drawn.empty() || !reader_.ExtractMember(drawn, bytes)) continue;
      usedDrawn_.insert(Lower(drawn));
      std::string why;
      const std::optional<BmpInfo> info = ReadBmpInfo(bytes, &why);
      if (!info) {
        problems_.push_back(owner + ": image " + drawn + ": " + why);
        continue;
      }
      if (info->bitsPerPixel != 24) {
        problems_.push_back(owner + ": image " + drawn + " has " + std::to_string(info->bitsPerPixel) +
                            " bits per pixel, not 24");
        continue;
      }
      const std::int64_t fw = scaling::AtDpi(frame.width, scale.dpi), fh = scaling::AtDpi(frame.height, scale.dpi);
      const std::int64_t w = stacked ? fw : fw * count, h = stacked ? fh * count : fh;
      if (info->width != w || info->height != h)
        problems_.push_back(owner + ": image " + drawn + " is " + std::to_string(info->width) + " x " +
                            std::to_string(info->height) + ", not " + std::to_string(w) + " x " + std::to_string(h) +
                            " (" + member + " at " + std::to_string(scale.percent) + "%); it is scaled instead");
    }
  }

  // A picture drawn for a scale whose plain picture no section uses.
  void CheckStrayDrawnImages() {
    for (const std::string& name : reader_.Names()) {
      if (!scaling::DrawnDpiOf(name) || usedDrawn_.count(Lower(name))) continue;
      problems_.push_back("image " + name + " is drawn for a scale, but no section uses the image it stands in for");
    }
  }

  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
  }

  void CheckObject(const SkinObjectDesc& o, const SkinDescription& d) {
    for (const SysButtonDesc& b : d.SysButtons) {
      if (&b == &o && b.MdiIndex >= 0) return;  // cut from MdiImage, checked as a whole
    }
    const std::string& owner = o.Name;
    const auto frame = CheckFrames(owner, o.Image, o.FrameCount, o.Layout);
    // The title's "margins" are text offsets, not bands of its image.
    if (!frame || &o == &d.Title) return;
    if (o.LeftWidth + static_cast<std::int64_t>(o.RightWidth) > frame->width)
      problems_.push_back(owner + ": frames are " + std::to_string(frame->width) + " pixels wide, less than the margins " +
                          std::to_string(o.LeftWidth) + " + " + std::to_string(o.RightWidth));
    if (o.TopHeight + static_cast<std::int64_t>(o.BottomHeight) > frame->height)
      problems_.push_back(owner + ": frames are " + std::to_string(frame->height) + " pixels high, less than the margins " +
                          std::to_string(o.TopHeight) + " + " + std::to_string(o.BottomHeight));
  }

  const TSkinReader& reader_;
  std::map<std::string, Image> images_;
  std::map<std::string, std::string> problem_;
  std::set<std::pair<std::string, std::string>> reported_;
  std::vector<std::string> problems_;
  std::set<std::string> usedDrawn_;
};

}  // namespace

std::vector<std::string> CheckSkin(const TSkinReader& reader) { return Checker(reader).Run(); }

}  // namespace vex::skin
