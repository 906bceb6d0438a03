#include "skin/controls/TSkinComBox.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"

namespace vex::skin {

using controls::kHot;
using controls::kPressed;

void TSkinComBox::AfterMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      State |= kPressed;
      PaintNow();
      return;
    case WM_LBUTTONUP:
      State &= ~kPressed;
      PaintNow();
      return;
    case vcl::CM_MOUSEENTER:
      RefreshEnabled();
      if (!Enabled) return;
      State |= kHot;
      PaintNow();
      return;
    case vcl::CM_MOUSELEAVE:
      // Cleared even while disabled: a disabled combo box still shows hot.
      State &= ~kHot;
      PaintNow();
      return;
    default:
      TSkinControl::AfterMessage(m);
  }
}

void TSkinComBox::Draw(HDC dc, const RECT& r) {
  if (!SkinData) return;
  TDataSkinObject* button = SkinData->ComboButton.get();
  TDataSkinObject* edge = SkinData->SunkEdge.get();
  if (!button || !edge || button->Image.Empty() || edge->Image.Empty()) return;
  const int a = GetSystemMetrics(SM_CXHSCROLL) + 2;
  RefreshEnabled();
  // A drop-down combo box hands the focus on to its edit.
  const HWND focus = GetFocus();
  Focused = focus && (focus == Handle || IsChild(Handle, focus));
  const int frame = controls::ComboButtonFrame(State & kPressed, State & kHot, Focused, Enabled);

  auto field = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT ring = r;
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, field);

  const RECT bt{r.right - a, r.top, r.right, r.bottom};
  TDataSkinObject* arrow = SkinData->ExtraImages.get();
  const auto arrowImage = arrow ? reinterpret_cast<std::uintptr_t>(arrow->Image.Handle()) : 0;
  const auto key = TPictureCache::Key(button, reinterpret_cast<std::uintptr_t>(button->Image.Handle()), frame,
                                      static_cast<int>(arrowImage));
  // The button with its arrow, composed at the button's size.
  Pictures().Draw(key, a, r.bottom - r.top, dc, bt.left, bt.top, [&](HDC into) {
    const RECT local{0, 0, a, r.bottom - r.top};
    FillFace(into, local);
    DrawStripFrame(into, local, button->FrameCount, frame, button->Image);
    if (arrow && !arrow->Image.Empty() && arrow->FrameCount > 0) {
      const int w = arrow->Image.Width() / arrow->FrameCount, h = arrow->Image.Height();
      const int left = (a - w) / 2, top = (local.bottom - h) / 2;
      DrawStripFrame(into, RECT{left, top, left + w, top + h}, arrow->FrameCount, frame, arrow->Image);
    }
  });

  // The sunken edge from frame 1, on the left, top and bottom; the button
  // covers the right side.
  const int n = edge->FrameCount;
  if (!controls::FrameFits(edge->Image.Width(), edge->Image.Height(), n, 1, edge->LeftWidth, edge->TopHeight,
                           edge->RightWidth, edge->BottomHeight))
    return;
  const int fw = edge->Image.Width() / n, fh = edge->Image.Height();
  const int L = edge->LeftWidth, T = edge->TopHeight, Rm = edge->RightWidth, B = edge->BottomHeight;
  const int bl = controls::SunkEdgeBand(L), bt2 = controls::SunkEdgeBand(T), bb = controls::SunkEdgeBand(B);
  MemoryDc src(edge->Image.Handle());
  StretchModeScope mode(dc, COLORONCOLOR);
  auto piece = [&](int sx0, int sy0, int sx1, int sy1, int dx0, int dy0, int dx1, int dy1) {
    StretchBlt(dc, dx0, dy0, dx1 - dx0, dy1 - dy0, src.Get(), sx0, sy0, sx1 - sx0, sy1 - sy0, SRCCOPY);
  };
  piece(0, T, L, fh - B, r.left, r.top, r.left + bl, r.bottom);
  piece(L, 0, fw - Rm, T, r.left, r.top, bt.left, r.top + bt2);
  piece(0, 0, L, T, r.left, r.top, r.left + bt2, r.top + bt2);
  piece(L, fh - B, fw - Rm, fh, r.left, r.bottom - bb, bt.left, r.bottom);
  piece(0, fh - B, L, fh, r.left, r.bottom - bb, r.left + bb, r.bottom);
}

}  // namespace vex::skin
