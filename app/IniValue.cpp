#include "app/IniValue.h"

namespace vex::app {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::int32_t ParseIniInteger(std::string_view text, std::int32_t fallback) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (text.size() > 10) return fallback;
    std::uint32_t value = 0;
    for (char c : text.substr(2)) {
      const int d = HexDigit(c);
      if (d < 0) return fallback;
      value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return fallback;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return fallback;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return fallback;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return fallback;
  return static_cast<std::int32_t>(value);
}

bool ParseIniBool(std::string_view text, bool fallback) {
  // Two different fallbacks tell "not a number" apart from a real 0 or 1.
  const std::int32_t a = ParseIniInteger(text, 0);
  const std::int32_t b = ParseIniInteger(text, 1);
  if (a != b) return fallback;
  return a != 0;
}

}  // namespace vex::app
