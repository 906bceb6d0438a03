#include "iconbrowser/IconFiles.h"

#include <shellapi.h>

#include <algorithm>

namespace vex::iconbrowser {

int IconCount(const std::string& path) {
  const auto n = reinterpret_cast<INT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(-1)));
  return n > 0 ? static_cast<int>(n) : 0;
}

HICON ExtractIconAt(const std::string& path, int index) {
  // Index -1 asks ExtractIcon for the file's icon count, not for an icon: a
  // count kept as an icon handle would later be drawn and destroyed.  Other
  // negative indexes are resource ids and stay valid.
  if (index == -1) return nullptr;
  HICON icon = ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(index));
  // ExtractIcon answers 1, not an icon, for a file of a kind it does not know.
  if (reinterpret_cast<INT_PTR>(icon) == 1) return nullptr;
  return icon;
}

HICON ExtractIconAt(const std::string& path, int index, int size) {
  if (index == -1) return nullptr;  // see above: a count, not an icon
  if (size <= 0 || size == GetSystemMetrics(SM_CXICON)) return ExtractIconAt(path, index);
  HICON icon = nullptr;
  UINT id = 0;
  const UINT got = PrivateExtractIconsA(path.c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
  if (got == 1 && icon) return icon;
  if (icon) DestroyIcon(icon);
  return ExtractIconAt(path, index);
}

std::vector<IndexedIcon> ExtractAllIcons(const std::string& path, int size) {
  std::vector<IndexedIcon> out;
  const int cx = size > 0 ? size : GetSystemMetrics(SM_CXICON), cy = size > 0 ? size : GetSystemMetrics(SM_CYICON);
  // Asked for more than the file holds, the shell returns what there is: one
  // call reads nearly every file.  A fuller one goes on where it stopped.
  UINT first = 0, batch = 256;
  for (;;) {
    std::vector<HICON> handles(batch);
    std::vector<UINT> ids(batch);
    const UINT got = PrivateExtractIconsA(path.c_str(), static_cast<int>(first), cx, cy, handles.data(), ids.data(),
                                          batch, LR_DEFAULTCOLOR);
    // 0xFFFFFFFF: a missing file or one of a kind the shell does not read.
    const UINT n = got == 0xFFFFFFFFu ? 0 : std::min(got, batch);
    for (UINT i = 0; i < n; ++i) {
      if (handles[i]) out.push_back({static_cast<int>(first + i), vcl::IconHandle(handles[i])});
    }
    if (n < batch) return out;
    first += batch;
    batch *= 2;
  }
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
