#pragma once
// A library of many icons for the icon browser to list: a copy of a program
// whose resources are replaced by `count` 32 x 32 icons, each a square of its
// own colour, running through the hues.
#include <string>

namespace vex::app::test {

// Writes `path` from the program `from`; false when the resources cannot be
// written.
bool WriteIconLibrary(const std::string& from, const std::string& path, int count);

}  // namespace vex::app::test
