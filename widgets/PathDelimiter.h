#pragma once
// Finding the separators of an 8-bit path in the system code page (GBK).
//
// GBK trail bytes run from 0x40 to 0xFE and so include '\\' (0x5C): a search
// for a separator walks the text character by character, never byte by byte.
#include <cstddef>
#include <string_view>

namespace vcl {

// A GBK lead byte: the first byte of a two-byte character.
constexpr bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
// A byte that can follow a lead byte.  Any other byte after a lead byte is a
// character of its own: "\x81/" holds a real '/', which the file functions
// take for a separator.
constexpr bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Position of the last '\\', '/' or ':' that is a character of its own (not
// the trail byte of a two-byte character), or npos.  The shell and the file
// functions take '/' for a separator as well, so a name part must stop at it:
// "a/../../x.ico" is not a name.
std::size_t LastPathDelimiter(std::string_view path);

}  // namespace vcl
