#include "skin/controls/TSkinProgress.h"

#include <commctrl.h>

#include "skin/controls/ControlGeometry.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"

namespace vex::skin {

bool TSkinProgress::BeforeMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintMessage(m);
      return false;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinProgress::Draw(HDC dc, const RECT& r) {
  TScratchBitmap* buffer = ScratchBitmap();
  TDataSkinObject* progress = SkinData ? SkinData->Progress.get() : nullptr;
  if (!buffer || !progress || progress->Image.Empty()) return;
  buffer->SetSize(r.right, r.bottom);
  FillFace(buffer->Dc(), r);
  auto layer = [&](int frame, int width) {
    if (width <= 0 || !controls::FrameFits(progress->Image.Width(), progress->Image.Height(), 2, frame,
                                           progress->LeftWidth, progress->TopHeight, progress->RightWidth,
                                           progress->BottomHeight))
      return;
    const RECT at{r.left, r.top, r.left + width, r.bottom};
    OwnedBitmap element(
        BuildElement(at, progress->Image.Handle(), progress->Margins(), false, progress->Tile != 0, 2, frame));
    if (element) DrawTransparent(buffer->Dc(), at, element.Get(), kSkinKey);
  };
  const int width = r.right - r.left;
  layer(1, width);
  const int max = static_cast<int>(SendMessageA(Handle, PBM_GETRANGE, FALSE, 0));
  const int position = static_cast<int>(SendMessageA(Handle, PBM_GETPOS, 0, 0));
  layer(2, controls::ProgressBarWidth(position, width, max));
  BitBlt(dc, r.left, r.top, width, r.bottom - r.top, buffer->Dc(), r.left, r.top, SRCCOPY);
}

}  // namespace vex::skin
