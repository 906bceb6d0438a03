// The rules of tracking a menu bar's drop-down, as sequences of menu-loop
// events and what each one makes the tracking do.
#include "skin/windows/MenuTrackRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace m = vex::skin::menu;

namespace {

using K = m::TrackEventKind;

m::SelectedItem Item(bool inDropDown, bool hasSubMenu, bool rightToLeft = false) {
  return m::SelectedItem{true, inDropDown, hasSubMenu, rightToLeft};
}

m::TrackEvent Key(unsigned key) {
  m::TrackEvent e;
  e.kind = K::kKeyDown;
  e.key = key;
  return e;
}
m::TrackEvent SysKey(unsigned key) {
  m::TrackEvent e = Key(key);
  e.kind = K::kSysKeyDown;
  return e;
}
m::TrackEvent Select(m::SelectedItem item) {
  m::TrackEvent e;
  e.kind = K::kMenuSelect;
  e.item = item;
  e.fromFilter = false;
  return e;
}
m::TrackEvent Close() {
  m::TrackEvent e;
  e.kind = K::kMenuSelectClose;
  e.fromFilter = false;
  return e;
}
m::TrackEvent Mouse(int x, int y, int button) {
  m::TrackEvent e;
  e.kind = K::kMouseMove;
  e.x = x;
  e.y = y;
  e.buttonUnderMouse = button;
  return e;
}
m::TrackEvent Other() { return m::TrackEvent{}; }

// What one event made the tracking do, as text: "down" (first item
// selected), "switch N", "end" (the frame's tracking flag went off).
std::string Outcome(m::TrackState& state, const m::TrackEvent& event) {
  const bool wasTracking = state.tracking;
  const m::TrackOutcome out = m::TrackStep(state, event);
  std::string text;
  if (out.postDown) text += "down ";
  if (out.switchTo >= 0) text += "switch " + std::to_string(out.switchTo) + " ";
  if (wasTracking && !state.tracking) text += "end ";
  if (!text.empty()) text.pop_back();
  return text;
}

struct Sequence {
  const char* name;
  int open;  // of 3 buttons
  std::vector<m::TrackEvent> events;
  std::vector<std::string> expected;  // one per event ("" for nothing)
};

TEST(TrackRules, Sequences) {
  const m::SelectedItem plain = Item(true, false), parent = Item(true, true), deep = Item(false, false);
  // Selections are sent to the window; only what passes the message filter
  // counts as the first message.
  const Sequence sequences[] = {
      {"the first message selects the first item, once", 0, {Other(), Other()}, {"down", ""}},
      {"right arrow on an item without sub-items: the next button",
       0, {Other(), Select(plain), Key(m::kVkRight)}, {"down", "", "switch 1"}},
      {"right arrow on the last button wraps to the first", 2, {Select(plain), Key(m::kVkRight)}, {"", "down switch 0"}},
      {"left arrow on the first wraps to the last", 0, {Select(plain), Key(m::kVkLeft)}, {"", "down switch 2"}},
      {"right arrow on an item with sub-items opens the submenu", 1, {Select(parent), Key(m::kVkRight)}, {"", "down"}},
      {"left arrow in a submenu only closes it", 1, {Select(deep), Key(m::kVkLeft)}, {"", "down"}},
      {"right arrow on a submenu's plain item: the next button", 1, {Select(deep), Key(m::kVkRight)},
       {"", "down switch 2"}},
      {"without a selected item the arrows do nothing", 1, {Other(), Key(m::kVkRight), Key(m::kVkLeft)},
       {"down", "", ""}},
      {"the mouse onto another button switches", 0, {Other(), Mouse(200, 10, 1)}, {"down", "switch 1"}},
      {"the mouse on the same button changes nothing", 1, {Other(), Mouse(150, 10, 1), Mouse(151, 10, 1)},
       {"down", "", ""}},
      {"the mouse off the bar changes nothing", 1, {Other(), Mouse(150, 200, -1)}, {"down", ""}},
      {"a mouse message at the last position seen is no move", 0, {Other(), Mouse(100, 100, 2)}, {"down", ""}},
      {"Alt alone ends tracking", 0, {Other(), SysKey(m::kVkMenu)}, {"down", "end"}},
      {"another system key does nothing", 0, {Other(), SysKey('X')}, {"down", ""}},
      {"the closing menu select ends tracking", 0, {Other(), Close()}, {"down", "end"}},
      {"not while switching: the next drop-down opens", 0, {Select(plain), Key(m::kVkRight), Close()},
       {"", "down switch 1", ""}},
      {"Escape clears the switch", 0, {Select(plain), Key(m::kVkRight), Key(m::kVkEscape), Close()},
       {"", "down switch 1", "", "end"}},
      {"Enter clears the switch", 0, {Mouse(5, 5, 2), Key(m::kVkReturn), Close()}, {"down switch 2", "", "end"}},
      {"a selection clears the switch", 0, {Mouse(5, 5, 1), Select(plain), Close()}, {"down switch 1", "", "end"}},
  };
  for (const Sequence& s : sequences) {
    m::TrackState state;
    m::StartTracking(state, 3, s.open, 100, 100);
    std::vector<std::string> seen;
    for (const m::TrackEvent& e : s.events) seen.push_back(Outcome(state, e));
    EXPECT_EQ(seen, s.expected) << s.name;
  }
}

TEST(TrackRules, OneButtonNeverSwitchesToItself) {
  m::TrackState state;
  m::StartTracking(state, 1, 0, 0, 0);
  m::TrackStep(state, Select(Item(true, false)));
  EXPECT_EQ(m::TrackStep(state, Key(m::kVkRight)).switchTo, -1);
  EXPECT_EQ(m::TrackStep(state, Key(m::kVkLeft)).switchTo, -1);
}

TEST(TrackRules, RightToLeftMenusExchangeTheArrows) {
  m::TrackState state;
  m::StartTracking(state, 3, 1, 0, 0);
  EXPECT_EQ(m::KeyForMenu(state, m::kVkLeft), m::kVkLeft) << "nothing selected";
  m::TrackStep(state, Select(Item(true, false, true)));
  EXPECT_EQ(m::KeyForMenu(state, m::kVkLeft), m::kVkRight);
  EXPECT_EQ(m::KeyForMenu(state, m::kVkRight), m::kVkLeft);
  EXPECT_EQ(m::KeyForMenu(state, m::kVkDown), m::kVkDown);
  m::TrackStep(state, Select(Item(true, false, false)));
  EXPECT_EQ(m::KeyForMenu(state, m::kVkLeft), m::kVkLeft);
}

}  // namespace
