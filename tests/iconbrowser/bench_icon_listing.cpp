// Benchmark, not a test: opens the icon browser on a big folder and prints
// the time from the click to the window, to the first icon and to the last
// one, and the longest the message loop took to answer meanwhile; beside it,
// in the same run, the floor: a bare loop taking the same icons with one
// PrivateExtractIconsA call per file.
//   wine bench_icon_listing.exe [FOLDER|--shell] [ROUNDS]
// Without FOLDER it makes one in the temp folder: 1,000 libraries of 5 icons
// and 5 of 400 icons, each a 32-pixel image that goes into the list as it is.
// With --shell the same folder with 48-pixel images instead: the shell
// shrinks each to the list's size, so every file is read through it.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "../app/IconLibrary.h"
#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconSources.h"
#include "iconbrowser/TFormIconExplorer.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string ExeFolder() {
  char path[MAX_PATH];
  std::string p(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return p.substr(0, p.find_last_of('\\') + 1);
}

std::string MakeFolder(int side) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "vexilo bench folder" + (side == 32 ? "" : " " + std::to_string(side));
  CreateDirectoryA(dir.c_str(), nullptr);
  const std::string fixture = ExeFolder() + "fixtures\\icons0.dll";
  const std::string small = dir + "\\small0.dll", large = dir + "\\large0.dll";
  if (GetFileAttributesA(small.c_str()) == INVALID_FILE_ATTRIBUTES &&
      !vex::app::test::WriteIconLibrary(fixture, small, 5, false, side))
    return {};
  if (GetFileAttributesA(large.c_str()) == INVALID_FILE_ATTRIBUTES &&
      !vex::app::test::WriteIconLibrary(fixture, large, 400, false, side))
    return {};
  for (int i = 1; i < 1000; ++i)
    CopyFileA(small.c_str(), (dir + "\\small" + std::to_string(i) + ".dll").c_str(), TRUE);
  for (int i = 1; i < 5; ++i) CopyFileA(large.c_str(), (dir + "\\large" + std::to_string(i) + ".dll").c_str(), TRUE);
  return dir;
}

// The floor: every file's icons in one call, nothing else.
double Floor(const std::vector<std::string>& files, long& icons) {
  const auto start = Clock::now();
  icons = 0;
  const int cx = GetSystemMetrics(SM_CXICON);
  std::vector<HICON> handles(1024);
  std::vector<UINT> ids(1024);
  for (const auto& f : files) {
    const UINT n = PrivateExtractIconsA(f.c_str(), 0, cx, cx, handles.data(), ids.data(), 1024, LR_DEFAULTCOLOR);
    if (n == 0xFFFFFFFFu) continue;
    for (UINT i = 0; i < n && i < 1024; ++i) {
      if (handles[i]) {
        ++icons;
        DestroyIcon(handles[i]);
      }
    }
  }
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What one opening of the browser measured.
struct Opening {
  Clock::time_point click, window, firstIcon, lastIcon;
  bool shown = false, listed = false;
  long worstAnswerMs = 0;
  int probes = 0, items = 0;
};

Opening* gOpening = nullptr;
HWND gBrowser = nullptr, gList = nullptr;

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && gOpening) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (m->hwnd == gBrowser && m->message == WM_SHOWWINDOW && m->wParam && !gOpening->shown) {
      gOpening->window = Clock::now();
      gOpening->shown = true;
    } else if (m->hwnd == gList && (m->message == LVM_INSERTITEMA || m->message == LVM_INSERTITEMW ||
                                    (m->message == LVM_SETITEMCOUNT && m->wParam > 0))) {
      // Items inserted one by one, or an owner-data list's count growing.
      gOpening->lastIcon = Clock::now();
      if (!gOpening->listed) gOpening->firstIcon = gOpening->lastIcon;
      gOpening->listed = true;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TFormIconExplorer* gForm = nullptr;
std::atomic<bool> gReadingOver{false};
void CALLBACK CloseWhenRead(HWND, UINT, UINT_PTR, DWORD) {
  if (gForm && IsWindowVisible(gForm->Handle()) && !gForm->Reading()) {
    // Answers after this are not the reading's: the window is closing and
    // the loop then waits for the prober.
    gReadingOver = true;
    PostMessageA(gForm->Handle(), WM_CLOSE, 0, 0);
  }
}

Opening Open(TFormIconExplorer& form, const std::string& folder) {
  Opening o;
  gOpening = &o;
  gReadingOver = false;
  gForm = &form;
  gBrowser = form.Handle();
  gList = form.ListView1->Handle();
  std::atomic<bool> stop{false};
  std::atomic<long> worst{0};
  std::atomic<int> probes{0};
  // Asks the window what the system asks it to tell a hung window.
  std::thread prober([&] {
    while (!stop) {
      const auto start = Clock::now();
      DWORD_PTR result = 0;
      SendMessageTimeoutA(gBrowser, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
      if (gReadingOver) break;
      worst = std::max<long>(worst, static_cast<long>(Ms(start, Clock::now())));
      ++probes;
      Sleep(5);
    }
  });
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, Watch, nullptr, GetCurrentThreadId());
  const UINT_PTR timer = SetTimer(nullptr, 0, 5, CloseWhenRead);
  o.click = Clock::now();
  form.Execute(folder);
  KillTimer(nullptr, timer);
  UnhookWindowsHookEx(hook);
  stop = true;
  prober.join();
  o.worstAnswerMs = worst;
  o.probes = probes;
  o.items = form.ListView1->ItemCount();
  gOpening = nullptr;
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string arg = argc > 1 ? argv[1] : "";
  const std::string folder = arg == "--shell" ? MakeFolder(48) : !arg.empty() ? arg : MakeFolder(32);
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2;
  if (folder.empty()) {
    std::printf("could not make the folder\n");
    return 1;
  }

  vcl::TApplication app;
  app.SetTitle("Vexilo");
  const std::string program = ExeFolder().substr(0, ExeFolder().find_last_of('\\', ExeFolder().size() - 2) + 1);
  vcl::Owned<TFormIconExplorer> form(vcl::New<TFormIconExplorer>(nullptr, program));
  form->HandleNeeded();
  form->ListView1->HandleNeeded();

  std::vector<std::string> files;
  vex::iconbrowser::FindIconSources(folder, files, vex::iconbrowser::ListDirectoryWin32);
  std::printf("%s: %zu executables and libraries\n", folder.c_str(), files.size());

  long floorIcons = 0;
  Floor(files, floorIcons);  // warms the file cache
  double floorMs = 1e12;
  Opening best;
  double bestLast = 1e12;
  for (int r = 0; r < rounds; ++r) {
    floorMs = std::min(floorMs, Floor(files, floorIcons));
    const Opening o = Open(*form, folder);
    std::printf("round %d: window %.0f ms, first icon %.0f ms, last icon %.0f ms, worst answer %ld ms (%d probes), "
                "%d icons; floor %.0f ms\n",
                r + 1, Ms(o.click, o.window), Ms(o.click, o.firstIcon), Ms(o.click, o.lastIcon), o.worstAnswerMs,
                o.probes, o.items, floorMs);
    if (o.listed && Ms(o.click, o.lastIcon) < bestLast) {
      bestLast = Ms(o.click, o.lastIcon);
      best = o;
    }
  }
  std::printf("best of %d: click to window %.0f ms, to first icon %.0f ms, to last icon %.0f ms; worst answer %ld ms\n",
              rounds, Ms(best.click, best.window), Ms(best.click, best.firstIcon), bestLast, best.worstAnswerMs);
  std::printf("floor (one PrivateExtractIconsA call per file): %ld icons in %.0f ms; full list = %.2f x the floor\n",
              floorIcons, floorMs, bestLast / floorMs);
  return best.items == floorIcons ? 0 : 1;
}
