#pragma once
// The main window's way to the icon browser window (one per process, made at
// start-up, hidden between uses).
#include <string>

#include "app/IconReference.h"

namespace vex::app {

// Creates FormIconExplorer, without an owner, on the program's folder.
void CreateIconBrowser();
// Opens it modally on a folder; true and the chosen icon when accepted.
bool ExecuteIconBrowser(const std::string& folder, TIconReference& chosen);

}  // namespace vex::app
