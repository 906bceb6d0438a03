#include "iconbrowser/IconFiles.h"

#include <shellapi.h>

namespace vex::iconbrowser {

int IconCount(const std::string& path) {
  const auto n = reinterpret_cast<INT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(-1)));
  return n > 0 ? static_cast<int>(n) : 0;
}

HICON ExtractIconAt(const std::string& path, int index) {
  HICON icon = ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(index));
  // ExtractIcon answers 1, not an icon, for a file of a kind it does not know.
  if (reinterpret_cast<INT_PTR>(icon) == 1) return nullptr;
  return icon;
}

HICON ExtractIconAt(const std::string& path, int index, int size) {
  if (size <= 0 || size == GetSystemMetrics(SM_CXICON)) return ExtractIconAt(path, index);
  HICON icon = nullptr;
  UINT id = 0;
  const UINT got = PrivateExtractIconsA(path.c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
  if (got == 1 && icon) return icon;
  if (icon) DestroyIcon(icon);
  return ExtractIconAt(path, index);
}

void ListDirectoryWin32(const std::string& pattern, const std::function<void(const std::string& name)>& each) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(pattern.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    each(found.cFileName);
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

}  // namespace vex::iconbrowser
