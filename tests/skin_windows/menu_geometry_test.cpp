// The skinned menus' arithmetic: menu texts and accelerators, the menu bar's
// buttons, item sizes and layout, separator rows, text colours and which
// popup-menu items get the skin's handlers.
#include "skin/windows/MenuGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace m = vex::skin::menu;

namespace {

TEST(CutMenuText, NeverSplitsACharacterAndNeverRunsPastTheLimit) {
  const std::string gbk2 = "\xC4\xE3";  // one double-byte character
  struct Case {
    const char* name;
    std::string text;
    std::size_t limit;
    std::string expected;
  };
  const Case cases[] = {
      {"short text stays", "File", 80, "File"},
      {"exactly the limit", std::string(80, 'a'), 80, std::string(80, 'a')},
      {"longer text is cut", std::string(200, 'b'), 80, std::string(80, 'b')},
      {"double-byte characters fit whole", std::string(40, 'x') + gbk2, 42, std::string(40, 'x') + gbk2},
      {"the one that would straddle the limit goes", std::string(79, 'x') + gbk2 + "y", 80, std::string(79, 'x')},
      {"a lone lead byte at the end goes", "ab\xC4", 80, "ab"},
      {"empty", "", 80, ""},
  };
  for (const Case& c : cases) {
    const std::string cut = m::CutMenuText(c.text, c.limit, &m::IsGbkLeadByte);
    EXPECT_EQ(cut, c.expected) << c.name;
    EXPECT_LE(cut.size(), c.limit) << c.name;
  }
  // Without a lead-byte rule every byte is a character.
  EXPECT_EQ(m::CutMenuText(std::string(79, 'x') + gbk2, 80, nullptr).size(), 80u);
}

TEST(Accelerators, TheCharacterAfterASingleAmpersand) {
  struct Case {
    const char* caption;
    unsigned char expected;
  };
  const Case cases[] = {
      {"&File", 'F'},          {"E&xit", 'x'},     {"Save && &Quit", 'Q'}, {"A&&B", 0},
      {"&", 0},                {"", 0},            {"No accelerator", 0},  {"文件(&F)", 'F'},
      {"\x81&(&G)", 'G'},  // a trail byte that looks like "&" is part of its character
  };
  for (const Case& c : cases) EXPECT_EQ(m::AccelChar(c.caption, &m::IsGbkLeadByte), c.expected) << c.caption;
  EXPECT_TRUE(m::SameAccel('f', 'F'));
  EXPECT_TRUE(m::SameAccel('F', 'f'));
  EXPECT_FALSE(m::SameAccel('F', 'G'));
  EXPECT_FALSE(m::SameAccel(0, 0)) << "no accelerator matches nothing";
}

TEST(Accelerators, FindTheFirstEnabledButton) {
  const std::vector<m::BarButton> bar = {
      {"&File", true}, {"&Edit", false}, {"&Find", true}, {"&edit", true}, {"", true},
  };
  struct Case {
    unsigned char ch;
    int expected;
  };
  const Case cases[] = {{'f', 0}, {'F', 0}, {'e', 3}, {'E', 3}, {'x', -1}, {0, -1}};
  for (const Case& c : cases) EXPECT_EQ(m::FindAccelButton(bar, c.ch, &m::IsGbkLeadByte), c.expected) << c.ch;
}

TEST(MenuBarLayout, ButtonsSideBySideFromTheLeftMargin) {
  struct Case {
    const char* name;
    bool hasMenuBar;
    int leftWidth, bandWidth, expected;
  };
  const Case first[] = {
      {"after the MenuBar margin", true, 6, 300, 10},
      {"band narrower than the margin", true, 20, 23, 12},
      {"no MenuBar object", false, 6, 300, 6},
  };
  for (const Case& c : first) EXPECT_EQ(m::FirstButtonX(c.hasMenuBar, c.leftWidth, c.bandWidth), c.expected) << c.name;

  // A band at (4, 30) in window coordinates, 19 high.
  const m::Rect band{4, 30, 304, 49};
  const std::vector<m::Rect> rects = m::LayoutButtons(band, 10, {30, 0, 400});
  const std::vector<m::Rect> expected = {
      {14, 30, 54, 48},    // 30 + 10 wide, one pixel short of the band's bottom
      {54, 30, 64, 48},    // an empty caption is still 10 wide
      {64, 30, 474, 48},   // wider than the band: laid out all the same
  };
  EXPECT_EQ(rects, expected);
  EXPECT_TRUE(m::LayoutButtons(band, 10, {}).empty());
}

TEST(MenuBarLayout, ButtonAtSkipsEmptyCaptions) {
  const std::vector<m::Rect> rects = {{14, 30, 54, 48}, {54, 30, 64, 48}, {64, 30, 100, 48}};
  const std::vector<m::BarButton> buttons = {{"&File", true}, {"", true}, {"&Help", false}};
  struct Case {
    int x, y, expected;
  };
  const Case cases[] = {
      {14, 30, 0}, {53, 47, 0}, {54, 40, -1}, {64, 30, 2}, {99, 47, 2}, {99, 48, -1}, {13, 35, -1}, {120, 35, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(m::ButtonAt(rects, buttons, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(ItemSizes, ComponentAndDropDownItems) {
  struct Case {
    const char* name;
    m::ItemSize proposed;
    bool separator, win9x;
    m::ItemSize expected;
  };
  const Case components[] = {
      {"80 x 18", {80, 18}, false, false, {108, 18}},
      {"80 x 18 on Windows 95", {80, 18}, false, true, {108, 22}},
      {"a separator", {0, 9}, true, false, {28, 9}},
      {"a separator on Windows 95", {0, 9}, true, true, {28, 9}},
  };
  for (const Case& c : components)
    EXPECT_EQ(m::MeasureComponentItem(c.proposed, c.separator, c.win9x), c.expected) << c.name;

  EXPECT_EQ(m::MeasureDropDownItem(60, 17, false, false), (m::ItemSize{86, 21}));
  EXPECT_EQ(m::MeasureDropDownItem(60, 17, false, true), (m::ItemSize{86, 25}));
  EXPECT_EQ(m::MeasureDropDownItem(0, 17, true, false), (m::ItemSize{26, 8}));
}

// A drop-down item of a window at another DPI: the pixels the design adds,
// the glyph box, the shortcut's end and the etched line at that DPI, rounded
// as MulDiv rounds (1.5 x 1 gives 2, 1.25 x 3 gives 4).
TEST(ItemSizes, AtTheWindowsDpi) {
  struct Case {
    int dpi;
    m::ItemSize item, separator, win9x;
    m::Rect glyphBox;
    int textLeft, shortcutEnd, lineTop;
    m::Point mark;  // a 10 x 10 mark in the box
  };
  const Case cases[] = {
      {96, {86, 21}, {26, 8}, {86, 25}, {1, 1, 17, 17}, 20, 189, 4, {5, 5}},
      {120, {93, 22}, {33, 10}, {93, 27}, {1, 1, 21, 21}, 25, 186, 5, {7, 7}},
      {144, {99, 23}, {39, 12}, {99, 29}, {2, 2, 26, 26}, 31, 183, 6, {11, 11}},
      {192, {112, 25}, {52, 16}, {112, 33}, {2, 2, 34, 34}, 40, 178, 8, {15, 15}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(m::MeasureDropDownItem(60, 17, false, false, c.dpi), c.item) << c.dpi;
    EXPECT_EQ(m::MeasureDropDownItem(0, 17, true, false, c.dpi), c.separator) << c.dpi;
    EXPECT_EQ(m::MeasureDropDownItem(60, 17, false, true, c.dpi), c.win9x) << c.dpi;
    const m::ItemLayout l = m::LayOutItem(200, 30, false, c.dpi);
    EXPECT_EQ(l.glyphBox, c.glyphBox) << c.dpi;
    EXPECT_EQ(l.textRect, (m::Rect{c.textLeft, 0, 199, 30})) << c.dpi;
    EXPECT_EQ(m::ShortcutRect(m::Rect{40, 5, 90, 25}, l.textRect, 200, false, c.dpi).right, c.shortcutEnd) << c.dpi;
    EXPECT_EQ(m::SeparatorLine(l.textRect, c.dpi).top, c.lineTop) << c.dpi;
    EXPECT_EQ(m::CheckMarkAt(l.glyphBox, 10, 10, c.dpi), c.mark) << c.dpi;
  }
}

TEST(Separators, RowsAndColumnsOfTheSecondFrame) {
  struct Case {
    const char* name;
    int imageHeight, itemHeight;
    m::RowSpan expected;
  };
  const Case rows[] = {
      {"as high as the image: all of it", 17, 17, {0, 17}},
      {"10 high: the bottom 10 rows", 17, 10, {7, 10}},
      {"higher than the image: all of it, stretched", 17, 24, {0, 17}},
      {"one row", 17, 1, {16, 1}},
  };
  for (const Case& c : rows) EXPECT_EQ(m::SeparatorRows(c.imageHeight, c.itemHeight), c.expected) << c.name;

  // A 28-pixel frame with bands 8 and 11 across a 100-pixel item.
  const std::vector<m::ColumnPiece> expected = {{0, 8, 0, 8}, {8, 9, 8, 81}, {17, 11, 89, 11}};
  EXPECT_EQ(m::SeparatorColumns(28, 8, 11, 100), expected);
  const std::vector<m::ColumnPiece> noBands = {{0, 28, 0, 50}};
  EXPECT_EQ(m::SeparatorColumns(28, 0, 0, 50), noBands);
}

TEST(ItemText, ColourByState) {
  using C = m::TextColour;
  constexpr std::uint32_t kShadow = 0x808080, kText = 0x202020;
  struct Case {
    const char* name;
    bool enabled, selected;
    std::uint32_t shadow, text;
    C expected;
  };
  const Case cases[] = {
      {"normal", true, false, kShadow, kText, C::kMenuText},
      {"selected", true, true, kShadow, kText, C::kHilightText},
      {"disabled", false, false, kShadow, kText, C::kButtonShadow},
      {"disabled and selected", false, true, kShadow, kText, C::kButtonShadow},
      {"disabled, shadow equal to the text", false, false, kText, kText, C::kSystemShadow},
  };
  for (const Case& c : cases)
    EXPECT_EQ(m::ItemTextColour(c.enabled, c.selected, c.shadow, c.text), c.expected) << c.name;
}

TEST(PopupComponents, WhichAreSkinnedAndWhatTheirItemsGet) {
  struct Skinned {
    bool skinsPopups;
    int tag, disableTag;
    bool expected;
  };
  const Skinned components[] = {
      {true, 0, 99, true}, {true, 99, 99, false}, {true, 199, 99, false},
      {true, 98, 99, true}, {true, 99, 5, true},  {false, 0, 99, false},
  };
  for (const Skinned& c : components)
    EXPECT_EQ(m::SkinsPopupComponent(c.skinsPopups, c.tag, c.disableTag), c.expected) << c.tag << "/" << c.disableTag;

  using H = m::ItemHandlers;
  struct Items {
    bool on;
    int tag;
    bool ownDraw;
    H expected;
  };
  const Items items[] = {
      {true, 0, false, H::kGiveSkin}, {true, 0, true, H::kKeep},      {true, 999, false, H::kDropDraw},
      {true, 999, true, H::kDropDraw}, {false, 0, false, H::kDropSkin}, {false, 999, true, H::kDropSkin},
  };
  for (const Items& c : items) EXPECT_EQ(m::HandlersFor(c.on, c.tag, c.ownDraw), c.expected) << c.on << c.tag;
}

}  // namespace
