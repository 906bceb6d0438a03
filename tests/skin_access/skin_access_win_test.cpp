// Vexilo's main window and the gallery started while the system's high
// contrast is on: native windows, the skin once high contrast goes off and
// aside again when it comes back, client sizes and handle counts kept;
// [Skin] HighContrast=1 in Setup.ini keeping the skin; and a button focused
// from the keyboard showing its focus rectangle.
//
// Wine difference: Wine refuses SPI_SETHIGHCONTRAST and always reports high
// contrast off, so the flag's query is replaced (before anything of the skin
// exists, as for a program started in high contrast) and each change is
// delivered with the WM_SETTINGCHANGE broadcast Windows sends.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/TForm1.h"
#include "skin/controls/ControlDispatch.h"
#include "skin/controls/TSkinControl.h"
#include "skin/windows/HighContrast.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "tools/skingallery/Gallery.h"
#include "tools/skingallery/GalleryForms.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vs = vex::skin;

namespace {

bool gHighContrast = true;
bool FakeHighContrast() { return gHighContrast; }

void SwitchHighContrast(bool on) {
  gHighContrast = on;
  vex::test::BroadcastHighContrastChange();
}

bool Skinned(HWND w) {
  vs::TSkinForm* f = vs::FrameOf(w);
  return f && f->FSkinState == vs::kSkinActive;
}

bool WaitSkinning(bool on) {
  return vex::test::PumpUntil([&] { return vs::SkinManager() && vs::SkinManager()->FSkinning == on; });
}

SIZE ClientSize(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return {r.right, r.bottom};
}

std::string SetupIni() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.rfind('\\') + 1) + "Setup.ini";
}

// Vexilo's main window as the program makes it, shown.
TForm1* OpenVexilo() {
  TForm1* form = nullptr;
  vcl::Application->CreateForm(form);
  form->Show();
  SetForegroundWindow(form->Handle());
  vex::test::PumpUntil([&] { return GetActiveWindow() == form->Handle(); });
  return form;
}

void CloseVexilo(TForm1* form) {
  form->Free();
  Form1 = nullptr;
  vcl::Application->SetMainForm(gallery::MainForm());
  vex::test::PumpPending();
}

class SkinAccess : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SetEnvironmentVariableA("VEXILO_USAGE_URL", "");  // the usage report stays home
    gallery::StartGallery();
    gallery::MainForm()->Show();
    vex::test::PumpPending();
  }
};

TEST_F(SkinAccess, StartedInHighContrastEveryWindowIsNativeUntilItGoes) {
  ASSERT_TRUE(gHighContrast) << "this test comes first: the process started in high contrast";
  TForm1* vexilo = OpenVexilo();
  const HWND windows[] = {vexilo->Handle(), gallery::MainForm()->Handle()};
  EXPECT_FALSE(vs::SkinManager()->FSkinning);
  SIZE clients[2];
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(vs::FrameOf(windows[i]), nullptr) << i;
    clients[i] = ClientSize(windows[i]);
  }
  vex::test::SaveWindowPng(vexilo->Handle(), "high-contrast-start-vexilo");
  vex::test::SaveWindowPng(gallery::MainForm()->Handle(), "high-contrast-start-gallery");

  SwitchHighContrast(false);
  ASSERT_TRUE(WaitSkinning(true));
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(vex::test::PumpUntil([&] { return Skinned(windows[i]); })) << i;
    EXPECT_EQ(ClientSize(windows[i]).cx, clients[i].cx) << i;
    EXPECT_EQ(ClientSize(windows[i]).cy, clients[i].cy) << i;
  }
  vex::test::SaveWindowPng(vexilo->Handle(), "high-contrast-off-vexilo");
  // A round to let what a switch makes once settle, then one to count.
  SwitchHighContrast(true);
  ASSERT_TRUE(WaitSkinning(false));
  SwitchHighContrast(false);
  ASSERT_TRUE(WaitSkinning(true));
  vex::test::PumpUntil([&] { return Skinned(windows[0]) && Skinned(windows[1]); });
  vex::test::PumpPending();
  const DWORD gdi = vex::test::LiveGdiObjects(), user = vex::test::LiveUserObjects();
  const int threadWindows = vex::test::ThreadWindowCount();

  SwitchHighContrast(true);
  ASSERT_TRUE(WaitSkinning(false));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(vs::FrameOf(windows[i]), nullptr) << i;
    EXPECT_EQ(ClientSize(windows[i]).cx, clients[i].cx) << i;
    EXPECT_EQ(ClientSize(windows[i]).cy, clients[i].cy) << i;
  }
  SwitchHighContrast(false);
  ASSERT_TRUE(WaitSkinning(true));
  vex::test::PumpUntil([&] { return Skinned(windows[0]) && Skinned(windows[1]); });
  vex::test::PumpPending();
  EXPECT_EQ(vex::test::ThreadWindowCount(), threadWindows);
  EXPECT_LE(vex::test::LiveGdiObjects(), gdi + 2) << gdi << " GDI objects before";
  EXPECT_LE(vex::test::LiveUserObjects(), user + 2) << user << " USER objects before";
  CloseVexilo(vexilo);
  SwitchHighContrast(true);
  EXPECT_TRUE(WaitSkinning(false));
}

TEST_F(SkinAccess, HighContrastInSetupIniKeepsTheSkin) {
  SwitchHighContrast(true);
  ASSERT_TRUE(WaitSkinning(false));
  const std::string ini = SetupIni();
  struct Case {
    const char* value;  // null: no key
    bool kept;
  } cases[] = {{"1", true}, {"0", false}, {nullptr, false}, {"yes", false}};
  for (const Case& c : cases) {
    const std::string what = c.value ? c.value : "(none)";
    WritePrivateProfileStringA("Skin", "HighContrast", c.value, ini.c_str());
    TForm1* vexilo = OpenVexilo();
    EXPECT_EQ(vexilo->SkinData1->KeepInHighContrast, c.kept) << what;
    vex::test::PumpUntil([&] { return Skinned(vexilo->Handle()); }, std::chrono::milliseconds(c.kept ? 3000 : 500));
    EXPECT_EQ(Skinned(vexilo->Handle()), c.kept) << what;
    EXPECT_EQ(Skinned(gallery::MainForm()->Handle()), c.kept) << what << ": the whole process";
    if (c.kept) vex::test::SaveWindowPng(vexilo->Handle(), "high-contrast-kept-vexilo");
    CloseVexilo(vexilo);  // writes its own settings
    EXPECT_TRUE(WaitSkinning(false)) << what << ": aside again once the keeping component is gone";
    char value[16] = {};
    GetPrivateProfileStringA("Skin", "HighContrast", "<none>", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, c.value ? c.value : "<none>") << "Vexilo never writes the key";
  }
  WritePrivateProfileStringA("Skin", "HighContrast", nullptr, ini.c_str());
  SwitchHighContrast(false);
  EXPECT_TRUE(WaitSkinning(true));
}

using vex::test::ChangeUiState;

TEST_F(SkinAccess, InVexiloAButtonFocusedFromTheKeyboardShowsTheFocusRectangle) {
  SwitchHighContrast(false);
  ASSERT_TRUE(WaitSkinning(true));
  TForm1* vexilo = OpenVexilo();
  const HWND top = vexilo->Handle();
  ASSERT_TRUE(vex::test::PumpUntil([&] { return Skinned(top); }));
  vs::TSkinForm* frame = vs::FrameOf(top);
  vs::TSkinControl* apply = vs::FindSkinner(*frame, vexilo->Button1->Handle());
  vs::TSkinControl* restore = vs::FindSkinner(*frame, vexilo->BitBtn1->Handle());
  ASSERT_NE(apply, nullptr);
  ASSERT_NE(restore, nullptr);
  // Started with the mouse: Windows hides the cues (UIS_INITIALIZE).
  ChangeUiState(top, UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL);
  vexilo->Button1->SetFocus();
  vex::test::PumpPending();
  EXPECT_TRUE(apply->Focused);
  EXPECT_FALSE(apply->ShowsFocusCue());
  vex::test::SaveWindowPng(top, "focused-button-mouse");

  // Tab onto the next button (the dialog manager's own Tab handling is
  // tested with the skinners alone): the focus moves and the cues show.
  vexilo->BitBtn1->SetFocus();
  ChangeUiState(top, UIS_CLEAR, UISF_HIDEFOCUS);  // what Windows' IsDialogMessage does on Tab
  vex::test::PumpPending();
  EXPECT_TRUE(restore->ShowsFocusCue());
  EXPECT_FALSE(apply->ShowsFocusCue()) << "only on the focused button";
  vex::test::SaveWindowPng(top, "focused-button-keyboard");
  CloseVexilo(vexilo);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Before the first skin component: the program starts in high contrast.
  vs::SetHighContrastQuery(&FakeHighContrast);
  vcl::TApplication app;
  app.SetTitle("Vexilo");
  return RUN_ALL_TESTS();
}
