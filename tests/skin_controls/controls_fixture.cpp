#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"

#include <cstdio>

#include "skin/data/GdiScope.h"
#include "win_test_support.h"

namespace vex::skin::test {

TSkinData& Skin() {
  static TSkinData* skin = [] {
    auto* s = new TSkinData(nullptr);
    s->BeginLoading();
    s->ReadSkinStreamResource(GetModuleHandleA(nullptr));
    s->Loaded();
    return s;
  }();
  return *skin;
}

std::uint32_t Rgb(vcl::TColor colour) {
  const COLORREF c = vcl::ColorToRGB(colour);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

std::uint32_t ImagePixel(vcl::TBitmap& image, int frameCount, int frame, int x, int y) {
  const int w = image.Width() / frameCount;
  MemoryDc dc(image.Handle());
  const COLORREF c = GetPixel(dc.Get(), w * (frame - 1) + x, y);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

SkinnedForm::SkinnedForm(int width, int height) {
  form = vcl::New<vcl::TForm>(nullptr);
  form->SetTag(99);
  form->SetBorderStyle(vcl::bsSingle);
  form->SetBounds(60, 60, width + 8, height + 30);
  form->SetClientSize(width, height);
  form->SetColor(Skin().ButtonFace);
  form->Show();
  frame = new TSkinForm;
  frame->FHandle = form->Handle();
  frame->FSkinData = &Skin();
  vex::test::PumpPending();
}

SkinnedForm::~SkinnedForm() {
  frame->Free();
  form->Free();
  vex::test::PumpPending();
}

HWND SkinnedForm::RawChild(const char* windowClass, DWORD style, int left, int top, int width, int height, int id,
                           const char* text) {
  HWND w = CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                           form->Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(w, nullptr) << windowClass;
  SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(form->Font().Handle()), FALSE);
  return w;
}

Pixels DrawOffscreen(TSkinControl& skinner, std::uint32_t background) {
  RECT r{};
  GetWindowRect(skinner.Handle, &r);
  Canvas canvas(r.right - r.left, r.bottom - r.top, background);
  skinner.Draw(canvas.Dc(), RECT{0, 0, r.right - r.left, r.bottom - r.top});
  return canvas.Read();
}

int GlyphMismatches(const Pixels& p, int left, int top, vcl::TBitmap& image, int frameCount, int frame) {
  const int w = image.Width() / frameCount, h = image.Height();
  int wrong = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint32_t want = ImagePixel(image, frameCount, frame, x, y);
      if (want == 0xFF00FF) want = Rgb(Skin().ButtonFace);
      wrong += p.At(left + x, top + y) != want;
    }
  return wrong;
}

Pixels ReadWindowDc(HWND window, const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  ScreenDc screen;
  OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
  {
    MemoryDc dc(bitmap.Get());
    HDC source = GetWindowDC(window);
    BitBlt(dc.Get(), 0, 0, w, h, source, rect.left, rect.top, SRCCOPY);
    ReleaseDC(window, source);
  }
  return ReadBitmap(bitmap.Get());
}

int CountColour(const Pixels& p, std::uint32_t rgb, const RECT* area) {
  const RECT all{0, 0, p.width, p.height};
  const RECT& a = area ? *area : all;
  int n = 0;
  for (int y = std::max<int>(a.top, 0); y < std::min<int>(a.bottom, p.height); ++y)
    for (int x = std::max<int>(a.left, 0); x < std::min<int>(a.right, p.width); ++x) n += p.At(x, y) == rgb;
  return n;
}

struct OwnProcLog::Hook {
  OwnProcLog* log;
  vcl::TWndMethod saved;
};

OwnProcLog::OwnProcLog(vcl::TControl* control, std::vector<UINT> filter) : filter_(std::move(filter)) {
  // The hook stays in the control's chain (a skinner above it may still hand
  // on to it); once the log is gone it only passes messages on.
  hook_ = std::make_shared<Hook>(Hook{this, control->WindowProc});
  auto hook = hook_;
  control->WindowProc = [hook](vcl::TMessage& m) {
    if (hook->log) hook->log->Keep(m.Msg, m.WParam);
    hook->saved(m);
  };
}

OwnProcLog::OwnProcLog(HWND window, std::vector<UINT> filter) : window_(window), filter_(std::move(filter)) {
  SetWindowSubclass(window, Proc, 0x4C4F47, reinterpret_cast<DWORD_PTR>(this));
}

OwnProcLog::~OwnProcLog() {
  if (hook_) hook_->log = nullptr;
  if (window_ && IsWindow(window_)) RemoveWindowSubclass(window_, Proc, 0x4C4F47);
}

void OwnProcLog::Keep(UINT msg, WPARAM wParam) {
  if (!filter_.empty() && std::find(filter_.begin(), filter_.end(), msg) == filter_.end()) return;
  seen.push_back(msg);
  wParams.push_back(wParam);
}

LRESULT CALLBACK OwnProcLog::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  reinterpret_cast<OwnProcLog*>(data)->Keep(msg, wParam);
  return DefSubclassProc(window, msg, wParam, lParam);
}

std::string Names(const std::vector<UINT>& messages) {
  std::string s;
  for (UINT m : messages) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04X ", m);
    s += buf;
  }
  return s;
}

ImageSwap::ImageSwap(vcl::TBitmap& image, std::int32_t& frameCount, HBITMAP replacement, std::int32_t frames)
    : image_(image), count_(frameCount), saved_(image.ReleaseHandle()), savedCount_(frameCount) {
  image_.SetHandle(replacement);
  count_ = frames;
}

ImageSwap::~ImageSwap() {
  image_.SetHandle(saved_);
  count_ = savedCount_;
}

HBITMAP MakeStrip(int w, int h, const std::vector<std::uint32_t>& colours, bool keyedEdge) {
  const int n = static_cast<int>(colours.size());
  ScreenDc screen;
  HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), w * n, h);
  MemoryDc dc(bitmap);
  for (int k = 0; k < n; ++k) {
    const std::uint32_t c = colours[k];
    vcl::BrushHandle fill(CreateSolidBrush(RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF)));
    const RECT r{k * w, 0, (k + 1) * w, h};
    FillRect(dc.Get(), &r, fill.get());
    if (keyedEdge) {
      vcl::BrushHandle key(CreateSolidBrush(RGB(255, 0, 255)));
      const RECT edge{(k + 1) * w - 1, 0, (k + 1) * w, h};
      FillRect(dc.Get(), &edge, key.get());
    }
  }
  return bitmap;
}

}  // namespace vex::skin::test
