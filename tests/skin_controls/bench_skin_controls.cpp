// Prints what the control skinners cost: repainting Vexilo's main window
// (options shown, every control) with its controls skinned and, in the same
// run, unskinned; and one paint of a skinned push button.  Figures, not a
// pass/fail test.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "app/TForm1.h"
#include "skin/controls/ControlDispatch.h"
#include "skin/controls/TSkinControl.h"
#include "skin/data/GdiScope.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace {

using vex::test::MicrosecondsPerCall;

bool PumpUntil(const std::function<bool()>& done) {
  return vex::test::PumpUntil(done, std::chrono::seconds(10));
}

}  // namespace

int main() {
  vcl::TApplication application;
  application.SetTitle("Vexilo");
  // The main window as the program builds it, without its create, show and
  // destroy handlers (settings, usage report, icon browser).
  auto* form = new TForm1(&application);
  form->OnShow = nullptr;
  form->OnDestroy = nullptr;
  form->Panel2->SetVisible(true);
  form->Show();
  HWND main = form->Handle();
  vex::skin::TSkinManage* manager = vex::skin::SkinManager();
  if (!manager || !PumpUntil([&] {
        auto* frame = vex::skin::FrameOf(main);
        return frame && frame->FSkinState == vex::skin::kSkinActive;
      })) {
    std::printf("the main window was not skinned\n");
    return 1;
  }
  vex::skin::TSkinForm* frame = vex::skin::FrameOf(main);
  const std::size_t skinners = frame->ControlSkinners.size();
  auto repaint = [&] {
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  constexpr int kRepaints = 200;
  const double skinned = MicrosecondsPerCall(kRepaints, repaint);

  vex::skin::TSkinControl* button = vex::skin::FindSkinner(*frame, form->Button1->Handle());
  double buttonScreen = 0, buttonMemory = 0;
  if (button) {
    buttonScreen = MicrosecondsPerCall(2000, [&] { button->PaintNow(); });
    RECT r{};
    GetWindowRect(button->Handle, &r);
    const RECT local{0, 0, r.right - r.left, r.bottom - r.top};
    vex::skin::ScreenDc screen;
    vex::skin::OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), local.right, local.bottom));
    vex::skin::MemoryDc dc(bitmap.Get());
    buttonMemory = MicrosecondsPerCall(2000, [&] { button->Draw(dc.Get(), local); });
  }

  // The skinned frame with native controls: the controls' own share.
  auto active = [&] {
    auto* f = vex::skin::FrameOf(main);
    return f && f->FSkinState == vex::skin::kSkinActive;
  };
  form->SkinData1->SkinControls = 0;
  manager->UnskinWindow(main);
  manager->SkinWindow(main);
  PumpUntil(active);
  const double frameOnly = MicrosecondsPerCall(kRepaints, repaint);

  // The same window with skinning switched off: frame and controls native.
  form->SkinData1->SetActive(false);
  PumpUntil([&] { return manager->Forms().empty(); });
  vex::test::PumpUntil([] { return false; }, std::chrono::milliseconds(200));
  const double unskinned = MicrosecondsPerCall(kRepaints, repaint);

  std::printf("main window repaint, skinned frame, %zu controls skinned: %.0f us\n", skinners, skinned);
  std::printf("main window repaint, skinned frame, controls unskinned: %.0f us\n", frameOnly);
  std::printf("main window repaint, nothing skinned:                  %.0f us\n", unskinned);
  std::printf("controls skinned / unskinned (same frame): %.2f (goal 1.5 or less)\n",
              frameOnly > 0 ? skinned / frameOnly : 0.0);
  std::printf("whole window skinned / native: %.2f\n", unskinned > 0 ? skinned / unskinned : 0.0);
  std::printf("one skinned push-button paint: %.1f us on screen, %.1f us into a memory DC (goal 100 us or less)\n",
              buttonScreen, buttonMemory);
  form->Free();
  return 0;
}
