#include "package_test_util.h"

#include <random>

#include "skin/data/SkinPackageWriter.h"

namespace vex::skin::test {

void PutInt32(Bytes& out, std::int64_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes RawArchive(const std::string& nameList, const std::vector<std::int64_t>& sizes, const Bytes& contents,
                 std::int64_t version, std::optional<std::int64_t> nameListLength) {
  Bytes a;
  PutInt32(a, version);
  PutInt32(a, nameListLength.value_or(static_cast<std::int64_t>(nameList.size())));
  PutInt32(a, 0x12345678);  // reserved words hold arbitrary values in real packages
  PutInt32(a, -1);
  a.insert(a.end(), nameList.begin(), nameList.end());
  for (const std::int64_t s : sizes) PutInt32(a, s);
  a.insert(a.end(), contents.begin(), contents.end());
  return a;
}

Bytes Compress(const Bytes& archive) { return CompressArchive(archive); }

Bytes RandomBytes(std::uint32_t seed, std::size_t n) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

}  // namespace vex::skin::test
