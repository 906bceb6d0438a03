#include "skin/controls/TSkinListView.h"

#include <commctrl.h>

#include "skin/controls/TSkinHeader.h"

namespace vex::skin {

TSkinListView::~TSkinListView() { Detach(); }

void TSkinListView::AttachControl(vcl::TWinControl* control, TSkinData* skin, bool setColour, vcl::TCanvas* canvas) {
  AttachScrolling(control, skin, setColour, canvas);
  if (!Attached() || FHeader) return;
  HWND header = reinterpret_cast<HWND>(SendMessageA(Handle, LVM_GETHEADER, 0, 0));
  if (!header) return;
  FHeader = new TSkinHeader(Frame());
  FHeader->AttachHandle(header, skin, canvas);
  FreeNotification(FHeader);
}

void TSkinListView::Detach() {
  // The frame frees the header's skinner with the others; one without a
  // frame belongs to this skinner.
  if (TSkinHeader* header = FHeader; header && !header->Owner()) {
    FHeader = nullptr;
    RemoveFreeNotification(header);
    header->Detach();
    header->Release();
  }
  TSkinScrollBar::Detach();
}

void TSkinListView::Notification(vcl::TComponent* component, vcl::TOperation operation) {
  TSkinScrollBar::Notification(component, operation);
  if (operation == vcl::opRemove && component == FHeader) FHeader = nullptr;
}

}  // namespace vex::skin
