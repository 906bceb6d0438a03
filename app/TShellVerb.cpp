#include "app/TShellVerb.h"

namespace vex::app {

std::string VerbCommandLine(const std::string& programPath) { return "\"" + programPath + "\" \"%l\""; }

void AddShellVerb(TPlatform& platform) {
  platform.SetRegistryDefault(TRegRoot::CurrentUser, kVerbKey, kVerbText);
  platform.SetRegistryDefault(TRegRoot::CurrentUser, kVerbCommandKey, VerbCommandLine(platform.ProgramPath()));
}

void RemoveShellVerb(TPlatform& platform) {
  platform.DeleteRegistryTree(TRegRoot::CurrentUser, kVerbKey);
  // Without administrator rights this fails, and quietly so: the user's own
  // entry, the one this program writes, is gone either way.
  platform.DeleteRegistryTree(TRegRoot::ClassesRoot, kMachineVerbKey);
}

}  // namespace vex::app
