#pragma once
// Little-endian fields of icon and bitmap headers, read and written byte by
// byte so the host's own order never matters.  Win32-free.  Callers check
// the bounds before reading.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vex::iconbrowser::le {

inline std::uint32_t Get16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
inline std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at) {
  return Get16(b, at) | (Get16(b, at + 2) << 16);
}
inline void Put16(std::vector<std::uint8_t>& o, std::uint32_t v) {
  o.push_back(static_cast<std::uint8_t>(v));
  o.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}

// A refusal with its reason, for readers that return std::optional.
inline std::nullopt_t Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return std::nullopt;
}

}  // namespace vex::iconbrowser::le
