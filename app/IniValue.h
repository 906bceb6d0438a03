#pragma once
// Numbers and booleans as the settings and Desktop.ini files hold them.
#include <cstdint>
#include <string>
#include <string_view>

namespace vex::app {

// A decimal integer (optional sign), or hexadecimal after "0x"/"0X" when the
// text is longer than two characters. Anything else, or a value outside 32
// bits, gives `fallback`. Hexadecimal values wrap as 32-bit patterns, so
// 0xFFFFFFFF reads as -1.
std::int32_t ParseIniInteger(std::string_view text, std::int32_t fallback);

// Any non-zero number is true; text that is not a number gives `fallback`.
bool ParseIniBool(std::string_view text, bool fallback);

inline std::string IniBoolText(bool value) { return value ? "1" : "0"; }

}  // namespace vex::app
