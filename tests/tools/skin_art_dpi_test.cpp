// The built-in skins drawn for 150% and 200%: every image the description
// has the program scale is drawn, each frame exactly the size the engine
// gives that frame at the DPI (so the engine takes the drawing instead of
// resampling), the colour key exact, and drawn anew rather than enlarged.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "scaled_art.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/SkinScaling.h"
#include "skins.h"

namespace {

using skinart::SkinImage;
namespace scaling = vex::skin::scaling;

std::string Description(const std::string& skin) {
  const std::string path = std::string(VEXILO_SOURCE_DIR) + "/skin/" + skin + "/" + skin + ".ini";
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct Case {
  const char* skin;
  int dpi;
};

// A skin's images at 96 dpi and drawn for the case's scale, with the
// description read against the 96-dpi images, as the engine reads it.
struct Drawn {
  explicit Drawn(const Case& c)
      : art(*skinart::FindSkin(c.skin)), text(Description(c.skin)), images(art.draw()),
        scaled(skinart::DrawForScale(art, text, c.dpi)) {
    for (const SkinImage& img : images) plain[img.name] = &img;
    d = vex::skin::ReadSkinDescription(
        vex::skin::TProfileText(text), [&](const std::string& value) -> std::optional<vex::skin::ImageSize> {
          const auto it = plain.find(vex::skin::SkinImageMemberName(value));
          if (it == plain.end()) return std::nullopt;
          return vex::skin::ImageSize{it->second->pixels.Width(), it->second->pixels.Height()};
        });
  }
  const SkinImage* At(const std::string& name) const {
    for (const SkinImage& i : scaled.images)
      if (i.name == name) return &i;
    return nullptr;
  }
  const skinart::SkinArt& art;
  std::string text;
  std::vector<SkinImage> images;
  skinart::ScaledArt scaled;
  std::map<std::string, const SkinImage*> plain;
  vex::skin::SkinDescription d;
};

class ScaledSkinArt : public ::testing::TestWithParam<Case> {};

// Every scaled member, its frames as the engine's scaled copy cuts them.
TEST_P(ScaledSkinArt, EveryScaledImageHasTheFrameSizeTheEngineExpects) {
  const Case c = GetParam();
  const Drawn drawn(c);
  ASSERT_EQ(drawn.scaled.error, "");
  const std::vector<vex::skin::FramedImage> wanted = vex::skin::ScaledImages(drawn.d);
  ASSERT_GE(wanted.size(), 20u);
  ASSERT_EQ(drawn.scaled.images.size(), wanted.size()) << "a scaled image is missing";

  // Margins: the drawing's band edges where the engine cuts the scaled
  // margins (the title's margins are text offsets, not bands).
  for (const vex::skin::SkinObjectDesc* o : drawn.d.Objects()) {
    const std::string member = vex::skin::SkinImageMemberName(o->Image);
    const SkinImage* at = drawn.At(member);
    if (o == &drawn.d.Title || !at) continue;
    SCOPED_TRACE(o->Name + " " + member);
    const int fw = drawn.plain.at(member)->FrameWidth(), fh = drawn.plain.at(member)->FrameHeight();
    EXPECT_EQ(at->pixels.X(o->LeftWidth), scaling::AtDpi(o->LeftWidth, c.dpi));
    EXPECT_EQ(at->pixels.X(fw - o->RightWidth), scaling::AtDpi(fw, c.dpi) - scaling::AtDpi(o->RightWidth, c.dpi));
    EXPECT_EQ(at->pixels.Y(o->TopHeight), scaling::AtDpi(o->TopHeight, c.dpi));
    EXPECT_EQ(at->pixels.Y(fh - o->BottomHeight), scaling::AtDpi(fh, c.dpi) - scaling::AtDpi(o->BottomHeight, c.dpi));
  }

  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const vex::skin::FramedImage& w = wanted[i];
    SCOPED_TRACE(w.member);
    const SkinImage& at = drawn.scaled.images[i];
    ASSERT_EQ(at.name, w.member);
    const SkinImage& base = *drawn.plain.at(w.member);
    // The engine: cell = plain size / frames along the cut, each cell
    // scaled with MulDiv, the cells laid side by side (or stacked).
    const int cols = w.stacked ? 1 : w.frames, rows = w.stacked ? w.frames : 1;
    const int wantW = scaling::AtDpi(base.pixels.Width() / cols, c.dpi) * cols;
    const int wantH = scaling::AtDpi(base.pixels.Height() / rows, c.dpi) * rows;
    EXPECT_EQ(at.pixels.Pixels().Width(), wantW);
    EXPECT_EQ(at.pixels.Pixels().Height(), wantH);
    // A frame boundary of the drawing lies where the engine cuts.
    for (int k = 1; k < w.frames; ++k)
      EXPECT_EQ(w.stacked ? at.pixels.Y(k * base.FrameHeight()) : at.pixels.X(k * base.FrameWidth()),
                k * (w.stacked ? wantH / rows : wantW / cols));
  }
}

// Key pixels are exactly the key; no blend of ink and key (a pink fringe
// the engine would draw) anywhere.  At 200% the rounded keys, rims and discs
// are drawn anew, not blown up: the 96-dpi picture enlarged would be made of
// 2 x 2 blocks.
TEST_P(ScaledSkinArt, TheColourKeyStaysExactAndRoundedImagesAreDrawnAnew) {
  const Case c = GetParam();
  const Drawn drawn(c);
  const auto same = [](skinart::Rgba a, skinart::Rgba b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
  const std::map<std::string, std::vector<std::string>> rounded = {
      {"sedge", {"sedge_icon_close.bmp", "sedge_radio.bmp", "sedge_buttons.bmp", "sedge_tabs.bmp",
                 "sedge_scroll_h.bmp", "sedge_tools.bmp"}},
      {"heron", {"heron_close.bmp", "heron_radio.bmp", "heron_buttons.bmp", "heron_app.bmp", "heron_tabs.bmp",
                 "heron_scroll_v.bmp"}}};
  for (const SkinImage& img : drawn.scaled.images) {
    const skinart::Raster& r = img.pixels.Pixels();
    int fringe = 0, split = 0;
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) {
        const skinart::Rgba p = r.At(x, y);
        if (!skinart::IsKeyColour(p)) fringe += p.r >= 200 && p.b >= 200 && p.g <= 80;
        if (x % 2 == 0 && y % 2 == 0 && x + 1 < r.Width() && y + 1 < r.Height())
          split += !(same(p, r.At(x + 1, y)) && same(p, r.At(x, y + 1)) && same(p, r.At(x + 1, y + 1)));
      }
    EXPECT_EQ(fringe, 0) << img.name;
    const auto& names = rounded.at(c.skin);
    if (c.dpi == 192 && std::find(names.begin(), names.end(), img.name) != names.end()) {
      EXPECT_GT(split, 0) << img.name << " is the 96-dpi picture enlarged";
    }
  }
  if (c.dpi == 192) {
    for (const std::string& name : rounded.at(c.skin)) EXPECT_NE(drawn.At(name), nullptr) << name;
  }
}

// The design at 96 dpi is untouched by the larger scales' drawing.
TEST_P(ScaledSkinArt, DrawingAtAScaleLeavesTheDesignAt96) {
  const Drawn drawn(GetParam());
  const std::vector<SkinImage> after = drawn.art.draw();
  ASSERT_EQ(drawn.images.size(), after.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].pixels.Dpi(), 96);
    EXPECT_EQ(after[i].pixels.Pixels().Width(), drawn.images[i].pixels.Width());
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, ScaledSkinArt,
                         ::testing::Values(Case{"sedge", 144}, Case{"sedge", 192}, Case{"heron", 144},
                                           Case{"heron", 192}),
                         [](const auto& p) { return std::string(p.param.skin) + std::to_string(p.param.dpi); });

// The canvas's mapping: cells scale as the engine scales a frame, and a
// coordinate keeps its distance from the nearer cell edge (margins).
TEST(SkinCanvas, MapsDesignCoordinatesWithinCells) {
  struct Row {
    int dpi, cell, v, want;
  } rows[] = {
      {96, 13, 27, 27},   {144, 13, 0, 0},   {144, 13, 13, 20}, {144, 13, 26, 40}, {144, 13, 1, 2},
      {144, 13, 12, 18},  {144, 13, 14, 22}, {144, 24, 23, 34}, {144, 24, 1, 2},   {192, 13, 27, 54},
      {144, 160, 15, 23}, {144, 160, 5, 8},  {120, 24, 23, 29}, {144, 13, -1, -2},
  };
  for (const Row& r : rows) {
    const skinart::Canvas canvas(r.cell * 3, r.cell, r.cell, r.cell, r.dpi);
    EXPECT_EQ(canvas.X(r.v), r.want) << r.dpi << " dpi, cell " << r.cell << ", x " << r.v;
  }
  // A right margin wider than half the cell still ends where the engine
  // cuts it: 240 - AtDpi(145) = 22, not AtDpi(15) = 23.
  skinart::Canvas top(160, 28, 160, 28, 144);
  top.SetMargins(5, 0, 145, 0);
  EXPECT_EQ(top.X(15), 22);
  EXPECT_EQ(top.X(5), 8);
  EXPECT_EQ(top.X(160), 240);
}

}  // namespace
