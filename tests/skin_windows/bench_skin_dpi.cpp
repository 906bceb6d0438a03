// Prints what the skin costs at a high DPI: loading the built-in package
// and building its skin at 144 and 192 dpi, and a skinned window's first
// complete paint against the same window unskinned, at the display's DPI
// (run it in a prefix of that DPI):
//   scripts/wine-dpi 144 xvfb-run -a scripts/wine-run build/windows/tests/bench_skin_dpi.exe
// It also compares the two ways a frame side can be drawn at 150%: from the
// skin built at that DPI (what Vexilo does), or drawn at 96 dpi and the
// picture stretched.  A measurement, not a test.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "skin/data/BitmapHelpers.h"
#include "skin/data/SkinScaling.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin_data_test_util.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vs = vex::skin;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The same form either way; its class name decides: the skin leaves
// windows whose class begins with "Tfr" alone.
template <bool Skinned>
class TDpiBenchForm : public vcl::TForm {
 public:
  // A design at 96 dpi, as the application's forms are: the form lays it
  // out at its window's DPI when the window is made.  Scaling it here as
  // well would measure a window of 2.25 times the size at 144 dpi.
  TDpiBenchForm() : vcl::TForm(nullptr) {
    SetBounds(40, 40, 0, 0);
    SetClientSize(292, 160);
    SetCaption("文件夹图标");
    for (int i = 0; i < 3; ++i) {
      auto* b = new vcl::TButton(this);
      b->SetBounds(8, 8 + 30 * i, 90, 25);
      b->SetCaption("应用");
      b->SetParent(this);
    }
    auto* edit = new vcl::TEdit(this);
    edit->SetBounds(110, 8, 170, 21);
    edit->SetParent(this);
    auto* check = new vcl::TCheckBox(this);
    check->SetBounds(110, 40, 170, 17);
    check->SetCaption("加入右键菜单");
    check->SetParent(this);
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    vcl::TForm::CreateParams(params);
    params.WinClassName = Skinned ? "TDpiBenchForm" : "TfrDpiBenchForm";
  }
};

bool Painted(HWND w) {
  if (GetQueueStatus(QS_ALLINPUT)) return false;
  return !GetUpdateRect(w, nullptr, FALSE);
}

SIZE g_client{};  // the measured window's client area, printed with the figures

template <bool Skinned>
double FirstPaint() {
  auto* form = new TDpiBenchForm<Skinned>();
  const auto start = Clock::now();
  form->Show();
  HWND w = form->Handle();
  for (;;) {
    vex::test::PumpPending();
    vs::TSkinForm* f = vs::FrameOf(w);
    const bool ready = !Skinned || (f && f->FSkinState == vs::kSkinActive);
    if (ready && Painted(w)) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  const double ms = Ms(start, Clock::now());
  RECT client{};
  GetClientRect(w, &client);
  g_client = {client.right, client.bottom};
  form->Free();
  vex::test::PumpPending();
  return ms;
}

}  // namespace

int main() {
  vex::test::BecomeDpiAware();
  vcl::TApplication app;
  const std::vector<std::uint8_t> stream = vs::test::EmbeddedStream();
  for (int dpi : {96, 144, 192}) {
    std::vector<double> loads, builds;
    for (int i = 0; i < 15; ++i) {
      vs::TSkinData skin(nullptr);
      const auto start = Clock::now();
      skin.ReadSkinStream(stream);
      const auto loaded = Clock::now();
      skin.AtDpi(dpi);
      loads.push_back(Ms(start, Clock::now()));
      builds.push_back(Ms(loaded, Clock::now()));
    }
    std::printf("loading sedge at %d dpi: %.2f ms, of which building the skin at that DPI %.2f ms (goal <= 10)\n",
                dpi, Median(loads), Median(builds));
  }

  // The two designs, on the heaviest piece of a frame: the top side of a
  // 438-pixel-wide window (292 at 96 dpi), active frame.
  {
    vs::TSkinData skin(nullptr);
    skin.ReadSkinStream(stream);
    vs::TSkinData& at144 = *skin.AtDpi(144);
    const int w96 = 292, w144 = vs::scaling::AtDpi(w96, 144);
    const int h96 = skin.Top.Image.Height() / std::max(1, skin.Top.FrameCount), h144 = at144.Top.Image.Height() / 2;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, w144, h144);
    HGDIOBJ old = SelectObject(dc, target);
    const double atDpi = vex::test::MicrosecondsPerCall(200, [&] {
      HBITMAP b = vs::BuildElement(RECT{0, 0, w144, h144}, at144.Top.Image.Handle(), at144.Top.Margins(), true,
                                   at144.Top.Tile != 1, 2, 1);
      HDC from = CreateCompatibleDC(dc);
      HGDIOBJ o = SelectObject(from, b);
      BitBlt(dc, 0, 0, w144, h144, from, 0, 0, SRCCOPY);
      SelectObject(from, o);
      DeleteDC(from);
      DeleteObject(b);
    });
    const double stretched = vex::test::MicrosecondsPerCall(200, [&] {
      HBITMAP b = vs::BuildElement(RECT{0, 0, w96, h96}, skin.Top.Image.Handle(), skin.Top.Margins(), true,
                                   skin.Top.Tile != 1, 2, 1);
      HDC from = CreateCompatibleDC(dc);
      HGDIOBJ o = SelectObject(from, b);
      SetStretchBltMode(dc, HALFTONE);
      StretchBlt(dc, 0, 0, w144, h144, from, 0, 0, w96, h96, SRCCOPY);
      SelectObject(from, o);
      DeleteDC(from);
      DeleteObject(b);
    });
    std::printf("top side at 144 dpi, %d x %d: from the skin at 144 dpi %.1f us; drawn at 96 and stretched %.1f us\n",
                w144, h144, atDpi, stretched);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }

  vs::TSkinData skin(nullptr);
  skin.BeginLoading();
  skin.SetActive(true);
  skin.ReadSkinStream(stream);
  skin.Loaded();
  HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const int dpi = vs::WindowDpi(probe);
  DestroyWindow(probe);
  // Skinning switches on at the first activation; one window first.
  FirstPaint<true>();
  std::vector<double> skinned, plain;
  for (int i = 0; i < 7; ++i) {
    plain.push_back(FirstPaint<false>());
    skinned.push_back(FirstPaint<true>());
  }
  const double s = Median(skinned), p = Median(plain);
  std::printf("first complete paint at %d dpi (client %ld x %ld): skinned %.1f ms, unskinned %.1f ms, ratio %.2f "
              "(goal <= 1.5)\n",
              dpi, g_client.cx, g_client.cy, s, p, p > 0 ? s / p : 0.0);
  return 0;
}
