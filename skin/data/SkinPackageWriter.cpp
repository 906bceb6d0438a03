#include "skin/data/SkinPackageWriter.h"

#include <stdexcept>

#include "skin/data/LzhufEncoder.h"
#include "skin/data/TSkinReader.h"

namespace vex::skin {
namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> BuildArchive(const std::vector<PackageMember>& members) {
  if (members.size() > kMaxMembers) throw std::invalid_argument("more than 1001 members");
  std::string names;
  for (const PackageMember& m : members) {
    if (m.name.empty()) throw std::invalid_argument("empty member name");
    if (m.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
      throw std::invalid_argument("member name holds a line break or NUL: " + m.name);
    if (m.data.size() > 0x7FFFFFFF) throw std::invalid_argument("member too large: " + m.name);
    names += m.name;
    names += "\r\n";
  }
  std::vector<std::uint8_t> out;
  PutInt32(out, static_cast<std::uint32_t>(kPackageVersion));
  PutInt32(out, static_cast<std::uint32_t>(names.size()));
  PutInt32(out, 0);
  PutInt32(out, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const PackageMember& m : members) PutInt32(out, static_cast<std::uint32_t>(m.data.size()));
  for (const PackageMember& m : members) out.insert(out.end(), m.data.begin(), m.data.end());
  return out;
}

std::vector<std::uint8_t> CompressArchive(std::span<const std::uint8_t> archive) {
  if (archive.size() > kMaxArchiveSize) throw std::invalid_argument("archive larger than 64 MiB");
  std::vector<std::uint8_t> out;
  PutInt32(out, static_cast<std::uint32_t>(archive.size()));
  const std::vector<std::uint8_t> stream = LzhufEncode(archive);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

}  // namespace vex::skin
