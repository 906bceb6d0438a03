#pragma once
// Which files of a folder the icon browser lists, and the .ico test.
// Win32-free: the directory listing comes in through a callback.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vex::iconbrowser {

// True when the extension, taken from the last "." of the name, is exactly
// ".ico" (letter case counts: "A.ICO" is not an .ico file here).
bool IsIcoFile(std::string_view path);

// Calls `each` with the name of every directory entry matching `pattern`
// (e.g. "C:\Tools\*.exe"), in the file system's order.
using ListDirectory =
    std::function<void(const std::string& pattern, const std::function<void(const std::string& name)>& each)>;

// Appends folder + "\" + name for the folder's executables, then for its
// libraries.  "." and ".." and names without a "." are skipped; directories
// named like executables are not (they simply yield no icons later).  The
// folder is used as given: "" lists the current drive's root.
void FindIconSources(const std::string& folder, std::vector<std::string>& list, const ListDirectory& listDir);

}  // namespace vex::iconbrowser
