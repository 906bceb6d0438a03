// Tracking a skinned menu bar's drop-down.  Switching to a neighbouring
// button ends the open drop-down with EndMenu and posts the click on the
// new button once TrackPopupMenu has returned: a click posted while the
// menu loop runs would be dispatched inside it (Wine does) and open a
// second menu loop in the first.
#include "skin/windows/MenuTracking.h"

#include <vector>

#include "skin/windows/MenuGeometry.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "widgets/TMenu.h"

namespace vex::skin {
namespace {

struct Tracking {
  TSkinForm* frame = nullptr;
  TSkinMenuBar* bar = nullptr;
  menu::TrackState rules;
  HHOOK filter = nullptr;
  int pendingSwitch = -1;
  // A button-down on the open drop-down's own button closes it; where the
  // system hands that click on to the window afterwards, it must not open
  // the drop-down again.
  bool closingClickSeen = false;
  HWND closingWindow = nullptr;
  int closingIndex = -1;
  LONG closingTime = 0;
};

Tracking& State() {
  static Tracking tracking;
  return tracking;
}

bool IsNt4() {
  const bool nt = (WinVersion & 0x80000000u) == 0;
  return nt && LOBYTE(LOWORD(WinVersion)) == 4;
}

int ButtonIndexAt(Tracking& t, POINT screen) {
  return t.bar->IndexOf(t.bar->MenuButtonAt(t.frame->ScreenToFrame(screen)));
}


void FilterMessage(Tracking& t, const MSG& msg) {
  menu::TrackEvent event;
  event.key = static_cast<unsigned>(msg.wParam);
  switch (msg.message) {
    case WM_KEYDOWN: event.kind = menu::TrackEventKind::kKeyDown; break;
    case WM_SYSKEYDOWN: event.kind = menu::TrackEventKind::kSysKeyDown; break;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {
      // The cursor where the message was made: the coordinates in lParam
      // are not the same in every menu loop (Wine leaves them on screen).
      const POINT p = msg.pt;
      event.kind = menu::TrackEventKind::kMouseMove;
      event.x = p.x;
      event.y = p.y;
      event.buttonUnderMouse = ButtonIndexAt(t, p);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      if (ButtonIndexAt(t, msg.pt) == t.rules.openIndex) {
        t.closingClickSeen = true;
        t.closingWindow = t.frame->Handle();
        t.closingIndex = t.rules.openIndex;
        t.closingTime = static_cast<LONG>(msg.time);
      }
      break;
    default: break;
  }
  const menu::TrackOutcome outcome = menu::TrackStep(t.rules, event);
  // The drop-down opens with its first item selected, as from the keyboard.
  if (outcome.postDown) PostMessageA(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  if (!t.rules.tracking) EndTracking(*t.frame);
  if (outcome.switchTo >= 0) {
    if (TMenuBtn* target = t.bar->Button(outcome.switchTo)) SwitchTo(*t.frame, *target);
  }
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam) {
  Tracking& t = State();
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_MENU && msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP))
    msg->wParam = menu::KeyForMenu(t.rules, static_cast<unsigned>(msg->wParam));
  const LRESULT result = CallNextHookEx(t.filter, code, wParam, lParam);
  if (result || code != MSGF_MENU || !msg || !t.frame || !t.bar) return result;
  try {
    FilterMessage(t, *msg);
  } catch (...) {
    // The menu loop carries on whatever the skin does.
  }
  return result;
}

void PostClick(TSkinForm& frame, const TMenuBtn& button) {
  RECT window{};
  GetWindowRect(frame.Handle(), &window);
  PostMessageA(frame.Handle(), WM_NCLBUTTONDOWN, HTCLIENT,
               MAKELPARAM(window.left + button.FRect.left + 1, window.top + button.FRect.top + 1));
}

menu::SelectedItem SelectedFacts(HMENU menu, UINT item, UINT flags, HMENU dropDown) {
  menu::SelectedItem facts;
  if (!menu) return facts;
  MENUITEMINFOA mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_ID | MIIM_DATA;
  // A submenu item is announced by its position, any other by its command.
  if (!GetMenuItemInfoA(menu, item, (flags & MF_POPUP) != 0, &mi)) return facts;
  facts.valid = true;
  facts.hasSubMenu = (flags & MF_POPUP) != 0 || mi.hSubMenu;
  facts.inDropDown = menu == dropDown;
  // A menu component's items are right to left as their menu is.
  const vcl::TMenuItem* component = vcl::TMenuItem::FromItemData(mi.dwItemData, mi.wID);
  const vcl::TMenu* owner = component ? component->GetParentMenu() : nullptr;
  facts.rightToLeft = (mi.fType & MFT_RIGHTORDER) != 0 || (owner && owner->RightToLeft());
  return facts;
}

// The items of an owner-drawn menu have no text the system would look at
// for their accelerators: the skin answers the menu's character requests.
bool MenuChar(HMENU menu, unsigned char ch, LRESULT& result) {
  const int count = GetMenuItemCount(menu);
  std::vector<int> matches;
  int current = -1;
  for (int i = 0; i < count; ++i) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    if (state & MF_HILITE) current = i;
    const std::string caption = menu::SplitAtTab(MenuItemText(menu, static_cast<UINT>(i), true)).caption;
    if (menu::SameAccel(menu::AccelChar(caption, &IsLeadByte), ch)) matches.push_back(i);
  }
  if (matches.empty()) return false;
  if (matches.size() == 1) {
    result = MAKELRESULT(matches.front(), MNC_EXECUTE);
    return true;
  }
  // Several items share the letter: each press selects the next of them.
  int next = matches.front();
  for (int i : matches) {
    if (i > current) {
      next = i;
      break;
    }
  }
  result = MAKELRESULT(next, MNC_SELECT);
  return true;
}

// A form object's main-menu item hears of its button being pressed (its
// click handler runs when it is enabled), drop-down or not.  A native item
// only when it is an enabled command: a submenu item's id is its submenu's
// handle, which may well be the id of some other command of the window.
bool PostsCommand(const TSkinMenuBar& bar, const TMenuBtn& button) {
  if (bar.FMainMenu) {
    vcl::TMenuItem* item = vcl::TMenuItem::FromCommand(button.FCommand);
    if (item && item->GetParentMenu() == bar.FMainMenu) return true;
  }
  return !button.FSubMenu && button.FEnabled;
}

}  // namespace

const menu::TrackState& TrackingState() { return State().rules; }

int OpenButtonIndex(const TSkinMenuBar* bar) {
  const Tracking& t = State();
  return bar && t.bar == bar ? t.rules.openIndex : -1;
}
bool MenuFilterInstalled() { return State().filter != nullptr; }

void ForgetMenuBar(TSkinMenuBar* bar) {
  Tracking& t = State();
  if (t.bar == bar) t.bar = nullptr;
}

void EndTracking(TSkinForm& frame) { frame.FTracking = false; }

void SwitchTo(TSkinForm& /*frame*/, TMenuBtn& button) {
  State().pendingSwitch = button.FIndex;
  EndMenu();
}

TMenuBtn* FindAccelButton(TSkinForm& frame, unsigned char ch) {
  auto* bar = dynamic_cast<TSkinMenuBar*>(frame.FMenuBar.get());
  if (!bar) return nullptr;
  std::vector<menu::BarButton> facts;
  for (const auto& button : bar->FButtons) facts.push_back({button->FCaption, button->FEnabled});
  return bar->Button(menu::FindAccelButton(facts, ch, &IsLeadByte));
}

namespace {
// Opens the button's drop-down and tracks it until it closes.
bool TrackDropDown(TSkinForm& frame, TMenuBtn& button);
}  // namespace

bool OpenDropDown(TSkinForm& frame, TMenuBtn& button) {
  Tracking& t = State();
  const HWND window = frame.Handle();
  if (t.closingClickSeen) {
    const bool closedByThisClick = t.closingWindow == window && t.closingIndex == button.FIndex &&
                                   t.closingTime == GetMessageTime();
    t.closingClickSeen = false;
    if (closedByThisClick) {
      button.MouseUp();
      return false;
    }
  }
  const bool opens = button.FSubMenu && !t.frame;
  if (PostsCommand(*button.FBar, button)) {
    if (!opens) {
      PostMessageA(window, WM_COMMAND, button.FCommand, 0);
      return false;
    }
    // The item's click handler runs before its drop-down opens: such a
    // handler usually changes items, and a menu rebuilt under an open
    // drop-down closes it; a context menu it opens is then its own, not
    // tracked as the bar's.
    const int index = button.FIndex;
    SendMessageA(window, WM_COMMAND, button.FCommand, 0);
    // The handler may have rebuilt the bar (new button objects), switched
    // the skin off or destroyed the window.
    if (!IsWindow(window) || TFramesHeld::Released(&frame) || State().frame) return false;
    auto* now = dynamic_cast<TSkinMenuBar*>(frame.FMenuBar.get());
    TMenuBtn* same = now ? now->Button(index) : nullptr;
    if (!same || !same->FSubMenu) return false;
    if (same != &button) same->MouseDown();
    return TrackDropDown(frame, *same);
  }
  if (!opens) return false;
  return TrackDropDown(frame, button);
}

namespace {

bool TrackDropDown(TSkinForm& frame, TMenuBtn& button) {
  Tracking& t = State();
  const HWND window = frame.Handle();
  TSkinMenuBar* bar = button.FBar;
  RECT rect{};
  GetWindowRect(window, &rect);
  if (!IsNt4()) bar->FOwnerDrawn.MakeOwnerDrawn(button.FSubMenu);
  frame.FTracking = true;
  frame.FDropDown = button.FSubMenu;

  t.frame = &frame;
  t.bar = bar;
  t.pendingSwitch = -1;
  POINT cursor{};
  GetCursorPos(&cursor);
  menu::StartTracking(t.rules, bar->Count(), button.FIndex, cursor.x, cursor.y);
  if (!t.filter) t.filter = SetWindowsHookExA(WH_MSGFILTER, MenuFilterProc, nullptr, GetCurrentThreadId());
  // The button may be gone once the menu has closed (its window destroyed
  // meanwhile): nothing of it is read afterwards.
  const HMENU dropDown = button.FSubMenu;
  const POINT at{rect.left + button.FRect.left, rect.top + button.FRect.bottom};
  // Without TPM_NONOTIFY: the window gets WM_INITMENUPOPUP for the
  // drop-down and its submenus as from its own menu bar.
  if (button.FEnabled) TrackPopupMenu(dropDown, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);

  if (t.filter) UnhookWindowsHookEx(t.filter);
  t.filter = nullptr;
  menu::StopTracking(t.rules);
  const int next = t.pendingSwitch;
  t.pendingSwitch = -1;
  TSkinMenuBar* alive = t.bar;
  t.frame = nullptr;
  t.bar = nullptr;
  frame.FTracking = false;
  if (alive) {
    alive->FOwnerDrawn.Restore();
    if (TMenuBtn* target = alive->Button(next)) PostClick(frame, *target);
  }
  return true;
}

}  // namespace

bool MenuLoopMessage(TSkinForm& frame, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  Tracking& t = State();
  if (t.frame != &frame) return false;
  if (msg == WM_MENUSELECT) {
    const UINT flags = HIWORD(wParam);
    const auto menu = reinterpret_cast<HMENU>(lParam);
    menu::TrackEvent event;
    event.fromFilter = false;
    if (flags == 0xFFFF && !menu) {
      event.kind = menu::TrackEventKind::kMenuSelectClose;
    } else {
      event.kind = menu::TrackEventKind::kMenuSelect;
      event.item = SelectedFacts(menu, LOWORD(wParam), flags, frame.FDropDown);
    }
    menu::TrackStep(t.rules, event);
    if (!t.rules.tracking) EndTracking(frame);
    return false;
  }
  if (msg == WM_MENUCHAR && t.bar && t.bar->FOwnerDrawn.Contains(reinterpret_cast<HMENU>(lParam)))
    return MenuChar(reinterpret_cast<HMENU>(lParam), static_cast<unsigned char>(LOWORD(wParam)), result);
  return false;
}

}  // namespace vex::skin
