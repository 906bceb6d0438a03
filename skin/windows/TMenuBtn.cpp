// TMenuBtn: one button of a skinned menu bar.  Hot and pressed look the
// same: the band's own background with a one-pixel outline in the skin's
// ButtonHilight colour.
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/MenuGeometry.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinMenuBar.h"

namespace vex::skin {

void DrawMenuCaption(HDC dc, const RECT& rect, const std::string& caption, COLORREF colour, bool enabled,
                     bool hidePrefix) {
  const UINT kFormat = DT_SINGLELINE | DT_EXPANDTABS | (hidePrefix ? DT_HIDEPREFIX : 0);
  RECT measured{0, 0, 0, 0};
  DrawTextA(dc, caption.c_str(), -1, &measured, kFormat | DT_CALCRECT);
  const frame::Rect target{rect.left, rect.top, rect.right, rect.bottom};
  const frame::Rect placed = menu::CentreIn(target, measured.right - measured.left, measured.bottom - measured.top);
  RECT draw{placed.left, placed.top, placed.right, placed.bottom};
  const COLORREF oldColour = SetTextColor(dc, enabled ? colour : GetSysColor(COLOR_BTNSHADOW));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, caption.c_str(), -1, &draw, kFormat | DT_CENTER | DT_NOCLIP);
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
}

TMenuBtn::TMenuBtn(TSkinForm* form, TSkinMenuBar* bar, TSkinData* skin, int index)
    : TNCObject(form), FBar(bar), FSkinData(skin), FIndex(index) {}

void TMenuBtn::Paint() {
  TScratchBitmap* scratch = ScratchBitmap();
  const RECT& band = FBar->FBarRect;
  const int w = FRect.right - FRect.left, h = band.bottom - band.top;
  if (!scratch || !FBar->FBackground || !FSkinData || w <= 0 || h <= 0) return;
  HDC dc = GetWindowDC(FForm->Handle());
  if (!dc) return;
  scratch->SetSize(w, h);
  HDC work = scratch->Dc();
  {
    MemoryDc back(FBar->FBackground.get());
    BitBlt(work, 0, 0, w, h, back.Get(), FRect.left - band.left, 0, SRCCOPY);
  }
  const RECT local{0, FRect.top - band.top, w, FRect.bottom - band.top};
  if (FState == kObjectPressed || FState == kObjectHot) {
    vcl::BrushHandle outline(CreateSolidBrush(vcl::ColorToRGB(FSkinData->ButtonHilight)));
    FrameRect(work, &local, outline.get());
  }
  {
    vcl::SelectGuard font(work, MenuFont(false, FSkinData->Dpi()));
    const vcl::TColor colour = FEnabled ? FSkinData->MenuBarText : FSkinData->ButtonShadow;
    DrawMenuCaption(work, local, FCaption, vcl::ColorToRGB(colour), FEnabled, FForm->HidesAccessKeys());
  }
  scratch->CopyTo(dc, FRect.left, band.top);
  ReleaseDC(FForm->Handle(), dc);
}

}  // namespace vex::skin
