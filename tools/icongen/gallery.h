#pragma once
// The pictures shipped beside the program: Folder.ico, the folder picture
// the icon browser lays icons over, and the icons of the folder "精选图标".
#include <string>
#include <vector>

#include "raster.h"
#include "shapes.h"

namespace vex::art {

using Picture = void (*)(Painter&);

struct NamedPicture {
  const char* file;  // file name, ASCII
  Picture draw;
};

// Paints a picture at size x size pixels (designs are 32 units square).
Raster Render(Picture draw, int size);

void DrawFolder(Painter& p);
void DrawBrowserIcon(Painter& p);
const std::vector<NamedPicture>& GalleryPictures();

}  // namespace vex::art
