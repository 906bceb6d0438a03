#include "skin/controls/TSkinTrackBar.h"

#include <commctrl.h>

#include "skin/data/TSkinData.h"
#include "widgets/Handles.h"

namespace vex::skin {

bool TSkinTrackBar::BeforeMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_NOTIFY:
    case vcl::CN_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(m.LParam);
      if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW)) return true;
      m.Result = CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(m.LParam));
      return false;
    }
    default:
      return true;
  }
}

LRESULT TSkinTrackBar::CustomDraw(NMCUSTOMDRAW& record) {
  if (record.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (record.dwDrawStage != CDDS_ITEMPREPAINT || record.dwItemSpec != TBCD_THUMB || !SkinData) return CDRF_DODEFAULT;
  RECT thumb{};
  SendMessageA(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  if (!SkinData->Buttons.Image.Empty()) {
    DrawStripFrame(record.hdc, thumb, 5, 4, SkinData->Buttons.Image);
  } else {
    vcl::PenHandle pen(CreatePen(PS_SOLID, 1, vcl::ColorToRGB(SkinData->ButtonShadow)));
    vcl::SelectGuard keep(record.hdc, pen.get());
    Rectangle(record.hdc, thumb.left, thumb.top, thumb.right, thumb.bottom);
  }
  return CDRF_SKIPDEFAULT;
}

}  // namespace vex::skin
