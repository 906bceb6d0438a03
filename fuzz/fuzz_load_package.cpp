// libFuzzer target: skin packages are untrusted input.
//
// First byte even: the rest is a package as found on disk.  Odd: the rest is
// an archive, compressed here first, so the fuzzer reaches the header, name
// list and size table checks without having to invent a valid bit stream.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TSkinReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  std::vector<std::uint8_t> package;
  if (data[0] & 1) {
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
  return 0;
}
