// The built-in skin's images: the sizes and frame counts the skin's painters
// rely on, and the bitmap files they are written as.
#include <gtest/gtest.h>

#include <string>

#include "bmp_write.h"
#include "sedge_art.h"

namespace {

using sedge::SkinImage;

const std::vector<SkinImage>& Images() {
  static const std::vector<SkinImage> images = sedge::DrawSedge();
  return images;
}

const SkinImage& Image(const std::string& name) {
  for (const SkinImage& img : Images())
    if (img.name == name) return img;
  ADD_FAILURE() << name << " missing";
  return Images().front();
}

bool IsKey(const skinart::Rgba& p) { return p.r == 255 && p.g == 0 && p.b == 255; }

}  // namespace

TEST(Skingen, DrawsThe32ImagesInPackageOrder) {
  const char* order[] = {
      "sedge_body_top.bmp",     "sedge_body_bottom.bmp", "sedge_body_left.bmp",   "sedge_body_right.bmp",
      "sedge_menubar.bmp",      "sedge_dialog.bmp",      "sedge_buttons.bmp",     "sedge_checkbox.bmp",
      "sedge_radio.bmp",        "sedge_progress.bmp",    "sedge_groupboxe.bmp",   "sedge_tabborder.bmp",
      "sedge_tabs.bmp",         "sedge_status.bmp",      "sedge_combobutton.bmp", "sedge_sunkedge.bmp",
      "sedge_comboarrow.bmp",   "sedge_header.bmp",      "sedge_menuitem.bmp",    "sedge_menuback.bmp",
      "sedge_arrows.bmp",       "sedge_scroll_back_h.bmp", "sedge_scroll_back_v.bmp", "sedge_scroll_h.bmp",
      "sedge_scroll_v.bmp",     "sedge_mdicontrols.bmp", "sedge_groupbox.bmp",    "sedge_tools.bmp",
      "sedge_icon_close.bmp",   "sedge_icon_max2.bmp",   "sedge_icon_min.bmp",    "sedge_icon_max1.bmp"};
  ASSERT_EQ(Images().size(), 32u);
  for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(Images()[i].name, order[i]);
}

TEST(Skingen, SizesThePaintersExpect) {
  for (const char* name : {"sedge_icon_close.bmp", "sedge_icon_max1.bmp", "sedge_icon_max2.bmp", "sedge_icon_min.bmp"}) {
    EXPECT_EQ(Image(name).pixels.Width(), 144) << name;
    EXPECT_EQ(Image(name).pixels.Height(), 24) << name;  // 6 frames: wider than 3.8 : 1
  }
  for (const char* name : {"sedge_checkbox.bmp", "sedge_radio.bmp"}) {
    EXPECT_EQ(Image(name).pixels.Width(), 56) << name;  // 56 / 13 = 4 frames
    EXPECT_EQ(Image(name).pixels.Height(), 14) << name;
  }
  EXPECT_EQ(Image("sedge_arrows.bmp").frames, 23);
  EXPECT_EQ(Image("sedge_arrows.bmp").FrameHeight(), 16);
  EXPECT_EQ(Image("sedge_mdicontrols.bmp").pixels.Width() % 12, 0);
  EXPECT_EQ(Image("sedge_body_top.bmp").FrameHeight(), sedge::kTitleHeight);
  EXPECT_EQ(Image("sedge_body_top.bmp").right, sedge::kTopRightBand);
  EXPECT_EQ(Image("sedge_body_left.bmp").FrameWidth(), sedge::kSideWidth);
  EXPECT_EQ(Image("sedge_body_left.bmp").top, sedge::kSideTopBand);
  EXPECT_EQ(Image("sedge_menuitem.bmp").pixels.Height(), 17);
  EXPECT_EQ(Image("sedge_buttons.bmp").frames, 5);
}

TEST(Skingen, SidesRoundTheWindowCornersWithTheKey) {
  for (const char* name : {"sedge_body_left.bmp", "sedge_body_right.bmp"}) {
    const SkinImage& img = Image(name);
    const bool right = std::string(name).find("right") != std::string::npos;
    for (int k = 0; k < img.frames; ++k) {
      const int outer = right ? (k + 1) * img.FrameWidth() - 1 : k * img.FrameWidth();
      const int inner = right ? k * img.FrameWidth() : (k + 1) * img.FrameWidth() - 1;
      const int bottom = img.FrameHeight() - 1;
      EXPECT_TRUE(IsKey(img.pixels.At(outer, 0))) << name;
      EXPECT_TRUE(IsKey(img.pixels.At(outer, bottom))) << name;
      EXPECT_FALSE(IsKey(img.pixels.At(inner, 0))) << name;
      EXPECT_FALSE(IsKey(img.pixels.At(outer, img.FrameHeight() / 2))) << name;
    }
  }
}

TEST(BmpWrite, WritesA24BitBottomUpFileWithPaddedRows) {
  vex::art::Raster r(3, 2);
  r.At(0, 0) = {1, 2, 3, 255};
  r.At(2, 1) = {4, 5, 6, 255};
  const std::vector<std::uint8_t> bmp = skinart::EncodeBmp24(r);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(bmp[2], 54 + 24);
  EXPECT_EQ(bmp[10], 54);
  EXPECT_EQ(bmp[14], 40);
  EXPECT_EQ(bmp[18], 3);
  EXPECT_EQ(bmp[22], 2);
  EXPECT_EQ(bmp[28], 24);
  // First stored row is the bottom one: pixel (2, 1) at its end, as B, G, R.
  EXPECT_EQ(bmp[54 + 6], 6);
  EXPECT_EQ(bmp[54 + 7], 5);
  EXPECT_EQ(bmp[54 + 8], 4);
  EXPECT_EQ(bmp[54 + 12], 3);  // then the top row, pixel (0, 0)
  EXPECT_EQ(bmp[54 + 14], 1);
}
