// TSkinStatusBar's panels on memory DCs: each bevel, from the skin's edges
// and from plain frames, looks its own,, and an empty text draws as a blank.
#include <windows.h>
#include <commctrl.h>

#include <malloc.h>

#include <string>

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
    if (way.draw == &TSkinStatusBar::DrawEdgePanel) {
      for (const Pixels* p : {&lowered, &raised, &flat}) EXPECT_EQ(CountColour(*p, 0x123456), 0) << way.name;
    }
    EXPECT_EQ(Panel(*s, way.draw, " ", controls::kPanelLowered).rgb, lowered.rgb) << way.name;
    EXPECT_NE(Panel(*s, way.draw, "Ready", controls::kPanelLowered).rgb, lowered.rgb) << way.name;
  }
}

// What the status bar would write for SB_GETTEXT (bytes, terminator
// included) is checked against the heap block the reader hands it: the
// control writes without a size.
WNDPROC gBarProc = nullptr;
int gShortBuffers = 0;
LRESULT CALLBACK CheckingBarProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if ((m == SB_GETTEXTA || m == SB_GETTEXTW) && lp) {
    std::wstring wide(1024, L'\0');
    std::string narrow(2048, '\0');
    std::size_t needed = 0;
    if (m == SB_GETTEXTW) {
      CallWindowProcW(gBarProc, w, m, wp, reinterpret_cast<LPARAM>(wide.data()));
      needed = (wcslen(wide.c_str()) + 1) * sizeof(wchar_t);
    } else {
      CallWindowProcW(gBarProc, w, m, wp, reinterpret_cast<LPARAM>(narrow.data()));
      needed = strlen(narrow.c_str()) + 1;
    }
    if (_msize(reinterpret_cast<void*>(lp)) < needed) ++gShortBuffers;
  }
  return CallWindowProcW(gBarProc, w, m, wp, lp);
}

TEST(StatusBarPanels, TextsAndFlagsAreReadWhole) {
  SkinnedForm f;
  HWND bar = f.RawChild(STATUSCLASSNAMEA, 0, 0, 0, 300, 22);
  const int widths[] = {60, 120, 180, 240, -1};
  SendMessageA(bar, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(widths));
  const struct {
    const char* name;
    unsigned style;
    const char* text;  // null: owner-drawn, the application's value instead
    const char* read;
    unsigned flags;
  } cases[] = {
      {"ASCII", 0, "Ready", "Ready", 0},
      {"Chinese text, two bytes a character", SBT_NOBORDERS, "文件夹图标改变成功", "文件夹图标改变成功", SBT_NOBORDERS},
      {"raised", SBT_POPOUT, "\t居中", "\t居中", SBT_POPOUT},
      {"empty", 0, "", "", 0},
      {"owner-drawn", SBT_OWNERDRAW | SBT_POPOUT, nullptr, "", SBT_OWNERDRAW | SBT_POPOUT},
  };
  for (int i = 0; i < 5; ++i) {
    const LPARAM value = cases[i].text ? reinterpret_cast<LPARAM>(cases[i].text) : LPARAM(0x12345678);
    SendMessageA(bar, SB_SETTEXTA, i | cases[i].style, value);
  }
  gBarProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CheckingBarProc)));
  gShortBuffers = 0;
  for (int i = 0; i < 5; ++i) {
    unsigned flags = 0xFFFF;
    EXPECT_EQ(StatusPanelText(bar, i, flags), cases[i].read) << cases[i].name;
    EXPECT_EQ(flags, cases[i].flags) << cases[i].name;
  }
  EXPECT_EQ(gShortBuffers, 0) << "a buffer smaller than the text written into it";
  SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gBarProc));
}

}  // namespace
}  // namespace vex::skin::test
