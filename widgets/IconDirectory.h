#pragma once
// Reads the directory of an .ico file and picks the image to load at a wanted
// size. Every offset is checked against the file, so a damaged or hostile file
// gives "no image" instead of a read past the buffer.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vcl::icofile {

struct Entry {
  int width = 0;   // 256 for a stored 0
  int height = 0;
  int bitCount = 0;
  std::size_t offset = 0;
  std::size_t size = 0;
};

// The entries of an icon file (type 1); empty when the header or any entry is
// invalid or points outside the data.
std::vector<Entry> ReadDirectory(std::span<const std::uint8_t> file);

// Index of the entry closest to width x height (smallest size difference,
// then the most colours); nullopt for an empty list.
std::optional<std::size_t> ChooseEntry(const std::vector<Entry>& entries, int width, int height);

}  // namespace vcl::icofile
