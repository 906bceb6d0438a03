#include "widgets/ProfileText.h"

#include <cstdint>

namespace vcl {

std::optional<std::int32_t> ParseProfileInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 10) {
    if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return std::nullopt;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value)) : static_cast<std::int32_t>(value);
  }
  // Hexadecimal covers the full 32 bits ("$FFFFFFFF" is -1), as settings written
  // by other programs store colours that way.
  const auto bits = static_cast<std::uint32_t>(value);
  const auto v = static_cast<std::int32_t>(bits);
  return negative ? static_cast<std::int32_t>(0u - bits) : v;
}

std::string DialogFilterList(std::string_view filter) {
  std::string out;
  out.reserve(filter.size() + 2);
  for (char c : filter) out.push_back(c == '|' ? '\0' : c);
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace vcl
