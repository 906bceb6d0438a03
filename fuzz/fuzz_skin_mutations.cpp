// libFuzzer target: hostile variants of the built-in skin.
//
// The first eight bytes (fewer: padded with zeros) seed the skin mutator of tests/skin_hostile; the
// rest is added to the mutated description as lines of its own, so the
// fuzzer also reaches keys and values the mutator does not make.  The
// description is read as the skin loader reads it, against the sizes of the
// pictures the mutated package holds (their headers read as the loader
// reads them).  Nothing is packed: that would cost tens of milliseconds a run.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/BmpInfo.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/TProfileText.h"
#include "skin/data/TSkinReader.h"
#include "tests/skin_hostile/SkinMutator.h"

namespace {

using vex::skin::PackageMember;

const std::vector<PackageMember>& Base() {
  static const std::vector<PackageMember> members = [] {
    std::ifstream f(VEXILO_SEDGE_PACKAGE, std::ios::binary);
    const std::vector<std::uint8_t> package((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    return vex::skin::hostile::PackageMembers(package);
  }();
  return members;
}

// The first member of the name, as the reader finds it.
const PackageMember* Find(const std::vector<PackageMember>& members, const std::string& name) {
  const std::string wanted = vex::skin::LowerAscii(name);
  for (const PackageMember& m : members)
    if (vex::skin::LowerAscii(m.name) == wanted) return &m;
  return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (Base().empty()) __builtin_trap();  // no built-in skin to mutate
  std::uint64_t seed = 0;
  const std::size_t seedBytes = size < sizeof seed ? size : sizeof seed;
  std::memcpy(&seed, data, seedBytes);
  const vex::skin::hostile::MutatedSkin skin = vex::skin::hostile::MutateMembers(Base(), seed);

  std::string text;
  for (const PackageMember& m : skin.members) {
    if (vex::skin::LowerAscii(m.name).find(".ini") == std::string::npos) continue;
    text.assign(m.data.begin(), m.data.end());
    break;
  }
  text += "\r\n";
  text.append(reinterpret_cast<const char*>(data + seedBytes), size - seedBytes);
  const vex::skin::TProfileText ini(text);
  const auto d = vex::skin::ReadSkinDescription(ini, [&](const std::string& value) {
    std::optional<vex::skin::ImageSize> found;
    if (const PackageMember* m = Find(skin.members, vex::skin::SkinImageMemberName(value))) {
      if (const auto info = vex::skin::ReadBmpInfo(m->data)) found = vex::skin::ImageSize{info->width, info->height};
    }
    return found;
  });
  if (d.SysButtons.size() < 3) __builtin_trap();
  return 0;
}
