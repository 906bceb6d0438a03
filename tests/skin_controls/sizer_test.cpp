// TSkinSizer: size boxes and size grips keep working but are never painted;
// any other scroll bar is left alone.
#include "controls_fixture.h"
#include "skin/controls/TSkinSizer.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

TEST(SkinSizer, HidesSizeGripsAndBoxesOnly) {
  struct Case {
    const char* name;
    DWORD style;
    bool hidden;
  };
  const Case cases[] = {
      {"size grip", SBS_SIZEGRIP, true},
      {"size box", SBS_SIZEBOX, true},
      {"horizontal scroll bar", SBS_HORZ, false},
      {"vertical scroll bar", SBS_VERT, false},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    HWND bar = f.RawChild("SCROLLBAR", c.style, 10, 10, c.style & (SBS_SIZEGRIP | SBS_SIZEBOX) ? 16 : 120, 16);
    OwnProcLog log(bar, {WM_PAINT, WM_ERASEBKGND, WM_LBUTTONDOWN});
    f.AttachWindow<TSkinSizer>(bar);
    InvalidateRect(bar, nullptr, TRUE);
    UpdateWindow(bar);
    RECT left{};
    EXPECT_FALSE(GetUpdateRect(bar, &left, FALSE)) << c.name << ": nothing left to paint";
    const bool painted = std::find(log.seen.begin(), log.seen.end(), WM_PAINT) != log.seen.end();
    EXPECT_EQ(painted, !c.hidden) << c.name;
    EXPECT_EQ(SendMessageA(bar, WM_ERASEBKGND, 0, 0) == 1 && c.hidden, c.hidden) << c.name;
    Mouse(bar, WM_MOUSEMOVE, 3, 3);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, bar, WM_PAINT, WM_PAINT, PM_NOREMOVE)) << c.name << ": no endless repaint";
  }
}

}  // namespace
}  // namespace vex::skin::test
