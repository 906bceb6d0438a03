// The commands of the skin tool, callable in-process for tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vex::vexskin {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

// args excludes the program name.  Normal output goes to `out`; problems
// go to `err` as lines starting with "vexskin: ".
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True for a name that can be written as one file in a folder on Windows and
// elsewhere: no folder parts, drive, reserved device name or characters that
// Windows refuses.
bool IsPlainFileName(const std::string& name);

}  // namespace vex::vexskin
