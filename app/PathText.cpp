#include "app/PathText.h"

namespace vex::app {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the byte at i starts a two-byte character.
bool StartsPair(std::string_view text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
         IsTrailByte(static_cast<unsigned char>(text[i + 1]));
}

}  // namespace

std::string FileNamePart(std::string_view path) {
  const std::size_t d = LastPathDelimiter(path);
  return std::string(d == std::string_view::npos ? path : path.substr(d + 1));
}

std::string DirectoryPart(std::string_view path) {
  const std::size_t d = LastPathDelimiter(path);
  return d == std::string_view::npos ? std::string() : std::string(path.substr(0, d + 1));
}

std::string ExtensionPart(std::string_view path) {
  const std::string name = FileNamePart(path);
  // '.' (0x2E) is never a GBK trail byte, so a plain search is safe here.
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool IsIcoFile(std::string_view path) { return ExtensionPart(path) == ".ico"; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const auto c = static_cast<unsigned char>(prefix[i]);
    if (IsLeadByte(c) && i + 1 < prefix.size()) {
      if (text[i] != prefix[i] || text[i + 1] != prefix[i + 1]) return false;
      ++i;
      continue;
    }
    if (FoldAscii(text[i]) != FoldAscii(prefix[i])) return false;
  }
  return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (StartsPair(name, i)) {
      ++i;  // a trail byte may be '\\' or '|'; it is part of its character
      continue;
    }
    if (c < 0x20 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  return true;
}

std::string NumberedFileName(std::string_view name, int n) {
  const std::size_t dot = name.rfind('.');
  const std::string_view stem = name.substr(0, dot);
  const std::string_view ext = dot == std::string_view::npos ? std::string_view() : name.substr(dot);
  return std::string(stem) + "_" + std::to_string(n) + std::string(ext);
}

std::string QuoteIfBlank(std::string_view path) {
  if (path.find(' ') == std::string_view::npos) return std::string(path);
  // A backslash before the closing quote would escape it for the C runtime's
  // argument splitter ("D:\My Dir\" would end in a quote), so it is doubled.
  const std::size_t d = LastPathDelimiter(path);
  const bool endsInBackslash = d != std::string_view::npos && d + 1 == path.size() && path[d] == '\\';
  return "\"" + std::string(path) + (endsInBackslash ? "\\" : "") + "\"";
}

}  // namespace vex::app
