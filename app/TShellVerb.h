#pragma once
// The "Vexilo(&I)" entry of the Explorer context menu of folders.
//
// It is written for the current user (HKCU\Software\Classes, which Explorer
// merges into HKEY_CLASSES_ROOT), so it works without administrator rights.
#include <string>

#include "app/TPlatform.h"

namespace vex::app {

inline constexpr char kVerbKey[] = "Software\\Classes\\Folder\\shell\\VexiloVerb";
inline constexpr char kVerbCommandKey[] = "Software\\Classes\\Folder\\shell\\VexiloVerb\\command";
// The same verb machine-wide, where older versions wrote it.
inline constexpr char kMachineVerbKey[] = "Folder\\shell\\VexiloVerb";
inline constexpr char kVerbText[] = "Vexilo(&I)";

// "program" "%l": the shell puts the folder's long path in place of %l.
std::string VerbCommandLine(const std::string& programPath);

// Writes the menu text and the command; a key that cannot be written is skipped.
void AddShellVerb(TPlatform& platform);
// Deletes the verb for the current user and tries the machine-wide one too.
void RemoveShellVerb(TPlatform& platform);

}  // namespace vex::app
