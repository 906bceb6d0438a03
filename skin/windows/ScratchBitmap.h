#pragma once
// The one off-screen bitmap that the frame's menu bar and every control
// painter compose their pictures in before copying them to the screen in one
// transfer.  It lives from the start of the skinned-window layer (the skin
// manager's creation) to the end of the program; its DC stretches with
// COLORONCOLOR.  Painters size it to what they paint; it only ever grows in
// memory, so repeated paints of different controls do not reallocate.
#include <windows.h>

#include "widgets/Handles.h"

namespace vex::skin {

class TScratchBitmap {
 public:
  TScratchBitmap();
  TScratchBitmap(const TScratchBitmap&) = delete;
  TScratchBitmap& operator=(const TScratchBitmap&) = delete;
  ~TScratchBitmap();

  // Makes the picture width x height (its content is undefined afterwards).
  void SetSize(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The DC the bitmap is selected into.
  HDC Dc() const { return FDc.get(); }
  // Copies the picture (its current size) to `dc` at (x, y).
  void CopyTo(HDC dc, int x, int y) const;

 private:
  vcl::DcHandle FDc;
  vcl::BitmapHandle FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
  int FWidth = 0, FHeight = 0;
  int FCapacityWidth = 0, FCapacityHeight = 0;
};

// The shared bitmap, or null outside the layer's lifetime.
TScratchBitmap* ScratchBitmap();
// Called when the layer starts (idempotent).
void StartScratchBitmap();

}  // namespace vex::skin
