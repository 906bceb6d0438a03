// Tracking a skinned menu bar's drop-downs, as message sequences: a script
// of keys and mouse moves is posted into the open drop-down's loop one step
// at a time, each step once the menu has settled, and what reached the
// window (drop-downs opened, commands, the closing selection) is compared
// with a table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu_win_support.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinMenuBar.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::test::menus {
namespace {

using skin::TSkinForm;
using skin::TSkinMenuBar;

enum class Act { kKey, kSysKey, kMouseTo, kClick, kCall };
struct Input {
  Act act = Act::kKey;
  UINT key = 0;    // kKey, kSysKey
  int button = 0;  // kMouseTo, kClick: the bar's button under the mouse
  int dx = 0;      // a few pixels further right on that button
  std::function<void()> call;
};
Input Make(Act act, UINT key, int button = 0, int dx = 0) {
  Input in;
  in.act = act, in.key = key, in.button = button, in.dx = dx;
  return in;
}
Input Key(UINT key) { return Make(Act::kKey, key); }
Input SysKey(UINT key) { return Make(Act::kSysKey, key); }
Input MouseTo(int button, int dx = 0) { return Make(Act::kMouseTo, 0, button, dx); }
Input ClickOn(int button) { return Make(Act::kClick, 0, button); }
Input Call(std::function<void()> call) {
  Input in = Make(Act::kCall, 0);
  in.call = std::move(call);
  return in;
}

void MoveMouse(POINT p, DWORD flags = 0) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  SendInput(1, &in, sizeof in);
}

// The bar's four drop-downs: File (an item with a submenu), Edit, Lines
// (nothing selectable in it) and View.
class MenuTracking : public testing::Test {
 protected:
  void SetUp() override {
    HMENU file = MakeMenu({"&Alpha", "&Beta", "&Gamma"}, 101);
    file_ = file;
    deep_ = MakeMenu({"&Deep"}, 111);
    // Beta opens a submenu.
    ModifyMenuA(file, 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(deep_), "&Beta");
    HMENU edit = MakeMenu({"&Undo"}, 121);
    HMENU lines = MakeMenu({"-", "-"}, 131);
    HMENU view = MakeMenu({"&Zoom"}, 141);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(lines), "&Lines");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
    NameMenu(file, "File");
    NameMenu(deep_, "Deep");
    NameMenu(edit, "Edit");
    NameMenu(lines, "Lines");
    NameMenu(view, "View");
    window_ = CreateMenuWindow(bar);
    frame_ = WaitForFrame(window_);
    ASSERT_NE(frame_, nullptr);
    bar_ = BarOf(*frame_);
    ASSERT_NE(bar_, nullptr);
    ASSERT_EQ(bar_->Count(), 4);
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
    PumpPending();
  }

  POINT OnButton(int index, int dx) {
    RECT window{};
    GetWindowRect(window_, &window);
    const RECT& r = bar_->Button(index)->FRect;
    return POINT{window.left + r.left + 3 + dx, window.top + r.top + 5};
  }

  // Opens button `open`'s drop-down with a click and plays `inputs` into
  // the menu loops that follow, each once the menu has settled; then closes
  // whatever is open.  Returns the log.
  std::vector<std::string> Play(int open, const std::vector<Input>& inputs) {
    return Play([&] { frame_->PressMenuButton(*bar_->Button(open)); }, inputs);
  }
  std::vector<std::string> Play(const std::function<void()>& start, const std::vector<Input>& inputs) {
    Log().clear();
    MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
    PumpPending();
    inputs_ = inputs;
    next_ = 0;
    LoopScript script([this] {
      Step();
      return false;
    });
    start();
    const bool finished = PumpUntil(
        [&] { return next_ >= inputs_.size() && !frame_->FTracking && !VisiblePopup() && QueueIdle(); },
        std::chrono::seconds(20));
    EXPECT_TRUE(finished) << "the script did not finish; " << next_ << " of " << inputs_.size() << " steps played";
    EXPECT_FALSE(skin::MenuFilterInstalled());
    return Log();
  }

  void Step() {
    HWND popup = VisiblePopup();
    // Settled: a drop-down is tracked and shown, its first item selected,
    // nothing of ours still on its way.
    if (!popup || !frame_->FTracking || skin::TrackingState().first || !QueueIdle()) return;
    if (next_ >= inputs_.size()) {
      PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
      return;
    }
    const Input& in = inputs_[next_++];
    switch (in.act) {
      case Act::kKey: PostMessageA(popup, WM_KEYDOWN, in.key, 0); break;
      case Act::kSysKey: PostMessageA(popup, WM_SYSKEYDOWN, in.key, 0x20000000); break;
      case Act::kMouseTo: MoveMouse(OnButton(in.button, in.dx)); break;
      case Act::kClick: {
        const POINT p = OnButton(in.button, 0);
        MoveMouse(p);
        MoveMouse(p, MOUSEEVENTF_LEFTDOWN);
        MoveMouse(p, MOUSEEVENTF_LEFTUP);
        break;
      }
      case Act::kCall: in.call(); break;
    }
  }

  HWND window_ = nullptr;
  HMENU file_ = nullptr;
  HMENU deep_ = nullptr;
  TSkinForm* frame_ = nullptr;
  TSkinMenuBar* bar_ = nullptr;
  std::vector<Input> inputs_;
  std::size_t next_ = 0;
};

struct Case {
  const char* name;
  int open;
  std::vector<Input> inputs;
  std::vector<std::string> expected;
};

TEST_F(MenuTracking, Sequences) {
  const Case cases[] = {
      {"Escape closes the drop-down", 0, {Key(VK_ESCAPE)}, {"enter menu loop", "open File", "closed tracking=0"}},
      {"Enter chooses the selected (first) item",
       0,
       {Key(VK_RETURN)},
       {"enter menu loop", "open File", "closed tracking=0", "command &Alpha"}},
      {"right arrow on an item without sub-items opens the next drop-down",
       0,
       {Call([&] { SavePng(ReadScreen(WindowWithMenus(window_)), OutputDir() + "menu-dropdown.png"); }),
        Key(VK_RIGHT)},
       {"enter menu loop", "open File", "closed tracking=1", "enter menu loop", "open Edit", "closed tracking=0"}},
      {"right arrow on the last button wraps to the first",
       3,
       {Key(VK_RIGHT)},
       {"enter menu loop", "open View", "closed tracking=1", "enter menu loop", "open File", "closed tracking=0"}},
      {"left arrow on the first button wraps to the last",
       0,
       {Key(VK_LEFT)},
       {"enter menu loop", "open File", "closed tracking=1", "enter menu loop", "open View", "closed tracking=0"}},
      {"right arrow on an item with sub-items opens the submenu",
       0,
       {Key(VK_DOWN), Key(VK_RIGHT)},
       {"enter menu loop", "open File", "open Deep", "closed tracking=0"}},
      {"left arrow in the submenu closes only the submenu",
       0,
       {Key(VK_DOWN), Key(VK_RIGHT), Key(VK_LEFT), Key(VK_DOWN)},
       {"enter menu loop", "open File", "open Deep", "closed tracking=0"}},
      {"right arrow on the submenu's item opens the next drop-down",
       0,
       {Key(VK_DOWN), Key(VK_RIGHT), Key(VK_RIGHT)},
       {"enter menu loop", "open File", "open Deep", "closed tracking=1", "enter menu loop", "open Edit",
        "closed tracking=0"}},
      {"without a selected item the arrows do nothing",
       2,
       {Key(VK_RIGHT), Key(VK_LEFT)},
       {"enter menu loop", "open Lines", "closed tracking=0"}},
      {"Alt alone ends tracking and opens nothing",
       1,
       {SysKey(VK_MENU)},
       {"enter menu loop", "open Edit", "closed tracking=0"}},
      {"the mouse onto another button's caption opens that one",
       0,
       {MouseTo(3)},
       {"enter menu loop", "open File", "closed tracking=1", "enter menu loop", "open View", "closed tracking=0"}},
      {"the mouse over the open button changes nothing",
       1,
       {MouseTo(1), MouseTo(1, 4)},
       {"enter menu loop", "open Edit", "closed tracking=0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Play(c.open, c.inputs), c.expected);
    EXPECT_FALSE(frame_->FTracking);
  }
}

// The keyboard: Alt with a button's accelerator opens it; Alt alone never
// enters the (native) menu bar.
TEST_F(MenuTracking, AltAndAnAcceleratorOpenThatButton) {
  const std::vector<std::string> expected = {"enter menu loop", "open View", "closed tracking=0"};
  EXPECT_EQ(Play([&] { PostMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, 'v'); }, {}), expected);
  Log().clear();
  EXPECT_EQ(SendMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  EXPECT_EQ(SendMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, 'q'), 0) << "no such accelerator: the system's";
  PumpPending();
  EXPECT_TRUE(Log().empty());
}

// While a drop-down is open its items are owner-drawn, and the skin answers
// the menu's character requests for them; once closed they are the
// system's again.
TEST_F(MenuTracking, OwnerDrawnWhileOpen) {
  UINT type = 0;
  LRESULT gamma = -1, none = -1, other = -1;
  HMENU foreign = CreatePopupMenu();
  auto menuChar = [&](unsigned char ch, HMENU menu) {
    return SendMessageA(window_, WM_MENUCHAR, MAKEWPARAM(ch, MF_POPUP), reinterpret_cast<LPARAM>(menu));
  };
  Play(0, {Call([&] {
         type = GetMenuState(file_, 0, MF_BYPOSITION);
         gamma = menuChar('g', file_);
         none = menuChar('q', file_);
         other = menuChar('g', foreign);
       })});
  DestroyMenu(foreign);
  EXPECT_TRUE(type & MF_OWNERDRAW);
  EXPECT_FALSE(GetMenuState(file_, 0, MF_BYPOSITION) & MF_OWNERDRAW) << "given back once closed";
  EXPECT_EQ(gamma, MAKELRESULT(2, MNC_EXECUTE));
  EXPECT_EQ(none, 0) << "no item has it";
  EXPECT_EQ(other, 0) << "not a menu the skin draws";
}

// Wine hands the click that closed a menu on to the window under it; the
// drop-down's own button then must not open it again.
TEST_F(MenuTracking, AClickOnTheOpenButtonClosesItsDropDown) {
  const std::vector<std::string> expected = {"enter menu loop", "open Edit", "closed tracking=0"};
  EXPECT_EQ(Play(1, {ClickOn(1)}), expected);
  EXPECT_TRUE(PumpUntil([] { return QueueIdle(); }));
  EXPECT_EQ(Log(), expected) << "nothing opened again";
  MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
}

// The open drop-down's button stays pressed through a repaint of the frame,
// and afterwards while the mouse stays on it.
TEST_F(MenuTracking, TheOpenButtonStaysPressed) {
  std::uint32_t outline = 0;
  int ticks = 0;
  const std::uint32_t hilight = Rgb(vcl::ColorToRGB(Skin().ButtonHilight));
  MoveMouse(OnButton(0, 0));
  LoopScript script([&] {
    if (!VisiblePopup() || skin::TrackingState().first) return false;
    // A full repaint of the frame while the drop-down is open.
    frame_->PaintFrame();
    const POINT at = OnButton(0, -3);  // its left edge
    outline = ReadScreen(RECT{at.x, at.y, at.x + 1, at.y + 1}).At(0, 0);
    if (outline != hilight && ++ticks < 100) return false;  // on the screen once the loop waits again
    EndMenu();
    return true;
  });
  frame_->PressMenuButton(*bar_->Button(0));
  EXPECT_TRUE(PumpUntil([&] { return script.Done() && !frame_->FTracking && QueueIdle(); }));
  EXPECT_EQ(outline, hilight) << "the outline of the open button";
  EXPECT_EQ(bar_->Button(0)->FState, skin::kObjectPressed) << "still pressed with the mouse on it";
  MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
  EXPECT_TRUE(PumpUntil([&] { return bar_->Button(0)->FState == skin::kObjectNormal; }))
      << "back to normal once the mouse has left it";
}

}  // namespace
}  // namespace vex::test::menus
