#pragma once
// The rules of tracking a skinned menu bar's drop-down, free of Win32 so
// that they are tested natively as a table.  While a drop-down is open the
// system runs its own modal menu loop; what it reads from the queue passes a
// message filter, and the items it selects are announced to the window.
// Both are turned into TrackEvents and fed to TrackStep, which says what to
// do: select the first item, switch to a neighbouring button, end tracking.
#include <cstdint>

namespace vex::skin::menu {

inline constexpr unsigned kVkReturn = 13, kVkEscape = 27, kVkLeft = 37, kVkRight = 39, kVkDown = 40, kVkMenu = 18;

// The item selected in the drop-down, as far as the rules need it.
struct SelectedItem {
  bool valid = false;        // an item is selected
  bool inDropDown = false;   // it lies in the tracked drop-down itself, not in a submenu
  bool hasSubMenu = false;
  bool rightToLeft = false;  // its menu is laid out right to left
};

struct TrackState {
  int buttonCount = 0;
  int openIndex = -1;  // the button whose drop-down is open
  bool first = false;  // no message has passed the filter since tracking started
  bool switching = false;
  int lastX = 0, lastY = 0;  // last cursor position seen, screen coordinates
  SelectedItem selected;
  bool tracking = false;  // the frame's tracking flag
};

enum class TrackEventKind {
  kKeyDown,
  kSysKeyDown,
  kMouseMove,
  kMenuSelect,       // an item was selected (`item` tells which)
  kMenuSelectClose,  // the menu is closing (flags 0xFFFF, no menu)
  kOther
};

struct TrackEvent {
  TrackEventKind kind = TrackEventKind::kOther;
  unsigned key = 0;               // key downs
  int x = 0, y = 0;               // mouse moves: the cursor, screen coordinates
  int buttonUnderMouse = -1;      // mouse moves: the bar's button there (-1 none)
  SelectedItem item;              // kMenuSelect
  bool fromFilter = true;         // passed the message filter (its first-message rule applies)
};

struct TrackOutcome {
  bool postDown = false;  // post a down-arrow key to select the first item
  int switchTo = -1;      // open this button's drop-down next
  friend bool operator==(const TrackOutcome&, const TrackOutcome&) = default;
};

// The key the menu should see for `key`: while the selected item's menu is
// laid out right to left, the left and right arrows change places.  The
// filter rewrites the message with it before anyone else sees it.
unsigned KeyForMenu(const TrackState& state, unsigned key);

// Starts tracking the drop-down of button `index` of `count` at the cursor.
void StartTracking(TrackState& state, int count, int index, int x, int y);
// Back to idle.
void StopTracking(TrackState& state);
// One message of the menu loop (keys already as KeyForMenu gives them).
TrackOutcome TrackStep(TrackState& state, const TrackEvent& event);

}  // namespace vex::skin::menu
