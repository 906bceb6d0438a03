#include "skin/controls/TSkinCheckBox.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/data/TSkinData.h"

namespace vex::skin {

void TSkinCheckBox::AfterMessage(vcl::TMessage& m) {
  if (ChangesBoxGlyph(m.Msg)) {
    Redraw();
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinCheckBox::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || SkinData->Buttons.CheckImage.Empty()) return;
  const auto state = static_cast<unsigned>(SendMessageA(Handle, BM_GETSTATE, 0, 0));
  const bool disabled = (GetWindowLongPtrA(Handle, GWL_STYLE) & WS_DISABLED) != 0;
  DrawBoxGlyph(dc, rect, SkinData->Buttons.CheckImage, SkinData->Buttons.CheckButtonFrame,
               controls::CheckBoxFrame(state, disabled));
}

}  // namespace vex::skin
