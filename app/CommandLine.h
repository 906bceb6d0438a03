#pragma once
// The folder handed to the program on its command line.
//
// The Explorer verb starts the program as "program" "folder"; a console user
// may type `vexilo D:\My Folder` or the program's full path unquoted. The
// program token is found first, then the folder is the rest of the line.
#include <string>
#include <string_view>

namespace vex::app {

// Whether the line holds at least one parameter after the program token,
// counted the way the C runtime splits a command line.
bool HasCommandLineParameters(std::string_view commandLine);

// The folder named on the command line (empty when there is none).
//  - the program token: the quoted text when the line starts with '"'; else
//    `programPath` when the line starts with it (ASCII case ignored); else the
//    text up to the first blank;
//  - the blanks after it are skipped;
//  - a rest that starts with '"' gives the text up to the next '"' (or the
//    end); any other rest is the folder as it stands, blanks kept.
std::string FolderFromCommandLine(std::string_view commandLine, std::string_view programPath);

}  // namespace vex::app
