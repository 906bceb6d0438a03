// skingallery [--skin FILE] [--shot DIR] [--switch]
//   Opens every gallery page skinned by the built-in skin (or by the skin
//   package FILE).  The main form's Skin menu switches every open window to
//   another skin: the built-in one, each .skn package beside the program,
//   FILE, a file chosen, or none.  With --shot, saves DIR\gallery-<page>.png
//   of each window as shown on screen, frame included, and exits: 0 when
//   every picture was saved, 1 otherwise, 2 on wrong usage.  --switch goes
//   through every skin in turn with the windows open: with --shot it saves
//   DIR\gallery-<skin>-<page>.png in each, without it it changes the skin
//   every three seconds until the gallery is closed.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "screen_capture.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryForms.h"
#include "tools/skingallery/GallerySkins.h"
#include "widgets/Vcl.h"

namespace gallery {
namespace {


void PumpFor(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// A window is ready for its picture once its frame is skinned and active
// (or, without a skin, once it has been shown for a while).
bool Ready(HWND window) {
  if (!Skin()->Active()) return true;
  vex::skin::TSkinForm* frame = vex::skin::FrameOf(window);
  return frame && frame->FSkinState == vex::skin::kSkinActive;
}

// The window with any menu open over it.
RECT ShotRect(HWND window) {
  RECT shot{};
  GetWindowRect(window, &shot);
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND popup, LPARAM data) -> BOOL {
        char name[16] = {};
        GetClassNameA(popup, name, sizeof name);
        RECT r{};
        if (std::string(name) == "#32768" && IsWindowVisible(popup) && GetWindowRect(popup, &r)) {
          auto* area = reinterpret_cast<RECT*>(data);
          UnionRect(area, area, &r);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shot));
  return shot;
}

bool Shoot(HWND window, const std::string& name) {
  SetForegroundWindow(window);
  BringWindowToTop(window);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!Ready(window) && std::chrono::steady_clock::now() < deadline) PumpFor(std::chrono::milliseconds(20));
  const bool skinned = Ready(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(std::chrono::milliseconds(300));
  const std::string path = CurrentOptions().shotDir + "\\gallery-" + name + ".png";
  const RECT area = ShotRect(window);
  // What lies off the screen would come out black.
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT shown{};
  const bool onScreen = IntersectRect(&shown, &area, &screen) && EqualRect(&shown, &area);
  const bool saved = vex::SavePng(vex::ReadScreen(area), path);
  const bool ok = saved && onScreen && (skinned || Skin()->NoSkin || !Skin()->Active());
  std::printf("%s %s%s%s\n", ok ? "saved" : "FAILED", path.c_str(),
              skinned || Skin()->NoSkin || !Skin()->Active() ? "" : " (not skinned)",
              onScreen ? "" : " (partly off the screen)");
  return ok;
}

// Every skin in turn, the windows open: each window is pictured in each.
bool ShootEverySkin(const std::vector<std::pair<std::string, HWND>>& windows) {
  bool ok = true;
  const std::vector<SkinChoice> choices = SkinChoices();
  for (std::size_t i = 1; i <= choices.size(); ++i) {
    const SkinChoice& choice = choices[i % choices.size()];  // back to the first at the end
    UseSkin(choice);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!SkinSwitchDone() && std::chrono::steady_clock::now() < deadline) PumpFor(std::chrono::milliseconds(20));
    for (const auto& [name, window] : windows) {
      if (!IsWindowVisible(window)) continue;
      // A foreign window gets its frame again when it is next activated.
      if (Skin()->Active()) {
        SetForegroundWindow(MainForm()->Handle());
        PumpFor(std::chrono::milliseconds(20));
      }
      ok = Shoot(window, choice.name + "-" + name) && ok;
    }
  }
  return ok;
}

UINT_PTR gCycleTimer = 0;
std::size_t gCycle = 0;

int Run() {
  std::vector<Page> pages = Pages();
  std::stable_sort(pages.begin(), pages.end(), [](const Page& a, const Page& b) { return a.order < b.order; });
  bool ok = true;
  std::vector<std::pair<std::string, HWND>> opened;
  for (const Page& page : pages) {
    if (!page.open) continue;
    HWND window = page.open();
    opened.emplace_back(page.name, window);
    if (!CurrentOptions().shotDir.empty()) ok = Shoot(window, page.name) && ok;
  }
  if (CurrentOptions().shotDir.empty()) {
    if (CurrentOptions().switchSkins) {
      gCycleTimer = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) {
        const std::vector<SkinChoice> choices = SkinChoices();
        UseSkin(choices[++gCycle % choices.size()]);
      });
    }
    vcl::Application->Run();
    return 0;
  }
  if (CurrentOptions().switchSkins) ok = ShootEverySkin(opened) && ok;
  for (const Page& page : pages) {
    if (!page.modal) continue;
    bool shot = false;
    page.modal([&](HWND window) { shot = Shoot(window, page.name); });
    ok = shot && ok;
  }
  return ok ? 0 : 1;
}

}  // namespace

}  // namespace gallery

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace gallery;
  for (int i = 1; i < __argc; ++i) {
    const std::string arg = __argv[i];
    if (arg == "--skin" && i + 1 < __argc) {
      MutableOptions().skinFile = __argv[++i];
    } else if (arg == "--shot" && i + 1 < __argc) {
      MutableOptions().shotDir = __argv[++i];
    } else if (arg == "--switch") {
      MutableOptions().switchSkins = true;
    } else {
      std::fprintf(stderr, "usage: skingallery [--skin FILE] [--shot DIR] [--switch]\n");
      return 2;
    }
  }
  if (!CurrentOptions().shotDir.empty()) {
    std::error_code ignored;
    std::filesystem::create_directories(CurrentOptions().shotDir, ignored);
  }
  vcl::TApplication application;
  application.SetTitle("Skin gallery");
  application.SetShowMainForm(false);
  StartGallery();
  const int code = Run();
  std::fflush(stdout);
  return code;
}
