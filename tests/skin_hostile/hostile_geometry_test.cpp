// The hostile skins' numbers through the Win32-free frame, element and menu
// arithmetic: every place and size it gives stays within what GDI is handed
// (and, in the sanitize tree, no step overflows on the way).
#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/ControlGeometry.h"
#include "skin/data/DrawBounds.h"
#include "skin/windows/FrameGeometry.h"
#include "skin/windows/MenuGeometry.h"
#include "tests/skin_hostile/SkinMutator.h"

namespace vex::skin {
namespace {

namespace b = bounds;
namespace f = frame;

const std::vector<std::int32_t>& Hostile() {
  static const std::vector<std::int32_t> numbers = hostile::HostileIntegers();
  return numbers;
}

bool Drawable(int v) { return v >= -b::kMaxCoord && v <= b::kMaxCoord; }
bool Drawable(const f::Rect& r) { return Drawable(r.left) && Drawable(r.top) && Drawable(r.right) && Drawable(r.bottom); }

TEST(HostileGeometry, TheMutatorsNumbersReachTheExtremes) {
  const auto& n = Hostile();
  for (std::int32_t v : {INT_MIN, INT_MAX, -1, 0, 65536})
    EXPECT_NE(std::find(n.begin(), n.end(), v), n.end()) << v;
}

TEST(HostileGeometry, CaptionButtonsStayDrawable) {
  const f::FrameFacts frame{1280, f::Rect{40, 4, 200, 24}, f::Bands{4, 28, 4, 4, 19}, 6};
  for (int align : {0, 1, 2, 3, 8, 9, 100})
    for (std::int32_t x : Hostile())
      for (std::int32_t y : Hostile())
        for (std::int32_t size : Hostile()) {
          const f::Rect r = f::PlaceButton({align, x, y, size, size}, frame);
          ASSERT_TRUE(Drawable(r)) << align << " " << x << " " << y << " " << size;
        }
}

TEST(HostileGeometry, CaptionTextStaysDrawable) {
  const f::Rect bar{4, 0, 1276, 28};
  for (int alignment : {0, 1, 2})
    for (std::int32_t shift : Hostile())
      for (std::int32_t clip : Hostile())
        for (std::int32_t back : Hostile()) {
          const f::TitleText keys{alignment, shift, shift, clip, back, back};
          const f::CaptionPlace place = f::PlaceCaption(bar, 120, 14, keys);
          ASSERT_TRUE(Drawable(place.textRect) && Drawable(place.drawRect))
              << alignment << " " << shift << " " << clip << " " << back;
        }
}

TEST(HostileGeometry, WindowSizesStayDrawable) {
  for (std::int32_t side : Hostile())
    for (std::int32_t top : Hostile()) {
      const f::Bands bands{side, top, side, top, top};
      const f::Size skinned = f::SkinnedWindowSize({640, 480}, bands, true);
      const f::Size native = f::NativeWindowSize({640, 480}, {16, 39}, bands);
      for (const f::Size& s : {skinned, native})
        ASSERT_TRUE(s.width >= 0 && s.width <= b::kMaxExtent && s.height >= 0 && s.height <= b::kMaxExtent)
            << side << " " << top;
      ASSERT_TRUE(Drawable(f::SkinnedClientRect(100, 100, 640, 480, bands))) << side << " " << top;
      ASSERT_GE(f::FrameExtent(side, top), 0);
      ASSERT_LE(f::FrameExtent(side, top), b::kMaxExtent);
    }
}

TEST(HostileGeometry, ElementCutsLieInsideTheirImage) {
  for (std::int64_t width : {1, 30, 100000, INT_MAX})
    for (std::int32_t count : Hostile())
      for (std::int32_t frame : Hostile())
        for (bool stacked : {false, true}) {
          const b::FrameCut cut = b::CutFrame(width, width, stacked, count, frame);
          ASSERT_GE(cut.x, 0);
          ASSERT_GE(cut.y, 0);
          ASSERT_LE(std::int64_t{cut.x} + cut.width, width) << count << " " << frame;
          ASSERT_LE(std::int64_t{cut.y} + cut.height, width) << count << " " << frame;
        }
}

TEST(HostileGeometry, ElementBandsFitTheElement) {
  for (std::int32_t l : Hostile())
    for (std::int32_t r : Hostile())
      for (int size : {0, 1, 50, b::kMaxExtent}) {
        const b::Bands m = b::ElementBands(l, r, r, l, size, size);
        ASSERT_TRUE(m.l >= 0 && m.t >= 0 && m.r >= 0 && m.b >= 0);
        ASSERT_LE(m.l + m.r, size) << l << " " << r;
        ASSERT_LE(m.t + m.b, size) << l << " " << r;
      }
}

TEST(HostileGeometry, MenuPiecesStayDrawable) {
  for (std::int32_t left : Hostile()) {
    ASSERT_TRUE(Drawable(menu::FirstButtonX(true, left, 600))) << left;
    for (std::int32_t right : Hostile())
      for (const menu::ColumnPiece& p : menu::SeparatorColumns(28, left, right, 200)) {
        ASSERT_TRUE(Drawable(p.sourceLeft) && Drawable(p.destLeft)) << left << " " << right;
        ASSERT_TRUE(p.sourceWidth >= 0 && p.destWidth >= 0) << left << " " << right;
      }
  }
}

TEST(HostileGeometry, ControlFramesFitOnlyWithMarginsThatFit) {
  for (std::int32_t l : Hostile())
    for (std::int32_t r : Hostile()) {
      const bool fits = controls::FrameFits(40, 20, 2, 1, l, r, r, l);
      const std::int64_t lr = std::int64_t{std::max(l, 0)} + std::max(r, 0);
      ASSERT_EQ(fits, lr <= 20) << l << " " << r;
    }
}

// Places that used to wrap around: each now lands where the sound part of
// the arithmetic points, held at the edge of the drawable range.
TEST(HostileGeometry, ExtremeKeysLandAtTheEdgeInsteadOfWrapping) {
  const f::FrameFacts frame{300, f::Rect{40, 4, 200, 24}, f::Bands{4, 28, 4, 4, 0}, 0};
  struct Case {
    const char* name;
    f::ButtonPlaceInput button;
    f::Rect expected;
  };
  const Case cases[] = {
      {"right-aligned, Xcoord INT_MIN", {1, INT_MIN, 2, 24, 24}, {b::kMaxCoord, 2, b::kMaxCoord, 26}},
      {"right-aligned, Xcoord INT_MAX", {1, INT_MAX, 2, 24, 24}, {-b::kMaxCoord, 2, -b::kMaxCoord, 26}},
      {"left of the text, width INT_MAX", {2, 0, 0, INT_MAX, 10}, {-b::kMaxCoord, 0, 40, 10}},
      {"absolute, Ycoord INT_MAX", {0, 5, INT_MAX, 24, 24}, {5, b::kMaxCoord, 29, b::kMaxCoord}},
  };
  for (const Case& c : cases) EXPECT_EQ(f::PlaceButton(c.button, frame), c.expected) << c.name;

  const f::CaptionPlace wide = f::PlaceCaption({4, 0, 296, 28}, 100, 14, {1, 0, 0, 0, INT_MAX, INT_MAX});
  EXPECT_LE(wide.textRect.left, wide.textRect.right) << "centred text with end caps of INT_MAX";
  EXPECT_EQ(f::SkinnedWindowSize({640, 480}, {INT_MAX, 0, INT_MAX, 0, 0}, false).width, b::kMaxExtent);
  EXPECT_EQ(menu::FirstButtonX(true, INT_MAX, 600), 12) << "a margin wider than the band";
}

}  // namespace
}  // namespace vex::skin
