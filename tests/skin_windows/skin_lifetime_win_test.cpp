// Skin objects and frames that go away while something still refers to
// them: a skin component reloaded under the windows it draws, and frames
// released by application code in the middle of the manager's loops.  The
// program's freed memory is overwritten (poisoned_heap.cpp), so a use after
// free does not pass unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "skin/windows/SkinMessages.h"
#include "skin/windows/TNCObject.h"
#include "skin_window_fixture.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

// Every caption button of the frame shows one of the component's present
// caption-button objects.
bool ButtonsAreCurrent(TSkinForm& frame, const TSkinData& skin) {
  for (const auto& button : frame.FButtons) {
    const bool found = std::any_of(skin.SysButtons.begin(), skin.SysButtons.end(),
                                   [&](const auto& s) { return s.get() == button->FSkinButton; });
    if (!found) return false;
  }
  return true;
}

std::string WriteSkinFile(const std::string& name, const Bytes& stream) {
  const std::string path = vex::test::OutputDir() + name;
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(stream.data()) + 4, static_cast<std::streamsize>(stream.size() - 4));
  return path;
}

class SkinLifetime : public ::testing::Test {
 protected:
  void SetUp() override {
    main = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
  }
  std::unique_ptr<TSkinData> main;
};

// A component of its own form (not the main-form one) reloaded in each way
// there is: the frame's caption buttons never point at freed objects, and
// the frame is fitted to the new skin at once.
TEST_F(SkinLifetime, ReloadingAComponentOfItsOwnFormRebuildsItsButtons) {
  const std::string file = WriteSkinFile("lifetime-own-form.skn", EmbeddedStream());
  struct Case {
    const char* name;
    std::function<void(TSkinData&)> reload;
  };
  const Case cases[] = {
      {"LoadSkin", [](TSkinData& s) { EXPECT_TRUE(s.LoadSkin()); }},
      {"ReadSkinStream", [](TSkinData& s) { s.ReadSkinStream(EmbeddedStream()); }},
      {"UseSkinStream", [](TSkinData& s) { EXPECT_TRUE(s.UseSkinStream(EmbeddedStream())); }},
      {"SetSkinFile", [&](TSkinData& s) { s.SetSkinFile(file); }},
  };
  for (const Case& c : cases) {
    vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(nullptr));
    form->SetBounds(80, 80, 300, 200);
    auto* own = new TSkinData(form.get());  // the form owns it
    own->SkinFormtype = sfOnlyThisForm;
    own->BeginLoading();
    own->SetActive(true);
    own->ReadSkinStream(EmbeddedStream());
    own->Loaded();
    ASSERT_FALSE(own->NoSkin) << c.name;
    form->Show();
    TSkinForm* frame = ShowSkinned(form->Handle());
    ASSERT_NE(frame, nullptr) << c.name;
    ASSERT_EQ(frame->SkinData(), own) << c.name;
    ASSERT_FALSE(frame->FButtons.empty()) << c.name;

    c.reload(*own);
    EXPECT_FALSE(own->NoSkin) << c.name;
    EXPECT_TRUE(ButtonsAreCurrent(*frame, *own)) << c.name << ": a caption button shows a freed object";
    EXPECT_FALSE(frame->FButtons.empty()) << c.name << ": the frame has its buttons again";
    frame->PaintFrame();
    SendMessageA(form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(form->Handle(), 280, 10));
    vex::test::PumpPending();
  }
  std::remove(file.c_str());
}

// A stored package that does not load leaves the skin in use as it was;
// a component whose reload fails outright takes its frames away rather than
// leave windows with a frame that nobody paints.
TEST_F(SkinLifetime, AFailedReloadLeavesNoFrameUnpainted) {
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, {100, 100, 400, 300});
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->SkinData(), main.get());
  const Bytes damaged = {8, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};

  EXPECT_FALSE(main->UseSkinStream(damaged));
  EXPECT_FALSE(main->NoSkin) << "the skin in use stays";
  EXPECT_EQ(SkinManager()->FindFrame(w.Handle()), frame);
  EXPECT_TRUE(ButtonsAreCurrent(*frame, *main));
  vex::test::PumpPending();

  main->ReadSkinStream(damaged);  // LoadSkin itself: the skin is gone
  EXPECT_TRUE(main->NoSkin);
  EXPECT_EQ(SkinManager()->FindFrame(w.Handle()), nullptr) << "a frame nobody paints";
  EXPECT_TRUE(WindowRegionRects(w.Handle()).empty());
  EXPECT_TRUE(GetWindowLongPtrA(w.Handle(), GWL_STYLE) & WS_SYSMENU) << "the window's own look is back";
}

// A window whose own procedure destroys another skinned window while the
// manager goes over its frames.
class Destroyer {
 public:
  explicit Destroyer(RECT bounds) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VexDestroyerWindow";
    RegisterClassA(&wc);
    FHandle = CreateWindowExA(0, "VexDestroyerWindow", "destroyer", WS_OVERLAPPEDWINDOW, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Destroyer() {
    if (IsWindow(FHandle)) DestroyWindow(FHandle);
  }
  HWND Handle() const { return FHandle; }
  HWND victim = nullptr;  // destroyed at the first message while armed
  bool armed = false;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Destroyer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && self->armed && msg != WM_DESTROY && msg != WM_NCDESTROY && IsWindow(self->victim)) {
      self->armed = false;
      DestroyWindow(self->victim);
    }
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  HWND FHandle = nullptr;
};

TEST_F(SkinLifetime, AFrameReleasedInTheManagersLoopsIsPassedByAndFreedAfter) {
  struct Case {
    const char* name;
    std::function<void()> run;
  };
  const Case cases[] = {
      {"a changed skin (action 3)",
       [&] {
         SkinManager()->FPendingAction = 3;
         SkinManager()->DoPendingAction();
       }},
      {"a component reloaded", [&] { main->LoadSkin(); }},
  };
  for (const Case& c : cases) {
    Destroyer first({60, 60, 360, 260});
    TSkinForm* frame = ShowSkinned(first.Handle());
    ASSERT_NE(frame, nullptr) << c.name;
    auto victim = std::make_unique<LogWindow>(WS_OVERLAPPEDWINDOW, 0, RECT{400, 60, 700, 260});
    ASSERT_NE(ShowSkinned(victim->Handle()), nullptr) << c.name;
    first.victim = victim->Handle();
    first.armed = true;
    c.run();
    EXPECT_FALSE(first.armed) << c.name << ": the first window heard of the change";
    EXPECT_FALSE(IsWindow(victim->Handle())) << c.name;
    EXPECT_EQ(SkinManager()->FindFrame(victim->Handle()), nullptr) << c.name;
    EXPECT_EQ(SkinManager()->FindFrame(first.Handle()), frame) << c.name;
    vex::test::PumpPending();
  }
}

}  // namespace
}  // namespace vex::skin::test
