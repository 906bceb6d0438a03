// Builds skin packages in the format TSkinReader reads: used by the skin
// tool and by tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vex::skin {

struct PackageMember {
  std::string name;
  std::vector<std::uint8_t> data;
};

// The uncompressed archive: version 20000, the name list (each name ended by
// CR LF), the size table and the contents.  Throws std::invalid_argument for
// an empty name, a name holding CR, LF or NUL, more than 1001 members or a
// member of 2 GiB or more.
std::vector<std::uint8_t> BuildArchive(const std::vector<PackageMember>& members);

// S followed by the LZHUF stream of `archive`.  Throws std::invalid_argument
// when the archive is larger than a reader accepts.
std::vector<std::uint8_t> CompressArchive(std::span<const std::uint8_t> archive);

inline std::vector<std::uint8_t> WritePackage(const std::vector<PackageMember>& members) {
  return CompressArchive(BuildArchive(members));
}

}  // namespace vex::skin
