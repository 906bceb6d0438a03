#include "skin/controls/TSkinUpDown.h"

#include <windowsx.h>
#include <commctrl.h>

#include "skin/controls/ControlGeometry.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "widgets/Handles.h"

namespace vex::skin {

using controls::kHot;
using controls::kPressed;

namespace {

controls::Rect InnerRect(HWND window) {
  RECT c{};
  GetClientRect(window, &c);
  return {c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};
}

}  // namespace

bool TSkinUpDown::BeforeMessage(vcl::TMessage& m) {
  if (PaintsItself(m)) return false;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      PressAfterOwnProc(m);
      return false;
    case WM_LBUTTONUP:
      State &= ~kPressed;
      CallOldProc(m);
      if (Attached()) PaintNow();
      return false;
    case WM_MOUSEMOVE:
      TrackHot(m.LParam);
      return true;
    case WM_MOUSELEAVE:
    case vcl::CM_MOUSELEAVE:
      ClearHot();
      return true;
    default:
      return true;
  }
}

void TSkinUpDown::TrackHot(LPARAM position) {
  const bool horizontal = (GetWindowLongPtrA(Handle, GWL_STYLE) & UDS_HORZ) != 0;
  const auto halves =
      controls::SplitUpDown(InnerRect(Handle), horizontal, GET_X_LPARAM(position), GET_Y_LPARAM(position));
  const int half = halves.cursorOverFirst ? 0 : 1;
  if (!(State & kHot)) {
    State |= kHot;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle, 0};
    TrackMouseEvent(&track);
  } else if (half == FHotHalf) {
    return;
  }
  FHotHalf = half;
  PaintNow();
}

void TSkinUpDown::ClearHot() {
  if (!(State & (kHot | kPressed))) return;
  State &= ~(kHot | kPressed);
  FHotHalf = -1;
  PaintNow();
}

void TSkinUpDown::Draw(HDC dc, const RECT& rect) {
  TScratchBitmap* buffer = ScratchBitmap();
  if (!SkinData || !buffer) return;
  RECT client{};
  GetClientRect(Handle, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  buffer->SetSize(w, h);
  FillFace(buffer->Dc(), client);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle, &cursor);
  RefreshEnabled();
  const bool horizontal = (GetWindowLongPtrA(Handle, GWL_STYLE) & UDS_HORZ) != 0;
  const auto halves = controls::SplitUpDown(InnerRect(Handle), horizontal, cursor.x, cursor.y);
  const bool pressed = State & kPressed, hot = State & kHot;
  auto draw = [&](const controls::Rect& r, int kind, bool under) {
    DrawArrowButton(buffer->Dc(), RECT{r.left, r.top, r.right, r.bottom}, kind,
                    controls::UpDownHalfState(under, pressed, hot, Enabled));
  };
  draw(halves.first, halves.firstKind, halves.cursorOverFirst);
  draw(halves.second, halves.secondKind, !halves.cursorOverFirst);
  BitBlt(dc, rect.left, rect.top, w, h, buffer->Dc(), 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawArrowButton(HDC dc, const RECT& rect, int kind, int state) {
  const COLORREF face = vcl::ColorToRGB(state == 2 || state == 4 ? SkinData->ButtonShadow : SkinData->ButtonFace);
  const COLORREF ink = vcl::ColorToRGB(SkinData->ButtonDkShadow);
  {
    vcl::BrushHandle brush(CreateSolidBrush(face));
    vcl::PenHandle pen(CreatePen(PS_SOLID, 1, ink));
    vcl::SelectGuard b(dc, brush.get());
    vcl::SelectGuard p(dc, pen.get());
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
  const int dpi = SkinData->Dpi();
  const controls::Point at = controls::ArrowAnchor({rect.left, rect.top, rect.right, rect.bottom}, kind, dpi);
  DrawArrow(dc, at.x, at.y, kind, ink);
}

void TSkinUpDown::DrawArrow(HDC dc, int x, int y, int kind, COLORREF colour) {
  for (const controls::Point& p : controls::ArrowPixels(x, y, kind, SkinData->Dpi())) SetPixel(dc, p.x, p.y, colour);
}

}  // namespace vex::skin
