// High contrast switched on and off while windows are open: the skin steps
// aside through the same switch as skinning off (every window native, client
// sizes kept) and comes back when it goes off, unless a skin component keeps
// the skin for it.
//
// Wine difference: Wine refuses SPI_SETHIGHCONTRAST (ERROR_INVALID_SPI_VALUE)
// and always reports high contrast off, so these tests replace the flag's
// query and then send the real WM_SETTINGCHANGE broadcast that Windows sends
// when the user switches high contrast.
#include <gtest/gtest.h>

#include "skin/windows/HighContrast.h"
#include "skin_window_fixture.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

bool gHighContrast = false;
bool FakeHighContrast() { return gHighContrast; }

// What the system does when the user switches high contrast.
void SwitchHighContrast(bool on) {
  gHighContrast = on;
  vex::test::BroadcastHighContrastChange();
}

class TPlainForm : public vcl::TForm {
 public:
  explicit TPlainForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    SetBounds(60, 60, 0, 0);
    SetClientSize(240, 100);
    auto* button = new vcl::TButton(this);
    button->SetBounds(10, 10, 90, 25);
    button->SetCaption("&OK");
    button->SetParent(this);
  }
};

struct Handles {
  DWORD gdi, user;
  int windows;
};
Handles HandlesNow() {
  vex::test::PumpPending();
  return {vex::test::LiveGdiObjects(), vex::test::LiveUserObjects(), vex::test::ThreadWindowCount()};
}

class HighContrast : public ::testing::Test {
 protected:
  void SetUp() override {
    SetHighContrastQuery(&FakeHighContrast);
    gHighContrast = false;
    skin = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
    form.reset(vcl::New<TPlainForm>(nullptr));
    form->Show();
    plain = std::make_unique<LogWindow>(WS_OVERLAPPEDWINDOW, 0, RECT{360, 60, 660, 260});
    windows = {form->Handle(), plain->Handle()};
    for (HWND w : windows) {
      ASSERT_NE(ShowSkinned(w), nullptr);
      clients.push_back(ClientSize(w));
    }
  }
  void TearDown() override {
    gHighContrast = false;
    SetHighContrastQuery(nullptr);
    plain.reset();
    form.reset();
    skin.reset();
  }
  void ExpectNative() {
    for (std::size_t i = 0; i < windows.size(); ++i) {
      EXPECT_EQ(FrameOf(windows[i]), nullptr) << i;
      EXPECT_TRUE(WindowRegionRects(windows[i]).empty()) << i;
      EXPECT_TRUE(GetWindowLongPtrA(windows[i], GWL_STYLE) & WS_SYSMENU) << i;
      EXPECT_EQ(ClientSize(windows[i]).cx, clients[i].cx) << i;
      EXPECT_EQ(ClientSize(windows[i]).cy, clients[i].cy) << i;
    }
  }
  void ExpectSkinned() {
    for (std::size_t i = 0; i < windows.size(); ++i) {
      EXPECT_NE(ActiveFrame(windows[i]), nullptr) << i;
      EXPECT_EQ(ClientSize(windows[i]).cx, clients[i].cx) << i;
      EXPECT_EQ(ClientSize(windows[i]).cy, clients[i].cy) << i;
    }
  }
  // Popup menus opened now: skinned or not.
  static std::size_t PopupsWhileAMenuIsUp(HWND owner) {
    static std::size_t seen;
    seen = 0;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "one");
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      seen = SkinManager()->PopupCount();
      EndMenu();
    });
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, 200, 200, 0, owner, nullptr);
    DestroyMenu(menu);
    return seen;
  }
  std::unique_ptr<TSkinData> skin;
  vcl::Owned<TPlainForm> form;
  std::unique_ptr<LogWindow> plain;
  std::vector<HWND> windows;
  std::vector<SIZE> clients;
};

TEST_F(HighContrast, OnSendsEveryWindowBackToItsOwnLookOffBringsTheSkinBack) {
  EXPECT_EQ(PopupsWhileAMenuIsUp(form->Handle()), 1u);
  // One round first: what a switch creates once (the system's own caches)
  // is not what a switch must give back.
  SwitchHighContrast(true);
  ASSERT_TRUE(WaitSkinning(false));
  SwitchHighContrast(false);
  ASSERT_TRUE(WaitSkinning(true));
  ExpectSkinned();
  const Handles before = HandlesNow();

  SwitchHighContrast(true);
  ASSERT_TRUE(WaitSkinning(false));
  ExpectNative();
  EXPECT_EQ(PopupsWhileAMenuIsUp(form->Handle()), 0u) << "popup menus are native too";
  EXPECT_EQ(form->Color(), vcl::clBtnFace);
  vex::test::SaveWindowPng(form->Handle(), "high-contrast-on");

  SwitchHighContrast(false);
  ASSERT_TRUE(WaitSkinning(true));
  EXPECT_NE(ActiveFrame(form->Handle()), nullptr) << "the form object at once";
  EXPECT_NE(ShowSkinned(plain->Handle()), nullptr) << "a window without form object on its next activation";
  ExpectSkinned();
  const Handles after = HandlesNow();
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_LE(after.gdi, before.gdi + 2) << before.gdi << " -> " << after.gdi;
  EXPECT_LE(after.user, before.user + 2) << before.user << " -> " << after.user;
}

// News that leaves high contrast as it was changes nothing; news that comes
// back before the switch is carried out cancels it (the frames stay); the
// user's own switch and a component that keeps the skin win over it.
TEST_F(HighContrast, WhoDecidesWhenHighContrastChanges) {
  TSkinForm* frame = FrameOf(form->Handle());
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  SendMessageTimeoutA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  SwitchHighContrast(true);
  SwitchHighContrast(false);
  vex::test::PumpUntil([] { return !SkinManager()->TimerEnabled(); });
  EXPECT_TRUE(SkinManager()->FSkinning);
  EXPECT_EQ(FrameOf(form->Handle()), frame) << "the frame is not made again";

  skin->KeepInHighContrast = true;
  SwitchHighContrast(true);
  vex::test::PumpUntil([] { return !SkinManager()->TimerEnabled(); });
  ExpectSkinned();
  skin->KeepInHighContrast = false;
  // The flag is read on system colours too (Windows sends both).
  SendMessageTimeoutA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  ASSERT_TRUE(WaitSkinning(false));
  ExpectNative();

  skin->SetActive(false);  // the user's switch, while aside
  SwitchHighContrast(false);
  vex::test::PumpUntil([] { return !SkinManager()->TimerEnabled(); });
  EXPECT_FALSE(SkinManager()->FSkinning) << "the user's own switch wins";
  SwitchHighContrast(true);
  skin->SetActive(true);
  vex::test::PumpUntil([] { return !SkinManager()->TimerEnabled(); });
  EXPECT_FALSE(SkinManager()->FSkinning) << "switched on while high contrast is on: still aside";
  SwitchHighContrast(false);
  EXPECT_TRUE(WaitSkinning(true));
}

}  // namespace
}  // namespace vex::skin::test
