// TSkinBox: panels and group boxes keep their painting and take the skin's
// face colour; a group box's caption the skin's text colour.
#include "controls_fixture.h"
#include "skin/controls/TSkinBox.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

TEST(SkinBox, GivesTheFaceColourAndBackWhatTheControlHad) {
  struct Case {
    const char* name;
    bool parentColour;
    bool dying;
  };
  const Case cases[] = {{"own colour", false, false}, {"parent's colour", true, false}, {"window dying", false, true}};
  for (const Case& c : cases) {
    SkinnedForm f;
    f.form->SetColor(vcl::clBtnFace);
    auto* panel = f.Add<vcl::TPanel>(10, 10, 120, 60);
    if (c.parentColour) panel->SetParentColor(true);
    else panel->SetColor(vcl::clTeal);
    const vcl::TColor before = panel->Color();
    auto* skinner = f.Attach<TSkinBox>(panel, true);
    EXPECT_EQ(panel->Color(), Skin().ButtonFace) << c.name;
    if (c.dying) f.frame->FSkinState = kSkinReleasing;
    skinner->Detach();
    if (c.dying) {
      EXPECT_EQ(panel->Color(), Skin().ButtonFace) << c.name << ": left alone";
    } else {
      EXPECT_EQ(panel->Color(), before) << c.name;
      EXPECT_EQ(panel->ParentColor(), c.parentColour) << c.name;
    }
    f.frame->FSkinState = kSkinAttached;
  }
}

TEST(SkinBox, GroupBoxCaptionTakesTheSkinTextColourPanelsKeepTheirs) {
  SkinnedForm f;
  auto* group = f.Add<vcl::TGroupBox>(10, 10, 150, 80);
  group->SetCaption("Group");
  auto* panel = f.Add<vcl::TPanel>(170, 10, 100, 80);
  panel->SetParentFont(false);
  panel->Font().SetColor(vcl::clMaroon);
  OwnProcLog log(group, {WM_PAINT});
  f.Attach<TSkinBox>(group, true);
  f.Attach<TSkinBox>(panel, true);
  RedrawWindow(f.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_FALSE(log.seen.empty()) << "the group box still paints itself";
  EXPECT_EQ(group->Font().Color(), Skin().ButtonText);
  EXPECT_EQ(panel->Font().Color(), vcl::clMaroon);
  vex::test::SaveWindowPng(f.form->Handle(), "skin-boxes");
}

}  // namespace
}  // namespace vex::skin::test
