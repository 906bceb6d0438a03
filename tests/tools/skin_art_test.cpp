// What every skin skingen draws owes its description: each image the
// description names is drawn, cut into the frames and margins the
// description gives it and the painters expect, and the colour key appears
// only where the description draws keyed.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "skin/data/SkinDescription.h"
#include "skins.h"

namespace {

using skinart::SkinImage;
using vex::skin::FrameLayout;
using vex::skin::SkinDescription;
using vex::skin::SkinObjectDesc;

bool IsKey(const skinart::Rgba& p) { return p.r == 255 && p.g == 0 && p.b == 255; }

int KeyPixels(const SkinImage& img) {
  int n = 0;
  for (int y = 0; y < img.pixels.Height(); ++y)
    for (int x = 0; x < img.pixels.Width(); ++x) n += IsKey(img.pixels.At(x, y));
  return n;
}

struct DrawnSkin {
  std::string name;
  std::vector<SkinImage> images;
  std::map<std::string, const SkinImage*> byMember;  // lower-case member name
  SkinDescription description;

  const SkinImage* Image(const std::string& value) const {
    const auto it = byMember.find(vex::skin::SkinImageMemberName(value));
    return it == byMember.end() ? nullptr : it->second;
  }
};

DrawnSkin Draw(const skinart::SkinArt& art) {
  DrawnSkin skin{art.name, art.draw(), {}, {}};
  for (const SkinImage& img : skin.images) skin.byMember[img.name] = &img;
  const std::string path = std::string(VEXILO_SOURCE_DIR) + "/skin/" + art.name + "/" + art.name + ".ini";
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  skin.description = vex::skin::ReadSkinDescription(
      vex::skin::TProfileText(text), [&](const std::string& value) -> std::optional<vex::skin::ImageSize> {
        if (const SkinImage* img = skin.Image(value)) return vex::skin::ImageSize{img->pixels.Width(), img->pixels.Height()};
        return std::nullopt;
      });
  return skin;
}

class SkinArt : public ::testing::TestWithParam<std::string> {
 protected:
  static const DrawnSkin& Skin(const std::string& name) {
    static std::map<std::string, DrawnSkin> drawn;
    auto it = drawn.find(name);
    if (it == drawn.end()) it = drawn.emplace(name, Draw(*skinart::FindSkin(name))).first;
    return it->second;
  }
  const DrawnSkin& Skin() const { return Skin(GetParam()); }
};

TEST_P(SkinArt, ImagesHaveNamesOfTheSkinAndFramesThatDivideThem) {
  std::set<std::string> names;
  for (const SkinImage& img : Skin().images) {
    SCOPED_TRACE(img.name);
    EXPECT_EQ(img.name.rfind(Skin().name + "_", 0), 0u);
    EXPECT_EQ(img.name.substr(img.name.size() - 4), ".bmp");
    EXPECT_TRUE(names.insert(img.name).second) << "drawn twice";
    EXPECT_EQ((img.stacked ? img.pixels.Height() : img.pixels.Width()) % img.frames, 0);
    EXPECT_LE(img.left + img.right, img.FrameWidth());
    EXPECT_LE(img.top + img.bottom, img.FrameHeight());
  }
}

TEST_P(SkinArt, DescriptionGivesEachImageTheFramesAndMarginsItIsDrawnWith) {
  const SkinDescription& d = Skin().description;
  int checked = 0;
  for (const SkinObjectDesc* o : d.Objects()) {
    if (o->Image.empty()) continue;  // the icon button, the MDI buttons
    SCOPED_TRACE(o->Name + " " + o->Image);
    const SkinImage* img = Skin().Image(o->Image);
    ASSERT_NE(img, nullptr) << "named but not drawn";
    ++checked;
    EXPECT_EQ(o->FrameCount, img->frames);
    if (img->frames > 1) {
      EXPECT_EQ(o->Layout == FrameLayout::kStacked, img->stacked);
    }
    if (o == &d.Title) {
      // The title's margins are text offsets; its strip's caps are these.
      EXPECT_EQ(d.Title.TXTBackleft, img->left);
      EXPECT_EQ(d.Title.TXTBackRight, img->right);
      continue;
    }
    EXPECT_EQ(o->LeftWidth, img->left);
    EXPECT_EQ(o->RightWidth, img->right);
    // The menu bar's strip has no top and bottom bands.
    if (!d.MenuBar || o != &*d.MenuBar) {
      EXPECT_EQ(o->TopHeight, img->top);
      EXPECT_EQ(o->BottomHeight, img->bottom);
    }
  }
  EXPECT_GE(checked, 20);
  // Images the objects carry besides their own.
  for (const std::string* value : {&d.Buttons.CheckImage, &d.Buttons.RadioImage}) {
    const SkinImage* img = Skin().Image(*value);
    ASSERT_NE(img, nullptr) << *value;
    EXPECT_EQ(img->frames, 4) << *value;
  }
  ASSERT_TRUE(d.Tabs);
  EXPECT_NE(Skin().Image(d.Tabs->BorderImage), nullptr);
  const SkinImage* mdi = Skin().Image(d.MdiImage);
  ASSERT_NE(mdi, nullptr);
  EXPECT_EQ(mdi->frames, 12);
}

TEST_P(SkinArt, KeyOnlyWhereTheDescriptionDrawsKeyed) {
  const SkinDescription& d = Skin().description;
  // Drawn opaque: a key pixel there would show as magenta.
  std::vector<const SkinObjectDesc*> opaque = {&d.Top};
  for (const auto* o : {&d.Left, &d.Right, &d.Bottom})
    if (!o->Trans) opaque.push_back(o);
  for (const auto* o : {&d.MenuBar, &d.Progress, &d.SunkEdge, &d.MenuBackground, &d.HorzScroll, &d.VertScroll,
                        &d.HorzScrollThumb, &d.VertScrollThumb, &d.StatusBarEdges, &d.Headerbar})
    if (o->has_value() && !(*o)->Trans) opaque.push_back(&**o);
  if (d.Tabs && !d.Tabs->Trans) opaque.push_back(&*d.Tabs);
  std::vector<std::string> values;
  for (const SkinObjectDesc* o : opaque) values.push_back(o->Image);
  if (d.Tabs && !d.Tabs->Trans) values.push_back(d.Tabs->BorderImage);
  for (const std::string& value : values) {
    const SkinImage* img = Skin().Image(value);
    ASSERT_NE(img, nullptr) << value;
    EXPECT_EQ(KeyPixels(*img), 0) << img->name;
  }
  // No colour that a tolerance of 1 would also cut, other than the key itself.
  for (const SkinImage& img : Skin().images)
    for (int y = 0; y < img.pixels.Height(); ++y)
      for (int x = 0; x < img.pixels.Width(); ++x) {
        const skinart::Rgba& p = img.pixels.At(x, y);
        const bool near = p.r >= 254 && p.g <= 1 && p.b >= 254;
        ASSERT_TRUE(!near || IsKey(p)) << img.name << " " << x << "," << y;
      }
}

TEST_P(SkinArt, EveryDrawnImageIsNamedByTheDescription) {
  const SkinDescription& d = Skin().description;
  std::set<std::string> named;
  auto add = [&](const std::string& value) { named.insert(vex::skin::SkinImageMemberName(value)); };
  for (const SkinObjectDesc* o : d.Objects()) add(o->Image);
  for (const std::string* v : {&d.Buttons.CheckImage, &d.Buttons.RadioImage, &d.MdiImage}) add(*v);
  if (d.Tabs) add(d.Tabs->BorderImage);
  // sedge also ships images nothing reads (its dialog, group box and spare
  // pictures); every image of another skin is used.
  if (Skin().name == "sedge") return;
  for (const SkinImage& img : Skin().images) EXPECT_TRUE(named.count(img.name)) << img.name;
}

TEST_P(SkinArt, StatesOfAStateImageDiffer) {
  const std::map<std::string, std::vector<std::string>> stateImages = {
      {"sedge", {"buttons", "checkbox", "radio", "icon_close", "icon_min", "combobutton", "tabs", "scroll_h"}},
      {"heron", {"buttons", "checkbox", "radio", "close", "max", "restore", "min", "app", "combobutton", "tabs",
                 "scroll_h", "scroll_v", "sunkedge", "mdicontrols", "body_top", "body_left", "textback"}}};
  for (const std::string& name : stateImages.at(Skin().name)) {
    const SkinImage* img = Skin().Image(Skin().name + "_" + name + ".bmp");
    ASSERT_NE(img, nullptr) << name;
    std::set<std::string> seen;
    for (int k = 0; k < img->frames; ++k) {
      std::string bytes;
      for (int y = 0; y < img->FrameHeight(); ++y)
        for (int x = 0; x < img->FrameWidth(); ++x) {
          const skinart::Rgba& p = img->stacked ? img->pixels.At(x, k * img->FrameHeight() + y)
                                                : img->pixels.At(k * img->FrameWidth() + x, y);
          bytes += {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b)};
        }
      EXPECT_TRUE(seen.insert(bytes).second) << img->name << " frame " << k + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinArt, ::testing::Values("sedge", "heron"));

}  // namespace
