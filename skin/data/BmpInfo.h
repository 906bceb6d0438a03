// The size and colour depth of a Windows bitmap file, read from its headers
// without Win32 (for checking skins on any system).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vex::skin {

struct BmpInfo {
  std::int32_t width = 0;
  std::int32_t height = 0;  // always positive; bottom-up and top-down alike
  int bitsPerPixel = 0;
};

// nullopt when `file` is not a bitmap file whose pixels are all there;
// `why` (if given) then says what is wrong.
std::optional<BmpInfo> ReadBmpInfo(std::span<const std::uint8_t> file, std::string* why = nullptr);

}  // namespace vex::skin
