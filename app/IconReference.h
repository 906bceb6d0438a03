#pragma once
// An icon file and the zero-based index of one icon in it.
#include <cstdint>
#include <string>

namespace vex::app {

struct TIconReference {
  std::string File;
  std::int32_t Index = 0;
  bool operator==(const TIconReference&) const = default;
};

}  // namespace vex::app
