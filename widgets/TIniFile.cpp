#include "widgets/TIniFile.h"

#include <windows.h>

#include "widgets/Exceptions.h"
#include "widgets/ProfileText.h"

namespace vcl {
namespace {

std::vector<std::string> SplitNulList(const std::vector<char>& buffer, DWORD length) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < length; ++i) {
    if (buffer[i] == '\0') {
      if (i > start) out.emplace_back(buffer.data() + start, i - start);
      start = i + 1;
    }
  }
  return out;
}

std::vector<std::string> ReadList(const char* section, const std::string& file) {
  std::vector<char> buffer(16384);
  while (true) {
    const DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                             file.c_str());
    // A full buffer returns size - 2; grow until the list fits.
    if (n + 2 < buffer.size() || buffer.size() >= (1u << 24)) return SplitNulList(buffer, n);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& def) const {
  char buffer[2048];
  const DWORD n = GetPrivateProfileStringA(section.c_str(), ident.c_str(), def.c_str(), buffer, sizeof buffer,
                                           FFileName.c_str());
  return std::string(buffer, n);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  if (!WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), FFileName.c_str())) {
    throw EIniFileException(FFileName);
  }
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& ident, std::int32_t def) const {
  const std::string text = ReadString(section, ident, "");
  return ParseProfileInt(text).value_or(def);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, std::int32_t value) {
  WriteString(section, ident, std::to_string(value));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

bool TIniFile::SectionExists(const std::string& section) const { return !ReadSection(section).empty(); }

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  for (const auto& key : ReadSection(section)) {
    if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, key.c_str(), -1, ident.c_str(), -1) == CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  return ReadList(section.c_str(), FFileName);
}

std::vector<std::string> TIniFile::ReadSections() const { return ReadList(nullptr, FFileName); }

void TIniFile::EraseSection(const std::string& section) {
  if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, FFileName.c_str())) {
    throw EIniFileException(FFileName);
  }
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  WritePrivateProfileStringA(section.c_str(), ident.c_str(), nullptr, FFileName.c_str());
}

void TIniFile::UpdateFile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, FFileName.c_str()); }

}  // namespace vcl
