#include "app/TWinPlatform.h"

#include <windows.h>
#include <shlobj.h>

#include "app/PathText.h"
#include "widgets/TApplication.h"

namespace vex::app {

namespace {

// Splits a profile function's list result: strings ended by NUL, the list by
// a second NUL.
std::vector<std::string> SplitNulList(const char* buffer, DWORD length) {
  std::vector<std::string> items;
  const char* p = buffer;
  const char* end = buffer + length;
  while (p < end && *p) {
    std::string item(p);
    p += item.size() + 1;
    items.push_back(std::move(item));
  }
  return items;
}

// Calls a profile list function with a buffer that grows until the list fits
// (the functions report size - 2 when they had to cut it short).
template <typename Fn>
std::vector<std::string> ReadNulList(Fn fn) {
  for (DWORD size = 4096;; size *= 4) {
    std::string buffer(size, '\0');
    const DWORD n = fn(buffer.data(), size);
    if (n + 2 < size || size >= (1u << 24)) return SplitNulList(buffer.data(), n);
  }
}

HKEY RootKey(TRegRoot root) {
  switch (root) {
    case TRegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case TRegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case TRegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
  }
  return HKEY_CURRENT_USER;
}

class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { if (FKey) RegCloseKey(FKey); }
  HKEY* Out() { return &FKey; }
  HKEY Get() const { return FKey; }

 private:
  HKEY FKey = nullptr;
};

// Deletes a key's subkeys depth first, then the key itself.
bool DeleteTree(HKEY parent, const std::string& name) {
  {
    RegKey key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, key.Out()) != ERROR_SUCCESS) return false;
    for (;;) {
      char sub[256];
      DWORD len = sizeof sub;
      if (RegEnumKeyExA(key.Get(), 0, sub, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      if (!DeleteTree(key.Get(), sub)) return false;
    }
  }
  return RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace

std::string TWinPlatform::ReadIni(const std::string& file, const std::string& section,
                                            const std::string& key, const std::string& fallback) {
  char buffer[2048];
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer,
                                           file.c_str());
  return std::string(buffer, n);
}

bool TWinPlatform::WriteIni(const std::string& file, const std::string& section, const std::string& key,
                                      const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool TWinPlatform::DeleteIniKey(const std::string& file, const std::string& section, const std::string& key) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != FALSE;
}

std::vector<std::string> TWinPlatform::IniSections(const std::string& file) {
  return ReadNulList([&](char* buffer, DWORD size) { return GetPrivateProfileSectionNamesA(buffer, size, file.c_str()); });
}

std::vector<std::string> TWinPlatform::IniKeys(const std::string& file, const std::string& section) {
  return ReadNulList([&](char* buffer, DWORD size) {
    return GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer, size, file.c_str());
  });
}

bool TWinPlatform::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> TWinPlatform::ReadFileBytes(const std::string& path, std::size_t limit) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> bytes;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart <= MAXDWORD &&
      static_cast<unsigned long long>(size.QuadPart) <= limit) {
    std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (data.empty() || (ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr) &&
                         read == data.size()))
      bytes = std::move(data);
  }
  CloseHandle(file);
  return bytes;
}

bool TWinPlatform::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

bool TWinPlatform::CopyFileReplacing(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

void TWinPlatform::StartHidden(const std::string& commandLine) { WinExec(commandLine.c_str(), SW_HIDE); }

void TWinPlatform::NotifyFolderChanged(const std::string& folder) {
  SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHA | SHCNF_FLUSHNOWAIT, folder.c_str(), nullptr);
  std::string parent = folder;
  // "D:\Photos\" names the same folder as "D:\Photos": drop the trailing
  // delimiter before taking the parent.
  if (LastPathDelimiter(parent) + 1 == parent.size() && parent.size() > 3) parent.pop_back();
  parent = DirectoryPart(parent);
  if (!parent.empty())
    SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA | SHCNF_FLUSHNOWAIT, parent.c_str(), nullptr);
}

std::string TWinPlatform::ProgramPath() { return vcl::ProgramFileName(); }

bool TWinPlatform::SetRegistryDefault(TRegRoot root, const std::string& key, const std::string& value) {
  RegKey k;
  if (RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, k.Out(), nullptr) !=
      ERROR_SUCCESS)
    return false;
  return RegSetValueExA(k.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool TWinPlatform::DeleteRegistryTree(TRegRoot root, const std::string& key) { return DeleteTree(RootKey(root), key); }

}  // namespace vex::app
