#include "widgets/IconDirectory.h"

#include <cstdlib>

namespace vcl::icofile {
namespace {

std::uint32_t Le(std::span<const std::uint8_t> d, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + i];
  return v;
}

}  // namespace

std::vector<Entry> ReadDirectory(std::span<const std::uint8_t> file) {
  if (file.size() < 6 || Le(file, 0, 2) != 0 || Le(file, 2, 2) != 1) return {};
  const std::size_t count = Le(file, 4, 2);
  if (count == 0 || 6 + count * 16 > file.size()) return {};
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + i * 16;
    Entry e;
    e.width = file[at] == 0 ? 256 : file[at];
    e.height = file[at + 1] == 0 ? 256 : file[at + 1];
    e.bitCount = static_cast<int>(Le(file, at + 6, 2));
    e.size = Le(file, at + 8, 4);
    e.offset = Le(file, at + 12, 4);
    // An image must lie wholly inside the file, after the directory, and be
    // large enough for at least a bitmap header or a PNG signature.
    if (e.size < 8 || e.offset < 6 + count * 16 || e.offset > file.size() || e.size > file.size() - e.offset) {
      return {};
    }
    entries.push_back(e);
  }
  return entries;
}

std::optional<std::size_t> ChooseEntry(const std::vector<Entry>& entries, int width, int height) {
  std::optional<std::size_t> best;
  long bestDiff = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const long diff = std::labs(static_cast<long>(entries[i].width) - width) +
                      std::labs(static_cast<long>(entries[i].height) - height);
    if (!best || diff < bestDiff || (diff == bestDiff && entries[i].bitCount > entries[*best].bitCount)) {
      best = i;
      bestDiff = diff;
    }
  }
  return best;
}

}  // namespace vcl::icofile
