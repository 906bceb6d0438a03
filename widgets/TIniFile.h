#pragma once
// Settings file over the system's profile functions: one key per call, with
// their matching rules (names without regard to case, first occurrence wins).
// A write the system refuses raises EIniFileException ("Unable to write to").
#include <cstdint>
#include <string>
#include <vector>

#include "widgets/TObject.h"

namespace vcl {

class TIniFile : public TObject {
 public:
  explicit TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}
  const std::string& FileName() const { return FFileName; }

  std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const;
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  // Decimal or hexadecimal ($, 0x); anything else gives `def`.
  std::int32_t ReadInteger(const std::string& section, const std::string& ident, std::int32_t def) const;
  void WriteInteger(const std::string& section, const std::string& ident, std::int32_t value);
  // Stored as "1"/"0"; any non-zero number reads as true.
  bool ReadBool(const std::string& section, const std::string& ident, bool def) const;
  void WriteBool(const std::string& section, const std::string& ident, bool value);

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;
  std::vector<std::string> ReadSection(const std::string& section) const;
  std::vector<std::string> ReadSections() const;
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& ident);
  // Flushes the system's cached copy to disk.
  void UpdateFile();

 private:
  std::string FFileName;
};

}  // namespace vcl
