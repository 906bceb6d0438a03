// libFuzzer target: skin packages are untrusted input.
//
// The first byte picks what the rest is (its value modulo 3):
// 0  a package as found on disk;
// 1  an archive, compressed here first, so the fuzzer reaches the header,
//    name list and size table checks without inventing a valid bit stream;
// 2  a skin description, read the way the skin loader reads it.
// A package that loads is checked as `vexskin check` does, which parses its
// description and the headers of its images.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/SkinCheck.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TSkinReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  std::vector<std::uint8_t> package;
  if (data[0] % 3 == 2) {
    const vex::skin::TProfileText ini(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
    const auto d = vex::skin::ReadSkinDescription(ini, [&](const std::string& v) -> std::optional<vex::skin::ImageSize> {
      if (v.size() < 2) return std::nullopt;
      return vex::skin::ImageSize{static_cast<std::int32_t>(v.size() * 7), static_cast<std::int32_t>(v[0] & 31) + 1};
    });
    if (d.SysButtons.size() < 3) __builtin_trap();
    return 0;
  }
  if (data[0] % 3 == 1) {
    package = vex::skin::CompressArchive(rest);
  } else {
    package.assign(rest.begin(), rest.end());
  }

  vex::skin::TSkinReader reader;
  const bool ok = reader.LoadPackage(package);
  if (ok != (reader.Status() == vex::skin::PackageStatus::kOk)) __builtin_trap();
  std::vector<std::uint8_t> member;
  std::size_t total = 0;
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    const auto m = reader.Member(i);
    total += m.size();
    if (m.size() != static_cast<std::size_t>(reader.Sizes()[i])) __builtin_trap();
    reader.ExtractMember(reader.Names()[i], member);
  }
  if (total > reader.ArchiveSize()) __builtin_trap();
  std::string name;
  reader.ExtractFirstMatch(".ini", member, name);
  if (ok) vex::skin::CheckSkin(reader);
  return 0;
}
