#pragma once
// Path and text helpers for 8-bit paths in the system code page (GBK).
//
// GBK trail bytes run from 0x40 to 0xFE and so include '\\' (0x5C) and the
// ASCII letters: every search for a separator and every case-blind compare
// walks the text character by character, never byte by byte.
#include <string>
#include <string_view>

#include "widgets/PathDelimiter.h"

namespace vex::app {

// The GBK byte rules and the separator search live with the widgets, which
// need them for the program's own path; the rest of the app names them here.
using vcl::IsLeadByte;
using vcl::IsTrailByte;
using vcl::LastPathDelimiter;

// The name part of a path: the text after the last delimiter.
std::string FileNamePart(std::string_view path);

// The directory part of a path including its trailing delimiter.
std::string DirectoryPart(std::string_view path);

// The extension from the last '.' of the name, dot included; empty without one.
std::string ExtensionPart(std::string_view path);

// An icon file counts as an .ico file when its extension is ".ico" exactly:
// case matters, ".ICO" is not one.
bool IsIcoFile(std::string_view path);

// Compares the start of `text` with `prefix`, ASCII letters without regard to
// case; two-byte characters must match exactly.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Case-blind equality by the same rule.
bool EqualsNoCase(std::string_view a, std::string_view b);

// A name that stays in the folder it is appended to: not empty, not "." or
// "..", and free of separators and of the characters no file name may hold.
bool IsPlainFileName(std::string_view name);

// "stem_n.ext" for "stem.ext" (n >= 2): the n-th free name for a file.
std::string NumberedFileName(std::string_view name, int n);

// Wraps the text in double quotes when it contains a blank, for a command line.
std::string QuoteIfBlank(std::string_view path);

}  // namespace vex::app
