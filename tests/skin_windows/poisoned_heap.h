#pragma once
#include <cstddef>

namespace vex::test {

// From now on, objects of `size` bytes made with new get pages of their own
// that no code may touch once the object is freed.
void GuardObjectsOfSize(std::size_t size);

}  // namespace vex::test
