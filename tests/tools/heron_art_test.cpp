// The heron skin's own shapes: the bottom rail that the key lifts off the
// window's lower edge between the corner posts, the caption plate, and the
// caption buttons' frame counts as the skin derives them from their shape.
#include <gtest/gtest.h>

#include "heron_art.h"

namespace {

using heron::SkinImage;

const SkinImage& Image(const std::string& name) {
  static const std::vector<SkinImage> images = heron::DrawHeron();
  for (const SkinImage& img : images)
    if (img.name == name) return img;
  ADD_FAILURE() << name << " missing";
  return images.front();
}

bool IsKey(const skinart::Rgba& p) { return p.r == 255 && p.g == 0 && p.b == 255; }

// Key pixels at the bottom of column x of frame k of a stacked image.
int KeyRowsAtFoot(const SkinImage& img, int k, int x) {
  int n = 0;
  for (int y = img.FrameHeight() - 1; y >= 0 && IsKey(img.pixels.At(x, (k - 1) * img.FrameHeight() + y)); --y) ++n;
  return n;
}

TEST(HeronArt, BottomRailIsLiftedBetweenTheCornerPostsAndNowhereElse) {
  const SkinImage& rail = Image("heron_body_bottom.bmp");
  ASSERT_EQ(rail.FrameHeight(), heron::kBottomHeight);
  ASSERT_EQ(rail.left, heron::kBottomBand);
  for (int k = 1; k <= 2; ++k) {
    SCOPED_TRACE(k);
    const int w = rail.FrameWidth();
    // Full height where it meets the posts, lifted across the stretched middle.
    EXPECT_EQ(KeyRowsAtFoot(rail, k, 0), 0);
    EXPECT_EQ(KeyRowsAtFoot(rail, k, w - 1), 0);
    for (int x = rail.left; x < w - rail.right; ++x) EXPECT_EQ(KeyRowsAtFoot(rail, k, x), heron::kBottomLift) << x;
    // The lift only grows towards the middle, symmetric on both ends, and
    // the key is only ever at the foot of a column.
    for (int x = 0; x < w; ++x) {
      EXPECT_EQ(KeyRowsAtFoot(rail, k, x), KeyRowsAtFoot(rail, k, w - 1 - x)) << x;
      if (x > 0 && x <= w / 2) {
        EXPECT_GE(KeyRowsAtFoot(rail, k, x), KeyRowsAtFoot(rail, k, x - 1)) << x;
      }
      int keys = 0;
      for (int y = 0; y < rail.FrameHeight(); ++y) keys += IsKey(rail.pixels.At(x, (k - 1) * rail.FrameHeight() + y));
      EXPECT_EQ(keys, KeyRowsAtFoot(rail, k, x)) << x;
    }
  }
}

TEST(HeronArt, CaptionPlateIsKeyedAroundARoundedSlot) {
  const SkinImage& plate = Image("heron_textback.bmp");
  ASSERT_TRUE(plate.stacked);
  ASSERT_EQ(plate.frames, 2);
  EXPECT_EQ(plate.FrameHeight(), heron::kTitleHeight);  // drawn at the title's height unscaled
  for (int k = 0; k < 2; ++k) {
    const int y0 = k * plate.FrameHeight();
    EXPECT_TRUE(IsKey(plate.pixels.At(0, y0 + 16)));
    EXPECT_TRUE(IsKey(plate.pixels.At(plate.left, y0 + 2)));              // above the slot
    EXPECT_FALSE(IsKey(plate.pixels.At(plate.left, y0 + 16)));            // the slot
    EXPECT_TRUE(IsKey(plate.pixels.At(plate.FrameWidth() - 2, y0 + 6)));  // its rounded end
    // The middle repeats: its columns are all alike.
    for (int y = 0; y < plate.FrameHeight(); ++y)
      for (int x = plate.left + 1; x < plate.FrameWidth() - plate.right; ++x) {
        const skinart::Rgba a = plate.pixels.At(x, y0 + y), b = plate.pixels.At(plate.left, y0 + y);
        EXPECT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << x << "," << y;
      }
  }
}

TEST(HeronArt, CaptionButtonsTellTheirFrameCountsByTheirShape) {
  // Without a frame key the skin counts 6 frames when an image is wider than
  // 3.8 times its height, else 3.
  for (const char* name : {"heron_close.bmp", "heron_max.bmp", "heron_restore.bmp", "heron_min.bmp"}) {
    const SkinImage& img = Image(name);
    EXPECT_EQ(img.frames, 6) << name;
    EXPECT_GT(img.pixels.Width(), 3.8 * img.pixels.Height()) << name;
  }
  const SkinImage& app = Image("heron_app.bmp");
  EXPECT_EQ(app.frames, 3);
  EXPECT_LE(app.pixels.Width(), 3.8 * app.pixels.Height());
}

TEST(HeronArt, TitleAndSidesMeetWithoutKey) {
  // Only the bottom is drawn keyed: anything keyed elsewhere would show.
  for (const char* name : {"heron_body_top.bmp", "heron_body_left.bmp", "heron_body_right.bmp", "heron_menubar.bmp"})
    for (int y = 0; y < Image(name).pixels.Height(); ++y)
      for (int x = 0; x < Image(name).pixels.Width(); ++x)
        ASSERT_FALSE(IsKey(Image(name).pixels.At(x, y))) << name << " " << x << "," << y;
  // The sides' corner posts reach the bottom with the rail's rim.
  const SkinImage& left = Image("heron_body_left.bmp");
  const SkinImage& rail = Image("heron_body_bottom.bmp");
  const skinart::Rgba post = left.pixels.At(left.FrameWidth() - 1, left.FrameHeight() - 1);
  const skinart::Rgba rim = rail.pixels.At(0, rail.FrameHeight() - 1);
  EXPECT_TRUE(post.r == rim.r && post.g == rim.g && post.b == rim.b);
}

}  // namespace
