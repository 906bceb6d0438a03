#include "widgets/TGraphicControl.h"

namespace vcl {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    FCanvas.SetHandle(reinterpret_cast<HDC>(m.WParam));
    FCanvas.Font().Assign(Font());
    FCanvas.Brush().SetColor(Color());
    try {
      Paint();
    } catch (...) {
      FCanvas.SetHandle(nullptr);
      throw;
    }
    FCanvas.SetHandle(nullptr);
    m.Result = 0;
    return;
  }
  TControl::WndProc(m);
}

}  // namespace vcl
