// The scroll bar painter on memory DCs: each pressed part of a window's bars
// changes that part's pixels and nothing else, the corner between two bars
// is the skin's face colour, and a scroll bar control too short for two
// arrows halves them.
#include <windows.h>

#include "controls_fixture.h"
#include "scroll_target.h"
#include "skin/controls/TSkinScControl.h"
#include "skin/controls/TSkinScrollBar.h"

namespace vex::skin::test {
namespace {

using controls::ScrollValues;

// The pixels of `a` and `b` that differ, as their bounding rectangle.
RECT Differences(const Pixels& a, const Pixels& b, int* count) {
  RECT r{a.width, a.height, -1, -1};
  *count = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.At(x, y) != b.At(x, y)) {
        ++*count;
        r = RECT{(std::min)(r.left, static_cast<LONG>(x)), (std::min)(r.top, static_cast<LONG>(y)),
                 (std::max)(r.right, static_cast<LONG>(x + 1)), (std::max)(r.bottom, static_cast<LONG>(y + 1))};
      }
  return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The part's rectangle in window coordinates.
RECT PartRect(const TSkinScrollBar& s, int part) {
  const bool vertical = part == controls::kUpArrow || part == controls::kDownArrow || part == controls::kVertThumb;
  const RECT& bar = vertical ? s.VertBar : s.HorzBar;
  const controls::BarMetrics& m = vertical ? s.VertMetrics : s.HorzMetrics;
  const int a = m.arrowSize;
  int from = 0, to = 0;
  const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  switch (part) {
    case controls::kLeftArrow:
    case controls::kUpArrow: from = 0, to = a; break;
    case controls::kRightArrow:
    case controls::kDownArrow: from = length - a, to = length; break;
    default: from = a + m.thumbOffset, to = a + m.thumbOffset + m.thumbLength;
  }
  return vertical ? RECT{bar.left, bar.top + from, bar.right, bar.top + to}
                  : RECT{bar.left + from, bar.top, bar.left + to, bar.bottom};
}

TEST(ScrollBarPainting, EachPressedPartChangesOnlyItsOwnPixels) {
  SkinnedForm f;
  ScrollTarget t;
  MakeScrollTarget(f, t, ScrollValues{0, 99, 20, 40, 40}, false);
  const Pixels normal = DrawOffscreen(*t.skinner);
  struct Case {
    int part;
    const char* name;
  };
  const Case cases[] = {{controls::kLeftArrow, "left arrow"}, {controls::kRightArrow, "right arrow"},
                        {controls::kUpArrow, "up arrow"},     {controls::kDownArrow, "down arrow"},
                        {controls::kHorzThumb, "horizontal thumb"}, {controls::kVertThumb, "vertical thumb"}};
  for (const Case& c : cases) {
    t.skinner->PressedPart = c.part;
    const Pixels pressed = DrawOffscreen(*t.skinner);
    int count = 0;
    const RECT changed = Differences(normal, pressed, &count);
    EXPECT_GT(count, 20) << c.name << " looks pressed";
    EXPECT_TRUE(Inside(changed, PartRect(*t.skinner, c.part)))
        << c.name << ": changed " << changed.left << "," << changed.top << " - " << changed.right << ","
        << changed.bottom;
  }
  t.skinner->PressedPart = controls::kNoPart;

  // The corner between the bars is the face colour, and both bars are the
  // skin's: the native paint under them is covered.
  const RECT& box = t.skinner->SizeBox;
  ASSERT_LT(box.left, box.right);
  EXPECT_EQ(CountColour(normal, Rgb(Skin().ButtonFace), &box), (box.right - box.left) * (box.bottom - box.top));
  const Pixels native = DrawOffscreen(*t.skinner, 0x123456);
  EXPECT_EQ(CountColour(native, 0x123456, &t.skinner->VertBar), 0);
  EXPECT_EQ(CountColour(native, 0x123456, &t.skinner->HorzBar), 0);
}

TEST(ScrollBarPainting, WithoutTheArrowImageTheNativeBarsStay) {
  SkinnedForm f;
  ScrollTarget t;
  MakeScrollTarget(f, t, ScrollValues{0, 99, 20, 40, 40}, false);
  vcl::TBitmap& arrows = Skin().Scrollbar->Image;
  ImageSwap empty(arrows, Skin().Scrollbar->FrameCount, nullptr, 23);
  const Pixels p = DrawOffscreen(*t.skinner, 0x123456);
  EXPECT_EQ(CountColour(p, 0x123456), p.width * p.height) << "nothing painted";
}

TEST(ScrollBarControl, ABarTooShortForTwoArrowsHalvesThem) {
  SkinnedForm f;
  auto* bar = f.Add<vcl::TScrollBar>(20, 20, 17, 30);
  bar->SetKind(vcl::sbVertical);
  bar->SetBounds(20, 20, 17, 30);
  bar->SetParams(50, 0, 100);
  auto* s = f.Attach<TSkinScControl>(bar);
  const Pixels normal = DrawOffscreen(*s);
  for (const int part : {controls::kUpArrow, controls::kDownArrow}) {
    s->PressedPart = part;
    int count = 0;
    const RECT changed = Differences(normal, DrawOffscreen(*s), &count);
    const RECT half = part == controls::kUpArrow ? RECT{0, 0, 17, 15} : RECT{0, 15, 17, 30};
    EXPECT_GT(count, 10) << part;
    EXPECT_TRUE(Inside(changed, half)) << part << ": rows " << changed.top << " - " << changed.bottom;
  }
}

}  // namespace
}  // namespace vex::skin::test
