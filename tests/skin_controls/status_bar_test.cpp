// TSkinStatusBar's panels on memory DCs: each bevel, from the skin's edges
// and from plain frames, looks its own,, and an empty text draws as a blank.
#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/PanelGeometry.h"
#include "skin/controls/TSkinStatusBar.h"

namespace vex::skin::test {
namespace {

using Draw = void (TSkinStatusBar::*)(HDC, const RECT&, unsigned, const std::string&, int);

Pixels Panel(TSkinStatusBar& s, Draw draw, const std::string& text, int bevel) {
  Canvas canvas(120, 22, 0x123456);
  (s.*draw)(canvas.Dc(), RECT{0, 0, 120, 22}, DT_LEFT, text, bevel);
  return canvas.Read();
}

TEST(StatusBarPainting, EachBevelLooksItsOwnAndAnEmptyTextIsABlank) {
  SkinnedForm f;
  HWND bar = f.RawChild(STATUSCLASSNAMEA, 0, 0, 0, 300, 22);
  auto* s = f.AttachWindow<TSkinStatusBar>(bar);
  const struct {
    Draw draw;
    const char* name;
  } ways[] = {{&TSkinStatusBar::DrawEdgePanel, "skin edges"}, {&TSkinStatusBar::DrawBevelPanel, "plain frames"}};
  for (const auto& way : ways) {
    const Pixels lowered = Panel(*s, way.draw, "", controls::kPanelLowered);
    const Pixels raised = Panel(*s, way.draw, "", controls::kPanelRaised);
    const Pixels flat = Panel(*s, way.draw, "", controls::kPanelFlat);
    EXPECT_NE(lowered.rgb, raised.rgb) << way.name;
    EXPECT_NE(lowered.rgb, flat.rgb) << way.name;
    EXPECT_NE(raised.rgb, flat.rgb) << way.name;
    // The skin's edges cover the panel; plain frames are lines over the
    // face the status bar was filled with.
    if (way.draw == &TSkinStatusBar::DrawEdgePanel)
      for (const Pixels* p : {&lowered, &raised, &flat}) EXPECT_EQ(CountColour(*p, 0x123456), 0) << way.name;
    EXPECT_EQ(Panel(*s, way.draw, " ", controls::kPanelLowered).rgb, lowered.rgb) << way.name;
    EXPECT_NE(Panel(*s, way.draw, "Ready", controls::kPanelLowered).rgb, lowered.rgb) << way.name;
  }
}

}  // namespace
}  // namespace vex::skin::test
