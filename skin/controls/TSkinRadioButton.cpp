#include "skin/controls/TSkinRadioButton.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/data/TSkinData.h"

namespace vex::skin {

void TSkinRadioButton::AfterMessage(vcl::TMessage& m) {
  if (ChangesBoxGlyph(m.Msg)) {
    Redraw();
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinRadioButton::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || SkinData->Buttons.RadioImage.Empty()) return;
  const bool checked = (SendMessageA(Handle, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
  const bool disabled = (GetWindowLongPtrA(Handle, GWL_STYLE) & WS_DISABLED) != 0;
  DrawBoxGlyph(dc, rect, SkinData->Buttons.RadioImage, SkinData->Buttons.RadioButtonFrame,
               controls::RadioButtonFrame(checked, disabled));
}

}  // namespace vex::skin
