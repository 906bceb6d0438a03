// The built-in skins drawn for 150% and 200%: every image the description
// has the program scale is drawn, each frame exactly the size the engine
// gives that frame at the DPI (so the engine takes the drawing instead of
// resampling), the colour key exact, and drawn anew rather than enlarged.
#include <gtest/gtest.h>

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

class ScaledSkinArt : public ::testing::TestWithParam<Case> {};

// Every scaled member, its frames as the engine's scaled copy cuts them.
TEST_P(ScaledSkinArt, EveryScaledImageHasTheFrameSizeTheEngineExpects) {
  const Case c = GetParam();
  const std::string text = Description(c.skin);
  const skinart::SkinArt* art = skinart::FindSkin(c.skin);
  ASSERT_NE(art, nullptr);
  const skinart::ScaledArt scaled = skinart::DrawForScale(*art, text, c.dpi);
  ASSERT_EQ(scaled.error, "");

  std::map<std::string, const SkinImage*> plain;
  const std::vector<SkinImage> images = art->draw();
  for (const SkinImage& img : images) plain[img.name] = &img;
  const vex::skin::SkinDescription d = vex::skin::ReadSkinDescription(
      vex::skin::TProfileText(text), [&](const std::string& value) -> std::optional<vex::skin::ImageSize> {
        const auto it = plain.find(vex::skin::SkinImageMemberName(value));
        if (it == plain.end()) return std::nullopt;
        return vex::skin::ImageSize{it->second->pixels.Width(), it->second->pixels.Height()};
      });
  const std::vector<vex::skin::FramedImage> wanted = vex::skin::ScaledImages(d);
  ASSERT_GE(wanted.size(), 20u);
  ASSERT_EQ(scaled.images.size(), wanted.size()) << "a scaled image is missing";

  // Margins: the drawing's band edges where the engine cuts the scaled
  // margins (the title's margins are text offsets, not bands).
  for (const vex::skin::SkinObjectDesc* o : d.Objects()) {
    if (o == &d.Title) continue;
    const std::string member = vex::skin::SkinImageMemberName(o->Image);
    for (const SkinImage& at : scaled.images) {
      if (at.name != member) continue;
      SCOPED_TRACE(o->Name + " " + member);
      const SkinImage& base = *plain.at(member);
      const int fw = base.FrameWidth(), fh = base.FrameHeight();
      EXPECT_EQ(at.pixels.X(o->LeftWidth), scaling::AtDpi(o->LeftWidth, c.dpi));
      EXPECT_EQ(at.pixels.X(fw - o->RightWidth), scaling::AtDpi(fw, c.dpi) - scaling::AtDpi(o->RightWidth, c.dpi));
      EXPECT_EQ(at.pixels.Y(o->TopHeight), scaling::AtDpi(o->TopHeight, c.dpi));
      EXPECT_EQ(at.pixels.Y(fh - o->BottomHeight), scaling::AtDpi(fh, c.dpi) - scaling::AtDpi(o->BottomHeight, c.dpi));
    }
  }

  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const vex::skin::FramedImage& w = wanted[i];
    SCOPED_TRACE(w.member);
    const SkinImage& at = scaled.images[i];
    ASSERT_EQ(at.name, w.member);
    const SkinImage& base = *plain.at(w.member);
    // The engine: cell = plain size / frames along the cut, each cell
    // scaled with MulDiv, the cells laid side by side (or stacked).
    const int cols = w.stacked ? 1 : w.frames, rows = w.stacked ? w.frames : 1;
    const int wantW = scaling::AtDpi(base.pixels.Width() / cols, c.dpi) * cols;
    const int wantH = scaling::AtDpi(base.pixels.Height() / rows, c.dpi) * rows;
    EXPECT_EQ(at.pixels.Pixels().Width(), wantW);
    EXPECT_EQ(at.pixels.Pixels().Height(), wantH);
    // A frame boundary of the drawing lies where the engine cuts.
    for (int k = 1; k < w.frames; ++k) {
      if (w.stacked)
        EXPECT_EQ(at.pixels.Y(k * base.FrameHeight()), k * wantH / rows);
      else
        EXPECT_EQ(at.pixels.X(k * base.FrameWidth()), k * wantW / cols);
    }
  }
}

// Key pixels are exactly the key; no blend of ink and key (a pink fringe
// the engine would draw) anywhere.
TEST_P(ScaledSkinArt, TheColourKeyStaysExact) {
  const Case c = GetParam();
  const skinart::ScaledArt scaled = skinart::DrawForScale(*skinart::FindSkin(c.skin), Description(c.skin), c.dpi);
  for (const SkinImage& img : scaled.images) {
    const skinart::Raster& r = img.pixels.Pixels();
    int fringe = 0;
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x) {
        const skinart::Rgba p = r.At(x, y);
        if (skinart::IsKeyColour(p)) continue;
        fringe += p.r >= 200 && p.b >= 200 && p.g <= 80;
      }
    EXPECT_EQ(fringe, 0) << img.name;
  }
}

// Drawn at the larger size, not blown up: at 200% a picture that were the
// 96-dpi one enlarged would be made of 2 x 2 blocks; rounded keys, rims and
// discs drawn anew have finer edges.
class RoundedAt200 : public ::testing::TestWithParam<Case> {};

TEST_P(RoundedAt200, RoundedImagesAreDrawnAnewNotEnlarged) {
  const Case c = GetParam();
  const skinart::ScaledArt scaled = skinart::DrawForScale(*skinart::FindSkin(c.skin), Description(c.skin), c.dpi);
  const std::string s = c.skin;
  const std::vector<std::string> rounded =
      s == "sedge" ? std::vector<std::string>{"sedge_icon_close.bmp", "sedge_radio.bmp", "sedge_buttons.bmp",
                                              "sedge_tabs.bmp", "sedge_scroll_h.bmp", "sedge_tools.bmp"}
                   : std::vector<std::string>{"heron_close.bmp", "heron_radio.bmp", "heron_buttons.bmp",
                                              "heron_app.bmp", "heron_tabs.bmp", "heron_scroll_v.bmp"};
  for (const std::string& name : rounded) {
    const SkinImage* img = nullptr;
    for (const SkinImage& i : scaled.images)
      if (i.name == name) img = &i;
    ASSERT_NE(img, nullptr) << name;
    const skinart::Raster& r = img->pixels.Pixels();
    const auto same = [](skinart::Rgba a, skinart::Rgba b) { return a.r == b.r && a.g == b.g && a.b == b.b; };
    int split = 0;
    for (int y = 0; y + 1 < r.Height(); y += 2)
      for (int x = 0; x + 1 < r.Width(); x += 2)
        split += !(same(r.At(x, y), r.At(x + 1, y)) && same(r.At(x, y), r.At(x, y + 1)) &&
                   same(r.At(x, y), r.At(x + 1, y + 1)));
    EXPECT_GT(split, 0) << name << " is the 96-dpi picture enlarged";
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, RoundedAt200, ::testing::Values(Case{"sedge", 192}, Case{"heron", 192}),
                         [](const auto& p) { return std::string(p.param.skin); });

// The design at 96 dpi is untouched by the larger scales' drawing.
TEST_P(ScaledSkinArt, DrawingAtAScaleLeavesTheDesignAt96) {
  const Case c = GetParam();
  const skinart::SkinArt& art = *skinart::FindSkin(c.skin);
  const std::vector<SkinImage> before = art.draw();
  skinart::DrawForScale(art, Description(c.skin), c.dpi);
  const std::vector<SkinImage> after = art.draw();
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(after[i].pixels.Dpi(), 96);
    EXPECT_EQ(after[i].pixels.Pixels().Width(), before[i].pixels.Width());
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
