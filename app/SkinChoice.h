#pragma once
// The skin a user picks in Setup.ini beside the program:
//   [Skin]
//   File=heron.skn
//   HighContrast=1
// File names a skin package in the program folder (a name or a path relative to
// it) or anywhere else (an absolute path).  Whatever does not lead to a
// package Vexilo can read leaves the built-in skin in place, silently.
// HighContrast, a boolean, keeps the skin while the system's high contrast
// is on (by default windows go back to the system's look then).  Vexilo
// only reads these keys; the user writes them.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/TPlatform.h"

namespace vex::app {

inline constexpr char kSkinSection[] = "Skin";
inline constexpr char kSkinFileKey[] = "File";
inline constexpr char kSkinHighContrastKey[] = "HighContrast";

// The file a [Skin] File value names, for a program folder given with its
// trailing backslash: a path with a drive ("D:\Skins\heron.skn") or a network
// path ("\\server\share\heron.skn") as it stands; any other relative path
// inside the program folder.  Empty for an empty value and for one that
// Windows would resolve against the current drive or folder ("\heron.skn",
// "D:heron.skn"), which is not a place the user can rely on.
std::string SkinFilePath(std::string_view value, std::string_view programFolder);

// True when Vexilo can read a skin from these bytes: a whole package (not
// one cut off short) of the current format version that decodes and holds a
// description.
bool IsReadableSkinPackage(std::span<const std::uint8_t> package);

// The package Setup.ini names, when it exists and is readable; empty for the
// built-in skin.
std::string ChosenSkinFile(TPlatform& platform, const std::string& setupIni);

// [Skin] HighContrast: keep the skin in high contrast (default false).
bool SkinInHighContrast(TPlatform& platform, const std::string& setupIni);

}  // namespace vex::app
