// TSkinTab on tab controls with their tabs along each side, drawn on memory
// DCs: the skinner reads the side from the style, every tab is the skin's,
// and the selected tab is told apart from the others at its outer edge.
#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/TabGeometry.h"
#include "skin/controls/TSkinTab.h"

namespace vex::skin::test {
namespace {

TEST(TabPainting, AStripAlongEachSide) {
  const struct {
    DWORD style;
    int side;
    const char* name;
  } cases[] = {{0, controls::kTabsTop, "top"},
               {TCS_BOTTOM, controls::kTabsBottom, "bottom"},
               {TCS_VERTICAL | TCS_MULTILINE, controls::kTabsLeft, "left"},
               {TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, controls::kTabsRight, "right"}};
  for (const auto& c : cases) {
    SkinnedForm f;
    HWND tabs = f.RawChild(WC_TABCONTROLA, c.style, 10, 10, 200, 150);
    for (int i = 0; i < 3; ++i) {
      char text[] = "Tab";
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
    auto* s = f.AttachWindow<TSkinTab>(tabs);
    EXPECT_EQ(s->TabPosition, c.side) << c.name;
    const Pixels p = DrawOffscreen(*s);
    RECT selected{}, other{};
    SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
    SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&other));
    // The client rectangle is the window's here (no border style).
    EXPECT_EQ(CountColour(p, 0x123456, &other), 0) << c.name << ": the tab is painted";
    // Two pixels in from each tab's outer edge, halfway along it: inside
    // the tab's frame, clear of its caption.
    const auto edge = [&](const RECT& r) {
      switch (c.side) {
        case controls::kTabsTop: return POINT{(r.left + r.right) / 2, r.top + 2};
        case controls::kTabsBottom: return POINT{(r.left + r.right) / 2, r.bottom - 3};
        case controls::kTabsLeft: return POINT{r.left + 2, (r.top + r.bottom) / 2};
        default: return POINT{r.right - 3, (r.top + r.bottom) / 2};
      }
    };
    const POINT a = edge(selected), b = edge(other);
    EXPECT_NE(p.At(a.x, a.y), p.At(b.x, b.y)) << c.name << ": the selected tab is the skin's selected frame";
  }
}

}  // namespace
}  // namespace vex::skin::test
