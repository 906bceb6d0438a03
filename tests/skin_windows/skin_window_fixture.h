#pragma once
// What the skinned-window tests share: skins (the built-in one, or small
// ones built in the test), plain Win32 windows that log the messages their
// own procedure sees, and waiting for a frame to be attached and active.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin_data_test_util.h"

namespace vex::skin::test {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bitmap file whose pixel (x, y) is colour(x, y), as 0xRRGGBB.
Bytes BmpFile(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

// A package of a description and images; stored with its length in front.
Bytes PackageStream(const std::string& ini, const std::vector<std::pair<std::string, Bytes>>& images);

// A skin of plain frame sides: left/right `side` wide, title `title` high,
// bottom `bottom` high, one frame each; `keyed` sides have a magenta pixel
// in each outer corner of their image and Trans 1, the others Trans 0.
struct FrameSkin {
  int side = 4, title = 20, bottom = 3;
  bool leftKeyed = false, rightKeyed = false, topKeyed = false, bottomKeyed = false;
  std::string extraPersonality;  // more Personality keys
  std::string extraSections;
  std::vector<std::pair<std::string, Bytes>> extraImages;
};
Bytes FrameSkinStream(const FrameSkin& skin);

// A skin component loaded as a form's stored design loads it, Active on.
std::unique_ptr<TSkinData> MakeSkin(const Bytes& stream, TSkinFormType type = sfMainform);

// Waits until skinning is on (switches are deferred by 250 ms once a window
// has been activated).
bool WaitSkinning(bool on);

// A plain Win32 window that logs what its own procedure receives.  Messages
// in `swallow` are logged and answered 0 without the default handling.
class LogWindow {
 public:
  struct Seen {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  };
  LogWindow(DWORD style, DWORD exStyle = 0, RECT bounds = {100, 100, 400, 300}, HWND parent = nullptr,
            const char* className = "VexLogWindow");
  ~LogWindow();
  LogWindow(const LogWindow&) = delete;
  LogWindow& operator=(const LogWindow&) = delete;
  HWND Handle() const { return FHandle; }
  std::vector<Seen> log;
  std::vector<UINT> swallow;
  // Called with each message before it is logged, while the window's
  // state is what the message finds.
  std::function<void(HWND, UINT, WPARAM, LPARAM)> onMessage;
  int Count(UINT msg) const;
  bool Saw(UINT msg, WPARAM wParam) const;
  void Clear() { log.clear(); }

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND FHandle = nullptr;
};

// Shows and activates a window and waits until its frame is active; null
// when it stays unskinned.
TSkinForm* ShowSkinned(HWND window);
// The frame of a window once it is active, waiting a little (null when the
// window is not skinned).
TSkinForm* ActiveFrame(HWND window, int timeoutMs = 2000);

SIZE ClientSize(HWND window);
SIZE WindowSize(HWND window);
// Rectangles of a window's region, window coordinates (empty: no region).
std::vector<RECT> WindowRegionRects(HWND window);

// A point of the window's non-client area in screen coordinates, as
// WM_NC* messages carry it.
LPARAM ScreenPoint(HWND window, int x, int y);

}  // namespace vex::skin::test
