// Hostile skins: every kind of window the gallery shows, a dialog and a
// popup-menu window are skinned, hidden, and then, for each seed, a mutated
// skin package is loaded at run time and carried out at once.  The windows
// take turns (see Turns): one takes the changed skin and its frame and
// region are painted; one is skinned afresh in it and painted in every part
// (frame in one activation state or the other, region, caption and menu bar
// buttons, menu items, every control skinner); then the popup window and
// popup items.  All into memory DCs.  No crash, no hang, no step slower than
// a bound, and no file written in the temporary or the program folder.
//
//   skin_hostile_win_test                the seeds kept in seeds.txt (built in)
//   skin_hostile_win_test --seed N       one seed
//   skin_hostile_win_test --fuzz SECONDS fresh seeds for that long
// Each seed is printed before its skin is loaded, so a crash names it; a
// step that hangs or crashes is printed as "HANG seed N: step" or "CRASH
// seed N: step"; a step over the bound as "SLOW seed N: step".
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <string>
#include <map>

#include "hostile_windows.h"
#include "skin/controls/TSkinControl.h"
#include "skin/controls/TSkinSpeedButton.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/MenuItemDrawing.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "skin_data_test_util.h"
#include "tests/skin_hostile/SkinMutator.h"
#include "tools/skingallery/Gallery.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::skin::hostile {
namespace {

// A paint takes milliseconds; the bound catches work that grows without
// limit (a frame count or a margin taken at its word) and leaves room for a
// loaded machine.
constexpr double kBoundMs = 5000;
constexpr int kHangSeconds = 60;

struct Options {
  std::vector<std::uint64_t> seeds;
  int fuzzSeconds = 0;
} gOptions;

std::vector<std::uint64_t> KeptSeeds() {
  std::vector<std::uint64_t> seeds;
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(self, "HOSTILESEEDS", MAKEINTRESOURCEA(10));
  if (!info) return seeds;
  const char* text = static_cast<const char*>(LockResource(LoadResource(self, info)));
  const std::string all(text, SizeofResource(self, info));
  std::size_t at = 0;
  while (at < all.size()) {
    std::size_t end = all.find('\n', at);
    if (end == std::string::npos) end = all.size();
    const std::string line = all.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line[0] >= '0' && line[0] <= '9') seeds.push_back(std::stoull(line));
  }
  return seeds;
}

// A memory DC with a bitmap of (at most a screen's worth of) the size asked.
class Canvas {
 public:
  Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, std::clamp(width, 1, 2048), std::clamp(height, 1, 2048));
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

SIZE SizeOfWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Times every step; remembers the slowest and those over the bound.
struct Timing {
  std::uint64_t seed = 0;
  double slowestMs = 0;
  std::string slowest;
  int overBound = 0;
  long steps = 0;
  bool Odd() const { return seed & 1; }
  std::map<std::string, std::pair<double, long>> byName;

  template <typename F>
  void Step(const char* name, F&& run) {
    StepWatch::Begin(name);
    try {
      run();
    } catch (const std::exception& e) {
      std::printf("CRASH seed %llu: %s threw %s\n", static_cast<unsigned long long>(seed), name, e.what());
      std::fflush(stdout);
      throw;
    }
    const double ms = StepWatch::Done();
    ++steps;
    byName[name].first += ms;
    ++byName[name].second;
    if (ms > slowestMs) {
      slowestMs = ms;
      slowest = "seed " + std::to_string(seed) + ": " + name;
    }
    if (ms > kBoundMs) {
      ++overBound;
      std::printf("SLOW seed %llu: %s took %.0f ms\n", static_cast<unsigned long long>(seed), name, ms);
    }
  }
};

void PaintMenuItems(TSkinForm& frame, TSkinMenuBar& bar, HDC dc, Timing& timing) {
  for (int i = 0; i < bar.Count(); ++i) {
    HMENU sub = bar.Button(i)->FSubMenu;
    if (!sub) continue;
    bar.FOwnerDrawn.MakeOwnerDrawn(sub);
    frame.FDropDown = sub;
    for (int k = 0; k < GetMenuItemCount(sub); ++k) {
      const UINT id = GetMenuItemID(sub, k);
      MEASUREITEMSTRUCT measure{ODT_MENU, 0, id, 0, 18, 0};
      DRAWITEMSTRUCT draw{ODT_MENU, 0, id, ODA_DRAWENTIRE, k % 2 ? UINT{ODS_SELECTED} : 0u,
                          reinterpret_cast<HWND>(sub), dc, RECT{0, 0, 160, 18}, 0};
      timing.Step("menu item", [&] {
        SendMessageA(frame.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        draw.rcItem.right = static_cast<LONG>(std::min<UINT>(measure.itemWidth, 2000));
        draw.rcItem.bottom = static_cast<LONG>(std::min<UINT>(measure.itemHeight, 200));
        SendMessageA(frame.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
      });
    }
    frame.FDropDown = nullptr;
    bar.FOwnerDrawn.Restore();
  }
}

void PaintControls(TSkinForm& frame, Timing& timing) {
  for (TFrameSkinner* part : frame.ControlSkinners) {
    auto* skinner = dynamic_cast<TSkinControl*>(part);
    if (!skinner) continue;
    auto* speed = dynamic_cast<TSkinSpeedButton*>(skinner);
    SIZE size{};
    if (speed && speed->SpeedButton()) {
      size = {speed->SpeedButton()->Width(), speed->SpeedButton()->Height()};
    } else if (skinner->Handle && IsWindow(skinner->Handle)) {
      size = SizeOfWindow(skinner->Handle);
    } else {
      continue;
    }
    Canvas canvas(size.cx, size.cy);
    const RECT rect{0, 0, size.cx, size.cy};
    const unsigned state = skinner->State;
    skinner->State = timing.Odd() ? 3u : 0u;  // hot and pressed, or normal
    timing.Step("control", [&] {
      if (speed)
        speed->PaintSpeedButton(canvas.Dc(), rect);
      else
        skinner->Draw(canvas.Dc(), rect);
    });
    skinner->State = state;
  }
}

// A frame and its region, in one of two looks (by the seed): active with
// its buttons pressed, or inactive with them hot.  `whole`: its caption and
// menu bar buttons, menus and controls too.
void PaintFrame(TSkinForm& frame, Timing& timing, bool whole) {
  const SIZE size = SizeOfWindow(frame.Handle());
  Canvas canvas(size.cx, size.cy);
  const bool active = frame.FActive;
  frame.FActive = timing.Odd();
  timing.Step("frame", [&] { frame.PaintFrame(canvas.Dc()); });
  frame.FActive = active;
  frame.FRegionSize = {};
  timing.Step("region", [&] { frame.BuildRegion(); });
  // Caption and menu bar buttons pressed and hot, straight onto the window.
  if (!whole) return;
  const int look = timing.Odd() ? kObjectPressed : kObjectHot;
  for (auto& button : frame.FButtons) {
    button->FState = look;
    timing.Step("caption button", [&] { button->Paint(); });
    button->FState = kObjectNormal;
  }
  auto* bar = dynamic_cast<TSkinMenuBar*>(frame.FMenuBar.get());
  if (bar) {
    for (auto& button : bar->FButtons) {
      button->FState = look;
      timing.Step("menu bar button", [&] { button->Paint(); });
      button->FState = kObjectNormal;
    }
  }
  if (bar) PaintMenuItems(frame, *bar, canvas.Dc(), timing);
  PaintControls(frame, timing);
}

void PaintPopup(TSkinData& skin, Timing& timing) {
  HWND popup = PopupWindow();
  Canvas canvas(200, 200);
  timing.Step("popup", [&] {
    SendMessageA(popup, WM_NCPAINT, 1, 0);
    SendMessageA(popup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  });
  // Items of popup-menu components and drop-downs over the popup's background.
  HMENU menu = CreatePopupMenu();
  const TMenuItemFacts items[] = {
      {.caption = "&Open", .shortcut = "Ctrl+O"},
      {.caption = "-", .shortcut = {}, .component = true},
      {.caption = "&Checked", .shortcut = {}, .checked = true},
      {.caption = "&Radio", .shortcut = {}, .enabled = false, .checked = true, .radio = true, .isDefault = true},
      {.caption = "", .shortcut = {}, .rightToLeft = true}};
  for (const TMenuItemFacts& item : items) {
    const bool selected = timing.Odd() != (&item - items) % 2;
    timing.Step("popup item", [&] { DrawMenuItemFacts(canvas.Dc(), RECT{0, 0, 150, 20}, item, selected, skin, menu); });
  }
  DestroyMenu(menu);
}

// The windows take turns: under each seed one window that kept its frame
// from the seed before takes the changed skin, and the next one in turn is
// skinned afresh; both are painted, then the first one lets its frame go.
// So every window kind meets the mutated skins both ways without every
// window being repainted for every seed.
class Turns {
 public:
  explicit Turns(std::vector<HWND> windows) : windows_(std::move(windows)) {}
  HWND Kept() const { return kept_; }
  HWND Next() const { return windows_[next_ % windows_.size()]; }
  void Advance(HWND skinned) {
    if (kept_ && kept_ != skinned) SkinManager()->UnskinWindow(kept_);
    kept_ = skinned;
    ++next_;
  }

 private:
  std::vector<HWND> windows_;
  HWND kept_ = nullptr;
  std::size_t next_ = 0;
};

// One seed: the mutated skin loaded and carried out at once; a window
// skinned in it; both windows and the popup window painted.
void RunSeed(TSkinData& skin, const MutatedSkin& mutated, std::uint64_t seed, Turns& turns, Timing& timing) {
  timing.seed = seed;
  StepWatch::Seed(seed);
  std::printf("seed %llu\n", static_cast<unsigned long long>(seed));
  for (const std::string& line : mutated.applied) std::printf("  %s\n", line.c_str());
  std::fflush(stdout);
  const std::vector<std::uint8_t> stream = vex::skin::test::Stream(mutated.package);
  timing.Step("load", [&] { skin.UseSkinStream(stream); });
  timing.Step("apply", [&] { SkinManager()->DoPendingAction(); });
  HWND fresh = turns.Next();
  timing.Step("attach", [&] {
    if (!SkinManager()->IsSkinned(fresh)) SkinManager()->SkinWindow(fresh);
    vex::test::PumpPending();
  });
  if (HWND kept = turns.Kept(); kept && Skinned(kept)) PaintFrame(*FrameOf(kept), timing, false);
  if (Skinned(fresh)) PaintFrame(*FrameOf(fresh), timing, true);
  PaintPopup(skin, timing);
  timing.Step("detach", [&] { turns.Advance(fresh); });
}

// The mutated skins, each made on a worker thread while the one before is
// painted.
class SkinSource {
 public:
  SkinSource(const std::vector<PackageMember>& base, std::function<std::uint64_t()> nextSeed)
      : base_(base), nextSeed_(std::move(nextSeed)) {
    Prefetch();
  }
  // The next seed and its skin; false when there are no more seeds.
  bool Take(std::uint64_t& seed, MutatedSkin& skin) {
    if (!pending_.valid()) return false;
    seed = pendingSeed_;
    skin = pending_.get();
    Prefetch();
    return true;
  }

 private:
  void Prefetch() {
    std::uint64_t seed = 0;
    if (!NextSeed(seed)) return;
    pendingSeed_ = seed;
    pending_ = std::async(std::launch::async, [this, seed] { return MutateSkin(base_, seed); });
  }
  bool NextSeed(std::uint64_t& seed) {
    seed = nextSeed_();
    return seed != 0;
  }
  const std::vector<PackageMember>& base_;
  std::function<std::uint64_t()> nextSeed_;
  std::uint64_t pendingSeed_ = 0;
  std::future<MutatedSkin> pending_;
};

TEST(HostileSkins, EveryWindowPaintsEveryMutatedSkinInBoundedTime) {
  const std::string temp = UsePrivateTempFolder();
  const std::string program = ProgramFolder();
  const std::set<std::string> tempBefore = ListFiles(temp), programBefore = ListFiles(program);

  std::string why;
  ASSERT_TRUE(OpenWindows(why)) << why;
  TSkinData& skin = *gallery::Skin();
  const std::vector<std::uint8_t> stored = vex::skin::test::EmbeddedStream();
  ASSERT_GT(stored.size(), 4u);
  const std::vector<PackageMember> base =
      PackageMembers(std::span<const std::uint8_t>(stored).subspan(4));
  ASSERT_GT(base.size(), 30u);

  Timing timing;
  StepWatch::Start(kHangSeconds);
  std::vector<HWND> frames;
  for (TSkinForm* frame : SkinManager()->Forms()) frames.push_back(frame->Handle());
  ASSERT_GE(frames.size(), OpenedWindows().size());
  for (HWND window : frames) SkinManager()->UnskinWindow(window);
  Turns turns(frames);
  const auto start = std::chrono::steady_clock::now();
  std::function<std::uint64_t()> nextSeed;
  std::vector<std::uint64_t> seeds;
  std::size_t taken = 0;
  SeedRandom fresh(static_cast<std::uint64_t>(start.time_since_epoch().count()) ^ GetCurrentProcessId());
  if (gOptions.fuzzSeconds > 0) {
    nextSeed = [&] {
      const bool more = std::chrono::steady_clock::now() - start < std::chrono::seconds(gOptions.fuzzSeconds);
      return more ? (fresh.Next() >> 16) | 1 : 0;
    };
  } else {
    seeds = gOptions.seeds.empty() ? KeptSeeds() : gOptions.seeds;
    ASSERT_FALSE(seeds.empty());
    nextSeed = [&] { return taken < seeds.size() ? seeds[taken++] : 0; };
  }
  int count = 0;
  {
    SkinSource source(base, nextSeed);
    std::uint64_t seed = 0;
    MutatedSkin mutated;
    while (source.Take(seed, mutated)) {
      RunSeed(skin, mutated, seed, turns, timing);
      ++count;
    }
  }
  // The built-in skin again: every window back in it.
  StepWatch::Seed(0);
  ASSERT_TRUE(skin.UseSkinStream(stored));
  SkinManager()->DoPendingAction();
  vex::test::PumpPending();
  for (HWND window : frames) SkinManager()->SkinWindow(window);
  vex::test::PumpPending();
  for (HWND window : frames) EXPECT_TRUE(Skinned(window)) << "a window did not take the built-in skin again";
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d mutated skins, %ld paints and other steps in %.1f s; slowest %.0f ms (%s)\n", count, timing.steps,
              seconds, timing.slowestMs, timing.slowest.c_str());
  for (auto& [n, v] : timing.byName) std::printf("  %-16s %8.0f ms %6ld\n", n.c_str(), v.first, v.second);
  EXPECT_EQ(timing.overBound, 0) << "steps slower than " << kBoundMs << " ms; slowest: " << timing.slowest;
  EXPECT_EQ(ListFiles(temp), tempBefore) << "files written in the temporary folder " << temp;
  EXPECT_EQ(ListFiles(program), programBefore) << "files written in the program folder " << program;
  RemoveDirectoryA(temp.c_str());
}

}  // namespace
}  // namespace vex::skin::hostile

int main(int argc, char** argv) {
  using vex::skin::hostile::gOptions;
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      gOptions.seeds.push_back(std::stoull(argv[++i]));
    } else if (arg == "--fuzz" && i + 1 < argc) {
      gOptions.fuzzSeconds = std::stoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: skin_hostile_win_test [--seed N]... [--fuzz SECONDS]\n");
      return 2;
    }
  }
  vcl::TApplication application;
  application.SetTitle("Hostile skins");
  application.SetShowMainForm(false);
  return RUN_ALL_TESTS();
}
