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

namespace vex::skin::test {
Bytes MakeBmp(int width, int height, int bitsPerPixel) {
  const int stride = (width * bitsPerPixel + 31) / 32 * 4;
  const int palette = bitsPerPixel <= 8 ? (4 << bitsPerPixel) : 0;
  const int offset = 14 + 40 + palette;
  Bytes b = {'B', 'M'};
  PutInt32(b, offset + stride * height);
  PutInt32(b, 0);
  PutInt32(b, offset);
  PutInt32(b, 40);
  PutInt32(b, width);
  PutInt32(b, height);
  b.push_back(1);
  b.push_back(0);
  b.push_back(static_cast<std::uint8_t>(bitsPerPixel));
  b.push_back(0);
  for (int i = 0; i < 6; ++i) PutInt32(b, 0);
  b.resize(static_cast<std::size_t>(offset + stride * height), 0);
  return b;
}
}  // namespace vex::skin::test
