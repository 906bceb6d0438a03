// The dispatch tables: each of the 32 rows of a form object's controls with
// and without its member of SkinControls, and the child-window table of
// plain windows by class and style.
#include "skin/controls/ControlDispatchTable.h"

#include <gtest/gtest.h>

namespace c = vex::skin::controls;
using E = c::FormEffect;

namespace {

constexpr std::uint32_t kAll = 0x1FFFF;
constexpr std::uint32_t Without(c::SkinControlBit bit) { return kAll & ~(1u << bit); }

c::FormFacts Kind(std::uint32_t kinds) {
  c::FormFacts f;
  f.kinds = kinds;
  return f;
}
c::FormFacts Name(const char* name, std::uint32_t style = 0) {
  c::FormFacts f;
  f.className = name;
  f.style = style;
  return f;
}
c::FormFacts WithTabs(c::FormFacts f) {
  f.skinHasTabs = true;
  return f;
}
c::FormFacts Tagged(int tag) {
  c::FormFacts f;
  f.tag = tag;
  return f;
}

TEST(FormDispatch, EveryRowWithAndWithoutItsMember) {
  struct Case {
    const char* name;
    c::FormFacts facts;
    int row;
    E effect;
    bool setColour;
    int rowWithout;  // the row that applies once the row's member is taken out
  };
  const Case cases[] = {
      {"tab control", WithTabs(Kind(c::kTabControl)), 1, E::kTab, false, 0},
      {"tabbed notebook", WithTabs(Name("TTABBEDNOTEBOOK")), 2, E::kTab, false, 0},
      {"check box", Kind(c::kCheckBox), 4, E::kCheckBox, true, 0},
      {"track bar", Name("TTRACKBAR"), 5, E::kTrackBar, false, 0},
      {"up-down", Name("TUPDOWN"), 6, E::kUpDown, false, 0},
      {"radio group", Kind(c::kRadioGroup), 7, E::kRadioGroup, true, 0},
      {"other radio group", Name("TWWRADIOGROUP"), 7, E::kRadioGroup, true, 0},
      {"panel", Kind(c::kPanelOrGroupBox), 8, E::kBox, true, 0},
      {"radio button", Kind(c::kRadioButton), 9, E::kRadioButton, true, 0},
      {"tool bar", Kind(c::kToolBar), 10, E::kFlatToolBar, false, 0},
      {"status bar", Kind(c::kStatusBar), 11, E::kStatusBar, false, 0},
      {"progress bar", Kind(c::kProgressBar), 12, E::kProgress, false, 0},
      {"scroll bar", Kind(c::kScrollBar), 13, E::kScrollControl, false, 0},
      {"combo box", Kind(c::kComboBox), 14, E::kComboBox, false, 0},
      {"Tag 56", Tagged(56), 14, E::kComboBox, false, 0},
      {"date-time picker", Name("TDATETIMEPICKER"), 15, E::kComboBox, false, 0},
      {"date-time picker with the up-down style", Name("TDATETIMEPICKER", 1), 15, E::kEdit, false, 0},
      {"lookup combo", Name("TWWDBLOOKUPCOMBO"), 16, E::kComboBox, false, 0},
      {"rich edit", Name("TRICHEDIT"), 17, E::kScrollBarNcClicks, false, 0},
      {"data-aware memo", Name("TDXDBMEMO"), 18, E::kScrollBarNcClicks, false, 0},
      {"data-aware edit", Name("TDXEDIT"), 19, E::kEdit, false, 0},
      {"picture field", Name("TOVCNUMERICFIELD"), 20, E::kEdit, false, 0},
      {"pick edit", Name("TDXPOPUPEDIT"), 21, E::kComboBox, false, 0},
      {"data-aware check box", Name("TDBCHECKBOXEH"), 22, E::kCheckBox, true, 0},
      {"bit button (a button too)", Kind(c::kBitBtn | c::kButton), 23, E::kBitButton, false, 29},
      {"speed button", Kind(c::kSpeedButton), 24, E::kSpeedButton, false, 0},
      {"list view", Kind(c::kListView), 25, E::kListView, false, 0},
      {"memo (an edit too)", Kind(c::kMemo | c::kEdit), 26, E::kScrollBarNcClicks, false, 30},
      {"control coloured apart", Kind(c::kColourControl), 27, E::kScrollBarColoured, false, 0},
      {"Tag 55", Tagged(55), 28, E::kScrollBarNcClicks, false, 0},
      {"scroll bar style", [] { c::FormFacts f; f.hasScrollBars = true; return f; }(), 28, E::kScrollBarNcClicks,
       false, 0},
      {"button", Kind(c::kButton), 29, E::kButton, false, 0},
      {"edit", Kind(c::kEdit), 30, E::kEdit, false, 0},
      {"Tag 57", Tagged(57), 30, E::kEdit, false, 0},
      {"container", Kind(c::kContainer), 31, E::kWalk, false, 31},
      {"form", Kind(c::kForm), 32, E::kWalkForm, false, 32},
  };
  for (const auto& k : cases) {
    const c::FormRow row = c::ChooseFormRow(k.facts, kAll);
    EXPECT_EQ(row.number, k.row) << k.name;
    EXPECT_EQ(row.effect, k.effect) << k.name;
    EXPECT_EQ(row.setColour, k.setColour) << k.name;
    const c::FormRow described = c::FormRowAt(k.row);
    const std::uint32_t set = described.member == c::kXcNone ? kAll : Without(described.member);
    EXPECT_EQ(c::ChooseFormRow(k.facts, set).number, k.rowWithout) << k.name << " without its member";
  }
}

TEST(FormDispatch, MembersThatLookMisplacedAndOnesNoRowReads) {
  // Check boxes follow xcButton, track bars and up-down controls xcCheckBox,
  // group boxes xcPanel (the widget-class tests are in dispatch_win_test).
  EXPECT_EQ(c::FormRowAt(4).member, c::kXcButton);
  EXPECT_EQ(c::FormRowAt(5).member, c::kXcCheckBox);
  EXPECT_EQ(c::FormRowAt(6).member, c::kXcCheckBox);
  for (const auto unused : {c::kXcMainMenu, c::kXcPopupMenu, c::kXcControlbar, c::kXcGroupBox})
    for (int n = 1; n <= c::FormRowCount(); ++n) EXPECT_NE(c::FormRowAt(n).member, unused) << n;
}

TEST(FormDispatch, TabRowsNeedTheSkinsTabsObjectAndOrderDecides) {
  EXPECT_EQ(c::ChooseFormRow(Kind(c::kTabControl), kAll).number, 0);
  EXPECT_EQ(c::ChooseFormRow(Name("TTABBEDNOTEBOOK"), kAll).number, 0);
  // An earlier row wins over the Tag rows.
  c::FormFacts edit56 = Kind(c::kEdit);
  edit56.tag = 56;
  EXPECT_EQ(c::ChooseFormRow(edit56, kAll).number, 14);
  c::FormFacts box57 = Kind(c::kCheckBox);
  box57.tag = 57;
  EXPECT_EQ(c::ChooseFormRow(box57, kAll).number, 4);
  EXPECT_EQ(c::ChooseFormRow(c::FormFacts{}, kAll).number, 0) << "a plain component";
  EXPECT_EQ(c::FormRowCount(), 32);
  EXPECT_EQ(c::FormRowAt(0).number, 0);
  EXPECT_EQ(c::FormRowAt(33).number, 0);
}

TEST(ChildDispatch, ByClassAndStyle) {
  using C = c::ChildEffect;
  struct Case {
    const char* name;
    const char* className;
    std::uint32_t style;
    C effect;
  };
  const Case cases[] = {
      {"push button", "button", 0, C::kButton},
      {"default push button", "button", 1, C::kButton},
      {"check box", "button", 2, C::kCheckBox},
      {"auto check box", "button", 3, C::kCheckBox},
      {"radio button", "button", 4, C::kRadioButton},
      {"three-state", "button", 5, C::kCheckBox},
      {"auto three-state", "button", 6, C::kCheckBox},
      {"group box", "button", 7, C::kNone},
      {"auto radio button", "button", 9, C::kRadioButton},
      {"auto radio button, text left", "button", 9 | 0x20, C::kRadioButton},
      {"user button", "button", 8, C::kButton},
      {"push box", "button", 0xA, C::kButton},
      {"owner-drawn button", "button", 0xB, C::kNone},
      {"owner-drawn button, multi-line", "button", 0xB | 0x2000, C::kNone},
      {"split button", "button", 0xC, C::kButton},
      {"default split button", "button", 0xD, C::kButton},
      {"command link", "button", 0xE, C::kButton},
      {"default command link", "button", 0xF, C::kButton},
      {"simple combo box", "combobox", 1, C::kNone},
      {"drop-down", "combobox", 2, C::kComboBox},
      {"drop-down list", "combobox", 3, C::kComboBox},
      {"extended combo box", "comboboxex32", 2, C::kComboBoxOfChild},
      {"size box", "scrollbar", 8, C::kSizer},
      {"size grip", "scrollbar", 0x10, C::kSizer},
      {"horizontal scroll bar", "scrollbar", 0, C::kScrollBar},
      {"vertical scroll bar", "scrollbar", 1, C::kScrollBar},
      {"tab control", "systabcontrol32", 0, C::kTab},
      {"owner-drawn tabs", "systabcontrol32", 0x2000, C::kNone},
      {"edit", "edit", 0, C::kEdit},
      {"static", "static", 0, C::kNone},
      {"class names are matched lower case", "Button", 0, C::kNone},
  };
  for (const auto& k : cases) EXPECT_EQ(c::ChooseChildWindow(k.className, k.style), k.effect) << k.name;
}

}  // namespace
