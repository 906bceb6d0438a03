#pragma once
// TSkinScrollBar: the window scroll bars of a scrolling control (a memo, a
// rich edit, any control with WS_HSCROLL or WS_VSCROLL).  Windows draws them
// in the non-client area; after every non-client paint the skinner paints
// both bars and the size box over them, shows the pressed arrow or thumb
// while the native scrolling runs (it follows the control's WM_HSCROLL and
// WM_VSCROLL), and repaints when the control's scrolling changed the bars
// in any other way (the wheel, the keyboard, new content).  Taking over
// non-client clicks, it drags the thumb itself in a loop of its own
// (TrackThumb).
//
// The drag loop waits for messages; it holds the mouse capture and ends when
// the button goes up (wherever it is released), when the button is found no
// longer down, when the window goes away, on WM_CANCELMODE or a lost
// capture, and on WM_QUIT, which it posts again for the loop outside.
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinScrollBar : public TSkinControl {
 public:
  // `takeOverClicks`: the skinner drags the thumb itself.
  explicit TSkinScrollBar(TSkinForm* frame, bool takeOverClicks = false);

  // The dispatch attaches with AttachControl; scrolling controls keep their
  // colour, double buffering, text and enabled state.
  void AttachControl(vcl::TWinControl* control, TSkinData* skin, bool setColour, vcl::TCanvas* canvas) override;
  void AttachScrolling(vcl::TWinControl* control, TSkinData* skin, bool takeOverClicks, vcl::TCanvas* canvas);
  // Any scrolling window, by its procedure (the take-over flag as made).
  void AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas) override;

  bool BeforeMessage(vcl::TMessage& message) override;
  void AfterMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  // The bars of the window rectangle `r` (at origin).
  void BarGeometry(const RECT& r);
  // The thumb of bar `kind` from the window's scroll information, unless a
  // drag is running.
  void ThumbMetrics(const RECT& bar, int kind);
  void PaintBar(HDC dc, const RECT& bar, int kind);
  // The part of bar `index` (0 horizontal, 1 vertical) at client coordinate
  // `c` along it, as a scroll code (see controls::HitTestBar).
  int HitTest(int c, int index) const;
  // A non-client press, when clicks are taken over: true when it was on a
  // thumb and the skinner dragged it.
  bool NcLButtonDown(vcl::TMessage& message);
  // Drags the thumb of bar `index`, the press having been at `pressed`
  // (screen coordinates); sends `scrollMessage` (WM_HSCROLL or WM_VSCROLL).
  void TrackThumb(int index, UINT scrollMessage, POINT pressed);

  int PressedPart = controls::kNoPart;
  DWORD Style = 0, ExStyle = 0;
  RECT SizeBox{};
  bool Tracking = false;
  bool TakeOverClicks = false;
  bool InVScroll = false, InHScroll = false;
  SCROLLINFO HorzInfo{}, VertInfo{};
  RECT HorzBar{}, VertBar{};
  controls::BarMetrics HorzMetrics{}, VertMetrics{};

 private:
  SCROLLINFO& InfoOf(int index) { return index == 0 ? HorzInfo : VertInfo; }
  controls::BarMetrics& MetricsOf(int index) { return index == 0 ? HorzMetrics : VertMetrics; }
  // The bars' scroll information differs from what was painted last.
  bool ScrollingChanged();
  void StartScrolling(bool takeOverClicks);
  // The skinner no longer serves `window`, or it is destroyed.
  bool Gone(HWND window) const;
  void EndTracking(HWND window, UINT scrollMessage);
  // A non-client press on a thumb: sets PressedPart to that thumb.
  bool PressOnThumb(const vcl::TMessage& message);
  // Posts the window a request to paint the bars again (one at a time).
  void RepaintLater();

  bool FTakeOverFlag;
  // Set while tracking by what ends a drag from outside the loop.
  bool FTrackCancelled = false;
  bool FRepaintPosted = false;
  controls::ScrollValues FPaintedHorz, FPaintedVert;
  DWORD FPaintedStyle = 0;
  int FLastSent = 0;
};

}  // namespace vex::skin
