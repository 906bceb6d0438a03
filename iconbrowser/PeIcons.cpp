#include "iconbrowser/PeIcons.h"

#include <algorithm>

#include "iconbrowser/LittleEndian.h"

namespace vex::iconbrowser {

using le::Get16;
using le::Get32;

namespace {

constexpr unsigned kRtIcon = 3, kRtGroupIcon = 14;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

// The resource tree inside the section: directory offsets count from the
// tree's root, data entries give addresses in the loaded image.
struct Tree {
  std::span<const std::uint8_t> bytes;  // from the root to the end of the section
  std::uint32_t rootAt = 0;             // the root's place in the section
  std::uint32_t sectionAddress = 0;     // where the section is loaded

  bool Fits(std::uint64_t at, std::uint64_t size) const { return at <= bytes.size() && size <= bytes.size() - at; }

  // The entries of the directory at `at`: {name or id, offset}, stored order.
  std::optional<std::vector<std::pair<std::uint32_t, std::uint32_t>>> Entries(std::uint32_t at) const {
    if (!Fits(at, 16)) return std::nullopt;
    const std::uint64_t count = std::uint64_t{Get16(bytes, at + 12)} + Get16(bytes, at + 14);
    if (!Fits(std::uint64_t{at} + 16, count * 8)) return std::nullopt;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
    out.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::size_t e = at + 16 + i * 8;
      out.emplace_back(Get32(bytes, e), Get32(bytes, e + 4));
    }
    return out;
  }

  // The subdirectory an entry points to.
  static std::optional<std::uint32_t> Subdirectory(std::uint32_t offset) {
    if (!(offset & kSubdirectory)) return std::nullopt;
    return offset & ~kSubdirectory;
  }

  // A named or numbered resource's data in its first language, as the
  // section's range.
  std::optional<std::pair<std::size_t, std::size_t>> FirstLanguage(std::uint32_t entryOffset) const {
    const auto languages = Subdirectory(entryOffset);
    if (!languages) return std::nullopt;
    const auto entries = Entries(*languages);
    if (!entries || entries->empty() || (entries->front().second & kSubdirectory)) return std::nullopt;
    const std::uint32_t data = entries->front().second;
    if (!Fits(data, 16)) return std::nullopt;
    const std::uint64_t address = Get32(bytes, data), size = Get32(bytes, data + 4);
    if (address < sectionAddress) return std::nullopt;
    const std::uint64_t at = address - sectionAddress;  // in the section
    if (at < rootAt || !Fits(at - rootAt, size)) return std::nullopt;
    return std::make_pair(static_cast<std::size_t>(at), static_cast<std::size_t>(size));
  }

  // The directory of one resource type (a numbered entry of the root);
  // nothing when the root has none, false when it is malformed.
  bool TypeDirectory(unsigned type, std::optional<std::uint32_t>& dir) const {
    const auto root = Entries(0);
    if (!root) return false;
    for (const auto& [name, offset] : *root) {
      if (!(name & kSubdirectory) && (name & 0xFFFF) == type) {
        dir = Subdirectory(offset);
        return dir.has_value();
      }
    }
    return true;
  }
};

bool ReadAll(const FileReader& read, std::uint64_t at, std::vector<std::uint8_t>& into) {
  return into.empty() || read(at, into.size(), into.data());
}

}  // namespace

std::span<const std::uint8_t> PeIcons::Icon(unsigned id) const {
  const auto found =
      std::find_if(FIcons.begin(), FIcons.end(), [id](const auto& icon) { return icon.first == id; });
  return found == FIcons.end() ? std::span<const std::uint8_t>{} : Bytes(found->second);
}

std::optional<PeIcons> ReadPeIcons(const FileReader& read, std::size_t maxSection) {
  std::vector<std::uint8_t> dos(64);
  if (!ReadAll(read, 0, dos) || dos[0] != 'M' || dos[1] != 'Z') return std::nullopt;
  const std::uint64_t peAt = Get32(dos, 0x3C);
  std::vector<std::uint8_t> pe(24);
  if (!ReadAll(read, peAt, pe) || pe[0] != 'P' || pe[1] != 'E' || pe[2] != 0 || pe[3] != 0) return std::nullopt;
  const std::uint32_t sections = Get16(pe, 6), optionalSize = Get16(pe, 20);
  std::vector<std::uint8_t> opt(optionalSize);
  if (!ReadAll(read, peAt + 24, opt) || opt.size() < 2) return std::nullopt;
  // The data directories sit further on in the 64-bit header.
  const std::uint32_t magic = Get16(opt, 0);
  const std::size_t directories = magic == 0x10B ? 96 : magic == 0x20B ? 112 : 0;
  if (!directories || opt.size() < directories) return std::nullopt;
  PeIcons icons;
  constexpr std::size_t kResourceDirectory = 2;
  if (Get32(opt, directories - 4) <= kResourceDirectory || opt.size() < directories + 8 * (kResourceDirectory + 1))
    return icons;  // no resources
  const std::uint32_t treeAddress = Get32(opt, directories + 8 * kResourceDirectory);
  if (!treeAddress) return icons;

  std::vector<std::uint8_t> table(std::size_t{sections} * 40);
  if (!ReadAll(read, peAt + 24 + optionalSize, table)) return std::nullopt;
  for (std::uint32_t s = 0; s < sections; ++s) {
    const std::size_t e = std::size_t{s} * 40;
    const std::uint32_t address = Get32(table, e + 12), rawSize = Get32(table, e + 16), rawAt = Get32(table, e + 20);
    if (treeAddress < address || treeAddress - address >= rawSize) continue;
    if (rawSize > maxSection) return std::nullopt;
    icons.FSection.resize(rawSize);
    if (!ReadAll(read, rawAt, icons.FSection)) return std::nullopt;
    const std::uint32_t rootAt = treeAddress - address;
    const Tree tree{std::span<const std::uint8_t>(icons.FSection).subspan(rootAt), rootAt, address};

    std::optional<std::uint32_t> groupDir, iconDir;
    if (!tree.TypeDirectory(kRtGroupIcon, groupDir) || !tree.TypeDirectory(kRtIcon, iconDir)) return std::nullopt;
    if (groupDir) {
      const auto groups = tree.Entries(*groupDir);
      if (!groups) return std::nullopt;
      for (const auto& group : *groups) {
        const auto data = tree.FirstLanguage(group.second);
        if (!data) return std::nullopt;
        icons.FGroups.push_back({data->first, data->second});
      }
    }
    if (iconDir) {
      const auto images = tree.Entries(*iconDir);
      if (!images) return std::nullopt;
      for (const auto& [name, offset] : *images) {
        if (name & kSubdirectory) continue;  // a named image: no group can name it
        const auto data = tree.FirstLanguage(offset);
        if (!data) return std::nullopt;
        icons.FIcons.emplace_back(name & 0xFFFF, PeIcons::Range{data->first, data->second});
      }
    }
    return icons;
  }
  return std::nullopt;  // the resources lie in no section
}

}  // namespace vex::iconbrowser
