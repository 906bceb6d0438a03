// Benchmark, not a test: lists the icons of Wine's system32 through the
// browser's LoadIconsFromFile and through a bare ExtractIconA loop over the
// same files, and prints icons per second for both and the browser's overhead.
//   wine bench_icon_listing.exe [FOLDER] [ROUNDS]
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "iconbrowser/IconSources.h"
#include "iconbrowser/IconFiles.h"
#include "iconbrowser/TFormIconExplorer.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string ParentOfExeFolder() {
  char path[MAX_PATH];
  std::string p(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  p.erase(p.find_last_of('\\'));
  return p.substr(0, p.find_last_of('\\') + 1);  // tests\ sits beside vexilo.exe
}

double BareLoop(const std::vector<std::string>& files, long& icons) {
  const auto start = Clock::now();
  icons = 0;
  for (const auto& f : files) {
    const auto n = reinterpret_cast<INT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), f.c_str(), static_cast<UINT>(-1)));
    for (INT_PTR i = 0; i < n; ++i) {
      HICON h = ExtractIconA(GetModuleHandleA(nullptr), f.c_str(), static_cast<UINT>(i));
      if (reinterpret_cast<INT_PTR>(h) > 1) {
        ++icons;
        DestroyIcon(h);
      }
    }
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The bare loop plus only the image list's copy of each icon: the part of
// the browser's cost that any image list pays.
double BareIntoImageList(const std::vector<std::string>& files, long& icons) {
  HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 4);
  const auto start = Clock::now();
  icons = 0;
  for (const auto& f : files) {
    const auto n = reinterpret_cast<INT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), f.c_str(), static_cast<UINT>(-1)));
    for (INT_PTR i = 0; i < n; ++i) {
      HICON h = ExtractIconA(GetModuleHandleA(nullptr), f.c_str(), static_cast<UINT>(i));
      if (reinterpret_cast<INT_PTR>(h) > 1) {
        icons += ImageList_ReplaceIcon(list, -1, h) >= 0;
        DestroyIcon(h);
      }
    }
  }
  const double s = std::chrono::duration<double>(Clock::now() - start).count();
  ImageList_Destroy(list);
  return s;
}

double Browser(TFormIconExplorer& form, const std::vector<std::string>& files, long& icons) {
  form.ListView1->Clear();
  form.ImageList1->Clear();
  const auto start = Clock::now();
  form.ListView1->BeginUpdate();
  for (const auto& f : files) form.LoadIconsFromFile(f);
  form.ListView1->EndUpdate();
  const double s = std::chrono::duration<double>(Clock::now() - start).count();
  icons = form.ListView1->ItemCount();
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  char sys[MAX_PATH];
  GetSystemDirectoryA(sys, MAX_PATH);
  const std::string folder = argc > 1 ? argv[1] : sys;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

  vcl::TApplication app;
  app.SetTitle("Vexilo");
  vcl::Owned<TFormIconExplorer> form(vcl::New<TFormIconExplorer>(nullptr, ParentOfExeFolder()));
  form->ListView1->HandleNeeded();  // as when shown: items go into a real list view

  std::vector<std::string> files;
  vex::iconbrowser::FindIconSources(folder, files, vex::iconbrowser::ListDirectoryWin32);
  std::printf("%s: %zu executables and libraries\n", folder.c_str(), files.size());

  // A first pass warms the file cache; then the two alternate, each going
  // first every other round, and each keeps its best time: on a busy machine
  // the best is the figure least disturbed by other work.
  long bareIcons = 0, browserIcons = 0;
  BareLoop(files, bareIcons);
  double bare = 1e9, browser = 1e9, listed = 1e9;
  long listedIcons = 0;
  for (int r = 0; r < rounds; ++r) {
    if (r % 2) bare = std::min(bare, BareLoop(files, bareIcons));
    browser = std::min(browser, Browser(*form, files, browserIcons));
    listed = std::min(listed, BareIntoImageList(files, listedIcons));
    if (r % 2 == 0) bare = std::min(bare, BareLoop(files, bareIcons));
  }
  std::printf("bare ExtractIconA loop: %ld icons in %.3f s = %.0f icons/s\n", bareIcons, bare, bareIcons / bare);
  std::printf("LoadIconsFromFile:      %ld icons in %.3f s = %.0f icons/s\n", browserIcons, browser,
              browserIcons / browser);
  std::printf("bare loop + image list: %ld icons in %.3f s = %.0f icons/s\n", listedIcons, listed, listedIcons / listed);
  std::printf("browser overhead: %+.1f%% over the bare loop, %+.1f%% over bare loop + image list (best of %d rounds)\n",
              (browser / bare - 1) * 100, (browser / listed - 1) * 100, rounds);
  return bareIcons == browserIcons ? 0 : 1;
}
