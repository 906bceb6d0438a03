#pragma once
// TSkinSizer: a size box or size grip of a plain dialog sits where the
// skinned frame has its own corner: it keeps working but is never painted.
// Attached to any other scroll bar it leaves the bar alone.
#include "skin/controls/TSkinControl.h"

namespace vex::skin {

class TSkinSizer : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(vcl::TMessage& message) override;
  // A size box or a size grip (SBS_SIZEBOX, SBS_SIZEGRIP).
  static bool IsSizer(HWND window);
};

}  // namespace vex::skin
