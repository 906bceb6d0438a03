// Hostile skins for robustness tests: a skin package's members with 1 to 4
// mutations chosen by a seed (values out of range, damaged or missing
// images, duplicated or missing sections, clashing member names, damaged
// packages).  No Win32 here, and no randomness from the library: the same
// seed gives the same package on every system, so a seed that breaks the
// engine can be kept in a list and replayed.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/SkinPackageWriter.h"

namespace vex::skin::hostile {

// splitmix64: small, fast and the same everywhere.
class SeedRandom {
 public:
  explicit SeedRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // 0 <= result < n; n must not be 0.
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }
  template <typename T>
  const T& Pick(std::span<const T> items) {
    return items[Below(items.size())];
  }

 private:
  std::uint64_t state_;
};

struct MutatedSkin {
  std::vector<PackageMember> members;  // as packed
  std::vector<std::uint8_t> package;   // S and the compressed archive (maybe cut short)
  std::vector<std::string> applied;    // one line per mutation, for reports
  std::size_t cutAt = 0;               // the package is cut to this many bytes; 0: whole
};

// The members of a package in package order (names as the reader gives
// them, lower case); empty when the reader refuses it.
std::vector<PackageMember> PackageMembers(std::span<const std::uint8_t> package);

// 1 to 4 mutations of `base` (the members of a skin package, its
// description among them), chosen by `seed`.
MutatedSkin MutateSkin(const std::vector<PackageMember>& base, std::uint64_t seed);
// The same mutations without packing (package left empty): packing takes
// tens of milliseconds, reading the members alone far less.
MutatedSkin MutateMembers(const std::vector<PackageMember>& base, std::uint64_t seed);

// Every integer the mutator writes into a description key (margins, frame
// counts, codes, coordinates, flags), as the profile rules read them; for
// running the engine's arithmetic over the same values natively.
std::vector<std::int32_t> HostileIntegers();

// The names of the kinds of mutation; each line of MutatedSkin::applied
// starts with one of them.
std::vector<std::string> MutationKinds();

// A Windows bitmap file as hostile skins carry them: any depth, top-down,
// a compression code, a palette of any declared length, pixels striped with
// the colour key (or all key).
struct BitmapSpec {
  int width = 1;
  int height = 1;
  int bits = 24;
  bool topDown = false;
  std::uint32_t compression = 0;
  std::int64_t paletteEntries = -1;  // written to the header; -1: what the depth needs
  bool writePalette = true;          // false: the palette the header declares is not there
  bool allKey = false;               // every pixel the colour key
};
std::vector<std::uint8_t> MakeBitmapFile(const BitmapSpec& spec);

}  // namespace vex::skin::hostile
