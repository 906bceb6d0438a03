#pragma once
// TSkinListView: the scroll bars of a list view, as TSkinScrollBar paints
// them (Windows keeps dragging the thumb: clicks are not taken over), and
// the list view's header through a TSkinHeader.
#include "skin/controls/TSkinScrollBar.h"

namespace vex::skin {

class TSkinHeader;

class TSkinListView : public TSkinScrollBar {
 public:
  explicit TSkinListView(TSkinForm* frame) : TSkinScrollBar(frame, false) {}
  ~TSkinListView() override;
  // The set-colour flag (off from the dispatch) says whether clicks are
  // taken over.
  void AttachControl(vcl::TWinControl* control, TSkinData* skin, bool setColour, vcl::TCanvas* canvas) override;
  void Detach() override;
  // The header's skinner (the frame's), or null.
  TSkinHeader* Header() const { return FHeader; }

 protected:
  void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

 private:
  TSkinHeader* FHeader = nullptr;
};

}  // namespace vex::skin
