// Status panels' and header items' arithmetic: a panel's edge from the
// control's drawing flags, its alignment from the tabs before its text, and
// where a header caption goes.
#include "skin/controls/PanelGeometry.h"

#include <gtest/gtest.h>

namespace c = vex::skin::controls;

namespace {

TEST(PanelGeometry, BevelFromTheDrawingFlags) {
  const struct {
    unsigned flags;
    int bevel;
  } cases[] = {{0, c::kPanelLowered},     {0x100, c::kPanelFlat},   {0x200, c::kPanelRaised},
               {0x300, c::kPanelFlat},    {0x1000, c::kPanelLowered}, {0x400, c::kPanelLowered}};
  for (const auto& k : cases) EXPECT_EQ(c::StatusPanelBevel(k.flags), k.bevel) << std::hex << k.flags;
}

TEST(PanelGeometry, AlignmentFromLeadingTabs) {
  const struct {
    const char* stored;
    const char* text;
    unsigned format;
  } cases[] = {{"ready", "ready", 0},         {"\tready", "ready", 1}, {"\t\tready", "ready", 2},
               {"\t\t\tready", "\tready", 2}, {"", "", 0},             {"a\tb", "a\tb", 0},
               {"\t", "", 1}};
  for (const auto& k : cases) {
    const c::PanelText t = c::SplitPanelText(k.stored);
    EXPECT_EQ(t.text, k.text) << k.stored;
    EXPECT_EQ(t.format, k.format) << k.stored;
  }
}

TEST(PanelGeometry, HeaderCaptions) {
  const struct {
    int itemFormat;
    unsigned format;
    c::Rect at;
  } cases[] = {
      {0x0000, 0, {104, 3, 134, 16}},  // left: 4 pixels in
      {0x4000, 0, {104, 3, 134, 16}},  // HDF_STRING with the left alignment
      {0x0002, 1, {135, 3, 165, 16}},  // centred
      {0x4001, 2, {166, 3, 196, 16}},  // right: ends 4 pixels before the item's edge
      {0x0003, 0, {104, 3, 134, 16}},  // not an alignment: left
  };
  for (const auto& k : cases) {
    const unsigned format = c::HeaderTextFormat(k.itemFormat);
    EXPECT_EQ(format, k.format) << std::hex << k.itemFormat;
    EXPECT_EQ(c::PlaceHeaderCaption({100, 0, 200, 20}, 30, 13, format), k.at) << std::hex << k.itemFormat;
  }
}

}  // namespace
