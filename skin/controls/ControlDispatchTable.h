#pragma once
// Which skinner a control gets: the two dispatch tables, free of Win32 so
// that every row is tested natively.  The control layer reads the facts of
// a control (its classes in the widget layer, its window class and style,
// its Tag) and carries out the effect the tables choose.
#include <cstdint>
#include <string>

namespace vex::skin::controls {

// What a component of a form object is in the widget layer; several may hold
// (a bit button is a button too).
enum FormKind : std::uint32_t {
  kTabControl = 1u << 0,       // vcl::TTabControl
  kCheckBox = 1u << 1,         // vcl::TCheckBox
  kRadioGroup = 1u << 2,       // the widget layer has no radio group
  kPanelOrGroupBox = 1u << 3,  // vcl::TPanel, vcl::TGroupBox
  kRadioButton = 1u << 4,      // vcl::TRadioButton
  kToolBar = 1u << 5,          // the widget layer has no tool bar
  kStatusBar = 1u << 6,        // vcl::TStatusBar
  kProgressBar = 1u << 7,      // vcl::TProgressBar
  kScrollBar = 1u << 8,        // vcl::TScrollBar
  kComboBox = 1u << 9,         // vcl::TComboBox
  kBitBtn = 1u << 10,          // vcl::TBitBtn
  kSpeedButton = 1u << 11,     // vcl::TSpeedButton
  kListView = 1u << 12,        // vcl::TListView
  kMemo = 1u << 13,            // vcl::TMemo
  kColourControl = 1u << 14,   // the widget layer has none whose colour is set apart
  kButton = 1u << 15,          // vcl::TButton
  kEdit = 1u << 16,            // vcl::TEdit
  kContainer = 1u << 17,       // the widget layer has no frame owning components
  kForm = 1u << 18,            // vcl::TForm
};

// The control kinds of the skin's SkinControls set, by bit (the order of
// TSkinControlType).
enum SkinControlBit : int {
  kXcMainMenu, kXcPopupMenu, kXcToolbar, kXcControlbar, kXcCombo, kXcCheckBox, kXcRadioButton, kXcProgress,
  kXcScrollbar, kXcEdit, kXcButton, kXcBitBtn, kXcSpeedButton, kXcPanel, kXcGroupBox, kXcStatusBar, kXcTab,
  kXcNone = -1,  // a row that every set allows
};

struct FormFacts {
  std::uint32_t kinds = 0;
  std::string className;  // the window class, upper case; empty without a window
  std::uint32_t style = 0;
  int tag = 0;
  bool skinHasTabs = false;  // the skin has a Tabs object
  bool hasScrollBars = false;
};

enum class FormEffect {
  kNone,
  kTab,               // a tab-control skinner, by handle
  kCheckBox,
  kTrackBar,
  kUpDown,
  kRadioGroup,        // a box on the group, a radio skinner on each of its children
  kBox,
  kRadioButton,
  kFlatToolBar,       // switched to its flat style; no skinner
  kStatusBar,
  kProgress,
  kScrollControl,     // a scroll bar control
  kComboBox,
  kScrollBarNcClicks,     // scroll bars of a scrolling control, non-client clicks taken over
  kBitButton,
  kSpeedButton,
  kListView,
  kScrollBarColoured,  // as kScrollBarNcClicks, then the control takes the face colour
  kButton,
  kEdit,
  kWalk,              // the component owns components of its own: walk them
  kWalkForm,          // a form inside the window: face colour, then walk it
};

struct FormRow {
  int number = 0;  // 1 to 32; 0 when no row applies
  FormEffect effect = FormEffect::kNone;
  bool setColour = false;
  SkinControlBit member = kXcNone;
};

// The first row whose test holds and whose member `skinControls` contains.
FormRow ChooseFormRow(const FormFacts& facts, std::uint32_t skinControls);
// Every row, in order (for the tests and for readers).
int FormRowCount();
FormRow FormRowAt(int number);

// Which skinner a child window of a plain window (a system dialog) gets.
enum class ChildEffect {
  kNone,
  kCheckBox,
  kRadioButton,
  kButton,
  kComboBox,
  kComboBoxOfChild,  // a ComboBoxEx: a combo box skinner on its top child
  kSizer,            // a size box or size grip: hidden
  kScrollBar,        // a real scroll bar control
  kTab,
  kEdit,
};
// `className` lower case.
ChildEffect ChooseChildWindow(const std::string& className, std::uint32_t style);

}  // namespace vex::skin::controls
