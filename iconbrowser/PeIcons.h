#pragma once
// The icon resources of a Windows executable or library, read straight from
// the file: its icon groups in the order the shell numbers them (the stored
// order, named groups before numbered ones) and the images they name, each in
// the first language stored, as the shell takes them.  Win32-free, every
// offset checked: the files are whatever lies in the user's folder.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace vex::iconbrowser {

// Reads `size` bytes at `offset` of a file into `into`; false when the file
// is shorter or cannot be read.
using FileReader = std::function<bool(std::uint64_t offset, std::size_t size, std::uint8_t* into)>;

// The largest resource section read; a file with a larger one is left to the
// shell, which maps it instead.
constexpr std::size_t kMaxResourceSection = std::size_t{64} << 20;

class PeIcons {
 public:
  std::size_t GroupCount() const { return FGroups.size(); }
  // The k-th group's directory (an RT_GROUP_ICON resource), as stored.
  std::span<const std::uint8_t> Group(std::size_t k) const { return Bytes(FGroups.at(k)); }
  // The image with this resource id; empty when the file has none.
  std::span<const std::uint8_t> Icon(unsigned id) const;

 private:
  friend std::optional<PeIcons> ReadPeIcons(const FileReader& read, std::size_t maxSection);
  struct Range {
    std::size_t at = 0, size = 0;
  };
  std::span<const std::uint8_t> Bytes(Range r) const { return {FSection.data() + r.at, r.size}; }

  std::vector<std::uint8_t> FSection;  // the resource section as stored in the file
  std::vector<Range> FGroups;
  std::vector<std::pair<unsigned, Range>> FIcons;  // by id, as stored
};

// Nothing when the file is not a 32- or 64-bit Windows program or library,
// or when any part of its icon resources lies outside its resource section
// or is malformed: such files are left to the shell.  A program without
// resources, or without icons, gives no groups.
std::optional<PeIcons> ReadPeIcons(const FileReader& read, std::size_t maxSection = kMaxResourceSection);

}  // namespace vex::iconbrowser
