// The skinned menu bar: its buttons built from the window's menu, their
// places, accelerators and look, pressing buttons without drop-downs, the
// owner-drawn items given back, a form's changed menu, the MDI frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu_win_support.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/SkinParts.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::test::menus {
namespace {

using skin::TSkinForm;
using skin::TSkinMenuBar;

// Top-level items: "text" a command, "text>" with a one-item drop-down, a
// leading "!" grays the item.  Command ids count up from 200.
HMENU MakeBar(const std::vector<std::string>& items) {
  HMENU bar = CreateMenu();
  UINT id = 200;
  for (std::string text : items) {
    const UINT gray = text[0] == '!' ? MF_GRAYED : 0;
    if (gray) text.erase(0, 1);
    if (text.back() == '>') {
      text.pop_back();
      AppendMenuA(bar, MF_POPUP | gray, reinterpret_cast<UINT_PTR>(MakeMenu({"&Item"}, id + 50)), text.c_str());
    } else {
      AppendMenuA(bar, MF_STRING | gray, id, text.c_str());
      NameItem(id, text);
    }
    ++id;
  }
  return bar;
}

std::vector<std::string> Captions(const TSkinMenuBar& bar) {
  std::vector<std::string> out;
  for (const auto& b : bar.FButtons) out.push_back(b->FCaption);
  return out;
}

class MenuBarTest : public testing::Test {
 protected:
  void TearDown() override {
    for (HWND w : windows_) DestroyWindow(w);
    PumpPending();
  }
  TSkinForm* Open(HMENU menu) {
    windows_.push_back(CreateMenuWindow(menu));
    return WaitForFrame(windows_.back());
  }
  std::vector<HWND> windows_;
};

TEST_F(MenuBarTest, BuildFromTheWindowsMenu) {
  const std::string gbk = "\xCE\xC4";  // one double-byte character
  struct Case {
    const char* name;
    std::vector<std::string> items;
    std::vector<std::string> captions;
  };
  const Case cases[] = {
      {"no items: the window keeps its native bar", {}, {}},
      {"one item", {"&File>"}, {"&File"}},
      {"several items", {"&File>", "!&Edit>", "&Help"}, {"&File", "&Edit", "&Help"}},
      {"a text longer than the 80-character buffer is cut", {std::string(200, 'W') + ">"}, {std::string(80, 'W')}},
      {"the cut never splits a double-byte character", {std::string(79, 'x') + gbk + "y>"}, {std::string(79, 'x')}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HMENU menu = MakeBar(c.items);
    TSkinForm* frame = Open(menu);
    ASSERT_NE(frame, nullptr);
    TSkinMenuBar* bar = BarOf(*frame);
    if (c.captions.empty()) {
      EXPECT_EQ(bar, nullptr);
      EXPECT_EQ(frame->FMenuHeight, 0);
      EXPECT_EQ(GetMenu(frame->Handle()), menu);
      continue;
    }
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Captions(*bar), c.captions);
    EXPECT_EQ(GetMenu(frame->Handle()), nullptr) << "the bar took the menu off the window";
    EXPECT_EQ(frame->FMenuHeight, GetSystemMetrics(SM_CYMENU));
  }
}

TEST_F(MenuBarTest, ButtonPlacesAndAccelerators) {
  TSkinForm* frame = Open(MakeBar({"&File>", "!&Edit>", "&Help", "E&xtra>"}));
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  // Side by side from the MenuBar object's margin, each its caption + 10 wide.
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, skin::MenuFont());
  int x = frame->FLeftWidth + Skin().MenuBar->LeftWidth + 4;
  for (const auto& button : bar.FButtons) {
    RECT text{0, 0, 0, 0};
    DrawTextA(screen, button->FCaption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
    const RECT expected{x, frame->FTopHeight, x + text.right + 10, frame->FTopHeight + frame->FMenuHeight - 1};
    EXPECT_TRUE(EqualRect(&button->FRect, &expected)) << button->FCaption;
    x = expected.right;
  }
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);

  const RECT first = bar.Button(0)->FRect, last = bar.Button(3)->FRect;
  const std::pair<POINT, int> points[] = {
      {{first.left, first.top}, 0},        {{first.right, first.top + 2}, 1}, {{first.left - 1, first.top}, -1},
      {{last.right, last.top + 2}, -1},    {{first.left, first.bottom}, -1},
  };
  for (const auto& [p, expected] : points) EXPECT_EQ(bar.IndexOf(bar.MenuButtonAt(p)), expected) << p.x << "," << p.y;
  const std::pair<unsigned char, int> accels[] = {{'f', 0}, {'F', 0}, {'e', -1}, {'h', 2}, {'X', 3}, {'z', -1}};
  for (const auto& [ch, expected] : accels)
    EXPECT_EQ(bar.IndexOf(skin::MenuLayer().FindAccelButton(*frame, ch)), expected) << ch << " (Edit is grayed)";
}

TEST_F(MenuBarTest, PressingButtonsWithoutADropDown) {
  TSkinForm* frame = Open(MakeBar({"&Help", "!&Edit>", "!&Grey"}));
  ASSERT_NE(frame, nullptr);
  struct Case {
    const char* name;
    int button;
    bool result;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"an item without sub-items posts its command and opens nothing", 0, false, {"command &Help"}},
      {"a disabled drop-down: tracking starts and ends at once", 1, true, {}},
      {"a disabled command posts nothing", 2, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Log().clear();
    EXPECT_EQ(skin::MenuLayer().OpenDropDown(*frame, *BarOf(*frame)->Button(c.button)), c.result);
    PumpPending();
    EXPECT_EQ(Log(), c.log) << "no menu loop was entered";
    EXPECT_FALSE(frame->FTracking);
    EXPECT_FALSE(skin::MenuFilterInstalled());
  }
}

UINT TypeAt(HMENU menu, int position) {
  MENUITEMINFOA mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &mi);
  return mi.fType;
}

// The skin makes the drop-downs' items owner-drawn; a menu handed back to
// the system must draw itself again.
TEST_F(MenuBarTest, OwnerDrawnItemsGetTheirTypeBackWhenTheFrameDetaches) {
  HMENU deep = MakeMenu({"Deep"}, 410);
  HMENU sub = MakeMenu({"One", "-"}, 400);
  AppendMenuA(sub, MF_POPUP, reinterpret_cast<UINT_PTR>(deep), "More");
  AppendMenuA(sub, MF_OWNERDRAW, 420, reinterpret_cast<LPCSTR>(1));  // the application's own
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  TSkinForm* frame = Open(menu);
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  auto types = [&] { return std::vector<UINT>{TypeAt(sub, 0), TypeAt(sub, 1), TypeAt(sub, 2), TypeAt(deep, 0)}; };
  const std::vector<UINT> before = types();

  bar.FOwnerDrawn.MakeOwnerDrawn(sub);  // as when the drop-down opens
  for (UINT type : types()) EXPECT_TRUE(type & MFT_OWNERDRAW) << "submenus at any depth too";
  EXPECT_FALSE(bar.FOwnerDrawn.Contains(sub, 420)) << "not the skin's";
  // Skinning goes off while they are owner-drawn: the frame detaches.
  skin::TSkinManage* manager = skin::SkinManager();
  manager->SetAction(2);
  manager->DoPendingAction();
  EXPECT_EQ(types(), before);
  EXPECT_TRUE(TypeAt(sub, 3) & MFT_OWNERDRAW) << "the application's own item stays so";
  EXPECT_EQ(GetMenu(windows_.back()), menu) << "the native menu is back on the window";
  manager->SetAction(1);
  manager->DoPendingAction();
}

TEST_F(MenuBarTest, TheBandsLook) {
  TSkinForm* frame = Open(MakeBar({"&File>", "!&Edit>"}));
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  RECT window{};
  GetWindowRect(frame->Handle(), &window);
  auto area = [&](const RECT& r) {
    return ReadScreen(RECT{window.left + r.left, window.top + r.top, window.left + r.right, window.top + r.bottom});
  };
  const Pixels edit = area(bar.Button(1)->FRect);
  EXPECT_GT(CountColour(edit, RECT{0, 0, edit.width, edit.height}, Rgb(GetSysColor(COLOR_BTNSHADOW))), 0)
      << "a disabled caption is drawn in the system's button shadow";
  // Hot: outlined in ButtonHilight.  What is drawn on a window reaches the
  // screen once the thread waits for messages again.
  const RECT r = bar.Button(0)->FRect;
  const std::uint32_t hilight = Rgb(vcl::ColorToRGB(Skin().ButtonHilight));
  auto outlined = [&] {
    const Pixels p = area(r);
    return p.At(0, p.height / 2) == hilight && p.At(p.width - 1, p.height / 2) == hilight &&
           p.At(p.width / 2, 0) == hilight && p.At(p.width / 2, p.height - 1) == hilight;
  };
  bar.Button(0)->MouseMove();
  EXPECT_TRUE(PumpUntil(outlined));
  bar.Button(0)->MouseLeave();
  EXPECT_TRUE(PumpUntil([&] { return !outlined(); })) << "the outline goes with the mouse";
  SaveWindowPng(frame->Handle(), "menu-bar");
}

// Access keys on the bar are underlined only while the window's UI state
// shows them (Alt pressed), as on a native menu bar.  Wine difference: Wine 8
// keeps no UI state (Alt changes nothing, WM_CHANGEUISTATE is dropped), so
// the WM_UPDATEUISTATE that Windows' DefWindowProc sends the window when Alt
// goes down is sent here.
TEST_F(MenuBarTest, AccessKeysUnderlinedOnlyWhileTheWindowShowsThem) {
  TSkinForm* frame = Open(MakeBar({"&File>", "&Edit>"}));
  ASSERT_NE(frame, nullptr);
  const HWND h = frame->Handle();
  TSkinMenuBar& bar = *BarOf(*frame);
  RECT window{};
  GetWindowRect(h, &window);
  const RECT r = bar.Button(0)->FRect;
  auto area = [&] {
    return ReadScreen(RECT{window.left + r.left, window.top + r.top, window.left + r.right, window.top + r.bottom});
  };
  auto changes = [](const Pixels& a, const Pixels& b) {
    std::vector<int> rows;
    for (int y = 0; y < a.height; ++y)
      for (int x = 0; x < a.width; ++x)
        if (a.At(x, y) != b.At(x, y)) {
          rows.push_back(y);
          break;
        }
    return rows;
  };
  auto change = [&](WORD action, WORD flags) {
    SendMessageA(h, WM_CHANGEUISTATE, MAKEWPARAM(action, flags), 0);
    SendMessageA(h, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), 0);
  };
  change(UIS_SET, UISF_HIDEACCEL | UISF_HIDEFOCUS);
  EXPECT_TRUE(frame->HidesAccessKeys());
  PumpPending();
  Pixels hidden = area();
  PumpUntil([&] {
    const Pixels now = area();
    const bool same = changes(now, hidden).empty();
    hidden = now;
    return same;
  });

  change(UIS_CLEAR, UISF_HIDEACCEL);
  EXPECT_FALSE(frame->HidesAccessKeys());
  // Wine difference: Wine 8's DrawText underlines with DT_HIDEPREFIX too, so
  // only the state can be checked there.
  if (IsWine()) GTEST_SKIP() << "DrawText ignores DT_HIDEPREFIX under Wine";
  ASSERT_TRUE(PumpUntil([&] { return !changes(area(), hidden).empty(); })) << "the F of &File is underlined";
  const std::vector<int> rows = changes(area(), hidden);
  EXPECT_LE(rows.back() - rows.front(), 1) << "an underline, nothing else";
  SaveWindowPng(h, "menu-bar-access-keys");

  change(UIS_SET, UISF_HIDEACCEL);
  EXPECT_TRUE(PumpUntil([&] { return changes(area(), hidden).empty(); })) << "hidden again";
}

// A form object's bar follows its main menu: rebuilt when it changes, a
// native item without text takes the component's caption, and a top-level
// item hears of its button being pressed (the framework clicks it when it
// is enabled).
TEST_F(MenuBarTest, AFormsMainMenu) {
  vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(vcl::Application));
  form->SetBounds(80, 80, 360, 200);
  auto* menu = new vcl::TMainMenu(form.get());
  int clicks[2] = {};
  for (int i = 0; i < 2; ++i) {
    auto* top = new vcl::TMenuItem(form.get());
    top->SetCaption(i == 0 ? "&File" : "&Edit");
    top->OnClick = [&clicks, i](vcl::TObject*) { ++clicks[i]; };
    menu->Items()->Add(top);
  }
  auto* item = new vcl::TMenuItem(form.get());
  item->SetCaption("&Item");
  menu->Items()->Items(1)->Add(item);
  menu->Items()->Items(1)->SetEnabled(false);
  form->SetMenu(menu);
  form->Show();
  TSkinForm* frame = WaitForFrame(form->Handle());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(Captions(*BarOf(*frame)), (std::vector<std::string>{"&File", "&Edit"}));

  auto* help = new vcl::TMenuItem(form.get());
  help->SetCaption("&Help");
  menu->Items()->Add(help);  // the form hears CM_MENUCHANGED
  EXPECT_EQ(Captions(*BarOf(*frame)), (std::vector<std::string>{"&File", "&Edit", "&Help"}));
  MENUITEMINFOA mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STRING;
  mi.dwTypeData = const_cast<char*>("");
  SetMenuItemInfoA(menu->Handle(), 1, TRUE, &mi);
  form->Perform(vcl::CM_MENUCHANGED, 0, 0);
  TSkinMenuBar& bar = *BarOf(*frame);
  EXPECT_EQ(bar.Button(1)->FCaption, "&Edit");
  EXPECT_EQ(bar.Button(1)->FSubMenu, menu->Items()->Items(1)->Handle());

  EXPECT_FALSE(skin::MenuLayer().OpenDropDown(*frame, *bar.Button(0)));
  EXPECT_TRUE(skin::MenuLayer().OpenDropDown(*frame, *bar.Button(1))) << "disabled: nothing opens";
  PumpPending();
  EXPECT_EQ(clicks[0], 1);
  EXPECT_EQ(clicks[1], 0) << "posted, but the framework does not click a disabled item";
}

// A top-level item's click handler runs before its drop-down opens, so the
// items it changes show in the drop-down, which stays open.
TEST_F(MenuBarTest, ATopLevelItemsClickHandlerRunsBeforeItsDropDownOpens) {
  vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(vcl::Application));
  form->SetBounds(80, 80, 360, 200);
  auto* menu = new vcl::TMainMenu(form.get());
  auto* file = new vcl::TMenuItem(form.get());
  file->SetCaption("&File");
  menu->Items()->Add(file);
  auto* open = new vcl::TMenuItem(form.get());
  open->SetCaption("&Open");
  file->Add(open);
  int clicks = 0;
  bool popupShownAtClick = false;
  file->OnClick = [&](vcl::TObject*) {
    ++clicks;
    popupShownAtClick = VisiblePopup() != nullptr;
    open->SetEnabled(clicks % 2 == 0);  // what such handlers do: the bar is rebuilt
  };
  form->SetMenu(menu);
  form->Show();
  TSkinForm* frame = WaitForFrame(form->Handle());
  ASSERT_NE(frame, nullptr);
  int shownTicks = 0, clicksWhenShown = -1;
  bool closedEarly = false;
  LoopScript script([&] {
    HWND popup = VisiblePopup();
    if (!popup) {
      closedEarly = shownTicks > 0;
      return closedEarly;  // not open yet, or closed under the handler
    }
    if (clicksWhenShown < 0) clicksWhenShown = clicks;
    if (++shownTicks < 6) return false;  // stays open
    EndMenu();
    return true;
  });
  frame->PressMenuButton(*BarOf(*frame)->Button(0));
  EXPECT_TRUE(PumpUntil([&] { return script.Done() && !frame->FTracking; }));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(popupShownAtClick) << "the handler ran with the drop-down already on screen";
  EXPECT_EQ(clicksWhenShown, 1);
  EXPECT_FALSE(closedEarly) << "the drop-down closed under the handler's change";
  EXPECT_GE(shownTicks, 6);
  PumpPending();
}

// The MDI frame's band carries the maximised child's three buttons.
LRESULT CALLBACK MdiFrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  static HWND client = nullptr;
  if (msg == WM_CREATE) {
    CLIENTCREATESTRUCT ccs{nullptr, 50000};
    client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, window,
                             nullptr, GetModuleHandleA(nullptr), &ccs);
    return 0;
  }
  return DefFrameProcA(window, client, msg, wParam, lParam);
}

TEST_F(MenuBarTest, AnMdiFrameCarriesTheMaximisedChildsButtons) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = MdiFrameProc;
  wc.lpszClassName = "VexMenuTestMdi";
  RegisterClassA(&wc);
  wc.lpfnWndProc = DefMDIChildProcA;
  wc.lpszClassName = "VexMenuTestMdiChild";
  RegisterClassA(&wc);
  HWND mdi = CreateWindowExA(0, "VexMenuTestMdi", "mdi", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 480, 320,
                             nullptr, MakeBar({"&File>", "&Window>"}), nullptr, nullptr);
  windows_.push_back(mdi);
  ShowWindow(mdi, SW_SHOW);
  SetForegroundWindow(mdi);
  TSkinForm* frame = WaitForFrame(mdi);
  ASSERT_TRUE(frame && frame->IsMdiFrame());
  HWND child = CreateMDIWindowA("VexMenuTestMdiChild", "child", WS_OVERLAPPEDWINDOW, 0, 0, 200, 120,
                                frame->FClientWnd, nullptr, 0);
  SendMessageA(frame->FClientWnd, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_TRUE(PumpUntil([&] { return frame->MdiChildMaximized(); }));
  frame->PaintFrame();
  EXPECT_TRUE(skin::SkinManager()->FMdiMax) << "painting the child's buttons enters MDI-maximised mode";
  const RECT band{frame->FLeftWidth, frame->FTopHeight, frame->FWidth - frame->FRightWidth,
                  frame->FTopHeight + frame->FMenuHeight};
  int shown = 0;
  for (const auto& b : frame->FButtons) {
    if (b->FSkinButton->Visibility != 100) continue;
    RECT in{};
    EXPECT_TRUE(b->FVisible && IntersectRect(&in, &b->FRect, &band) && EqualRect(&in, &b->FRect)) << "in the band";
    ++shown;
  }
  EXPECT_EQ(shown, 3);
  EXPECT_EQ(GetMenu(mdi), nullptr) << "the system added nothing to a menu that is off the window";
  SaveWindowPng(mdi, "menu-mdi-maximised");
  SendMessageA(frame->FClientWnd, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  PumpPending();
}

}  // namespace
}  // namespace vex::test::menus
