#pragma once
// A library of many icons for the icon browser to list: a copy of a program
// whose resources are replaced by `count` icons (32 x 32 unless asked), each a square of its
// own colour, running through the hues.
#include <cstdint>
#include <string>
#include <vector>

namespace vex::app::test {

// Writes `path` from the program `from`; false when the resources cannot be
// written.  Masked: icons without alpha, whose AND masks cut holes in them.
// `side`: the one image of each icon is that size (below 256).
bool WriteIconLibrary(const std::string& from, const std::string& path, int count, bool masked = false, int side = 32);

// One icon whose group holds an image per entry, each a square of its own
// colour (rim included) at that size; 256 pixels and more stored as PNG, as
// Windows stores them.
struct SizedImage {
  int side;
  std::uint32_t rgb;
};
bool WriteSizedIconLibrary(const std::string& from, const std::string& path, const std::vector<SizedImage>& images);

}  // namespace vex::app::test
