#pragma once
// Shell services: the folder browser and ShellExecute.
#include <windows.h>
#include <shellapi.h>  // ShellExecute is a macro there; keep its renaming consistent

#include <string>

namespace vcl {

// The shell's folder dialog, owned by the application's hidden window, rooted
// at the desktop, file-system folders only, nothing preselected. The other
// windows are disabled and critical-error boxes suppressed meanwhile. True and
// the folder's path (a drive root keeps its backslash) when accepted.
bool BrowseForFolder(const std::string& title, std::string& path);

// ShellExecuteA; returns its result as a number (above 32 means success).
INT_PTR ShellExecute(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int show);

}  // namespace vcl
