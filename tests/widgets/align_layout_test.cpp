// Alignment and AutoSize rules of containers.
#include "widgets/AlignLayout.h"

#include <gtest/gtest.h>

#include "widgets/ButtonLayout.h"

using namespace vcl;
using namespace vcl::layout;

TEST(AlignItems, TopPanelsStackInPositionOrderAndTakeTheWidth) {
  // Listed out of order: the second sits lower, so it stacks second.
  std::vector<Item> items = {{alTop, {0, 94, 50, 193}, true}, {alTop, {0, 0, 50, 94}, true}};
  auto out = AlignItems(items, {0, 0, 292, 500});
  EXPECT_EQ(out[1], (Box{0, 0, 292, 94}));
  EXPECT_EQ(out[0], (Box{0, 94, 292, 193}));
}

TEST(AlignItems, HiddenItemsTakeNoRoomAndKeepTheirBounds) {
  std::vector<Item> items = {{alTop, {0, 0, 10, 30}, false}, {alTop, {0, 40, 10, 60}, true}};
  auto out = AlignItems(items, {0, 0, 100, 100});
  EXPECT_EQ(out[0], (Box{0, 0, 10, 30}));
  EXPECT_EQ(out[1], (Box{0, 0, 100, 20}));
}

TEST(AlignItems, BottomLeftRightAndClientShareWhatIsLeft) {
  std::vector<Item> items = {{alClient, {0, 0, 1, 1}, true},
                             {alBottom, {0, 0, 1, 10}, true},
                             {alLeft, {0, 0, 15, 1}, true},
                             {alRight, {0, 0, 5, 1}, true},
                             {alTop, {0, 0, 1, 20}, true},
                             {alNone, {3, 4, 7, 9}, true}};
  auto out = AlignItems(items, {0, 0, 100, 80});
  EXPECT_EQ(out[4], (Box{0, 0, 100, 20}));
  EXPECT_EQ(out[1], (Box{0, 70, 100, 80}));
  EXPECT_EQ(out[2], (Box{0, 20, 15, 70}));
  EXPECT_EQ(out[3], (Box{95, 20, 100, 70}));
  EXPECT_EQ(out[0], (Box{15, 20, 95, 70}));
  EXPECT_EQ(out[5], (Box{3, 4, 7, 9}));
}

TEST(AlignItems, ClientNeverGetsANegativeSize) {
  std::vector<Item> items = {{alTop, {0, 0, 1, 60}, true}, {alBottom, {0, 0, 1, 60}, true},
                             {alClient, {0, 0, 1, 1}, true}};
  auto out = AlignItems(items, {0, 0, 50, 100});
  EXPECT_GE(out[2].Height(), 0);
}

TEST(AutoSizeExtent, FollowsTheVisibleTopPanels) {
  std::vector<Item> items = {{alTop, {0, 0, 292, 94}, true}, {alTop, {0, 94, 292, 193}, false}};
  EXPECT_EQ(AutoSizeExtent(items, {292, 500}), (Extent{292, 94}));
  items[1].visible = true;
  EXPECT_EQ(AutoSizeExtent(items, {292, 94}), (Extent{292, 193}));
}

TEST(AutoSizeExtent, FreeControlsAskForTheirFarEdges) {
  std::vector<Item> items = {{alNone, {10, 10, 110, 40}, true}, {alNone, {5, 50, 30, 70}, true}};
  EXPECT_EQ(AutoSizeExtent(items, {300, 300}), (Extent{110, 70}));
}

TEST(AutoSizeExtent, NothingVisibleKeepsTheSize) {
  std::vector<Item> items = {{alTop, {0, 0, 10, 10}, false}};
  EXPECT_EQ(AutoSizeExtent(items, {80, 60}), (Extent{80, 60}));
}

TEST(ButtonLayout, CentredGlyphAndTextShareTheSpace) {
  auto p = PlaceGlyphAndText({0, 0, 100, 20}, {16, 16}, {40, 10}, blGlyphLeft, -1, 4);
  // 16 + 4 + 40 = 60 wide, centred in 100: starts at 20.
  EXPECT_EQ(p.glyph.left, 20);
  EXPECT_EQ(p.text.left, 40);
  EXPECT_EQ(p.glyph.top, 2);
  EXPECT_EQ(p.text.top, 5);
}

TEST(ButtonLayout, MarginAndRightLayout) {
  auto p = PlaceGlyphAndText({0, 0, 100, 20}, {16, 16}, {40, 10}, blGlyphRight, 3, 4);
  EXPECT_EQ(p.glyph.right, 97);
  EXPECT_EQ(p.text.right, 81 - 4 + 0);
}

TEST(ButtonLayout, TextAloneIsCentred) {
  auto p = PlaceGlyphAndText({0, 0, 23, 22}, {0, 0}, {11, 13}, blGlyphLeft, -1, 4);
  EXPECT_EQ(p.text.left, 6);
  EXPECT_EQ(p.text.top, 5);
}
