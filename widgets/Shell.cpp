#include "widgets/Shell.h"

#include <objbase.h>
#include <shlobj.h>

#include "widgets/TApplication.h"
#include "widgets/TaskWindows.h"

namespace vcl {

bool BrowseForFolder(const std::string& title, std::string& path) {
  HWND owner = Application ? Application->Handle() : nullptr;
  char display[MAX_PATH] = {};
  BROWSEINFOA bi{};
  bi.hwndOwner = owner;
  bi.pidlRoot = nullptr;
  bi.pszDisplayName = display;
  bi.lpszTitle = title.c_str();
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  PIDLIST_ABSOLUTE list = nullptr;
  {
    TaskWindowsDisabler disabled(owner);
    list = SHBrowseForFolderA(&bi);
  }
  SetErrorMode(oldMode);
  if (!list) return false;
  char buffer[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListA(list, buffer) != FALSE;
  CoTaskMemFree(list);
  if (!ok) return false;
  path = buffer;
  return true;
}

INT_PTR ShellExecute(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int show) {
  HINSTANCE r = ::ShellExecuteA(owner, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                              parameters.empty() ? nullptr : parameters.c_str(),
                              directory.empty() ? nullptr : directory.c_str(), show);
  return reinterpret_cast<INT_PTR>(r);
}

}  // namespace vcl
