#pragma once
// Text rules of settings files and file dialogs that need no Win32.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vcl {

// A settings value as an integer: optional blanks, optional sign, then decimal
// digits, or hexadecimal after "$", "0x" or "0X". Anything else, trailing
// characters included, or a value outside 32 bits, is no number.
std::optional<std::int32_t> ParseProfileInt(std::string_view text);

// "Icons|*.ico|All|*.*" as the double-NUL-terminated list the open dialog takes.
std::string DialogFilterList(std::string_view filter);

}  // namespace vcl
