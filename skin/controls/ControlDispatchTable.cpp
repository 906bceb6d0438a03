#include "skin/controls/ControlDispatchTable.h"

#include <initializer_list>
#include <iterator>

namespace vex::skin::controls {
namespace {

bool NameIs(const FormFacts& f, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (f.className == n) return true;
  return false;
}

struct Row {
  bool (*test)(const FormFacts&);
  SkinControlBit member;
  FormEffect effect;
  bool setColour;
};

using E = FormEffect;

// In this order: the first row that holds decides.  Some members look
// misplaced (check boxes follow xcButton, track bars and up-down controls
// xcCheckBox); skins and applications are written against exactly this.
const Row kRows[] = {
    /* 1 */ {[](const FormFacts& f) { return (f.kinds & kTabControl) && f.skinHasTabs; }, kXcTab, E::kTab, false},
    /* 2 */ {[](const FormFacts& f) { return NameIs(f, {"TTABBEDNOTEBOOK"}) && f.skinHasTabs; }, kXcTab, E::kTab, false},
    /* 3 */ {[](const FormFacts& f) { return (f.kinds & kTabControl) && f.skinHasTabs; }, kXcTab, E::kTab, false},
    /* 4 */ {[](const FormFacts& f) { return (f.kinds & kCheckBox) != 0; }, kXcButton, E::kCheckBox, true},
    /* 5 */ {[](const FormFacts& f) { return NameIs(f, {"TTRACKBAR"}); }, kXcCheckBox, E::kTrackBar, false},
    /* 6 */ {[](const FormFacts& f) { return NameIs(f, {"TUPDOWN"}); }, kXcCheckBox, E::kUpDown, false},
    /* 7 */ {[](const FormFacts& f) { return (f.kinds & kRadioGroup) || NameIs(f, {"TWWRADIOGROUP"}); }, kXcRadioButton,
             E::kRadioGroup, true},
    /* 8 */ {[](const FormFacts& f) { return (f.kinds & kPanelOrGroupBox) != 0; }, kXcPanel, E::kBox, true},
    /* 9 */ {[](const FormFacts& f) { return (f.kinds & kRadioButton) != 0; }, kXcRadioButton, E::kRadioButton, true},
    /* 10 */ {[](const FormFacts& f) { return (f.kinds & kToolBar) != 0; }, kXcToolbar, E::kFlatToolBar, false},
    /* 11 */ {[](const FormFacts& f) { return (f.kinds & kStatusBar) != 0; }, kXcStatusBar, E::kStatusBar, false},
    /* 12 */ {[](const FormFacts& f) { return (f.kinds & kProgressBar) != 0; }, kXcProgress, E::kProgress, false},
    /* 13 */ {[](const FormFacts& f) { return (f.kinds & kScrollBar) != 0; }, kXcScrollbar, E::kScrollControl, false},
    /* 14 */ {[](const FormFacts& f) { return (f.kinds & kComboBox) || f.tag == 56; }, kXcCombo, E::kComboBox, false},
    /* 15 */ {[](const FormFacts& f) { return NameIs(f, {"TDATETIMEPICKER"}); }, kXcEdit, E::kComboBox, false},
    /* 16 */ {[](const FormFacts& f) {
               return NameIs(f, {"TDBLOOKUPCOMBOBOX", "TWWDBCOMBOBOX", "TWWDBLOOKUPCOMBO", "TWWKEYCOMBO",
                                 "TWWDBDATETIMEPICKER"});
             }, kXcCombo, E::kComboBox, false},
    /* 17 */ {[](const FormFacts& f) { return NameIs(f, {"TRICHEDIT"}); }, kXcScrollbar, E::kScrollBarNcClicks, false},
    /* 18 */ {[](const FormFacts& f) { return NameIs(f, {"TWWDBRICHEDIT", "TDXDBMEMO"}); }, kXcScrollbar,
              E::kScrollBarNcClicks, false},
    /* 19 */ {[](const FormFacts& f) {
               return NameIs(f, {"TDXDBCURRENCYEDIT", "TDXDBEDIT", "TDXDBMASKEDIT", "TDXDBHYPERLINKEDIT", "TDXEDIT",
                                 "TDXMASKEDIT", "TWWDBEDIT", "TDXBUTTONEDIT", "TDXCURRENCYEDIT", "TDXHYPERLINKEDIT"});
             }, kXcEdit, E::kEdit, false},
    /* 20 */ {[](const FormFacts& f) {
               return NameIs(f, {"TOVCPICTUREFIELD", "TOVCDBPICTUREFIELD", "TOVCSLIDEREDIT", "TOVCDBSLIDEREDIT",
                                 "TOVCSIMPLEFIELD", "TOVCDBSIMPLEFIELD", "TO32DBFLEXEDIT", "TOVCNUMERICFIELD",
                                 "TOVCDBNUMERICFIELD"});
             }, kXcEdit, E::kEdit, false},
    /* 21 */ {[](const FormFacts& f) {
               return NameIs(f, {"TDXDBPICKEDIT", "TDXDBCALCEDIT", "TDXDBIMAGEEDIT", "TDXDBPOPUPEDIT",
                                 "TDXDBEXTLOOKUPEDIT", "TDXDBLOOKUPEDIT", "TDXDBDATEEDIT", "TDXDATEEDIT", "TDXPICKEDIT",
                                 "TDXPOPUPEDIT"});
             }, kXcCombo, E::kComboBox, false},
    /* 22 */ {[](const FormFacts& f) { return NameIs(f, {"TDBCHECKBOXEH"}); }, kXcCheckBox, E::kCheckBox, true},
    /* 23 */ {[](const FormFacts& f) { return (f.kinds & kBitBtn) != 0; }, kXcBitBtn, E::kBitButton, false},
    /* 24 */ {[](const FormFacts& f) { return (f.kinds & kSpeedButton) != 0; }, kXcSpeedButton, E::kSpeedButton, false},
    /* 25 */ {[](const FormFacts& f) { return (f.kinds & kListView) != 0; }, kXcScrollbar, E::kListView, false},
    /* 26 */ {[](const FormFacts& f) { return (f.kinds & kMemo) != 0; }, kXcScrollbar, E::kScrollBarNcClicks, false},
    /* 27 */ {[](const FormFacts& f) { return (f.kinds & kColourControl) != 0; }, kXcScrollbar,
              E::kScrollBarColoured, false},
    /* 28 */ {[](const FormFacts& f) { return f.tag == 55 || f.hasScrollBars; }, kXcScrollbar, E::kScrollBarNcClicks,
              false},
    /* 29 */ {[](const FormFacts& f) { return (f.kinds & kButton) != 0; }, kXcButton, E::kButton, false},
    /* 30 */ {[](const FormFacts& f) { return (f.kinds & kEdit) || f.tag == 57; }, kXcEdit, E::kEdit, false},
    /* 31 */ {[](const FormFacts& f) { return (f.kinds & kContainer) != 0; }, kXcNone, E::kWalk, false},
    /* 32 */ {[](const FormFacts& f) { return (f.kinds & kForm) != 0; }, kXcNone, E::kWalkForm, false},
};

constexpr int kRowCount = static_cast<int>(std::size(kRows));
static_assert(kRowCount == 32);

FormRow Describe(int number) {
  const Row& r = kRows[number - 1];
  return {number, r.effect, r.setColour, r.member};
}

}  // namespace

int FormRowCount() { return kRowCount; }

FormRow FormRowAt(int number) { return number >= 1 && number <= kRowCount ? Describe(number) : FormRow{}; }

FormRow ChooseFormRow(const FormFacts& facts, std::uint32_t skinControls) {
  for (int i = 0; i < kRowCount; ++i) {
    const Row& r = kRows[i];
    if (r.member != kXcNone && !(skinControls & (1u << r.member))) continue;
    if (!r.test(facts)) continue;
    FormRow chosen = Describe(i + 1);
    // A date-time picker with the up-down style (bit 0) is an edit with a
    // spin button; without it, a drop-down.
    if (chosen.number == 15 && (facts.style & 1)) chosen.effect = E::kEdit;
    return chosen;
  }
  return {};
}

ChildEffect ChooseChildWindow(const std::string& name, std::uint32_t style) {
  if (name == "button") {
    // The button's kind is the whole type field (BS_TYPEMASK), not single
    // bits of it: owner-drawn (0xB), push box (0xA), split buttons (0xC,
    // 0xD) and command links (0xE, 0xF) share bits with the check and radio
    // kinds and must not get their glyphs.
    switch (style & 0xF) {
      case 0x7: return ChildEffect::kNone;  // a group box
      case 0xB: return ChildEffect::kNone;  // owner-drawn: its owner paints it
      case 0x2:
      case 0x3:
      case 0x5:
      case 0x6: return ChildEffect::kCheckBox;
      case 0x4:
      case 0x9: return ChildEffect::kRadioButton;
      default: return ChildEffect::kButton;  // push, user, push box, split, command link
    }
  }
  if (name == "combobox") return (style & 3) != 1 ? ChildEffect::kComboBox : ChildEffect::kNone;
  if (name == "comboboxex32") return ChildEffect::kComboBoxOfChild;
  if (name == "scrollbar") {
    // Only size boxes and size grips disappear (SBS_SIZEBOX 8, SBS_SIZEGRIP
    // 0x10): a real scroll bar of a dialog is a control the user needs.
    return (style & 0x18) ? ChildEffect::kSizer : ChildEffect::kScrollBar;
  }
  if (name == "systabcontrol32") return (style & 0x2000) ? ChildEffect::kNone : ChildEffect::kTab;
  if (name == "edit") return ChildEffect::kEdit;
  return ChildEffect::kNone;
}

}  // namespace vex::skin::controls
