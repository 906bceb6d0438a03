// TSkinTrackBar: the thumb comes from the skin through custom draw; the
// channel and the tics stay the track bar's own.
#include <set>

#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/TSkinTrackBar.h"
#include "skin/data/GdiScope.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

TEST(SkinTrackBar, CustomDrawAnswers) {
  struct Case {
    const char* name;
    DWORD stage;
    DWORD_PTR item;
    LRESULT answer;
  };
  const Case cases[] = {
      {"before painting", CDDS_PREPAINT, 0, CDRF_NOTIFYITEMDRAW},
      {"tics", CDDS_ITEMPREPAINT, TBCD_TICS, CDRF_DODEFAULT},
      {"channel", CDDS_ITEMPREPAINT, TBCD_CHANNEL, CDRF_DODEFAULT},
      {"thumb", CDDS_ITEMPREPAINT, TBCD_THUMB, CDRF_SKIPDEFAULT},
      {"after painting", CDDS_POSTPAINT, 0, CDRF_DODEFAULT},
  };
  SkinnedForm f;
  auto* track = f.Add<vcl::TTrackBar>(10, 10, 200, 36);
  auto* skinner = f.Attach<TSkinTrackBar>(track);
  Canvas canvas(200, 36, 0);
  for (const Case& c : cases) {
    NMCUSTOMDRAW record{};
    record.hdr = {track->Handle(), 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    record.dwDrawStage = c.stage;
    record.dwItemSpec = c.item;
    record.hdc = canvas.Dc();
    // As the parent reflects the notification to the control.
    EXPECT_EQ(track->Perform(vcl::CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&record)), c.answer) << c.name;
  }
  EXPECT_EQ(SendMessageA(track->Handle(), WM_ERASEBKGND, 0, 0), 1);
  (void)skinner;
}

TEST(SkinTrackBar, TheThumbIsTheSkinsButton) {
  SkinnedForm f;
  auto* track = f.Add<vcl::TTrackBar>(10, 10, 200, 36);
  track->SetRange(0, 10);
  track->SetPosition(4);
  f.Attach<TSkinTrackBar>(track);
  RedrawWindow(track->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  vex::test::PumpPending();
  RECT thumb{};
  SendMessageA(track->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  MapWindowPoints(track->Handle(), nullptr, reinterpret_cast<POINT*>(&thumb), 2);
  ASSERT_GT(thumb.right - thumb.left, 2);
  const Pixels p = ReadScreen(thumb);
  std::set<std::uint32_t> hot;
  TDataSkinButton& b = Skin().Buttons;
  for (int y = 0; y < b.Image.Height(); ++y)
    for (int x = 0; x < b.Image.Width() / 5; ++x) hot.insert(ImagePixel(b.Image, 5, 4, x, y));
  int fromSkin = 0;
  for (std::uint32_t px : p.rgb) fromSkin += hot.count(px) != 0;
  EXPECT_GT(fromSkin, static_cast<int>(p.rgb.size()) / 2) << "thumb pixels from the skin's frame 4";
  vex::test::SaveWindowPng(f.form->Handle(), "skin-track-bar");
}

}  // namespace
}  // namespace vex::skin::test
