// The skin manager: which windows get a frame, with which skin, and when.
#include <gtest/gtest.h>

#include "skin_window_fixture.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

class TTestSkinForm : public vcl::TForm {
 public:
  explicit TTestSkinForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    SetBounds(120, 120, 0, 0);
    SetClientSize(240, 120);
  }
};
class TFilteredForm : public TTestSkinForm {
 public:
  using TTestSkinForm::TTestSkinForm;
};

class SkinManager_ : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = MakeSkin(EmbeddedStream());
    ASSERT_FALSE(skin->NoSkin);
    ASSERT_TRUE(WaitSkinning(true));
  }
  void TearDown() override { skin.reset(); }
  TSkinManage& Manager() { return *SkinManager(); }
  std::unique_ptr<TSkinData> skin;
};

TEST_F(SkinManager_, EachFailedTestLeavesTheWindowUnskinned) {
  struct Case {
    const char* name;
    std::function<bool()> skinned;  // shows the window, says whether it got a frame
  };
  const Case cases[] = {
      {"form with Tag 99, whatever DisableTag says",
       [&] {
         skin->DisableTag = 5;
         vcl::Owned<TTestSkinForm> form(vcl::New<TTestSkinForm>(nullptr));
         form->SetTag(99);
         form->Show();
         return ShowSkinned(form->Handle()) != nullptr;
       }},
      {"form with Tag 199",
       [&] {
         vcl::Owned<TTestSkinForm> form(vcl::New<TTestSkinForm>(nullptr));
         form->SetTag(199);
         form->Show();
         return ShowSkinned(form->Handle()) != nullptr;
       }},
      {"plain child window",
       [&] {
         LogWindow top(WS_OVERLAPPEDWINDOW);
         LogWindow child(WS_CHILD | WS_VISIBLE, 0, {10, 10, 100, 60}, top.Handle());
         ShowSkinned(top.Handle());
         return Manager().SkinWindow(child.Handle()) || Manager().IsSkinned(child.Handle());
       }},
      {"the application's hidden window", [&] { return Manager().SkinWindow(vcl::Application->Handle()); }},
      {"a class the filter refuses",
       [&] {
         skin->OnFormSkin = [](vcl::TObject*, const std::string& name, bool& doSkin) {
           doSkin = name != "TFilteredForm";
         };
         vcl::Owned<TFilteredForm> form(vcl::New<TFilteredForm>(nullptr));
         form->Show();
         const bool got = ShowSkinned(form->Handle()) != nullptr;
         skin->OnFormSkin = nullptr;
         return got;
       }},
      {"skinning switched off",
       [&] {
         Manager().FSkinning = false;
         LogWindow w(WS_OVERLAPPEDWINDOW);
         const bool got = ShowSkinned(w.Handle()) != nullptr;
         Manager().FSkinning = true;
         return got;
       }},
      {"a skin that could not be read",
       [&] {
         skin = MakeSkin(Bytes{0, 0, 0, 0});
         LogWindow w(WS_OVERLAPPEDWINDOW);
         const bool got = ShowSkinned(w.Handle()) != nullptr;
         skin = MakeSkin(EmbeddedStream());
         WaitSkinning(true);
         return got;
       }},
  };
  const bool expected[] = {false, true, false, false, false, false, false};
  int i = 0;
  for (const Case& c : cases) EXPECT_EQ(c.skinned(), expected[i++]) << c.name;
}

TEST_F(SkinManager_, AZeroSizeWindowIsSkinnedOnALaterActivation) {
  LogWindow w(WS_POPUP, 0, {100, 100, 100, 100});
  EXPECT_EQ(ShowSkinned(w.Handle()), nullptr);
  SetWindowPos(w.Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  LogWindow other(WS_OVERLAPPEDWINDOW);
  ShowSkinned(other.Handle());
  EXPECT_NE(ShowSkinned(w.Handle()), nullptr);
}

TEST_F(SkinManager_, ChoosesTheSkinByTheRulesTheLastMatchWinning) {
  auto second = MakeSkin(EmbeddedStream());
  LogWindow plain(WS_OVERLAPPEDWINDOW);
  LogWindow message(WS_POPUP | WS_CAPTION, 0, {100, 100, 300, 200}, nullptr, "TMessageForm");
  EXPECT_EQ(Manager().ChooseSkinData(plain.Handle()), second.get());
  EXPECT_EQ(Manager().ChooseSkinData(message.Handle()), second.get()) << "no dialog skin: a main skin";
  auto dialog = MakeSkin(EmbeddedStream(), sfDialog);
  EXPECT_EQ(Manager().ChooseSkinData(message.Handle()), dialog.get());
  EXPECT_EQ(Manager().ChooseSkinData(plain.Handle()), second.get());
  vcl::Owned<TTestSkinForm> form(vcl::New<TTestSkinForm>(nullptr));
  auto own = std::make_unique<TSkinData>(form.get());
  own->SkinFormtype = sfOnlyThisForm;
  EXPECT_EQ(Manager().ChooseSkinData(form->Handle()), own.get());
  own.reset();
  second.reset();
  EXPECT_EQ(Manager().ChooseSkinData(plain.Handle()), skin.get());
}

TEST_F(SkinManager_, OffAndOnWithinTheDeferralKeepsTheFrames) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  skin->SetActive(false);
  skin->SetActive(true);
  EXPECT_TRUE(Manager().TimerEnabled());
  ASSERT_TRUE(vex::test::PumpUntil([&] { return !Manager().TimerEnabled(); }));
  EXPECT_TRUE(Manager().FSkinning);
  EXPECT_EQ(FrameOf(w.Handle()), frame) << "the frame was not re-created";

  // Off alone: the frame goes and the window has its own look and size back.
  const SIZE client = ClientSize(w.Handle());
  skin->SetActive(false);
  ASSERT_TRUE(WaitSkinning(false));
  EXPECT_EQ(FrameOf(w.Handle()), nullptr);
  EXPECT_EQ(ClientSize(w.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(w.Handle()).cy, client.cy);
  EXPECT_TRUE(GetWindowLongPtrA(w.Handle(), GWL_STYLE) & WS_SYSMENU);
  skin->SetActive(true);
  ASSERT_TRUE(WaitSkinning(true));
}

TEST_F(SkinManager_, OnlySizeBoxesAreRefusedOnASkinnedWindow) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(ShowSkinned(w.Handle()), nullptr);
  auto create = [&](DWORD style, HWND parent) {
    return CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | style, 0, 0, 16, 16, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  };
  EXPECT_EQ(create(SBS_SIZEGRIP, w.Handle()), nullptr);
  EXPECT_EQ(create(SBS_SIZEBOX, w.Handle()), nullptr);
  EXPECT_NE(create(SBS_HORZ, w.Handle()), nullptr) << "a dialog's scroll bar control";
  EXPECT_NE(create(SBS_VERT, w.Handle()), nullptr);
  HWND group = CreateWindowExA(0, "Button", "", WS_CHILD | BS_GROUPBOX, 0, 0, 90, 60, w.Handle(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(create(SBS_SIZEGRIP, group), nullptr) << "its parent is not skinned";
}

TEST_F(SkinManager_, AWindowBeingDestroyedIsReleasedWithoutBeingResized) {
  auto w = std::make_unique<LogWindow>(WS_OVERLAPPEDWINDOW);
  HWND handle = w->Handle();
  ASSERT_NE(ShowSkinned(handle), nullptr);
  w->Clear();
  DestroyWindow(handle);
  EXPECT_EQ(FrameOf(handle), nullptr);
  // Hiding the window on its way out is the system's; no size, no new frame.
  EXPECT_EQ(w->Count(WM_SIZE), 0);
  EXPECT_EQ(w->Count(WM_NCCALCSIZE), 0);
  EXPECT_EQ(w->Count(WM_DESTROY), 1);
}

// Whoever subclasses the window after (or before) the frame keeps their
// procedure when the frame lets go.
LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC gBelow = nullptr;
int gCounted = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER + 7) ++gCounted;
  return CallWindowProcA(gBelow, window, msg, wParam, lParam);
}

TEST_F(SkinManager_, UnhookingLeavesLaterSubclassesInPlace) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(ShowSkinned(w.Handle()), nullptr);
  gCounted = 0;
  gBelow = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(w.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
  skin->SetActive(false);
  ASSERT_TRUE(WaitSkinning(false));
  ASSERT_EQ(FrameOf(w.Handle()), nullptr);
  w.Clear();
  SendMessageA(w.Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(gCounted, 1) << "the later subclass was cut off";
  EXPECT_EQ(w.Count(WM_USER + 7), 1) << "the window's own procedure was cut off";
  skin->SetActive(true);
  ASSERT_TRUE(WaitSkinning(true));
  // Skinned again over the counting procedure (on its next activation),
  // then released: both stay.
  LogWindow other(WS_OVERLAPPEDWINDOW, 0, {500, 100, 700, 300});
  ShowSkinned(other.Handle());
  ASSERT_NE(ShowSkinned(w.Handle()), nullptr);
  skin->SetActive(false);
  ASSERT_TRUE(WaitSkinning(false));
  SendMessageA(w.Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(gCounted, 2);
  EXPECT_EQ(w.Count(WM_USER + 7), 2);
  skin->SetActive(true);
  ASSERT_TRUE(WaitSkinning(true));
}

}  // namespace
}  // namespace vex::skin::test
