#include "app/CommandLine.h"

#include "app/PathText.h"

namespace vex::app {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Index just past the program token.
std::size_t ProgramTokenEnd(std::string_view line, std::string_view programPath) {
  if (!line.empty() && line[0] == '"') {
    const std::size_t close = line.find('"', 1);
    return close == std::string_view::npos ? line.size() : close + 1;
  }
  if (!programPath.empty() && StartsWithNoCase(line, programPath)) return programPath.size();
  std::size_t i = 0;
  while (i < line.size() && !IsBlank(line[i])) ++i;
  return i;
}

std::size_t SkipBlanks(std::string_view line, std::size_t i) {
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i;
}

}  // namespace

bool HasCommandLineParameters(std::string_view commandLine) {
  // The runtime ends the program name at the closing quote or the first blank;
  // anything but blanks after it is a parameter (even a lone "").
  const std::size_t end = ProgramTokenEnd(commandLine, {});
  return SkipBlanks(commandLine, end) < commandLine.size();
}

std::string FolderFromCommandLine(std::string_view commandLine, std::string_view programPath) {
  const std::size_t start = SkipBlanks(commandLine, ProgramTokenEnd(commandLine, programPath));
  const std::string_view rest = commandLine.substr(start);
  if (rest.empty() || rest[0] != '"') return std::string(rest);
  const std::size_t close = rest.find('"', 1);
  return std::string(rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

}  // namespace vex::app
