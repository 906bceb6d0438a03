// Built while the program has no icon browser: nothing is ever chosen.
#include "app/IconBrowser.h"

namespace vex::app {

void CreateIconBrowser() {}
bool ExecuteIconBrowser(const std::string&, TIconReference&) { return false; }

}  // namespace vex::app
