// Every kind of window opened and closed many times, and many switches of
// skin with the windows open, leave what the skin layer holds where it
// started: GDI and USER objects, windows, subclasses, frames, popup skinners,
// hooks.  The counts are printed.
//
// By default 25 cycles per kind and 10 switches: enough that one object left
// behind per cycle or per switch exceeds the few objects the system caches
// once (kOnce below), short enough for every test run.  The long soak (200
// cycles, 50 switches) runs with VEXILO_LONG_CYCLES=1 in the environment or
// --long on the command line.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/IconBrowser.h"
#include "app/TForm1.h"
#include "iconbrowser/TFormIconExplorer.h"
#include "skin/data/GdiScope.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/WindowSubclass.h"
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryForms.h"
#include "tools/skingallery/GallerySkins.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vs = vex::skin;

namespace {

constexpr int kShortCycles = 25, kLongCycles = 200;
constexpr int kShortSwitches = 10, kLongSwitches = 50;
// The system's own caches may grow by this much once; a leak of one object
// per cycle must exceed it even in the short run.
constexpr long kOnce = 4;
static_assert(kShortCycles > kOnce && kShortSwitches > kOnce, "a short run must still see a one-per-cycle leak");

bool gLong = false;
int Cycles() { return gLong ? kLongCycles : kShortCycles; }
int Switches() { return gLong ? kLongSwitches : kShortSwitches; }

struct Counts {
  DWORD gdi = 0, user = 0;
  // By kind, where the handles can be probed (Wine); zero on Windows.
  int bitmaps = 0, regions = 0, brushes = 0, fonts = 0, dcs = 0;
  int windows = 0, subclasses = 0, frames = 0, popups = 0, hooks = 0;
  bool operator==(const Counts&) const = default;
};

void CountGdiKinds(Counts& c) {
  for (UINT_PTR i = 1; i < 0x10000; ++i) {
    switch (GetObjectType(reinterpret_cast<HGDIOBJ>(i))) {
      case OBJ_BITMAP: ++c.bitmaps; break;
      case OBJ_REGION: ++c.regions; break;
      case OBJ_BRUSH: ++c.brushes; break;
      case OBJ_FONT: ++c.fonts; break;
      case OBJ_DC:
      case OBJ_MEMDC: ++c.dcs; break;
      default: break;
    }
  }
}

// `withUser`: under Wine the USER count probes every handle value through
// the server (seconds a call); the warm-up compares without it.
Counts Now(bool withUser = true) {
  vex::test::PumpPending();
  Counts c;
  c.gdi = vex::test::LiveGdiObjects();
  if (withUser) c.user = vex::test::LiveUserObjects();
  if (!GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) CountGdiKinds(c);
  c.windows = vex::test::ThreadWindowCount();
  c.subclasses = vs::TSubclass::LiveRecords();
  c.frames = static_cast<int>(vs::SkinManager()->Forms().size());
  c.popups = static_cast<int>(vs::SkinManager()->PopupCount());
  c.hooks = (vs::SkinManager()->CbtHookInstalled() ? 1 : 0) + (vs::MenuFilterInstalled() ? 1 : 0);
  return c;
}

std::string Describe(const Counts& c) {
  char text[300];
  std::snprintf(text, sizeof text,
                "GDI %lu (bitmaps %d, regions %d, brushes %d, fonts %d, DCs %d), USER %lu, windows %d, subclasses %d, "
                "frames %d, popups %d, hooks %d",
                c.gdi, c.bitmaps, c.regions, c.brushes, c.fonts, c.dcs, c.user, c.windows, c.subclasses, c.frames,
                c.popups, c.hooks);
  return text;
}

// The layer's own records must be where they were.  The process's GDI and
// USER counts also hold what the system's dialogs cache once and keep (the
// shell's icon list grows by an icon or two after the folder dialog, with
// or without a skin): a few objects, never one per cycle.
void ExpectNothingLeft(const char* kind, const Counts& before, const Counts& after) {
  const std::string what = std::string(kind) + ": " + Describe(before) + " -> " + Describe(after);
  EXPECT_EQ(after.windows, before.windows) << what;
  EXPECT_EQ(after.subclasses, before.subclasses) << what;
  EXPECT_EQ(after.frames, before.frames) << what;
  EXPECT_EQ(after.popups, before.popups) << what;
  EXPECT_EQ(after.hooks, before.hooks) << what;
  const long counts[][2] = {{long(before.gdi), long(after.gdi)},       {long(before.user), long(after.user)},
                            {before.bitmaps, after.bitmaps},           {before.regions, after.regions},
                            {before.brushes, after.brushes},           {before.fonts, after.fonts},
                            {before.dcs, after.dcs}};
  for (const auto& c : counts) EXPECT_LE(c[1] - c[0], kOnce) << what;
}

bool Skinned(HWND w) {
  vs::TSkinForm* f = vs::FrameOf(w);
  return f && f->FSkinState == vs::kSkinActive;
}

// Runs a modal window of this thread (a dialog, a message box, a menu)
// until it is up and skinned, then closes it.
void CloseModalWhenSkinned(const char* windowClass, std::function<void(HWND)> close) {
  static std::function<void()> check;
  check = [windowClass, close] {
    HWND w = nullptr;
    std::pair<const char*, HWND*> want(windowClass, &w);
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM data) -> BOOL {
          auto* wanted = reinterpret_cast<std::pair<const char*, HWND*>*>(data);
          char name[64] = {};
          GetClassNameA(candidate, name, sizeof name);
          if (IsWindowVisible(candidate) && std::string(name) == wanted->first) {
            *wanted->second = candidate;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&want));
    if (w && (std::string(windowClass) == "#32768" || Skinned(w))) {
      close(w);
      check = nullptr;
    }
  };
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (check) check();
    if (!check) KillTimer(nullptr, id);
  });
}

struct Kind {
  const char* name;
  std::function<void()> cycle;
};

class SkinCycles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SetEnvironmentVariableA("VEXILO_USAGE_URL", "");  // the main window's usage report stays home
    gallery::StartGallery();
    // Made once by the main window and kept for the program's life.
    vex::app::CreateIconBrowser();
    FormIconExplorer->HandleNeeded();
    gallery::MainForm()->Show();
    vex::test::PumpUntil([] { return Skinned(gallery::MainForm()->Handle()); });
  }
};

TEST_F(SkinCycles, OpeningAndClosingEveryKindLeavesNothingBehind) {
  char folder[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, folder, MAX_PATH);
  *strrchr(folder, '\\') = 0;
  const Kind kinds[] = {
      {"main window",
       [] {
         TForm1* form = nullptr;
         vcl::Application->CreateForm(form);
         form->Show();
         vex::test::PumpUntil([&] { return Skinned(form->Handle()); });
         form->Free();
         Form1 = nullptr;
         vcl::Application->SetMainForm(gallery::MainForm());
       }},
      {"icon browser",
       [&] {
         CloseModalWhenSkinned("TFormIconExplorer", [](HWND) { FormIconExplorer->SetModalResult(vcl::mrCancel); });
         FormIconExplorer->Execute(folder);
         // A closed reading's icons go when its worker has finished its file.
         vex::test::PumpUntil([] { return FormIconExplorer->LiveReadingThreads() == 0; });
       }},
      {"message box",
       [] {
         CloseModalWhenSkinned("#32770", [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); });
         MessageBoxA(gallery::MainForm()->Handle(), "文件夹图标改变成功", "Vexilo", MB_OK);
       }},
      {"folder dialog",
       [] {
         CloseModalWhenSkinned("#32770", [](HWND w) { PostMessageA(w, WM_COMMAND, IDCANCEL, 0); });
         std::string path;
         vcl::BrowseForFolder("请选择需要改变图标的文件夹", path);
       }},
      {"open-file dialog",
       [] {
         CloseModalWhenSkinned("#32770", [](HWND w) { PostMessageA(w, WM_COMMAND, IDCANCEL, 0); });
         vcl::TOpenDialog dialog(nullptr);
         dialog.Title = "请选择图标";
         // A folder whose files do not change, so the system's icon list does not grow.
         dialog.InitialDir = "C:\\windows\\fonts";
         dialog.Execute();
       }},
      {"context menu",
       [] {
         HMENU menu = CreatePopupMenu();
         AppendMenuA(menu, MF_STRING, 1, "剪切");
         AppendMenuA(menu, MF_STRING, 2, "复制");
         CloseModalWhenSkinned("#32768", [](HWND) { EndMenu(); });
         TrackPopupMenu(menu, TPM_RIGHTBUTTON, 200, 200, 0, gallery::MainForm()->Handle(), nullptr);
         DestroyMenu(menu);
       }},
  };
  auto galleryPage = [](const char* name) {
    for (const gallery::Page& page : gallery::Pages()) {
      if (page.name != name || !page.open) continue;
      return Kind{page.name.c_str(), [&page] {
                    HWND w = page.open();
                    vex::test::PumpUntil([&] { return Skinned(w); });
                    if (vcl::TForm* form = vcl::Application->FindForm(w))
                      form->Free();
                    else
                      DestroyWindow(w);
                  }};
    }
    return Kind{name, nullptr};
  };
  std::vector<Kind> all(std::begin(kinds), std::end(kinds));
  for (const char* page : {"second", "buttons", "checks", "fields", "mdi"}) all.push_back(galleryPage(page));

  for (const Kind& kind : all) {
    ASSERT_TRUE(kind.cycle) << kind.name;
    // The first ones of a kind make what stays (classes, fonts, the
    // system's caches): the count starts once a cycle leaves it unchanged.
    const DWORD warmStart = GetTickCount();
    kind.cycle();
    Counts warm = Now(false);
    for (int i = 0; i < 4; ++i) {
      kind.cycle();
      const Counts now = Now(false);
      if (now == warm) break;
      warm = now;
    }
    const Counts before = Now();
    const DWORD start = GetTickCount();
    std::printf("%-16s warm-up in %lu ms\n", kind.name, start - warmStart);
    for (int i = 0; i < Cycles(); ++i) kind.cycle();
    const DWORD took = GetTickCount() - start;
    const Counts after = Now();
    std::printf("%-16s %d cycles in %lu ms: before %s\n%-16s after  %s\n", kind.name, Cycles(), took,
                Describe(before).c_str(), "", Describe(after).c_str());
    ExpectNothingLeft(kind.name, before, after);
  }
}

TEST_F(SkinCycles, SwitchingSkinsWithTheWindowsOpenLeavesNothingBehind) {
  std::vector<HWND> open;
  for (const gallery::Page& page : gallery::Pages()) {
    if (page.open && page.name != "main") open.push_back(page.open());
  }
  const std::vector<gallery::SkinChoice> choices = gallery::SkinChoices();
  auto switchTo = [&](const gallery::SkinChoice& choice) {
    gallery::UseSkin(choice);
    vex::test::PumpUntil([] { return gallery::SkinSwitchDone(); });
  };
  for (const auto& choice : choices) switchTo(choice);
  switchTo(choices.front());
  const Counts before = Now();
  for (int i = 1; i <= Switches(); ++i) switchTo(choices[i % choices.size()]);
  switchTo(choices.front());
  const Counts after = Now();
  std::printf("%d skin switches over %zu choices: before %s\n                                after  %s\n", Switches(),
              choices.size(), Describe(before).c_str(), Describe(after).c_str());
  ExpectNothingLeft("skin switches", before, after);
  for (HWND w : open) {
    if (vcl::TForm* form = vcl::Application->FindForm(w)) {
      if (form != gallery::MainForm()) form->Hide();
    } else {
      DestroyWindow(w);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const char* env = std::getenv("VEXILO_LONG_CYCLES");
  gLong = env && *env && std::string(env) != "0";
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]) == "--long") gLong = true;
  std::printf("%s run: %d cycles per kind, %d skin switches\n", gLong ? "long" : "short", Cycles(), Switches());
  vcl::TApplication app;
  app.SetTitle("Vexilo");
  return RUN_ALL_TESTS();
}
