#include "skin/controls/TSkinBox.h"

#include "skin/data/TSkinData.h"
#include "widgets/TGroupBox.h"

namespace vex::skin {

bool TSkinBox::BeforeMessage(vcl::TMessage& m) {
  if (m.Msg == WM_PAINT && SkinData) {
    if (auto* box = dynamic_cast<vcl::TGroupBox*>(Control)) {
      if (!FFontColoured) {
        FFontColoured = true;
        FOldFontColour = box->Font().Color();
        FOldParentFont = box->ParentFont();
      }
      box->Font().SetColor(SkinData->ButtonText);
    }
  }
  return true;
}

void TSkinBox::Detach() {
  if (FFontColoured && Control && !FrameReleasing()) {
    Control->Font().SetColor(FOldFontColour);
    if (FOldParentFont) Control->SetParentFont(true);
  }
  FFontColoured = false;
  TSkinControl::Detach();
}

}  // namespace vex::skin
