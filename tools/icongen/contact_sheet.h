#pragma once
#include <string>

namespace vex::art {
// One row per picture: 32x32 on white and on grey, 16x16, and the picture
// shrunk to 16x16 over the folder's middle as the icon browser composes it;
// everything enlarged three times, transparency as the icon's mask gives it.
bool WriteContactSheet(const std::string& pngPath);
}
