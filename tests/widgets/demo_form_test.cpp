// The demo form as it shows on screen.
#include <gtest/gtest.h>

#include "demo_form.h"
#include "win_test_support.h"

using namespace vcl;

TEST(DemoForm, ShowsEveryControl) {
  Owned<TDemoForm> f(New<TDemoForm>(nullptr));
  f->Show();
  vex::test::PumpPending();
  UpdateWindow(f->Handle());
  RedrawWindow(f->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  vex::test::PumpPending();
  vex::test::PumpUntil([&] {
    RECT wr{};
    GetWindowRect(f->Handle(), &wr);
    POINT o{0, 0};
    ClientToScreen(f->Top->Handle(), &o);
    return vex::ReadWindow(f->Handle()).At(o.x - wr.left + 266, o.y - wr.top + 20) == 0x005ADCu;
  });
  const std::string path = vex::test::SaveWindowPng(f->Handle(), "widgets-demo-form");
  std::printf("screenshot: %s\n", path.c_str());
  // The image shows its icon: blue inside the transparent border, the panel's
  // face colour in the border.
  const vex::Pixels px = vex::ReadWindow(f->Handle());
  POINT origin{0, 0};
  ClientToScreen(f->Top->Handle(), &origin);
  RECT wr{};
  GetWindowRect(f->Handle(), &wr);
  const int ix = origin.x - wr.left + 250, iy = origin.y - wr.top + 4;
  EXPECT_EQ(px.At(ix + 16, iy + 16), 0x005ADCu);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  EXPECT_EQ(px.At(ix + 1, iy + 1), faceRgb);
  // The bit button's glyph: green square, magenta keyed out.
  EXPECT_EQ(ListView_GetItemCount(f->List->Handle()), 3);
}
