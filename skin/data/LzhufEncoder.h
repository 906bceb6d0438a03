// LZHUF compression, the counterpart of TLZH: used by the skin tool to
// build packages.  A binary search tree over the 4096-byte window finds the
// longest match (the nearest one among equally long matches).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vex::skin {

// Returns the bit stream only; TLZH::Decode(data.size()) restores `data`.
std::vector<std::uint8_t> LzhufEncode(std::span<const std::uint8_t> data);

}  // namespace vex::skin
