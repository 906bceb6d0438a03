#include "skin_data_test_util.h"

#include <windows.h>

namespace vex::skin::test {

std::vector<std::uint8_t> EmbeddedStream() {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(self, kSkinStreamResource, MAKEINTRESOURCEA(10));
  if (!info) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(self, info)));
  return {bytes, bytes + SizeofResource(self, info)};
}

std::vector<std::uint8_t> Stream(const std::vector<std::uint8_t>& package) {
  std::vector<std::uint8_t> out;
  const auto n = static_cast<std::uint32_t>(package.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
  out.insert(out.end(), package.begin(), package.end());
  return out;
}

}  // namespace vex::skin::test
