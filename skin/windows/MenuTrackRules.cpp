#include "skin/windows/MenuTrackRules.h"

namespace vex::skin::menu {

void StartTracking(TrackState& state, int count, int index, int x, int y) {
  state.buttonCount = count;
  state.openIndex = index;
  state.first = true;
  state.switching = false;
  state.lastX = x;
  state.lastY = y;
  state.selected = {};
  state.tracking = true;
}

void StopTracking(TrackState& state) {
  state.selected = {};
  state.openIndex = -1;
  state.first = false;
  state.tracking = false;
}

namespace {

int Wrapped(int index, int count) {
  if (count <= 0) return -1;
  return ((index % count) + count) % count;
}

}  // namespace

unsigned KeyForMenu(const TrackState& state, unsigned key) {
  if (!state.selected.valid || !state.selected.rightToLeft) return key;
  if (key == kVkLeft) return kVkRight;
  if (key == kVkRight) return kVkLeft;
  return key;
}

TrackOutcome TrackStep(TrackState& state, const TrackEvent& event) {
  TrackOutcome out;
  if (event.fromFilter && state.first) {
    state.first = false;
    out.postDown = true;
  }
  int target = -1;
  switch (event.kind) {
    case TrackEventKind::kKeyDown:
      if (event.key == kVkReturn || event.key == kVkEscape) {
        state.switching = false;
      } else if (event.key == kVkLeft) {
        // In a submenu the left arrow closes the submenu instead.
        if (state.selected.valid && state.selected.inDropDown) target = Wrapped(state.openIndex - 1, state.buttonCount);
      } else if (event.key == kVkRight) {
        // On an item with a submenu the right arrow opens the submenu.
        if (state.selected.valid && !state.selected.hasSubMenu)
          target = Wrapped(state.openIndex + 1, state.buttonCount);
      }
      break;
    case TrackEventKind::kSysKeyDown:
      if (event.key == kVkMenu) {
        state.tracking = false;
        return out;
      }
      break;
    case TrackEventKind::kMenuSelectClose:
      if (!state.switching) state.tracking = false;
      return out;
    case TrackEventKind::kMenuSelect:
      state.switching = false;
      state.selected = event.item;
      break;
    case TrackEventKind::kMouseMove:
      if (event.x != state.lastX || event.y != state.lastY) {
        target = event.buttonUnderMouse;
        state.lastX = event.x;
        state.lastY = event.y;
      }
      break;
    case TrackEventKind::kOther:
      break;
  }
  if (target >= 0 && target != state.openIndex) {
    state.switching = true;
    out.switchTo = target;
  }
  return out;
}

}  // namespace vex::skin::menu
