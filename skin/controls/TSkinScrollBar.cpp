#include "skin/controls/TSkinScrollBar.h"

#include <windowsx.h>

#include "skin/controls/ScrollBarPainter.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "widgets/TWinControl.h"

namespace vex::skin {

using controls::ScrollValues;

namespace {

// How long the drag loop waits for a message before it asks whether the
// button is still down: a release it was never told of (over another
// program's window, or taken by someone else) ends the drag this soon.
constexpr DWORD kButtonCheckMs = 100;

ScrollValues ReadValues(HWND window, int bar) {
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!window || !GetScrollInfo(window, bar, &si)) return {};
  return {si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
}

bool LeftButtonDown() {
  // The physical button: the one that acts as the left button when the
  // buttons are swapped.
  const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  return (GetAsyncKeyState(button) & 0x8000) != 0;
}

RECT ToRECT(const controls::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Posted to the window to paint its bars again once the message that drew
// them natively is over (see RepaintLater).
UINT RepaintBarsMessage() {
  static const UINT message = RegisterWindowMessageA("Vexilo.RepaintScrollBars");
  return message;
}

}  // namespace

TSkinScrollBar::TSkinScrollBar(TSkinForm* frame, bool takeOverClicks)
    : TSkinControl(frame), FTakeOverFlag(takeOverClicks) {}

void TSkinScrollBar::AttachControl(vcl::TWinControl* control, TSkinData* skin, bool, vcl::TCanvas* canvas) {
  AttachScrolling(control, skin, FTakeOverFlag, canvas);
}

void TSkinScrollBar::AttachScrolling(vcl::TWinControl* control, TSkinData* skin, bool takeOverClicks,
                                     vcl::TCanvas* canvas) {
  if (!control || Attached()) return;
  SkinData = skin;
  Canvas = canvas;
  Control = control;
  Handle = control->Handle();
  HookWindowProc(control);
  if (Frame()) Frame()->ControlSkinners.push_back(this);
  StartScrolling(takeOverClicks);
}

void TSkinScrollBar::AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas) {
  TSkinControl::AttachHandle(window, skin, canvas);
  if (Attached()) StartScrolling(FTakeOverFlag);
}

void TSkinScrollBar::StartScrolling(bool takeOverClicks) {
  Tracking = InVScroll = InHScroll = false;
  HorzInfo.cbSize = VertInfo.cbSize = sizeof(SCROLLINFO);
  HorzMetrics.styleBit = WS_HSCROLL;
  VertMetrics.styleBit = WS_VSCROLL;
  TakeOverClicks = takeOverClicks;
}

void TSkinScrollBar::RepaintLater() {
  if (FRepaintPosted || Tracking) return;
  FRepaintPosted = PostMessageA(Handle, RepaintBarsMessage(), 0, 0) != 0;
}

bool TSkinScrollBar::BeforeMessage(vcl::TMessage& m) {
  if (m.Msg == RepaintBarsMessage()) {
    FRepaintPosted = false;
    PaintNow();
    return false;
  }
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      // Over a bar the native hot look would paint over the skin.
      return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:  // a quick second press on a thumb starts a drag too
      if (TakeOverClicks && NcLButtonDown(m)) return false;
      // Windows' own loop draws the pressed thumb natively, and no scroll
      // message follows until the mouse moves.
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
        PressOnThumb(m);
        RepaintLater();
      }
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      // Messages from scroll bar controls inside the window are theirs.
      if (m.LParam != 0) return true;
      const bool vertical = m.Msg == WM_VSCROLL;
      PressedPart = controls::PressedPartFor(LOWORD(m.WParam), vertical);
      bool& inScroll = vertical ? InVScroll : InHScroll;
      inScroll = true;
      CallOldProc(m);
      if (Attached()) {
        PaintNow();
        // Windows' own loop draws the moving thumb natively after sending
        // the message: the skin goes over it once the loop takes the next
        // message.
        RepaintLater();
      }
      inScroll = false;
      return false;
    }
    case WM_CANCELMODE:
      if (Tracking) FTrackCancelled = true;
      return true;
    case WM_CAPTURECHANGED:
      if (Tracking && reinterpret_cast<HWND>(m.LParam) != Handle) FTrackCancelled = true;
      return true;
    default:
      return true;
  }
}

void TSkinScrollBar::AfterMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      PaintNow();
      return;
    case WM_PRINT:
      PaintNow();
      // The picture asked for gets the skinned bars too.
      if ((m.LParam & PRF_NONCLIENT) && m.WParam) {
        RECT r{};
        GetWindowRect(Handle, &r);
        Draw(reinterpret_cast<HDC>(m.WParam), RECT{0, 0, r.right - r.left, r.bottom - r.top});
      }
      return;
    case WM_PAINT:
    case WM_NCDESTROY:
    case WM_DESTROY:
      TSkinControl::AfterMessage(m);
      return;
    default:
      TSkinControl::AfterMessage(m);
      // The wheel, the keyboard, new content: the control moved its bars
      // without a scroll message, and Windows drew them natively.
      if (Attached() && !Tracking && !InHScroll && !InVScroll && ScrollingChanged()) PaintNow();
      return;
  }
}

bool TSkinScrollBar::ScrollingChanged() {
  const DWORD shown = static_cast<DWORD>(GetWindowLongPtrA(Handle, GWL_STYLE)) & (WS_HSCROLL | WS_VSCROLL);
  if (shown != FPaintedStyle) return true;
  return ((shown & WS_HSCROLL) && ReadValues(Handle, SB_HORZ) != FPaintedHorz) ||
         ((shown & WS_VSCROLL) && ReadValues(Handle, SB_VERT) != FPaintedVert);
}

void TSkinScrollBar::Draw(HDC dc, const RECT& r) {
  if (!SkinData || !Handle) return;
  Style = static_cast<DWORD>(GetWindowLongPtrA(Handle, GWL_STYLE));
  ExStyle = static_cast<DWORD>(GetWindowLongPtrA(Handle, GWL_EXSTYLE));
  FPaintedStyle = Style & (WS_HSCROLL | WS_VSCROLL);
  FPaintedHorz = FPaintedStyle & WS_HSCROLL ? ReadValues(Handle, SB_HORZ) : ScrollValues{};
  FPaintedVert = FPaintedStyle & WS_VSCROLL ? ReadValues(Handle, SB_VERT) : ScrollValues{};
  if (!SkinData->Scrollbar || SkinData->Scrollbar->Image.Empty()) return;
  if (InVScroll) Style |= WS_VSCROLL;
  if (InHScroll) Style |= WS_HSCROLL;
  const bool horz = Style & WS_HSCROLL, vert = Style & WS_VSCROLL;
  if (!horz && !vert) return;
  BarGeometry(r);
  const auto shows = [](const RECT& b) { return b.top < b.bottom && b.left < b.right; };
  if (horz && shows(HorzBar)) PaintBar(dc, HorzBar, controls::kHorizontalBar);
  if (vert && shows(VertBar)) PaintBar(dc, VertBar, controls::kVerticalBar);
  if (horz && vert && shows(SizeBox)) FillFace(dc, SizeBox);
}

void TSkinScrollBar::BarGeometry(const RECT& r) {
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  RECT client{};
  GetClientRect(Handle, &client);
  const controls::WindowBars bars = controls::PlaceWindowBars(r.right, r.bottom, client.right, client.bottom, b,
                                                              Style & WS_HSCROLL, Style & WS_VSCROLL);
  HorzMetrics.arrowSize = VertMetrics.arrowSize = b;
  HorzBar = ToRECT(bars.horz);
  VertBar = ToRECT(bars.vert);
  SizeBox = ToRECT(bars.sizeBox);
}

void TSkinScrollBar::ThumbMetrics(const RECT& bar, int kind) {
  if (Tracking) return;
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const bool windows9x = (GetVersion() & 0x80000000u) != 0;
  const int index = kind == controls::kHorizontalBar ? 0 : 1;
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(Handle, index == 0 ? SB_HORZ : SB_VERT, &si)) return;
  const ScrollValues v{si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
  const int length = index == 0 ? bar.right - bar.left : bar.bottom - bar.top;
  if (!controls::ComputeThumb(length, a, controls::MinimumThumbLength(a, windows9x),
                              GetSystemMetrics(SM_CXHTHUMB), v, MetricsOf(index)))
    return;
  SCROLLINFO& info = InfoOf(index);
  info.nMin = si.nMin;
  info.nMax = si.nMax;
  info.nPage = si.nPage;
  info.nPos = si.nPos;
  info.nTrackPos = si.nTrackPos;
}

void TSkinScrollBar::PaintBar(HDC dc, const RECT& bar, int kind) {
  ThumbMetrics(bar, kind);
  PaintSkinBar(dc, bar, kind, PressedPart, MetricsOf(kind == controls::kHorizontalBar ? 0 : 1),
               GetSystemMetrics(SM_CXHSCROLL), *SkinData, Pictures());
}

int TSkinScrollBar::HitTest(int c, int index) const {
  return controls::HitTestBar(c, index == 0 ? HorzMetrics : VertMetrics);
}

bool TSkinScrollBar::PressOnThumb(const vcl::TMessage& m) {
  if (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL) return false;
  POINT client{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  ScreenToClient(Handle, &client);
  const bool vertical = m.WParam == HTVSCROLL;
  if (HitTest(vertical ? client.y : client.x, vertical ? 1 : 0) != 5) return false;
  PressedPart = vertical ? controls::kVertThumb : controls::kHorzThumb;
  return true;
}

bool TSkinScrollBar::NcLButtonDown(vcl::TMessage& m) {
  // Arrows and the track are Windows' own loop, whose scroll messages the
  // skinner follows.
  if (!PressOnThumb(m)) return false;
  const bool vertical = m.WParam == HTVSCROLL;
  PaintNow();
  TrackThumb(vertical ? 1 : 0, vertical ? WM_VSCROLL : WM_HSCROLL, POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  m.Result = 0;
  return true;
}

void TSkinScrollBar::TrackThumb(int index, UINT scrollMessage, POINT pressed) {
  Tracking = true;
  FTrackCancelled = false;
  controls::BarMetrics& metrics = MetricsOf(index);
  SCROLLINFO& info = InfoOf(index);
  const int startOffset = metrics.thumbOffset;
  const ScrollValues start{info.nMin, info.nMax, info.nPage, info.nPos, info.nTrackPos};
  FLastSent = info.nPos;
  const HWND window = Handle;
  SetCapture(window);
  const auto moveTo = [&](POINT cursor) {
    const int moved = index == 0 ? cursor.x - pressed.x : cursor.y - pressed.y;
    const controls::DragStep step = controls::DragThumb(startOffset, moved, metrics, start);
    if (step.position == FLastSent) return;
    info.fMask = SIF_POS;
    info.nPos = info.nTrackPos = step.position;
    metrics.thumbOffset = step.offset;
    SetScrollInfo(window, index == 0 ? SB_HORZ : SB_VERT, &info, FALSE);
    PostMessageA(window, scrollMessage, MAKEWPARAM(SB_THUMBTRACK, step.position), 0);
    FLastSent = step.position;
  };

  for (;;) {
    if (FTrackCancelled || Gone(window)) break;
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      const DWORD woke = MsgWaitForMultipleObjectsEx(0, nullptr, kButtonCheckMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      if (woke == WAIT_TIMEOUT && !LeftButtonDown()) break;
      continue;
    }
    if (msg.message == WM_QUIT) {
      // The loop outside ends the program or the modal loop it runs.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) break;
    const bool move = msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE;
    // A client move knows the buttons: without the left one it is up.
    if (msg.message == WM_MOUSEMOVE && !(msg.wParam & MK_LBUTTON)) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    if (move && !Gone(window)) {
      POINT cursor{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
      if (msg.message == WM_MOUSEMOVE) ClientToScreen(msg.hwnd, &cursor);
      moveTo(cursor);
    }
  }
  EndTracking(window, scrollMessage);
}

bool TSkinScrollBar::Gone(HWND window) const { return !Attached() || Handle != window || !IsWindow(window); }

void TSkinScrollBar::EndTracking(HWND window, UINT scrollMessage) {
  // Positions posted along the drag reach the window before the last one,
  // also when the skinner let go of the window during the drag (skinning
  // switched off by a pending action): the window's own drag still ends.
  MSG msg;
  while (IsWindow(window) && PeekMessageA(&msg, window, scrollMessage, scrollMessage, PM_REMOVE)) {
    // Wine hands out WM_QUIT whatever the filter: it stays for the loop outside.
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    DispatchMessageA(&msg);
  }
  Tracking = false;
  FTrackCancelled = false;
  if (!IsWindow(window)) return;
  if (GetCapture() == window) ReleaseCapture();
  SendMessageA(window, scrollMessage, MAKEWPARAM(SB_THUMBPOSITION, FLastSent), 0);
}

}  // namespace vex::skin
