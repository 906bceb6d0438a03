#pragma once
// Setup.ini beside the program: the two options of the main window.
#include <string>

#include "app/TPlatform.h"

namespace vex::app {

struct TSettings {
  bool Menu = true;   // [Reg] Menu: the Explorer verb is wanted
  bool Copy = false;  // [Copy] Copy: copy .ico files into the target folder
};

// The program folder (with its trailing backslash) followed by "Setup.ini".
std::string SetupIniPath(const std::string& programPath);

TSettings ReadSettings(TPlatform& platform, const std::string& file);
// Writes Menu, then Copy; throws "Unable to write to ..." when a write fails.
void WriteSettings(TPlatform& platform, const std::string& file, const TSettings& settings);

}  // namespace vex::app
