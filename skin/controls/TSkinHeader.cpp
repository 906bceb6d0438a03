#include "skin/controls/TSkinHeader.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/PanelGeometry.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinForm.h"
#include "widgets/Handles.h"

namespace vex::skin {

void TSkinHeader::AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas) {
  TSkinControl::AttachHandle(window, skin, canvas);
  if (Attached() && Frame()) Frame()->ControlSkinners.push_back(this);
}

bool TSkinHeader::HasSkin() const { return SkinData && SkinData->Headerbar && !SkinData->Headerbar->Image.Empty(); }

bool TSkinHeader::BeforeMessage(vcl::TMessage& m) {
  if (m.Msg == WM_ERASEBKGND && HasSkin()) {
    m.Result = 1;
    return false;
  }
  return true;
}

void TSkinHeader::Draw(HDC dc, const RECT& r) {
  TScratchBitmap* work = ScratchBitmap();
  if (!HasSkin() || !work) return;
  TDataSkinObject& bar = *SkinData->Headerbar;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  work->SetSize(w, h);
  {
    vcl::DcState saved(work->Dc());
    if (Font) SelectObject(work->Dc(), Font);
    SetBkMode(work->Dc(), TRANSPARENT);
    // The captions keep the colour a fresh drawing surface has.
    SetTextColor(work->Dc(), RGB(0, 0, 0));
    const int count = static_cast<int>(SendMessageA(Handle, HDM_GETITEMCOUNT, 0, 0));
    int right = 0;
    for (int i = 0; i < count; ++i) {
      RECT item{};
      if (!SendMessageA(Handle, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) continue;
      DrawHeaderItem(work->Dc(), item, i);
      right = std::max<int>(right, item.right);
    }
    // A header narrower than its list view: the rest is background.
    if (right < r.right) {
      DrawSkinFrame(Pictures(), work->Dc(), RECT{right, r.top, r.right, r.bottom}, bar, bar.FrameCount, 1,
                    bar.Tile != 0, false);
    }
  }
  BlitBuffer(dc, r);
}

void TSkinHeader::DrawHeaderItem(HDC dc, const RECT& p, int index) {
  TDataSkinObject& bar = *SkinData->Headerbar;
  char text[201] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = 200;
  SendMessageA(Handle, HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  DrawSkinFrame(Pictures(), dc, p, bar, bar.FrameCount, 1, bar.Tile != 0, false);
  const int length = static_cast<int>(strlen(text));
  if (length == 0) return;
  const UINT format = controls::HeaderTextFormat(item.fmt);
  RECT measured = p;
  DrawTextA(dc, text, length, &measured, format | DT_CALCRECT);
  const controls::Rect at = controls::PlaceHeaderCaption({p.left, p.top, p.right, p.bottom},
                                                         measured.right - measured.left,
                                                         measured.bottom - measured.top, format);
  RECT c{at.left, at.top, at.right, at.bottom};
  DrawTextA(dc, text, length, &c, format);
}

}  // namespace vex::skin
