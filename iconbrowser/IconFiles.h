#pragma once
// What the shell and the file system give the icon browser: icons inside
// files, and the names in a folder.
#include <windows.h>

#include <string>

#include "iconbrowser/IconSources.h"

namespace vex::iconbrowser {

// Number of icons the shell finds in the file (an .ico file counts as one);
// 0 for a missing file, a directory or a file without icons.
int IconCount(const std::string& path);

// Icon `index` of the file at the large icon size, owned by the caller; null
// when the shell gives no usable icon.
HICON ExtractIconAt(const std::string& path, int index);

// The directory listing FindIconSources uses: FindFirstFileA/FindNextFileA.
void ListDirectoryWin32(const std::string& pattern, const std::function<void(const std::string& name)>& each);

}  // namespace vex::iconbrowser
