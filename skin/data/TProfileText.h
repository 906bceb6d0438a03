// An INI text read in memory with the matching rules of the Windows profile
// functions (GetPrivateProfileString and friends), so a skin description
// needs no temporary file:
// - section and key names match without regard to ASCII letter case;
// - the first section of a name counts (later ones are ignored whole), and
//   within it the first key of a name;
// - a value is the text after the first "=", without the blanks around it
//   and without one pair of enclosing quotation marks ('...' or "..."),
//   cut to 2047 characters;
// - a line without "=" is a key with an empty value; lines before the first
//   section belong to none; lines end at CR, LF or CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex::skin {

inline constexpr std::size_t kMaxProfileValue = 2047;

class TProfileText {
 public:
  explicit TProfileText(std::string_view text);

  // Section names as written, in file order, each name once (first spelling).
  std::vector<std::string> SectionNames() const;
  bool HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

  // The value, or nullopt when the section or key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def = {}) const;
  // A missing key or a value that is not an integer (see ParseProfileInteger)
  // gives `def`.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
};

// Decimal, or hexadecimal after "$" or "0x"/"0X", with an optional sign;
// nothing else may stand in the text.  Decimal values must fit 32 bits;
// hexadecimal ones may use all 32 bits ("$FFFFFFFF" is -1).
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string UpperAscii(std::string_view text);

}  // namespace vex::skin
