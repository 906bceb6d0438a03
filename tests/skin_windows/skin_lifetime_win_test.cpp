// Skin objects and frames that go away while something still refers to
// them: a skin component reloaded under the windows it draws, and frames
// released by application code in the middle of the manager's loops or of
// a frame's hover tick.  The program's freed memory is overwritten, and a
// freed frame cannot be touched at all (poisoned_heap.cpp), so a use after
// free does not pass unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "poisoned_heap.h"
#include "skin/controls/ControlDispatch.h"
#include "skin/controls/TSkinButton.h"
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
// manager goes over its frames: top-level, or an MDI child of `client`.
class Destroyer {
 public:
  explicit Destroyer(RECT bounds, HWND client = nullptr) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc<DefWindowProcA>;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VexDestroyerWindow";
    RegisterClassA(&wc);
    wc.lpfnWndProc = Proc<DefMDIChildProcA>;
    wc.lpszClassName = "VexDestroyerMdiChild";
    RegisterClassA(&wc);
    const MDICREATESTRUCTA mdi{"VexDestroyerMdiChild", "destroyer", wc.hInstance, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, WS_OVERLAPPEDWINDOW, 0};
    FHandle = client ? reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mdi)))
                     : CreateWindowExA(0, "VexDestroyerWindow", "destroyer", WS_OVERLAPPEDWINDOW, bounds.left,
                                       bounds.top, mdi.cx, mdi.cy, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Destroyer() {
    if (IsWindow(FHandle)) DestroyWindow(FHandle);
  }
  HWND Handle() const { return FHandle; }
  HWND victim = nullptr;  // destroyed at the first message while armed
  bool armed = false;

 private:
  template <LRESULT(WINAPI* Default)(HWND, UINT, WPARAM, LPARAM)>
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Destroyer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && self->armed && msg != WM_DESTROY && msg != WM_NCDESTROY && IsWindow(self->victim)) {
      self->armed = false;
      DestroyWindow(self->victim);
    }
    return Default(window, msg, wParam, lParam);
  }
  HWND FHandle = nullptr;
};

LRESULT CALLBACK MdiFrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcA(window, FindWindowExA(window, nullptr, "MDICLIENT", nullptr), msg, wParam, lParam);
}

TEST_F(SkinLifetime, AFrameReleasedInTheManagersLoopsIsPassedByAndFreedAfter) {
  vex::test::GuardObjectsOfSize(sizeof(TSkinForm));  // a freed frame crashes whoever touches it
  struct Case {
    const char* name;
    bool mdi;  // the windows are MDI children
    std::function<void()> run;
  };
  const Case cases[] = {
      {"a changed skin (action 3)", false,
       [&] {
         SkinManager()->FPendingAction = 3;
         SkinManager()->DoPendingAction();
       }},
      {"a component reloaded", false, [&] { main->LoadSkin(); }},
      {"MDI children maximised", true, [&] { SkinManager()->SetMdiMax(true); }},
      {"MDI children restored", true,
       [&] {
         SkinManager()->FMdiMax = true;  // as while a child was maximised
         SkinManager()->SetMdiMax(false);
       }},
  };
  WNDCLASSA wc{};
  wc.lpfnWndProc = MdiFrameProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VexLifetimeMdiFrame";
  RegisterClassA(&wc);
  for (const Case& c : cases) {
    HWND mdiFrame = nullptr, client = nullptr;
    if (c.mdi) {
      mdiFrame = CreateWindowExA(0, wc.lpszClassName, "MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 700, 400,
                                 nullptr, nullptr, wc.hInstance, nullptr);
      CLIENTCREATESTRUCT ccs{nullptr, 50000};
      client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 680, 360,
                               mdiFrame, nullptr, wc.hInstance, &ccs);
      ASSERT_NE(ShowSkinned(mdiFrame), nullptr) << c.name;
    }
    auto skinned = [&](HWND w) { return c.mdi ? ActiveFrame(w) : ShowSkinned(w); };
    Destroyer first({60, 60, 360, 260}, client);
    TSkinForm* frame = skinned(first.Handle());
    ASSERT_NE(frame, nullptr) << c.name;
    auto victim = std::make_unique<Destroyer>(RECT{400, 60, 700, 260}, client);
    ASSERT_NE(skinned(victim->Handle()), nullptr) << c.name;
    ASSERT_EQ(frame->IsMdiChild(), c.mdi) << c.name;
    first.victim = victim->Handle();
    first.armed = true;
    c.run();
    EXPECT_FALSE(first.armed) << c.name << ": the first window heard of the change";
    EXPECT_FALSE(IsWindow(victim->Handle())) << c.name;
    EXPECT_EQ(SkinManager()->FindFrame(victim->Handle()), nullptr) << c.name;
    EXPECT_EQ(SkinManager()->FindFrame(first.Handle()), frame) << c.name;
    SkinManager()->SetMdiMax(false);
    vex::test::PumpPending();
    if (mdiFrame) DestroyWindow(mdiFrame);
  }
}

// The hover tick tells a control that the mouse has left it; the
// application's handler of that closes the window, whose frame must stay
// until the tick is done.
LRESULT CALLBACK ClosingButtonProc(HWND button, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == vcl::CM_MOUSELEAVE) {
    DestroyWindow(GetParent(button));
    return 0;
  }
  auto old = reinterpret_cast<WNDPROC>(GetPropA(button, "VexOldProc"));
  return CallWindowProcA(old, button, msg, wParam, lParam);
}

TEST_F(SkinLifetime, AWindowClosedFromItsHoverTickLosesItsFrameAfterTheTick) {
  vex::test::GuardObjectsOfSize(sizeof(TSkinForm));
  LogWindow w(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, {100, 100, 400, 300});
  HWND button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, w.Handle(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  SetPropA(button, "VexOldProc",
           reinterpret_cast<HANDLE>(
               SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClosingButtonProc))));
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ASSERT_NE(frame->HotControl, nullptr) << "the button is hot";
  SetCursorPos(2, 2);  // away from the button: the next tick sends it the leave
  for (int i = 0; i < 100 && IsWindow(w.Handle()); ++i) {
    vex::test::PumpPending();
    Sleep(20);
  }
  EXPECT_FALSE(IsWindow(w.Handle()));
  EXPECT_EQ(SkinManager()->FindFrame(w.Handle()), nullptr);
}

// A button becoming hot first tells the previous hot button that the mouse
// has left; the application's handler of that closes the window.  Neither
// the frame nor the new hot button's skinner may be touched once freed,
// whether the button became hot through its own mouse message (its skinner
// held by that message) or by a direct call (held by nothing else).
TEST_F(SkinLifetime, AWindowClosedWhileAButtonBecomesHotIsNotTouchedAfter) {
  vex::test::GuardObjectsOfSize(sizeof(TSkinForm));
  vex::test::GuardObjectsOfSize(sizeof(TSkinButton));
  struct Case {
    const char* name;
    std::function<void(TSkinControl&, HWND)> becomeHot;
  };
  const Case cases[] = {
      {"mouse message", [](TSkinControl&, HWND b) { SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }},
      {"direct call", [](TSkinControl& s, HWND) { s.BecomeHot(); }},
  };
  for (const Case& c : cases) {
    LogWindow w(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, {100, 100, 400, 300});
    HWND buttons[2] = {};
    for (int i = 0; i < 2; ++i)
      buttons[i] = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10 + 30 * i, 80, 24,
                                   w.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SetPropA(buttons[0], "VexOldProc",
             reinterpret_cast<HANDLE>(
                 SetWindowLongPtrA(buttons[0], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClosingButtonProc))));
    TSkinForm* frame = ShowSkinned(w.Handle());
    ASSERT_NE(frame, nullptr) << c.name;
    SendMessageA(buttons[0], WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(frame->HotControl, FindSkinner(*frame, buttons[0])) << c.name;
    TSkinControl* second = FindSkinner(*frame, buttons[1]);
    ASSERT_NE(second, nullptr) << c.name;
    c.becomeHot(*second, buttons[1]);
    EXPECT_FALSE(IsWindow(w.Handle())) << c.name;
    EXPECT_EQ(SkinManager()->FindFrame(w.Handle()), nullptr) << c.name;
    vex::test::PumpPending();
  }
}

}  // namespace
}  // namespace vex::skin::test
