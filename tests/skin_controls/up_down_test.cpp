// TSkinUpDown: the up-down control keeps its own press handling; the two
// buttons are painted with the skin's colours and exact arrow shapes, the
// pressed or hot one under the cursor.
#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/TSkinUpDown.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using controls::kHot;
using controls::kPressed;

TEST(SkinUpDown, TheControlGetsThePressOnceAndStillCounts) {
  SkinnedForm f;
  auto* upDown = f.Add<vcl::TUpDown>(10, 10, 17, 22);
  upDown->SetRange(0, 10);
  upDown->SetPosition(5);
  OwnProcLog log(upDown, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_ERASEBKGND});
  auto* skinner = f.Attach<TSkinUpDown>(upDown);
  Mouse(upDown->Handle(), WM_LBUTTONDOWN, 8, 4, MK_LBUTTON);
  EXPECT_TRUE(skinner->State & kPressed);
  Mouse(upDown->Handle(), WM_LBUTTONUP, 8, 4);
  EXPECT_FALSE(skinner->State & kPressed);
  EXPECT_EQ(SendMessageA(upDown->Handle(), WM_ERASEBKGND, 0, 0), 1);
  std::vector<UINT> presses;
  for (UINT m : log.seen)
    if (m == WM_LBUTTONDOWN || m == WM_LBUTTONUP || m == WM_ERASEBKGND) presses.push_back(m);
  EXPECT_EQ(presses, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP})) << Names(log.seen);
  EXPECT_EQ(upDown->Position(), 6);
}

// Pixels of one colour inside a rectangle, as points.
std::vector<controls::Point> InkIn(const Pixels& p, std::uint32_t ink, const RECT& r) {
  std::vector<controls::Point> points;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (p.At(x, y) == ink) points.push_back({x, y});
  return points;
}

TEST(SkinUpDown, HalvesStatesAndArrowsPixelForPixel) {
  struct Case {
    const char* name;
    int width, height;
    bool horizontal;
    POINT cursor;    // client point
    unsigned state;
    bool secondLit;  // the half under the cursor is the second
  };
  const Case cases[] = {
      {"vertical 22 high, lower half pressed", 17, 22, false, {8, 15}, kPressed, true},
      {"vertical, upper half hot", 17, 22, false, {8, 3}, kHot, false},
      {"horizontal, right half pressed", 16, 17, true, {11, 8}, kPressed, true},
  };
  const std::uint32_t face = Rgb(Skin().ButtonFace), lit = Rgb(Skin().ButtonShadow), ink = Rgb(Skin().ButtonDkShadow);
  for (const Case& c : cases) {
    SkinnedForm f;
    auto* upDown = f.Add<vcl::TUpDown>(10, 10, c.width, c.height);
    if (c.horizontal)
      SetWindowLongPtrA(upDown->Handle(), GWL_STYLE, GetWindowLongPtrA(upDown->Handle(), GWL_STYLE) | UDS_HORZ);
    auto* skinner = f.Attach<TSkinUpDown>(upDown);
    POINT screen = c.cursor;
    ClientToScreen(upDown->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    skinner->State = c.state;
    const Pixels p = DrawOffscreen(*skinner);
    // The control keeps the width it wants (16 under Wine).
    RECT client{};
    GetClientRect(upDown->Handle(), &client);
    const auto halves =
        controls::SplitUpDown({1, 1, client.right - 1, client.bottom - 1}, c.horizontal, c.cursor.x, c.cursor.y);
    if (!c.horizontal) {
      EXPECT_EQ(halves.first.Height(), 10) << c.name << ": 20 inner rows, 10 each";
    }
    const controls::Rect halvesOf[] = {halves.first, halves.second};
    const int kinds[] = {halves.firstKind, halves.secondKind};
    for (int i = 0; i < 2; ++i) {
      const controls::Rect& h = halvesOf[i];
      const bool isLit = (i == 1) == c.secondLit;
      const std::uint32_t want = isLit ? lit : face;
      // The face inside the outline, clear of the arrow.
      EXPECT_EQ(p.At(h.left + 1, h.top + 1), want) << c.name << " half " << i;
      const RECT inner{h.left + 1, h.top + 1, h.right - 1, h.bottom - 1};
      const controls::Point at = controls::ArrowAnchor(h, kinds[i]);
      EXPECT_EQ(InkIn(p, ink, inner), controls::ArrowPixels(at.x, at.y, kinds[i])) << c.name << " arrow " << i;
    }
    EXPECT_EQ(p.At(0, 0), face) << c.name << ": the ring outside the buttons";
  }
}

}  // namespace
}  // namespace vex::skin::test
