#include "skin/controls/TSkinProgress.h"

#include <commctrl.h>

#include "skin/controls/ControlGeometry.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"

namespace vex::skin {

bool TSkinProgress::BeforeMessage(vcl::TMessage& m) { return !PaintsItself(m); }

void TSkinProgress::Draw(HDC dc, const RECT& r) {
  TDataSkinObject* progress = SkinData ? SkinData->Progress.get() : nullptr;
  if (!progress || progress->Image.Empty()) return;
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int max = static_cast<int>(SendMessageA(Handle, PBM_GETRANGE, FALSE, 0));
  const int position = static_cast<int>(SendMessageA(Handle, PBM_GETPOS, 0, 0));
  const int bar = controls::ProgressBarWidth(position, width, max);
  const auto key = TPictureCache::Key(progress, reinterpret_cast<std::uintptr_t>(progress->Image.Handle()), bar);
  Pictures().Draw(key, width, height, dc, r.left, r.top, [&](HDC into) {
    const RECT all{0, 0, width, height};
    FillFace(into, all);
    // Frame 1 across the bar, frame 2 from the left as far as it goes.
    auto layer = [&](int frame, int w) {
      if (w <= 0 || !controls::FrameFits(progress->Image.Width(), progress->Image.Height(), 2, frame,
                                         progress->LeftWidth, progress->TopHeight, progress->RightWidth,
                                         progress->BottomHeight))
        return;
      const RECT at{0, 0, w, height};
      OwnedBitmap element(
          BuildElement(at, progress->Image.Handle(), progress->Margins(), false, progress->Tile != 0, 2, frame));
      if (element) DrawTransparent(into, at, element.Get(), kSkinKey);
    };
    layer(1, width);
    layer(2, bar);
  });
}

}  // namespace vex::skin
