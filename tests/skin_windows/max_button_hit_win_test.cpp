// The skinned maximise (and restore) button answers WM_NCHITTEST with
// HTMAXBUTTON, as Windows 11 wants before it offers snap layouts there,
// while the press stays the skin's: the system's own button tracking never
// runs and never paints the native button over the skin.
#include <gtest/gtest.h>

#include <string>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/TNCObject.h"
#include "skin_window_fixture.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

class MaximiseButtonHit : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
  }
  static LRESULT HitAt(HWND w, POINT framePoint) {
    return SendMessageA(w, WM_NCHITTEST, 0, ScreenPoint(w, framePoint.x, framePoint.y));
  }
  static POINT ScreenOf(HWND w, POINT framePoint) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.left + framePoint.x, r.top + framePoint.y};
  }
  std::unique_ptr<TSkinData> skin;
};

// The visible caption button that maximises or restores, in frame points.
TWinSysButton* MaximiseButton(TSkinForm& frame) {
  for (auto& b : frame.FButtons)
    if (b->FVisible && frame::CommandFor(b->FSkinButton->Action) == frame::ButtonCommand::kMaximize) return b.get();
  return nullptr;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(MaximiseButtonHit, OnlyTheMaximiseAndRestoreButtonsAnswerHtMaxButton) {
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, RECT{80, 80, 480, 380});
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  const HWND h = w.Handle();
  TWinSysButton* max = MaximiseButton(*frame);
  ASSERT_NE(max, nullptr);
  const RECT m = max->FRect;
  const SIZE size = WindowSize(h);
  // The sedge buttons: close 33, maximise 63, minimise 93 pixels from the
  // right edge, 24 x 24 at y 3.
  struct Case {
    const char* where;
    POINT at;
    LRESULT hit;
  } cases[] = {
      {"maximise, centre", Centre(m), HTMAXBUTTON},
      {"maximise, top-left pixel", {m.left, m.top}, HTMAXBUTTON},
      {"maximise, bottom-right pixel", {m.right - 1, m.bottom - 1}, HTMAXBUTTON},
      {"just left of maximise", {m.left - 1, (m.top + m.bottom) / 2}, HTCAPTION},
      {"just below maximise", {(m.left + m.right) / 2, m.bottom}, HTCAPTION},
      {"close", {size.cx - 33 + 12, 15}, HTCAPTION},
      {"minimise", {size.cx - 93 + 12, 15}, HTCAPTION},
      {"plain caption", {150, 10}, HTCAPTION},
      {"client", {size.cx / 2, size.cy / 2}, HTCLIENT},
      {"left border", {1, size.cy / 2}, HTLEFT},
      {"bottom-right corner", {size.cx - 1, size.cy - 1}, HTBOTTOMRIGHT},
  };
  for (const Case& c : cases) EXPECT_EQ(HitAt(h, c.at), c.hit) << c.where;

  // Maximised, the same place shows restore, which answers the same.
  ShowWindow(h, SW_MAXIMIZE);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return frame->FWindowState == 1 && MaximiseButton(*frame) != max; }));
  TWinSysButton* restore = MaximiseButton(*frame);
  ASSERT_NE(restore, nullptr);
  EXPECT_EQ(HitAt(h, Centre(restore->FRect)), HTMAXBUTTON);
  EXPECT_EQ(HitAt(h, {150, 10}), HTCAPTION);
  ShowWindow(h, SW_RESTORE);
}

TEST_F(MaximiseButtonHit, APressDraggedOffDoesNothingAClickMaximisesNeverTheSystemsTracking) {
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, RECT{80, 80, 480, 380});
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  const HWND h = w.Handle();
  TWinSysButton* max = MaximiseButton(*frame);
  ASSERT_NE(max, nullptr);
  const POINT button = ScreenOf(h, Centre(max->FRect)), caption = ScreenOf(h, {150, 10});
  auto reachedTheWindow = [&](UINT msg) {
    for (const auto& seen : w.log)
      if (seen.msg == msg && seen.wParam == HTMAXBUTTON) return true;
    return false;
  };

  // Real mouse input: the system hit-tests and reports HTMAXBUTTON itself.
  vex::test::SendMouse(MOUSEEVENTF_MOVE, button);
  vex::test::SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return max->FState == kObjectPressed; }));
  vex::test::SaveWindowPng(h, "maximise-button-pressed");
  vex::test::SendMouse(MOUSEEVENTF_MOVE, caption);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return max->FState == kObjectNormal; }));
  vex::test::SendMouse(MOUSEEVENTF_LEFTUP);
  vex::test::PumpUntil([&] { return IsZoomed(h) != FALSE; }, std::chrono::milliseconds(400));
  EXPECT_FALSE(IsZoomed(h)) << "released off the button";
  EXPECT_FALSE(reachedTheWindow(WM_NCLBUTTONDOWN)) << "the system's own tracking would paint its button";

  vex::test::SendMouse(MOUSEEVENTF_MOVE, button);
  vex::test::SendMouse(MOUSEEVENTF_LEFTDOWN);
  vex::test::SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return IsZoomed(h) != FALSE; })) << "a click maximises";
  EXPECT_FALSE(reachedTheWindow(WM_NCLBUTTONDOWN));
  EXPECT_FALSE(reachedTheWindow(WM_NCLBUTTONUP));
  EXPECT_TRUE(vex::test::PumpUntil([&] { return frame->FWindowState == 1; }));
  ShowWindow(h, SW_RESTORE);
  vex::test::PumpPending();

  // A press reported on maximise where no skin button is (the buttons moved
  // in between) still never reaches the system's tracking.
  w.Clear();
  SendMessageA(h, WM_NCLBUTTONDOWN, HTMAXBUTTON, ScreenPoint(h, 150, 10));
  EXPECT_EQ(w.Count(WM_NCLBUTTONDOWN), 0);
}

}  // namespace
}  // namespace vex::skin::test
