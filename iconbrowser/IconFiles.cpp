#include "iconbrowser/IconFiles.h"

#include <shellapi.h>

#include <algorithm>

#include "iconbrowser/IconCells.h"
#include "iconbrowser/LittleEndian.h"

namespace vex::iconbrowser {

namespace {
// A file opened for reading, closed with this.
struct OpenFile {
  HANDLE h;
  explicit OpenFile(const std::string& path)
      : h(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~OpenFile() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
};
}  // namespace

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

std::optional<PlainIcons> ReadPlainIcons(const std::string& path, int size) {
  const int cell = size > 0 ? size : GetSystemMetrics(SM_CXICON);
  if (size <= 0 && GetSystemMetrics(SM_CYICON) != cell) return std::nullopt;
  const OpenFile file(path);
  if (file.h == INVALID_HANDLE_VALUE) return std::nullopt;
  const FileReader read = [&file](std::uint64_t offset, std::size_t count, std::uint8_t* into) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    return count <= 0xFFFFFFFFu && ReadFile(file.h, into, static_cast<DWORD>(count), &got, &at) && got == count;
  };
  std::optional<PeIcons> pe = ReadPeIcons(read);
  if (!pe) return std::nullopt;
  PlainIcons plain{std::move(*pe), {}};
  for (std::size_t k = 0; k < plain.file.GroupCount(); ++k) {
    const auto group = plain.file.Group(k);
    // The system reads as many entries as the directory claims.
    if (group.size() < 6 || group.size() < 6 + 14 * std::size_t{le::Get16(group, 4)}) return std::nullopt;
    const int id = LookupIconIdFromDirectoryEx(const_cast<PBYTE>(group.data()), TRUE, cell, cell, LR_DEFAULTCOLOR);
    const auto image = plain.file.Icon(static_cast<unsigned>(id));
    if (id <= 0 || image.empty()) continue;  // the shell makes no icon of this group either
    if (!IsPlainIconImage(image, cell)) return std::nullopt;
    plain.images.emplace_back(static_cast<int>(k), image);
  }
  return plain;
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
