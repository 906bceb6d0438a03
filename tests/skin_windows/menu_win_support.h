#pragma once
// What the menu tests share: the application with the built-in skin
// switched on (as a program has it), raw windows with native menus whose
// procedure records what reaches it under the frame, skins made for pixel
// tests, and pixel reading.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "screen_capture.h"
#include "skin/data/TSkinData.h"
#include "tests/skin_data/bitmap_test_util.h"

namespace vex::skin {
class TSkinForm;
class TSkinMenuBar;
class TMenuBtn;
}  // namespace vex::skin

namespace vex::test::menus {

// The built-in skin, registered and active.
skin::TSkinData& Skin();
bool IsWine();

// What the test windows' own procedure received, as text:
//   "open NAME"          WM_INITMENUPOPUP of a menu named with NameMenu
//   "command NAME"       WM_COMMAND of an item named with NameItem
//   "enter menu loop"    WM_ENTERMENULOOP
//   "closed tracking=B"  the closing WM_MENUSELECT, with the frame's
//                        tracking flag as the frame left it
std::vector<std::string>& Log();
void NameMenu(HMENU menu, const std::string& name);
void NameItem(UINT id, const std::string& name);

// A shown raw window (no form object) with `menu` as its menu bar.
HWND CreateMenuWindow(HMENU menu, int width = 420, int height = 240, int x = 60, int y = 60);
// Waits until the window's frame is attached and active; null if it never is.
skin::TSkinForm* WaitForFrame(HWND window);
skin::TSkinMenuBar* BarOf(skin::TSkinForm& frame);

// A popup menu of string items ("-" a separator, a leading "!" grays the
// item), each named by its text; ids count up from `firstId`.
HMENU MakeMenu(const std::vector<std::string>& items, UINT firstId);

// Screen pixels are 0xRRGGBB; COLORREF is 0x00BBGGRR.
std::uint32_t Rgb(COLORREF c);
int CountColour(const Pixels& pixels, const RECT& area, std::uint32_t rgb);

// An off-screen target filled with one colour (given as a COLORREF).
class TestCanvas : public skin::test::Canvas {
 public:
  TestCanvas(int width, int height, COLORREF fill) : skin::test::Canvas(width, height, Rgb(fill)) {}
};

// A bitmap `frames` frames wide of `frameWidth` x `height`, each pixel
// coloured by `colour(frame, x, y)` (frame counted from 1).
HBITMAP MakeFrames(int frames, int frameWidth, int height, const std::function<COLORREF(int, int, int)>& colour);

// A skin of the tests' own, never chosen for windows (it serves one form
// only, and none has it): colours of its own, and MenuItem and
// MenuBackground objects when asked for.
std::unique_ptr<skin::TSkinData> MakeTestSkin();

// Runs `step` every 30 ms from whatever message loop runs (a menu's own
// loop included) until it returns true.  One at a time.
class LoopScript {
 public:
  explicit LoopScript(std::function<bool()> step);
  LoopScript(const LoopScript&) = delete;
  LoopScript& operator=(const LoopScript&) = delete;
  ~LoopScript();
  bool Done() const { return done_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  std::function<bool()> step_;
  UINT_PTR timer_ = 0;
  bool done_ = false;
};

// The visible popup-menu window, or null.
HWND VisiblePopup();
// Nothing posted or typed is waiting in this thread's queue.
bool QueueIdle();

// The rectangle of a window with the menus open over it.
RECT WindowWithMenus(HWND window);

}  // namespace vex::test::menus
