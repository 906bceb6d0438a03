// Prints what the skinned frame costs: a full non-client paint and the
// window region of a 1920 x 1080 window in the built-in skin, and Vexilo's
// main window from creation to its first complete paint, skinned against
// unskinned in the same run.  A measurement, not a test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/TForm1.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin_data_test_util.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vs = vex::skin;
using Clock = std::chrono::steady_clock;

namespace {

double MicrosecondsPerCall(int calls, const std::function<void()>& call) {
  call();
  const auto start = Clock::now();
  for (int i = 0; i < calls; ++i) call();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
}

// Creation, showing, and every message until nothing is left to paint (and,
// skinned, until the frame is active): the window as a user first sees it.
double MillisecondsToFirstPaint(bool skinned) {
  vs::SkinManager()->FSkinning = skinned;
  const auto start = Clock::now();
  TForm1* form = nullptr;
  vcl::Application->CreateForm(form);
  form->Show();
  HWND h = form->Handle();
  for (;;) {
    vex::test::PumpPending();
    vs::TSkinForm* frame = vs::FrameOf(h);
    const bool framed = !skinned || (frame && frame->FSkinState == vs::kSkinActive);
    if (framed && !GetUpdateRect(h, nullptr, FALSE) && !GetQueueStatus(QS_ALLINPUT)) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  form->Free();
  Form1 = nullptr;
  vex::test::PumpPending();
  return ms;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  SetEnvironmentVariableA("VEXILO_USAGE_URL", "");  // no usage report from the measured windows
  vcl::TApplication app;
  vs::TSkinData skin(nullptr);
  skin.BeginLoading();
  skin.SetActive(true);
  skin.ReadSkinStream(vs::test::EmbeddedStream());
  skin.Loaded();

  HWND big = CreateWindowExA(0, "STATIC", "A big skinned window", WS_OVERLAPPEDWINDOW, 0, 0, 1920, 1080, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(big, SW_SHOW);
  SetForegroundWindow(big);
  vs::TSkinForm* frame = nullptr;
  for (int i = 0; i < 500 && !(frame && frame->FSkinState == vs::kSkinActive); ++i) {
    vex::test::PumpPending();
    Sleep(2);
    frame = vs::FrameOf(big);
  }
  if (!frame) {
    std::printf("the window was not skinned\n");
    return 1;
  }
  SetWindowPos(big, nullptr, 0, 0, 1920, 1080, SWP_NOMOVE | SWP_NOZORDER);
  vex::test::PumpPending();
  setvbuf(stdout, nullptr, _IONBF, 0);
  const double paint = MicrosecondsPerCall(200, [&] { frame->PaintFrame(); });
  // After a size change every side and the title are composed again.
  const double resized = MicrosecondsPerCall(100, [&] {
    frame->DropPictures();
    frame->PaintFrame();
  });
  // Activation and deactivation: each state's title was composed once.
  const double switched = MicrosecondsPerCall(100, [&] {
    frame->FActive = !frame->FActive;
    frame->PaintFrame();
  });
  const double region = MicrosecondsPerCall(50, [&] {
    frame->FRegionSize = {};
    frame->BuildRegion();
  });
  std::printf("full non-client paint, 1920 x 1080:            %8.1f us (goal <= 1000)\n", paint);
  std::printf("the same, sides and title composed afresh:     %8.1f us\n", resized);
  std::printf("the same, active and inactive in turn:         %8.1f us\n", switched);
  std::printf("window region, 1920 x 1080 (with its repaint): %8.1f us (goal <= 5000)\n", region);
  DestroyWindow(big);

  std::vector<double> plain, skinned;
  try {
    MillisecondsToFirstPaint(true);  // warm up: classes, fonts, the skin's first use
    MillisecondsToFirstPaint(false);
    for (int i = 0; i < 7; ++i) {
      plain.push_back(MillisecondsToFirstPaint(false));
      skinned.push_back(MillisecondsToFirstPaint(true));
    }
  } catch (const std::exception& e) {
    std::printf("main window: %s\n", e.what());
    return 1;
  }
  const double p = Median(plain), s = Median(skinned);
  std::printf("main window, creation to first complete paint: unskinned %.1f ms, skinned %.1f ms: %.2fx (goal <= 1.3x)\n",
              p, s, s / p);
  return 0;
}
