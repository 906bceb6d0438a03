// Prints what skinned scroll bars cost: one PaintBar of a 1080-pixel bar
// into a memory DC, and the repaints per second while the thumb of the icon
// browser's list of 1,000 icons is dragged with the mouse, skinned and, in
// the same run, native.  Figures, not a pass/fail test.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "iconbrowser/TFormIconExplorer.h"
#include "skin/controls/TSkinScrollBar.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "tests/app/IconLibrary.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using vex::test::MicrosecondsPerCall;

constexpr int kBarLength = 1080;
constexpr int kIcons = 1000;
constexpr int kDragSteps = 120;

void Settle(int ms) { vex::test::PumpUntil([] { return false; }, std::chrono::milliseconds(ms)); }

// PaintBar of a vertical bar kBarLength long on a window whose bar holds a
// page of a long range, into a memory DC: the first paint (pictures composed)
// and the average of the following ones.
void BenchPaintBar(vex::skin::TSkinData& skin, int thickness) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VSCROLL, 0, 0, 200, kBarLength, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 999, 100, 400, 0};
  SetScrollInfo(window, SB_VERT, &si, FALSE);
  auto* frame = new vex::skin::TSkinForm;
  frame->FHandle = window;
  frame->FSkinData = &skin;
  auto* bar = new vex::skin::TSkinScrollBar(frame);
  bar->AttachHandle(window, &skin, &frame->Canvas());
  frame->ControlSkinners.push_back(bar);

  const RECT r{0, 0, thickness, kBarLength};
  vex::skin::ScreenDc screen;
  vex::skin::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), r.right, r.bottom));
  vex::skin::MemoryDc dc(bitmap.Get());
  const auto start = Clock::now();
  bar->PaintBar(dc.Get(), r, vex::skin::controls::kVerticalBar);
  const double first = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
  const double normal = MicrosecondsPerCall(2000, [&] { bar->PaintBar(dc.Get(), r, vex::skin::controls::kVerticalBar); });
  bar->PressedPart = vex::skin::controls::kVertThumb;
  const double pressed = MicrosecondsPerCall(2000, [&] { bar->PaintBar(dc.Get(), r, vex::skin::controls::kVerticalBar); });
  bar->PressedPart = vex::skin::controls::kNoPart;
  const double metrics = MicrosecondsPerCall(2000, [&] { bar->ThumbMetrics(r, vex::skin::controls::kVerticalBar); });
  std::printf("PaintBar, %d x %d bar into a memory DC: first %.0f us, then %.1f us (thumb pressed %.1f us; "
              "ThumbMetrics alone %.1f us) (goal 200 us or less)\n",
              thickness, kBarLength, first, normal, pressed, metrics);
  frame->Free();
  DestroyWindow(window);
}

// Repaints of the list per second while a helper thread drags the list's
// vertical thumb with real mouse input, one step at a time, each step
// waiting for the list to finish painting.
HWND gList = nullptr;
HANDLE gPainted = nullptr;
int gDeepestRow = 0;

void ListPainted() {
  gDeepestRow = (std::max)(gDeepestRow, static_cast<int>(SendMessageA(gList, LVM_GETTOPINDEX, 0, 0)));
  SetEvent(gPainted);
}

// WM_PAINT sent (an update forced by the list itself) ...
LRESULT CALLBACK AfterCall(int code, WPARAM wp, LPARAM lp) {
  const auto* c = reinterpret_cast<const CWPRETSTRUCT*>(lp);
  if (code == HC_ACTION && c->hwnd == gList && c->message == WM_PAINT) ListPainted();
  return CallNextHookEx(nullptr, code, wp, lp);
}

// ... or taken from the queue, about to be dispatched: the next mouse move
// is read once this paint is over.
LRESULT CALLBACK GotMessage(int code, WPARAM wp, LPARAM lp) {
  const auto* m = reinterpret_cast<const MSG*>(lp);
  if (code == HC_ACTION && wp == PM_REMOVE && m->hwnd == gList && m->message == WM_PAINT) ListPainted();
  return CallNextHookEx(nullptr, code, wp, lp);
}

struct DragFigures {
  int repaints = 0, steps = 0;
  double seconds = 0;
  int deepestRow = 0;  // the list's top item furthest down
};

DragFigures DragThumb(HWND list) {
  gList = list;
  ResetEvent(gPainted);
  SendMessageA(list, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
  Settle(300);
  gDeepestRow = 0;
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(list, SB_VERT, &si);
  RECT client{};
  GetClientRect(list, &client);
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  const int track = client.bottom - 2 * arrow;
  const int n = si.nMax - si.nMin + 1;
  const int thumb = n > 0 ? (std::max)(8, MulDiv(static_cast<int>(si.nPage), track, n)) : 8;
  const POINT grip{origin.x + client.right + arrow / 2, origin.y + arrow + thumb / 2};
  const int travel = track - thumb;

  DragFigures figures;
  std::atomic<bool> done{false};
  std::thread mover([&] {
    vex::test::SendMouse(MOUSEEVENTF_MOVE, grip);
    Sleep(100);
    vex::test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(200);
    WaitForSingleObject(gPainted, 500);
    // Down the track and back, two pixels a step.  A step that moves the
    // list by no row paints nothing: only the steps that painted are timed.
    for (int i = 1; i <= kDragSteps; ++i) {
      const int along = i * 2 % (2 * travel);
      const int dy = along <= travel ? along : 2 * travel - along;
      ResetEvent(gPainted);
      const auto start = Clock::now();
      vex::test::SendMouse(MOUSEEVENTF_MOVE, {grip.x, grip.y + dy});
      if (WaitForSingleObject(gPainted, 300) == WAIT_OBJECT_0) {
        ++figures.repaints;
        figures.seconds += std::chrono::duration<double>(Clock::now() - start).count();
      }
      ++figures.steps;
    }
    vex::test::SendMouse(MOUSEEVENTF_LEFTUP);
    Sleep(200);
    done = true;
  });
  vex::test::PumpUntil([&] { return done.load(); }, std::chrono::seconds(120));
  mover.join();
  Settle(200);
  figures.deepestRow = gDeepestRow;
  return figures;
}

void Print(const char* what, const DragFigures& f) {
  std::printf("thumb drag over %d icons, %s: %d repaints in %d steps, %.2f s painting: %.0f repaints/s\n", kIcons, what,
              f.repaints, f.steps, f.seconds, f.seconds > 0 ? f.repaints / f.seconds : 0.0);
}

}  // namespace

int main() {
  vcl::TApplication application;
  application.SetTitle("Vexilo");
  auto* skin = new vex::skin::TSkinData(nullptr);
  skin->BeginLoading();
  skin->SetActive(true);
  skin->DisableTag = 99;
  skin->SkinControls = vex::skin::kAllSkinControls;
  if (!skin->ReadSkinStreamResource(GetModuleHandleA(nullptr))) {
    std::printf("no built-in skin\n");
    return 1;
  }
  skin->Loaded();
  BenchPaintBar(*skin, GetSystemMetrics(SM_CXVSCROLL));
  BenchPaintBar(*skin, 16);
  if (__argc > 1 && std::string(__argv[1]) == "--paint") return 0;

  // The library is a small fixture with its icons replaced (this program,
  // with its debugging information, is many megabytes).
  char exe[MAX_PATH], temp[MAX_PATH];
  std::string tests(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
  tests.erase(tests.find_last_of('\\') + 1);
  const std::string fixture = tests + "fixtures\\icons0.dll";
  // The program's folder (with Folder.ico) holds the tests' folder.
  const std::string program = tests.substr(0, tests.find_last_of('\\', tests.size() - 2) + 1);
  GetTempPathA(MAX_PATH, temp);
  const std::string library = std::string(temp) + "vexilo bench icons " + std::to_string(GetCurrentProcessId()) + ".dll";
  if (!vex::app::test::WriteIconLibrary(fixture, library, kIcons)) {
    std::printf("could not write the icon library\n");
    return 1;
  }
  auto* browser = vcl::New<TFormIconExplorer>(nullptr, program);
  // Showing the browser lists its folder's icons (none): the library's come
  // after, as when the user opens a file.
  browser->Show();
  browser->LoadIconsFromFile(library);
  HWND top = browser->Handle();
  HWND list = browser->ListView1->Handle();
  SetForegroundWindow(top);
  vex::skin::TSkinManage* manager = vex::skin::SkinManager();
  const bool skinned = manager && vex::test::PumpUntil([&] {
    auto* f = vex::skin::FrameOf(top);
    return f && f->FSkinState == vex::skin::kSkinActive;
  }, std::chrono::seconds(10));
  // The library is read on a worker; its icons arrive through the loop.
  vex::test::PumpUntil([&] { return !browser->Reading(); }, std::chrono::seconds(30));
  if (!skinned || SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) != kIcons) {
    std::printf("the browser was %sskinned and listed %d of %d icons\n", skinned ? "" : "not ",
                static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)), kIcons);
    return 1;
  }
  Settle(500);
  gPainted = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterCall, nullptr, GetCurrentThreadId());
  HHOOK queueHook = SetWindowsHookExA(WH_GETMESSAGE, GotMessage, nullptr, GetCurrentThreadId());

  const DragFigures withSkin = DragThumb(list);
  skin->SetActive(false);
  vex::test::PumpUntil([&] { return manager->Forms().empty(); }, std::chrono::seconds(10));
  SetForegroundWindow(top);
  Settle(500);
  const DragFigures native = DragThumb(list);

  Print("skinned", withSkin);
  Print("native ", native);
  const double a = withSkin.seconds > 0 ? withSkin.repaints / withSkin.seconds : 0;
  const double b = native.seconds > 0 ? native.repaints / native.seconds : 0;
  std::printf("skinned / native: %.2f (goal 0.8 or more); the list went down to item %d skinned, %d native\n",
              b > 0 ? a / b : 0.0, withSkin.deepestRow, native.deepestRow);
  UnhookWindowsHookEx(hook);
  UnhookWindowsHookEx(queueHook);
  CloseHandle(gPainted);
  browser->Free();
  DeleteFileA(library.c_str());
  return 0;
}
