// TSkinScrollBar's own thumb drag, driven with posted mouse messages: the
// positions it sends along the drag, its clamping past both ends with and
// without a page, the start position for a release without a move, and
// every way a drag ends (the button up anywhere, the button found up, the
// window destroyed, WM_CANCELMODE, a lost capture, WM_QUIT, the skinner
// detached).  A held thumb
// costs the GUI thread next to no processor time.
#include <windows.h>
#include <windowsx.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#include "controls_fixture.h"
#include "scroll_target.h"
#include "skin/controls/TSkinScrollBar.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using controls::DragThumb;
using controls::ScrollValues;

using Target = ScrollTarget;

void Make(SkinnedForm& f, Target& t, const ScrollValues& v) { MakeScrollTarget(f, t, v); }

void PostMove(HWND window, POINT screen) {
  POINT c = screen;
  ScreenToClient(window, &c);
  PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.x, c.y));
}

// Presses on the thumb; the drag runs inside this call.
void Press(const Target& t, int index, POINT at) {
  SendMessageA(t.window, WM_NCLBUTTONDOWN, index ? HTVSCROLL : HTHSCROLL, MAKELPARAM(at.x, at.y));
}

// Thread timers that run once, dispatched by whatever loop runs then.
std::map<UINT_PTR, std::function<void()>> gTimers;
void CALLBACK RunTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto it = gTimers.find(id);
  if (it == gTimers.end()) return;
  const std::function<void()> what = std::move(it->second);
  gTimers.erase(it);
  what();
}
UINT_PTR After(UINT ms, std::function<void()> what) {
  const UINT_PTR id = SetTimer(nullptr, 0, ms, RunTimer);
  gTimers[id] = std::move(what);
  return id;
}
void Cancel(UINT_PTR id) {
  KillTimer(nullptr, id);
  gTimers.erase(id);
}

WPARAM Track(int position) { return MAKEWPARAM(SB_THUMBTRACK, position); }
WPARAM Final(int position) { return MAKEWPARAM(SB_THUMBPOSITION, position); }

TEST(ThumbTracking, PositionsAlongTheDragAndClampingAtBothEnds) {
  struct Case {
    const char* name;
    int index;
    ScrollValues values;
    std::vector<int> moves;  // cumulative distance from the press along the bar
  };
  const Case cases[] = {
      {"page 0, along and back", 1, {0, 100, 0, 0, 0}, {10, 35, 60, 55}},
      {"page 0, past the end: the thumb stops", 1, {0, 100, 0, 0, 0}, {40, 400, 500}},
      {"page 0, past the start", 1, {0, 100, 0, 50, 50}, {-30, -400}},
      {"page, past the end: maximum - page + 1", 1, {0, 100, 10, 0, 0}, {20, 400}},
      {"page, past the start", 1, {0, 100, 10, 60, 60}, {-400}},
      {"a range from 20", 1, {20, 220, 25, 100, 100}, {5, 17, 29}},
      {"the horizontal bar", 0, {0, 100, 10, 0, 0}, {12, 24, 400}},
      {"release without a move: the start position", 1, {0, 100, 10, 37, 37}, {}},
      {"a move that stays on the start position", 1, {0, 1000, 100, 300, 300}, {0}},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    Target t;
    Make(f, t, c.values);
    const controls::BarMetrics start = c.index ? t.skinner->VertMetrics : t.skinner->HorzMetrics;
    const POINT p0 = ThumbCentre(t, c.index);
    // What the drag should send: each new position once, then the last.
    std::vector<WPARAM> want;
    int last = c.values.pos;
    for (const int d : c.moves) {
      PostMove(t.window, c.index ? POINT{p0.x, p0.y + d} : POINT{p0.x + d, p0.y});
      const int position = DragThumb(start.thumbOffset, d, start, c.values).position;
      if (position != last) want.push_back(Track(position));
      last = position;
    }
    want.push_back(Final(last));
    PostMessageA(t.window, WM_LBUTTONUP, 0, 0);
    Press(t, c.index, p0);
    EXPECT_EQ(t.scrolls, want) << c.name;
    EXPECT_FALSE(t.skinner->Tracking) << c.name;
    EXPECT_EQ(t.skinner->PressedPart, controls::kNoPart) << c.name;
    EXPECT_NE(GetCapture(), t.window) << c.name;
  }
}

TEST(ThumbTracking, EveryWayADragEnds) {
  enum class End { kUpElsewhere, kButtonFoundUp, kDestroyed, kCancelMode, kCaptureLost, kQuit, kDetached };
  struct Case {
    const char* name;
    End end;
    bool finalPosition;  // the last position is sent
  };
  const Case cases[] = {
      {"button released over another window", End::kUpElsewhere, true},
      {"button released where no message tells", End::kButtonFoundUp, true},
      {"window destroyed", End::kDestroyed, false},
      {"WM_CANCELMODE", End::kCancelMode, true},
      {"capture taken away", End::kCaptureLost, true},
      {"WM_QUIT, passed on", End::kQuit, true},
      // Skinning switched off mid-drag: the window's drag still ends.
      {"skinner detached", End::kDetached, true},
  };
  for (const Case& c : cases) {
    SkinnedForm f;
    Target t;
    Make(f, t, {0, 100, 10, 0, 0});
    HWND other = f.RawChild("STATIC", 0, 200, 10, 50, 50);
    const POINT p0 = ThumbCentre(t, 1);
    PostMove(t.window, {p0.x, p0.y + 30});
    After(30, [&] {
      switch (c.end) {
        case End::kUpElsewhere: PostMessageA(other, WM_LBUTTONUP, 0, 0); break;
        case End::kButtonFoundUp: break;
        case End::kDestroyed: DestroyWindow(t.window); break;
        case End::kCancelMode: SendMessageA(t.window, WM_CANCELMODE, 0, 0); break;
        case End::kCaptureLost: SetCapture(other); break;
        case End::kQuit: PostQuitMessage(7); break;
        case End::kDetached: t.skinner->Detach(); break;
      }
    });
    // Should the drag not end, this ends it, late.
    const UINT_PTR watchdog = After(3000, [&] { PostMessageA(t.window, WM_LBUTTONUP, 0, 0); });
    const auto began = std::chrono::steady_clock::now();
    Press(t, 1, p0);
    const auto took = std::chrono::steady_clock::now() - began;
    Cancel(watchdog);
    EXPECT_LT(took, std::chrono::milliseconds(1500)) << c.name;
    EXPECT_FALSE(t.skinner->Tracking) << c.name;
    ASSERT_FALSE(t.scrolls.empty()) << c.name;
    const WPARAM moved = t.scrolls.front();
    EXPECT_EQ(LOWORD(moved), SB_THUMBTRACK) << c.name;
    if (c.finalPosition) {
      EXPECT_EQ(t.scrolls.back(), Final(HIWORD(moved))) << c.name;
    } else {
      EXPECT_EQ(t.scrolls.back(), moved) << c.name << ": nothing after the window went";
    }
    if (c.end == End::kQuit) {
      MSG quit;
      ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop outside gets WM_QUIT";
      EXPECT_EQ(quit.wParam, 7u);
    }
    if (c.end != End::kCaptureLost) {
      EXPECT_EQ(GetCapture(), nullptr) << c.name << ": the capture is released";
    }
    if (GetCapture() == other) ReleaseCapture();
  }
}

ULONGLONG ThreadCpuMicroseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  const auto value = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return (value(kernel) + value(user)) / 10;
}

void SendButton(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  SendInput(1, &input, sizeof input);
}

// A real press on the thumb, held for a second, then released: the loop
// sleeps while nothing happens.
TEST(ThumbTracking, AThumbHeldForASecondCostsLittleProcessorTime) {
  SkinnedForm f;
  Target t;
  Make(f, t, {0, 100, 10, 40, 40});
  SetForegroundWindow(f.form->Handle());
  vex::test::PumpPending();
  const POINT p0 = ThumbCentre(t, 1);
  SetCursorPos(p0.x, p0.y);
  ULONGLONG cpuStart = 0, cpuEnd = 0;
  bool trackingHeld = false;
  std::chrono::steady_clock::time_point wallStart, wallEnd;
  After(100, [&] {
    cpuStart = ThreadCpuMicroseconds();
    wallStart = std::chrono::steady_clock::now();
    After(1000, [&] {
      cpuEnd = ThreadCpuMicroseconds();
      wallEnd = std::chrono::steady_clock::now();
      trackingHeld = t.skinner->Tracking;
      SendButton(MOUSEEVENTF_LEFTUP);
    });
  });
  SendButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return cpuEnd != 0 && !t.skinner->Tracking; }, std::chrono::seconds(10)));
  EXPECT_TRUE(trackingHeld) << "the real press started the skinner's drag";
  ASSERT_FALSE(t.scrolls.empty());
  EXPECT_EQ(t.scrolls.back(), Final(40)) << "held still: the start position";
  const double wall = std::chrono::duration<double, std::milli>(wallEnd - wallStart).count();
  const double cpu = (cpuEnd - cpuStart) / 1000.0;
  // The clock does count a thread that works: 100 ms of spinning.
  const ULONGLONG spinStart = ThreadCpuMicroseconds();
  for (const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
       std::chrono::steady_clock::now() < until;) {
  }
  const double spin = (ThreadCpuMicroseconds() - spinStart) / 1000.0;
  std::printf("thumb held %.0f ms: GUI thread busy %.1f ms (100 ms of spinning: %.1f ms)\n", wall, cpu, spin);
  EXPECT_GT(spin, 10.0);
  EXPECT_GT(wall, 900.0);
  EXPECT_LT(cpu, 100.0) << "the drag loop waits for messages";
}

}  // namespace
}  // namespace vex::skin::test
