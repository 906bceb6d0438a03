// Prints how long skinned menus take, against the system's own in the same
// run: opening a drop-down of 30 items from a skinned menu bar (until the
// menu loop first goes idle, everything measured and painted) against the
// same drop-down opened natively, and one skinned item paint.  A
// measurement, not a test: nothing is asserted about the times.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/TSkinData.h"
#include "skin/windows/MenuItemDrawing.h"
#include "skin/windows/SkinParts.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "widgets/TApplication.h"

namespace vs = vex::skin;
using Clock = std::chrono::steady_clock;

namespace {

constexpr char kSkinnedClass[] = "VexBenchSkinned";
constexpr char kNativeClass[] = "VexBenchNative";
constexpr int kItems = 30, kRounds = 15;
Clock::time_point gIdleAt;
bool gIdle = false;

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ENTERIDLE && wParam == MSGF_MENU && !gIdle) {
    gIdle = true;
    gIdleAt = Clock::now();
    EndMenu();
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

HMENU ThirtyItems() {
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < kItems; ++i) {
    const std::string text = (i % 7 == 6) ? "-" : "菜单项 Item " + std::to_string(i + 1) + "\tCtrl+" + std::to_string(i % 10);
    if (text == "-")
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuA(menu, MF_STRING, 1000 + i, text.c_str());
  }
  return menu;
}

HWND MakeWindow(const char* cls, HMENU menu, int x) {
  HWND window = CreateWindowExA(0, cls, "bench", WS_OVERLAPPEDWINDOW, x, 20, 400, 200, nullptr, menu,
                                GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  return window;
}

void Pump(int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < end) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds from the call to the menu loop's first idle moment.
double TimeOpen(const std::function<void()>& open) {
  gIdle = false;
  const auto start = Clock::now();
  open();
  return gIdle ? std::chrono::duration<double, std::milli>(gIdleAt - start).count() : -1;
}

}  // namespace

int main() {
  vcl::TApplication app;
  vs::TSkinData skin(nullptr);
  skin.BeginLoading();
  skin.SetActive(true);
  skin.ReadSkinStreamResource(GetModuleHandleA(nullptr));
  skin.Loaded();
  // The native window is never skinned.
  skin.OnFormSkin = [](vcl::TObject*, const std::string& name, bool& doSkin) { doSkin = name != kNativeClass; };
  if (skin.NoSkin) {
    std::printf("no skin in the executable\n");
    return 1;
  }
  for (const char* cls : {kSkinnedClass, kNativeClass}) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
  }
  HMENU skinnedBar = CreateMenu();
  AppendMenuA(skinnedBar, MF_POPUP, reinterpret_cast<UINT_PTR>(ThirtyItems()), "&Bench");
  HMENU nativeDropDown = ThirtyItems();
  HWND skinned = MakeWindow(kSkinnedClass, skinnedBar, 20);
  HWND native = MakeWindow(kNativeClass, nullptr, 440);
  SetForegroundWindow(skinned);
  Pump(500);
  vs::TSkinForm* frame = vs::FrameOf(skinned);
  auto* bar = frame ? dynamic_cast<vs::TSkinMenuBar*>(frame->FMenuBar.get()) : nullptr;
  if (!bar || !bar->Button(0) || vs::FrameOf(native)) {
    std::printf("the windows are not as the benchmark needs them\n");
    return 1;
  }
  vs::TSkinManage& manager = *vs::SkinManager();

  std::vector<double> skinnedTimes, nativeTimes;
  for (int round = 0; round < kRounds; ++round) {
    SetForegroundWindow(skinned);
    Pump(30);
    skinnedTimes.push_back(TimeOpen([&] { vs::MenuLayer().OpenDropDown(*frame, *bar->Button(0)); }));
    Pump(30);
    // The system's own drop-down: no popup skinner either.
    SetForegroundWindow(native);
    Pump(30);
    manager.FSkinning = false;
    RECT r{};
    GetWindowRect(native, &r);
    nativeTimes.push_back(TimeOpen([&] {
      TrackPopupMenu(nativeDropDown, TPM_LEFTALIGN | TPM_RIGHTBUTTON, r.left + 10, r.top + 50, 0, native, nullptr);
    }));
    manager.FSkinning = true;
    Pump(30);
  }
  double nativeFirstSelected = 0;
  {
    // The skinned bar selects the first item as it opens: the same natively.
    std::vector<double> down;
    for (int round = 0; round < kRounds; ++round) {
      SetForegroundWindow(native);
      Pump(30);
      manager.FSkinning = false;
      RECT r{};
      GetWindowRect(native, &r);
      down.push_back(TimeOpen([&] {
        PostMessageA(native, WM_KEYDOWN, VK_DOWN, 0);
        TrackPopupMenu(nativeDropDown, TPM_LEFTALIGN | TPM_RIGHTBUTTON, r.left + 10, r.top + 50, 0, native, nullptr);
      }));
      manager.FSkinning = true;
      Pump(30);
    }
    nativeFirstSelected = Median(down);
  }
  const double s = Median(skinnedTimes), n = Median(nativeTimes);
  std::printf("open a drop-down of %d items (median of %d): skinned %.2f ms, native %.2f ms, ratio %.2f\n", kItems,
              kRounds, s, n, n > 0 ? s / n : 0.0);
  std::printf("  native with its first item selected, as the skinned bar opens it: %.2f ms, ratio %.2f\n",
              nativeFirstSelected, nativeFirstSelected > 0 ? s / nativeFirstSelected : 0.0);

  // One skinned item paint: a 200 x 21 item with a check mark and a shortcut.
  HDC dc = CreateCompatibleDC(nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP target = CreateCompatibleBitmap(screen, 200, 21);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, target);
  vs::TMenuItemFacts item;
  item.caption = "打开(&O)...";
  item.shortcut = "Ctrl+O";
  item.checked = true;
  constexpr int kPaints = 2000;
  vs::DrawMenuItemFacts(dc, RECT{0, 0, 200, 21}, item, false, skin, nullptr);
  const auto start = Clock::now();
  for (int i = 0; i < kPaints; ++i) vs::DrawMenuItemFacts(dc, RECT{0, 0, 200, 21}, item, (i & 1) != 0, skin, nullptr);
  const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
  std::printf("one skinned item paint (200 x 21, check mark, shortcut; mean of %d): %.1f us\n", kPaints,
              spent.count() / kPaints);
  SelectObject(dc, old);
  DeleteObject(target);
  DeleteDC(dc);
  DestroyWindow(skinned);
  DestroyWindow(native);
  return 0;
}
