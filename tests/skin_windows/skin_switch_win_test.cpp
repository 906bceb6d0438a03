// Skins changed while windows are open: another package loaded at run time,
// a burst of changes carried out once, skinning switched off and on.
#include <gtest/gtest.h>

#include <fstream>

#include "skin_window_fixture.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

class TSwitchForm : public vcl::TForm {
 public:
  explicit TSwitchForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    SetBounds(60, 60, 0, 0);
    SetClientSize(260, 120);
    auto* button = new vcl::TButton(this);
    button->SetBounds(10, 10, 90, 25);
    button->SetCaption("OK");
    button->SetParent(this);
    auto* check = new vcl::TCheckBox(this);
    check->SetBounds(10, 50, 120, 17);
    check->SetCaption("check");
    check->SetParent(this);
  }
};

std::string WriteSkinFile(const std::string& name, const Bytes& stream) {
  const std::string path = vex::test::OutputDir() + name;
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(stream.data()) + 4, static_cast<std::streamsize>(stream.size() - 4));
  return path;
}

FrameSkin Thick(int side, int title) {
  FrameSkin s;
  s.side = side;
  s.title = title;
  s.bottom = side;
  s.leftKeyed = s.rightKeyed = true;
  s.extraSections = "[Button0]\nAction=0\nAlign=1\nXCoord=24\nYCoord=2\nVisibility=200\nVisibility1=200\nButtonImage=x.bmp\n";
  s.extraImages = {{"x.bmp", BmpFile(48, 16, [](int x, int) { return x < 16 ? 0x2040C0u : 0xC04020u; })}};
  return s;
}

class SkinSwitch : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
    skin->OnSkinChanged = [this](vcl::TObject*) { ++changed; };
    form.reset(vcl::New<TSwitchForm>(nullptr));
    form->Show();
    menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 100, "&File");
    windows.push_back(form->Handle());
    plain = std::make_unique<LogWindow>(WS_OVERLAPPEDWINDOW, 0, RECT{360, 60, 660, 260});
    withMenu = std::make_unique<LogWindow>(WS_OVERLAPPEDWINDOW, 0, RECT{60, 300, 360, 500});
    SetMenu(withMenu->Handle(), menu);
    windows.push_back(plain->Handle());
    windows.push_back(withMenu->Handle());
    for (HWND w : windows) {
      ASSERT_NE(ShowSkinned(w), nullptr);
      clients.push_back(ClientSize(w));
    }
  }
  void TearDown() override {
    withMenu.reset();
    plain.reset();
    form.reset();
    skin.reset();
  }
  void ExpectClientsKept() {
    for (std::size_t i = 0; i < windows.size(); ++i) {
      EXPECT_EQ(ClientSize(windows[i]).cx, clients[i].cx) << i;
      EXPECT_EQ(ClientSize(windows[i]).cy, clients[i].cy) << i;
    }
  }
  std::unique_ptr<TSkinData> skin;
  int changed = 0;
  vcl::Owned<TSwitchForm> form;
  std::unique_ptr<LogWindow> plain, withMenu;
  HMENU menu = nullptr;
  std::vector<HWND> windows;
  std::vector<SIZE> clients;
};

TEST_F(SkinSwitch, AnotherPackageAtRunTimeRedrawsEveryWindowInIt) {
  const std::string path = WriteSkinFile("switch-thick.skn", FrameSkinStream(Thick(8, 30)));
  skin->SetSkinFile(path);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return changed == 1; }));
  for (HWND w : windows) {
    TSkinForm* frame = FrameOf(w);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->FLeftWidth, 8);
    EXPECT_EQ(frame->FTopHeight, 30);
    EXPECT_EQ(frame->FSkinState, kSkinActive);
    ASSERT_EQ(frame->FButtons.size(), skin->SysButtons.size()) << "the caption buttons are the new skin's";
    EXPECT_EQ(WindowSize(w).cx, ClientSize(w).cx + 16);
    EXPECT_FALSE(WindowRegionRects(w).empty());
  }
  ExpectClientsKept();
  vex::test::SaveWindowPng(form->Handle(), "skin-switch-thick");
}

TEST_F(SkinSwitch, ABurstOfChangesIsCarriedOutOnceTheLastWinning) {
  const std::string a = WriteSkinFile("switch-a.skn", FrameSkinStream(Thick(6, 24)));
  const std::string b = WriteSkinFile("switch-b.skn", FrameSkinStream(Thick(10, 34)));
  skin->SetSkinFile(a);
  skin->SetSkinFile(b);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return changed >= 1; }));
  vex::test::PumpUntil([&] { return changed > 1; }, std::chrono::milliseconds(600));
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(FrameOf(windows[0])->FTopHeight, 34);
  ExpectClientsKept();
}

TEST_F(SkinSwitch, OffGivesEveryWindowItsOwnLookSizeAndMenuBack) {
  skin->SetActive(false);
  ASSERT_TRUE(WaitSkinning(false));
  for (HWND w : windows) {
    EXPECT_EQ(FrameOf(w), nullptr);
    EXPECT_TRUE(WindowRegionRects(w).empty());
    EXPECT_TRUE(GetWindowLongPtrA(w, GWL_STYLE) & WS_SYSMENU);
  }
  ExpectClientsKept();
  EXPECT_EQ(GetMenu(withMenu->Handle()), menu);
  EXPECT_EQ(form->Color(), vcl::clBtnFace) << "the form's own colour is back";
  // On again: the form object at once, the other windows as they are activated.
  skin->SetActive(true);
  ASSERT_TRUE(WaitSkinning(true));
  EXPECT_NE(ActiveFrame(form->Handle()), nullptr);
  EXPECT_NE(ShowSkinned(plain->Handle()), nullptr);
  ExpectClientsKept();
}

}  // namespace
}  // namespace vex::skin::test
