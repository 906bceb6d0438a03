#include "iconbrowser/IconSourceImages.h"

#include <windows.h>

#include <memory>
#include <span>
#include <type_traits>
#include <variant>

#include "iconbrowser/IconImages.h"

namespace vex::iconbrowser {
namespace {

// Icon files are small; anything larger than this is not one worth reading.
constexpr DWORD kMaxIcoFile = 16 * 1024 * 1024;

struct HandleCloser {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct ModuleFreer {
  void operator()(HMODULE m) const { FreeLibrary(m); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;
using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

std::vector<std::uint8_t> ReadSmallFile(const std::string& path, bool* isIco) {
  *isIco = false;
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return {};
  }
  std::uint8_t head[4] = {};
  DWORD got = 0;
  if (!ReadFile(file.get(), head, sizeof head, &got, nullptr) || got != sizeof head) return {};
  *isIco = head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0;
  if (!*isIco) return {};
  const DWORD size = GetFileSize(file.get(), nullptr);
  if (size == INVALID_FILE_SIZE || size > kMaxIcoFile) return {};
  std::vector<std::uint8_t> bytes(size);
  std::copy(head, head + 4, bytes.begin());
  if (!ReadFile(file.get(), bytes.data() + 4, size - 4, &got, nullptr) || got != size - 4) return {};
  return bytes;
}

std::span<const std::uint8_t> ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
  HRSRC res = FindResourceA(module, name, type);
  if (!res) return {};
  HGLOBAL data = LoadResource(module, res);
  const DWORD size = SizeofResource(module, res);
  const void* p = data ? LockResource(data) : nullptr;
  if (!p) return {};
  return {static_cast<const std::uint8_t*>(p), size};
}

// The names of the icon groups, in the order ExtractIcon counts them.
using ResourceName = std::variant<WORD, std::string>;
BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  auto* names = reinterpret_cast<std::vector<ResourceName>*>(param);
  if (IS_INTRESOURCE(name)) names->emplace_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
  else names->emplace_back(std::string(name));
  return TRUE;
}

std::vector<RgbaImage> ModuleImages(const std::string& path, int index) {
  std::vector<RgbaImage> images;
  Module module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module) return images;
  std::vector<ResourceName> names;
  EnumResourceNamesA(module.get(), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, CollectName,
                     reinterpret_cast<LONG_PTR>(&names));
  if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return images;
  const ResourceName& name = names[static_cast<std::size_t>(index)];
  const LPCSTR group = std::holds_alternative<WORD>(name) ? MAKEINTRESOURCEA(std::get<WORD>(name))
                                                          : std::get<std::string>(name).c_str();
  for (const GroupIconEntry& e : ParseGroupIcon(ResourceBytes(module.get(), group, MAKEINTRESOURCEA(14)))) {
    const auto bytes = ResourceBytes(module.get(), MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3) /* RT_ICON */);
    if (auto image = DecodeIconImage(bytes)) images.push_back(std::move(*image));
  }
  return images;
}

}  // namespace

std::vector<RgbaImage> ReadSourceImages(const std::string& path, int index) {
  bool isIco = false;
  const auto bytes = ReadSmallFile(path, &isIco);
  if (isIco) return index == 0 ? ReadIcoImages(bytes) : std::vector<RgbaImage>{};
  return ModuleImages(path, index);
}

}  // namespace vex::iconbrowser
