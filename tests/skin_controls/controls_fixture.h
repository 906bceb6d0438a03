#pragma once
// What the control skinner tests share: the built-in skin, a form the skin
// manager leaves alone with a frame object made by hand (so that each test
// attaches the skinners it wants), pictures of a skinner's Draw on memory
// DCs, and logs of what still reaches a control's own procedure.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "screen_capture.h"
#include "tests/skin_data/bitmap_test_util.h"
#include "win_test_support.h"
#include "skin/controls/ControlGeometry.h"
#include "skin/controls/TSkinControl.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "widgets/Vcl.h"

namespace vex::skin::test {

// The built-in skin, loaded once (it does not switch skinning on).
TSkinData& Skin();
// 0xRRGGBB of a colour value.
std::uint32_t Rgb(vcl::TColor colour);
// Pixel (x, y) of frame k of n side-by-side frames of a skin image.
std::uint32_t ImagePixel(vcl::TBitmap& image, int frameCount, int frame, int x, int y);

// A shown form with Tag 99 (never skinned by the manager) and a frame object
// for it that is not attached: skinners attached here belong to it.
class SkinnedForm {
 public:
  SkinnedForm(int width = 320, int height = 200);
  ~SkinnedForm();
  SkinnedForm(const SkinnedForm&) = delete;
  SkinnedForm& operator=(const SkinnedForm&) = delete;

  template <class C>
  C* Add(int left, int top, int width, int height, vcl::TWinControl* parent = nullptr) {
    auto* c = new C(form);
    c->SetBounds(left, top, width, height);
    c->SetParent(parent ? parent : form);
    return c;
  }
  // A skinner of kind S attached to `control` through its WindowProc.
  template <class S>
  S* Attach(vcl::TWinControl* control, bool setColour = false) {
    auto* s = new S(frame);
    s->AttachControl(control, &Skin(), setColour, &frame->Canvas());
    return s;
  }
  // A skinner attached to a window through its window procedure.
  template <class S>
  S* AttachWindow(HWND window) {
    auto* s = new S(frame);
    s->AttachHandle(window, &Skin(), &frame->Canvas());
    frame->ControlSkinners.push_back(s);
    return s;
  }
  // A raw child window of the form (a system dialog's control).
  HWND RawChild(const char* windowClass, DWORD style, int left, int top, int width, int height, int id = 0,
                const char* text = "");

  vcl::TForm* form;
  TSkinForm* frame;
};

// What a skinner's Draw paints on a memory DC of the control's window size
// (filled with `background` first).
Pixels DrawOffscreen(TSkinControl& skinner, std::uint32_t background = 0x123456);
// What a window shows in `rect` (window coordinates), read through its own
// window DC.
Pixels ReadWindowDc(HWND window, const RECT& rect);
// How many pixels at (left, top) of a picture differ from frame k of n of a
// skin image drawn keyed over the skin's face colour.
int GlyphMismatches(const Pixels& pixels, int left, int top, vcl::TBitmap& image, int frameCount, int frame);
// How many pixels of `pixels` have colour `rgb` (inside `area`, or all).
int CountColour(const Pixels& pixels, std::uint32_t rgb, const RECT* area = nullptr);

// The messages that reach a control's own procedure: install before the
// skinner, so that the skinner hands on to it.  Only messages of `filter`
// are kept.
class OwnProcLog {
 public:
  OwnProcLog(vcl::TControl* control, std::vector<UINT> filter);
  OwnProcLog(HWND window, std::vector<UINT> filter);
  ~OwnProcLog();
  OwnProcLog(const OwnProcLog&) = delete;
  OwnProcLog& operator=(const OwnProcLog&) = delete;
  std::vector<UINT> seen;
  std::vector<WPARAM> wParams;  // of the messages kept, in the same order

 private:
  struct Hook;
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void Keep(UINT msg, WPARAM wParam);
  std::shared_ptr<Hook> hook_;
  HWND window_ = nullptr;
  std::vector<UINT> filter_;
};

std::string Names(const std::vector<UINT>& messages);

// A mouse message at a client point.
inline LRESULT Mouse(HWND window, UINT msg, int x, int y, WPARAM keys = 0) {
  return SendMessageA(window, msg, keys, MAKELPARAM(x, y));
}

// Replaces a skin image (and its frame count) for the length of a test.
class ImageSwap {
 public:
  ImageSwap(vcl::TBitmap& image, std::int32_t& frameCount, HBITMAP replacement, std::int32_t frames);
  ~ImageSwap();
  ImageSwap(const ImageSwap&) = delete;
  ImageSwap& operator=(const ImageSwap&) = delete;

 private:
  vcl::TBitmap& image_;
  std::int32_t& count_;
  HBITMAP saved_;
  std::int32_t savedCount_;
};

// A strip of `frames` frames of w x h, frame k filled with colours[k - 1]
// and a magenta column on its right edge when `keyedEdge`.
HBITMAP MakeStrip(int w, int h, const std::vector<std::uint32_t>& colours, bool keyedEdge = false);

}  // namespace vex::skin::test
