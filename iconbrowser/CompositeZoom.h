#pragma once
// The large composite shown while the mouse rests on the small composite
// preview: a borderless pop-up beside it that never takes the focus.
#include <windows.h>

#include "iconbrowser/RgbaImage.h"
#include "widgets/Handles.h"

namespace vex::iconbrowser {

class CompositeZoom {
 public:
  CompositeZoom() = default;
  CompositeZoom(const CompositeZoom&) = delete;
  CompositeZoom& operator=(const CompositeZoom&) = delete;
  ~CompositeZoom();

  // Shows `image` beside `anchor` (screen coordinates), kept on the monitor,
  // owned by `owner`; replaces the picture when already shown.  An empty
  // image hides the pop-up.
  void Show(HWND owner, const RECT& anchor, const RgbaImage& image);
  void Hide();
  bool Visible() const { return FWindow && IsWindowVisible(FWindow); }
  HWND Window() const { return FWindow; }

  static constexpr int kPadding = 6;

 private:
  static LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);

  HWND FWindow = nullptr;  // destroyed in the destructor (it may outlive no owner)
  vcl::IconHandle FIcon;
  int FSide = 0;
};

}  // namespace vex::iconbrowser
