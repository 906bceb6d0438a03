#include "app/SkinChoice.h"

#include <new>
#include <optional>
#include <vector>

#include "app/IniValue.h"
#include "app/PathText.h"
#include "skin/data/TLZH.h"
#include "skin/data/TSkinReader.h"

namespace vex::app {
namespace {

// A package cut off short still decodes, the bytes after the cut read as
// zero bits and the members there meaningless (a download that stopped
// early): that is a damaged package, not a skin.  A whole package needs no
// byte past its end; two cover a writer that does not pad its last code.
constexpr std::size_t kCutOffSlack = 2;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string SkinFilePath(std::string_view value, std::string_view programFolder) {
  if (value.empty()) return {};
  // Only the first two characters decide, and a GBK lead byte is never one
  // of these ASCII characters.
  const bool drive = value.size() >= 2 && IsAsciiLetter(value[0]) && value[1] == ':';
  if (drive) return value.size() >= 3 && IsSeparator(value[2]) ? std::string(value) : std::string();
  if (IsSeparator(value[0]))
    return value.size() >= 2 && IsSeparator(value[1]) ? std::string(value) : std::string();
  return std::string(programFolder) + std::string(value);
}

bool IsReadableSkinPackage(std::span<const std::uint8_t> package) {
  skin::TSkinReader reader;
  try {
    if (!reader.LoadPackage(package) || reader.BytesPastEnd() > kCutOffSlack) return false;
  } catch (const skin::ElzhException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::vector<std::uint8_t> description;
  std::string name;
  return reader.ExtractFirstMatch(".ini", description, name);
}

std::string ChosenSkinFile(TPlatform& platform, const std::string& setupIni) {
  const std::string path =
      SkinFilePath(platform.ReadIni(setupIni, kSkinSection, kSkinFileKey, ""), DirectoryPart(platform.ProgramPath()));
  if (path.empty()) return {};
  const std::optional<std::string> bytes = platform.ReadFileBytes(path, skin::kMaxArchiveSize);
  if (!bytes) return {};
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
  return IsReadableSkinPackage({data, bytes->size()}) ? path : std::string();
}

bool SkinInHighContrast(TPlatform& platform, const std::string& setupIni) {
  return ParseIniBool(platform.ReadIni(setupIni, kSkinSection, kSkinHighContrastKey, ""), false);
}

}  // namespace vex::app
