#pragma once
// Every image of one icon of a file, at all the sizes the file holds: the
// images of an .ico file, or of the icon group of a program or library that
// ExtractIcon counts as that index.
#include <string>
#include <vector>

#include "iconbrowser/RgbaImage.h"

namespace vex::iconbrowser {

// Images that do not decode are left out; a file that cannot be read, or an
// index with no group, gives an empty list.  Files are told apart by their
// content, as the shell does.
std::vector<RgbaImage> ReadSourceImages(const std::string& path, int index);

}  // namespace vex::iconbrowser
