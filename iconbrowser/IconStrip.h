#pragma once
// Icons laid side by side in one bitmap and its mask, so that an image list
// takes a whole run of them with one ImageList_Add.  Made on a reading
// thread: turning an icon into image-list pixels costs the GUI thread
// milliseconds per icon under Wine, one call per run costs it next to
// nothing.  GDI bitmaps belong to the process, so the strip can be made on
// one thread and added on another (never both at once).
#include <windows.h>

#include <cstddef>

#include "iconbrowser/IconCells.h"
#include "widgets/Handles.h"

namespace vex::iconbrowser {

struct IconStrip {
  int cell = 0;   // every image is cell x cell pixels
  int count = 0;  // images, left to right; 0: no strip
  vcl::BitmapHandle colour;  // count * cell x cell, 32 bits per pixel with the icons' alpha
  vcl::BitmapHandle mask;    // monochrome, the same size
};

// The icons as a strip of cell-sized images, in the order given.  An empty
// strip when any icon is not a cell x cell image of 32 bits per pixel (an
// old monochrome or palette icon, one of another size), or when the bitmaps
// cannot be made: such icons go into the list one by one as before.  The
// icons stay the caller's.
IconStrip MakeIconStrip(const HICON* icons, std::size_t count, int cell);
// The same from the images' bits (MakeCellStripBits), without making icons
// of them first.  An empty strip when the bitmaps cannot be made.
IconStrip MakeIconStrip(const CellStripBits& bits);

}  // namespace vex::iconbrowser
