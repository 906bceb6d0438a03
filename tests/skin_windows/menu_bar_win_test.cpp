// The skinned menu bar: building its buttons from the window's menu, their
// places and look, the accelerators, pressing buttons without drop-downs,
// the owner-drawn items given back, a form's changed menu, the MDI frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu_win_support.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/OwnerDrawnItems.h"
#include "skin/windows/SkinParts.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/MenuText.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::test::menus {
namespace {

using skin::TMenuBtn;
using skin::TSkinForm;
using skin::TSkinMenuBar;

struct Native {
  std::string text;
  UINT flags = 0;       // MF_GRAYED ...
  bool popup = false;   // with a drop-down of one item
};

HMENU MakeBar(const std::vector<Native>& items, UINT firstId = 200) {
  HMENU bar = CreateMenu();
  UINT id = firstId;
  for (const Native& item : items) {
    if (item.popup) {
      HMENU sub = MakeMenu({"&Item"}, id + 50);
      AppendMenuA(bar, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(sub), item.text.c_str());
    } else {
      AppendMenuA(bar, MF_STRING | item.flags, id, item.text.c_str());
      NameItem(id, item.text);
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
  TSkinForm* Open(HMENU menu, int width = 420) {
    HWND w = CreateMenuWindow(menu, width);
    windows_.push_back(w);
    return WaitForFrame(w);
  }
  std::vector<HWND> windows_;
};

TEST_F(MenuBarTest, BuildFromTheWindowsMenu) {
  const std::string gbk = "\xCE\xC4";  // one double-byte character
  struct Case {
    const char* name;
    std::vector<Native> items;
    std::vector<std::string> captions;
  };
  const Case cases[] = {
      {"one item", {{"&File", 0, true}}, {"&File"}},
      {"several items", {{"&File", 0, true}, {"&Edit", MF_GRAYED, true}, {"&Help"}}, {"&File", "&Edit", "&Help"}},
      {"a text longer than the 80-character buffer is cut", {{std::string(200, 'W'), 0, true}},
       {std::string(80, 'W')}},
      {"a cut never splits a double-byte character", {{std::string(79, 'x') + gbk + "yz", 0, true}},
       {std::string(79, 'x')}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HMENU menu = MakeBar(c.items);
    TSkinForm* frame = Open(menu);
    ASSERT_NE(frame, nullptr);
    TSkinMenuBar* bar = BarOf(*frame);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Captions(*bar), c.captions);
    EXPECT_EQ(GetMenu(frame->Handle()), nullptr) << "the bar took the menu off the window";
    EXPECT_EQ(bar->FMenu, menu);
    EXPECT_EQ(frame->FMenuHeight, GetSystemMetrics(SM_CYMENU));
  }
}

TEST_F(MenuBarTest, AWindowWhoseMenuHasNoItemsKeepsItsNativeBar) {
  HMENU empty = CreateMenu();
  TSkinForm* frame = Open(empty);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->FMenuBar, nullptr);
  EXPECT_EQ(frame->FMenuHeight, 0);
  EXPECT_EQ(GetMenu(frame->Handle()), empty);
}

TEST_F(MenuBarTest, ButtonsLieSideBySideFromTheLeftMargin) {
  TSkinForm* frame = Open(MakeBar({{"&File", 0, true}, {"&Edit", MF_GRAYED, true}, {"&Help"}, {"文件(&V)", 0, true}}));
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  ASSERT_NE(Skin().MenuBar, nullptr);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, skin::MenuFont());
  int x = frame->FLeftWidth + Skin().MenuBar->LeftWidth + 4;
  for (const auto& button : bar.FButtons) {
    RECT text{0, 0, 0, 0};
    DrawTextA(screen, button->FCaption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    const RECT expected{x, frame->FTopHeight, x + text.right + 10, frame->FTopHeight + frame->FMenuHeight - 1};
    EXPECT_TRUE(EqualRect(&button->FRect, &expected)) << button->FCaption << ": " << button->FRect.left << ","
                                                       << button->FRect.top << "," << button->FRect.right << ","
                                                       << button->FRect.bottom;
    x = expected.right;
  }
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
}

TEST_F(MenuBarTest, MenuButtonAtAndTheAccelerators) {
  TSkinForm* frame = Open(MakeBar({{"&File", 0, true}, {"&Edit", MF_GRAYED, true}, {"&Help"}, {"E&xtra", 0, true}}));
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  const RECT first = bar.Button(0)->FRect, last = bar.Button(3)->FRect;
  struct At {
    POINT p;
    int expected;
  };
  const At points[] = {
      {{first.left, first.top}, 0},
      {{first.right - 1, first.bottom - 1}, 0},
      {{first.right, first.top + 2}, 1},
      {{first.left - 1, first.top + 2}, -1},
      {{last.right, last.top + 2}, -1},
      {{first.left, first.bottom}, -1},
  };
  for (const At& a : points)
    EXPECT_EQ(bar.IndexOf(bar.MenuButtonAt(a.p)), a.expected) << a.p.x << "," << a.p.y;

  struct Accel {
    unsigned char ch;
    int expected;
  };
  const Accel accels[] = {{'f', 0}, {'F', 0}, {'e', -1}, {'h', 2}, {'X', 3}, {'z', -1}};
  for (const Accel& a : accels)
    EXPECT_EQ(bar.IndexOf(skin::MenuLayer().FindAccelButton(*frame, a.ch)), a.expected) << a.ch << " (Edit is grayed)";
}

TEST_F(MenuBarTest, PressingButtonsWithoutADropDown) {
  TSkinForm* frame = Open(MakeBar({{"&Help"}, {"&Edit", MF_GRAYED, true}, {"&Grey", MF_GRAYED}}, 300));
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  NameItem(LOWORD(bar.Button(1)->FCommand), "Edit");
  struct Case {
    const char* name;
    int button;
    bool result;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"an item without sub-items posts its command and opens nothing", 0, false, {"command &Help"}},
      {"a disabled item with a drop-down: tracking starts and ends at once", 1, true, {}},
      {"a disabled command posts nothing", 2, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Log().clear();
    TMenuBtn& button = *bar.Button(c.button);
    EXPECT_EQ(skin::MenuLayer().OpenDropDown(*frame, button), c.result);
    PumpPending();
    EXPECT_EQ(Log(), c.log) << "no menu loop was entered";
    EXPECT_FALSE(frame->FTracking);
    EXPECT_FALSE(skin::MenuFilterInstalled());
    EXPECT_EQ(skin::TrackingState().openIndex, -1);
  }
}

// A form object's top-level items hear of their button being pressed, as
// the framework's items do when their drop-down opens; the framework runs
// the click handler of an enabled item only.
TEST_F(MenuBarTest, AFormsTopLevelItemsHearOfTheirButton) {
  vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(vcl::Application));
  form->SetBounds(80, 80, 300, 200);
  auto* menu = new vcl::TMainMenu(form.get());
  int clicks[2] = {};
  const char* captions[] = {"&Refresh", "&Disabled"};
  for (int i = 0; i < 2; ++i) {
    auto* item = new vcl::TMenuItem(form.get());
    item->SetCaption(captions[i]);
    item->OnClick = [&clicks, i](vcl::TObject*) { ++clicks[i]; };
    menu->Items()->Add(item);
  }
  menu->Items()->Items(1)->SetEnabled(false);
  auto* sub = new vcl::TMenuItem(form.get());
  sub->SetCaption("&Sub");
  menu->Items()->Items(1)->Add(sub);
  form->SetMenu(menu);
  form->Show();
  TSkinForm* frame = WaitForFrame(form->Handle());
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  EXPECT_FALSE(skin::MenuLayer().OpenDropDown(*frame, *bar.Button(0)));
  EXPECT_TRUE(skin::MenuLayer().OpenDropDown(*frame, *bar.Button(1))) << "a disabled drop-down opens nothing";
  PumpPending();
  EXPECT_EQ(clicks[0], 1);
  EXPECT_EQ(clicks[1], 0) << "its command was posted; the framework does not click a disabled item";
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
TEST_F(MenuBarTest, OwnerDrawnItemsGetTheirTypeBack) {
  HMENU deep = MakeMenu({"Deep"}, 410);
  HMENU sub = MakeMenu({"One", "-", "Two"}, 400);
  AppendMenuA(sub, MF_POPUP, reinterpret_cast<UINT_PTR>(deep), "More");
  // An item the application draws itself stays so.
  AppendMenuA(sub, MF_OWNERDRAW, 420, reinterpret_cast<LPCSTR>(1));
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  TSkinForm* frame = Open(menu);
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  const std::vector<UINT> before = {TypeAt(sub, 0), TypeAt(sub, 1), TypeAt(sub, 2), TypeAt(sub, 3), TypeAt(deep, 0)};

  bar.FOwnerDrawn.MakeOwnerDrawn(sub);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(TypeAt(sub, i) & MFT_OWNERDRAW) << i;
  EXPECT_TRUE(TypeAt(deep, 0) & MFT_OWNERDRAW) << "submenus at any depth";
  EXPECT_EQ(bar.FOwnerDrawn.Count(), 5u);
  EXPECT_TRUE(bar.FOwnerDrawn.Contains(sub, 400));
  EXPECT_FALSE(bar.FOwnerDrawn.Contains(sub, 420)) << "not the skin's";

  // Skinning goes off while the items are owner-drawn: the frame detaches.
  skin::TSkinManage* manager = skin::SkinManager();
  manager->SetAction(2);
  manager->DoPendingAction();
  EXPECT_EQ(skin::FrameOf(windows_.back()), nullptr);
  const std::vector<UINT> after = {TypeAt(sub, 0), TypeAt(sub, 1), TypeAt(sub, 2), TypeAt(sub, 3), TypeAt(deep, 0)};
  EXPECT_EQ(after, before);
  EXPECT_EQ(GetMenu(windows_.back()), menu) << "the native menu is back on the window";
  char text[16] = {};
  GetMenuStringA(sub, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "One");

  manager->SetAction(1);
  manager->DoPendingAction();
  EXPECT_TRUE(manager->FSkinning);
}

TEST_F(MenuBarTest, RestoringSkipsItemsReplacedMeanwhile) {
  HMENU sub = MakeMenu({"One", "Two"}, 500);
  skin::TOwnerDrawnItems items;
  items.MakeOwnerDrawn(sub);
  // The application inserts an item in front and makes another owner-drawn itself.
  InsertMenuA(sub, 0, MF_BYPOSITION | MF_STRING, 510, "New");
  ModifyMenuA(sub, 500, MF_BYCOMMAND | MF_OWNERDRAW, 500, reinterpret_cast<LPCSTR>(7));
  DeleteMenu(sub, 501, MF_BYCOMMAND);
  AppendMenuA(sub, MF_STRING, 501, "Two again");
  items.Restore();
  EXPECT_FALSE(TypeAt(sub, 0) & MFT_OWNERDRAW);
  EXPECT_FALSE(TypeAt(sub, 1) & MFT_OWNERDRAW) << "found by its id after moving down";
  EXPECT_FALSE(TypeAt(sub, 2) & MFT_OWNERDRAW);
  EXPECT_EQ(items.Count(), 0u);
  DestroyMenu(sub);
}

TEST_F(MenuBarTest, ADropDownClosedGivesItsItemsTheirTypeBack) {
  HMENU sub = MakeMenu({"One"}, 600);
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  TSkinForm* frame = Open(menu);
  ASSERT_NE(frame, nullptr);
  UINT during = 0;
  LoopScript script([&] {
    if (!VisiblePopup()) return false;
    during = TypeAt(sub, 0);
    EndMenu();
    return true;
  });
  frame->PressMenuButton(*BarOf(*frame)->Button(0));
  EXPECT_TRUE(PumpUntil([&] { return script.Done() && !frame->FTracking; }));
  EXPECT_TRUE(during & MFT_OWNERDRAW) << "owner-drawn while shown";
  EXPECT_FALSE(TypeAt(sub, 0) & MFT_OWNERDRAW) << "given back once closed";
}

TEST_F(MenuBarTest, TheBandsLook) {
  TSkinForm* frame = Open(MakeBar({{"&File", 0, true}, {"&Edit", MF_GRAYED, true}}));
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar& bar = *BarOf(*frame);
  RECT window{};
  GetWindowRect(frame->Handle(), &window);
  const Pixels band = ReadScreen(RECT{window.left, window.top + frame->FTopHeight, window.right,
                                      window.top + frame->FTopHeight + frame->FMenuHeight});
  auto local = [&](const RECT& r) { return RECT{r.left, r.top - frame->FTopHeight, r.right, r.bottom - frame->FTopHeight}; };
  EXPECT_GT(CountColour(band, local(bar.Button(1)->FRect), Rgb(GetSysColor(COLOR_BTNSHADOW))), 0)
      << "a disabled caption is drawn in the system's button shadow";
  EXPECT_GT(CountColour(band, local(bar.Button(0)->FRect), Rgb(vcl::ColorToRGB(Skin().MenuBarText))), 0);

  // Hot: outlined in ButtonHilight.  What is drawn on a window reaches the
  // screen once the thread waits for messages again.
  bar.Button(0)->MouseMove();
  const RECT& r = bar.Button(0)->FRect;
  auto pixel = [&](int x, int y) {
    return ReadScreen(RECT{window.left + x, window.top + y, window.left + x + 1, window.top + y + 1}).At(0, 0);
  };
  const int middle = (r.top + r.bottom) / 2;
  const std::uint32_t hilight = Rgb(vcl::ColorToRGB(Skin().ButtonHilight));
  EXPECT_TRUE(PumpUntil([&] { return pixel(r.left, middle) == hilight; }));
  EXPECT_EQ(pixel(r.right - 1, middle), hilight);
  EXPECT_EQ(pixel((r.left + r.right) / 2, r.top), hilight);
  EXPECT_EQ(pixel((r.left + r.right) / 2, r.bottom - 1), hilight);
  bar.Button(0)->MouseLeave();
  EXPECT_TRUE(PumpUntil([&] { return pixel(r.left, middle) != hilight; })) << "the outline goes with the mouse";
  SaveWindowPng(frame->Handle(), "menu-bar");
}

class TMenuForm : public vcl::TForm {
 public:
  explicit TMenuForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    SetCaption("menu form");
    SetBounds(80, 80, 0, 0);
    SetClientSize(360, 160);
    Menu1 = new vcl::TMainMenu(this);
    for (const char* caption : {"&File", "&Edit"}) {
      auto* top = new vcl::TMenuItem(this);
      top->SetCaption(caption);
      auto* item = new vcl::TMenuItem(this);
      item->SetCaption("&Item");
      top->Add(item);
      Menu1->Items()->Add(top);
    }
    SetMenu(Menu1);
  }
  vcl::TMainMenu* Menu1;
};

TEST_F(MenuBarTest, AFormsChangedMenuRebuildsTheBar) {
  vcl::Owned<TMenuForm> form(vcl::New<TMenuForm>(vcl::Application));
  form->Show();
  TSkinForm* frame = WaitForFrame(form->Handle());
  ASSERT_NE(frame, nullptr);
  TSkinMenuBar* bar = BarOf(*frame);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(Captions(*bar), (std::vector<std::string>{"&File", "&Edit"}));

  auto* help = new vcl::TMenuItem(form.get());
  help->SetCaption("&Help");
  form->Menu1->Items()->Add(help);  // the form hears CM_MENUCHANGED
  EXPECT_EQ(Captions(*BarOf(*frame)), (std::vector<std::string>{"&File", "&Edit", "&Help"}));
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);

  // A native item without text takes the main menu's caption.
  MENUITEMINFOA mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STRING;
  mi.dwTypeData = const_cast<char*>("");
  SetMenuItemInfoA(form->Menu1->Handle(), 1, TRUE, &mi);
  form->Perform(vcl::CM_MENUCHANGED, 0, 0);
  bar = BarOf(*frame);
  EXPECT_EQ(bar->Button(1)->FCaption, "&Edit");
  EXPECT_EQ(bar->Button(1)->FSubMenu, form->Menu1->Items()->Items(1)->Handle());
  EXPECT_EQ(bar->Button(2)->FSubMenu, nullptr) << "Help has no sub-items";
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
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VexMenuTestMdi";
  RegisterClassA(&wc);
  wc.lpfnWndProc = DefMDIChildProcA;
  wc.lpszClassName = "VexMenuTestMdiChild";
  RegisterClassA(&wc);
  HWND mdi = CreateWindowExA(0, "VexMenuTestMdi", "mdi", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 480, 320,
                             nullptr, MakeBar({{"&File", 0, true}, {"&Window", 0, true}}), GetModuleHandleA(nullptr),
                             nullptr);
  windows_.push_back(mdi);
  ShowWindow(mdi, SW_SHOW);
  SetForegroundWindow(mdi);
  TSkinForm* frame = WaitForFrame(mdi);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(frame->IsMdiFrame());
  MDICREATESTRUCTA mcs{};
  mcs.szClass = "VexMenuTestMdiChild";
  mcs.szTitle = "child";
  mcs.hOwner = GetModuleHandleA(nullptr);
  mcs.cx = 200;
  mcs.cy = 120;
  mcs.style = WS_OVERLAPPEDWINDOW;
  HWND child = reinterpret_cast<HWND>(SendMessageA(frame->FClientWnd, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  SendMessageA(frame->FClientWnd, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_TRUE(PumpUntil([&] { return frame->MdiChildMaximized(); }));
  frame->PaintFrame();
  EXPECT_TRUE(skin::SkinManager()->FMdiMax) << "the bar painting the child's buttons enters MDI-maximised mode";
  const RECT band{frame->FLeftWidth, frame->FTopHeight, frame->FWidth - frame->FRightWidth,
                  frame->FTopHeight + frame->FMenuHeight};
  int shown = 0;
  for (const auto& b : frame->FButtons) {
    if (b->FSkinButton->Visibility != 100) continue;
    EXPECT_TRUE(b->FVisible);
    RECT inBand{};
    EXPECT_TRUE(IntersectRect(&inBand, &b->FRect, &band) && EqualRect(&inBand, &b->FRect)) << "inside the band";
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
