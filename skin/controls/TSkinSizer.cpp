#include "skin/controls/TSkinSizer.h"

namespace vex::skin {

bool TSkinSizer::IsSizer(HWND window) {
  return (GetWindowLongPtrA(window, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0;
}

bool TSkinSizer::BeforeMessage(vcl::TMessage& m) {
  if (!IsSizer(Handle)) return true;
  switch (m.Msg) {
    case WM_PAINT:
      // Not painted, but validated: a window left invalid would be sent
      // WM_PAINT again and again.
      if (!m.WParam) ValidateRect(Handle, nullptr);
      m.Result = 0;
      return false;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    default:
      return true;
  }
}

}  // namespace vex::skin
