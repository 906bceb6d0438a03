// Skinners and the windows they serve: a destroyed window gets its own
// procedure back at once, a dying window keeps the colours it has, and
// skinning a form with every control 100 times leaves no handle behind.
#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/TSkinBox.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinCheckBox.h"
#include "skin/windows/TSkinManage.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

TEST(SkinnerLifetime, ADestroyedWindowHasItsOwnProcedureBackAtOnce) {
  SkinnedForm f;
  auto* button = f.Add<vcl::TButton>(10, 10, 90, 25);
  OwnProcLog log(button, {WM_LBUTTONDOWN});
  auto* skinner = f.Attach<TSkinButton>(button);
  Mouse(button->Handle(), WM_LBUTTONDOWN, 5, 5);
  EXPECT_TRUE(log.seen.empty());
  button->RecreateWnd();  // the old window is destroyed, a new one made
  EXPECT_FALSE(skinner->Attached());
  EXPECT_EQ(skinner->Handle, nullptr);
  Mouse(button->Handle(), WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(log.seen, std::vector<UINT>{WM_LBUTTONDOWN}) << "the press reaches the button again";

  HWND raw = f.RawChild("BUTTON", BS_PUSHBUTTON, 10, 40, 90, 25);
  auto* byHandle = f.AttachWindow<TSkinButton>(raw);
  EXPECT_TRUE(byHandle->Attached());
  DestroyWindow(raw);
  EXPECT_FALSE(byHandle->Attached());
}

TEST(SkinnerLifetime, AFrameReleasedWithItsDyingWindowLeavesTheColours) {
  for (const bool dying : {false, true}) {
    SkinnedForm f;
    auto* check = f.Add<vcl::TCheckBox>(10, 10, 120, 17);
    auto* panel = f.Add<vcl::TPanel>(10, 40, 120, 40);
    panel->SetColor(vcl::clTeal);
    const vcl::TColor checkBefore = check->Color();
    auto* frame = new TSkinForm;
    frame->FHandle = f.form->Handle();
    frame->FSkinData = &Skin();
    (new TSkinCheckBox(frame))->AttachControl(check, &Skin(), true, &frame->Canvas());
    (new TSkinBox(frame))->AttachControl(panel, &Skin(), true, &frame->Canvas());
    EXPECT_EQ(panel->Color(), Skin().ButtonFace);
    if (dying) frame->FSkinState = kSkinReleasing;
    frame->Free();
    EXPECT_EQ(check->Color(), dying ? Skin().ButtonFace : checkBefore) << dying;
    EXPECT_EQ(panel->Color(), dying ? Skin().ButtonFace : vcl::clTeal) << dying;
  }
}

// A form with one of every control the widget layer has.
class EveryControlForm : public vcl::TForm {
 public:
  explicit EveryControlForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    SetBorderStyle(vcl::bsSingle);
    SetBounds(80, 80, 0, 0);
    SetClientSize(420, 300);
    auto add = [this](auto* c, int l, int t, int w, int h, vcl::TWinControl* parent = nullptr) {
      c->SetBounds(l, t, w, h);
      c->SetParent(parent ? parent : this);
      return c;
    };
    auto* panel = add(new vcl::TPanel(this), 0, 0, 420, 40);
    add(new vcl::TSpeedButton(this), 4, 4, 23, 22, panel)->SetCaption(">>");
    add(new vcl::TEdit(this), 30, 4, 100, 21, panel);
    add(new vcl::TButton(this), 140, 4, 80, 25, panel)->SetCaption("OK");
    auto* bit = add(new vcl::TBitBtn(this), 230, 4, 80, 25, panel);
    bit->SetCaption("Bit");
    add(new vcl::TCheckBox(this), 4, 50, 120, 17)->SetCaption("check");
    auto* group = add(new vcl::TGroupBox(this), 4, 70, 150, 70);
    add(new vcl::TRadioButton(this), 8, 18, 120, 17, group)->SetChecked(true);
    add(new vcl::TRadioButton(this), 8, 40, 120, 17, group);
    auto* combo = add(new vcl::TComboBox(this), 160, 50, 120, 21);
    combo->SetItems({"a", "b"});
    auto* number = add(new vcl::TEdit(this), 290, 50, 60, 21);
    add(new vcl::TUpDown(this), 350, 50, 17, 21)->SetAssociate(number);
    add(new vcl::TTrackBar(this), 160, 80, 200, 36);
    add(new vcl::TProgressBar(this), 160, 120, 200, 16)->SetPosition(50);
    add(new vcl::TMemo(this), 4, 150, 200, 60)->SetScrollBars(vcl::ssVertical);
    add(new vcl::TListView(this), 210, 150, 200, 60);
    add(new vcl::TScrollBar(this), 4, 215, 200, 17);
    add(new vcl::TTabControl(this), 210, 215, 200, 50)->SetTabs({"one", "two"});
    add(new vcl::TStatusBar(this), 0, 0, 0, 0);
  }
};

TEST(SkinnerLifetime, HundredAttachAndDetachCyclesLeaveTheHandleCounts) {
  TSkinManage* manager = SkinManager();
  ASSERT_NE(manager, nullptr);
  auto* form = vcl::New<EveryControlForm>(nullptr);
  form->Show();
  vex::test::PumpPending();
  manager->FSkinning = true;
  std::size_t skinners = 0;
  auto cycle = [&] {
    ASSERT_TRUE(manager->SkinWindow(form->Handle()));
    vex::test::PumpPending();  // the frame's activation
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    skinners = FrameOf(form->Handle())->ControlSkinners.size();
    manager->UnskinWindow(form->Handle());
    vex::test::PumpPending();
  };
  cycle();  // classes registered, caches filled, the shared bitmap grown
  const DWORD gdi0 = vex::test::LiveGdiObjects(), user0 = vex::test::LiveUserObjects();
  for (int i = 0; i < 100; ++i) cycle();
  const DWORD gdi1 = vex::test::LiveGdiObjects(), user1 = vex::test::LiveUserObjects();
  manager->FSkinning = false;
  std::printf("skinners per cycle %zu; GDI objects %lu -> %lu, USER objects %lu -> %lu\n", skinners, gdi0, gdi1,
              user0, user1);
  EXPECT_GE(skinners, 13u);
  // A leak of one handle per cycle would show as 100.
  EXPECT_LE(gdi1, gdi0 + 3);
  EXPECT_LE(user1, user0 + 3);
  form->Free();
}

}  // namespace
}  // namespace vex::skin::test
