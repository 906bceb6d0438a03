#include "FakePlatform.h"

#include <sstream>

#include "app/PathText.h"

namespace vex::app::test {

namespace {

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

bool IsSection(const std::string& line, std::string* name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const auto close = t.find(']');
  if (close == std::string::npos) return false;
  if (name) *name = Trim(t.substr(1, close - 1));
  return true;
}

bool IsKey(const std::string& line, std::string* key, std::string* value) {
  const std::string t = Trim(line);
  if (t.empty() || t[0] == ';' || t[0] == '[') return false;
  const auto eq = t.find('=');
  if (eq == std::string::npos) return false;
  if (key) *key = Trim(t.substr(0, eq));
  if (value) *value = Trim(t.substr(eq + 1));
  return true;
}

// Line range [first, last) of the first section of that name; first is the
// header line. Returns false when there is none.
bool FindSection(const std::vector<std::string>& lines, const std::string& section, size_t* header, size_t* end) {
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    if (!IsSection(lines[i], &name) || !EqualsNoCase(name, section)) continue;
    size_t j = i + 1;
    while (j < lines.size() && !IsSection(lines[j], nullptr)) ++j;
    *header = i;
    *end = j;
    return true;
  }
  return false;
}

}  // namespace

bool FakePlatform::Writable(const std::string& file) const {
  std::string dir = DirectoryPart(file);
  if (!dir.empty()) dir.pop_back();
  return Folders.count(dir) != 0 && ReadOnlyFiles.count(file) == 0;
}

std::string FakePlatform::ReadIni(const std::string& file, const std::string& section,
                                            const std::string& key, const std::string& fallback) {
  const auto it = Files.find(file);
  if (it == Files.end()) return fallback;
  const auto lines = Lines(it->second);
  size_t header, end;
  if (!FindSection(lines, section, &header, &end)) return fallback;
  for (size_t i = header + 1; i < end; ++i) {
    std::string k, v;
    if (IsKey(lines[i], &k, &v) && EqualsNoCase(k, key)) {
      // The profile functions strip one pair of enclosing quotes.
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return v.substr(0, 2047);
    }
  }
  return fallback;
}

bool FakePlatform::WriteIni(const std::string& file, const std::string& section, const std::string& key,
                                      const std::string& value) {
  if (!Writable(file)) return false;
  auto lines = Lines(Files[file]);
  size_t header, end;
  if (!FindSection(lines, section, &header, &end)) {
    lines.push_back("[" + section + "]");
    lines.push_back(key + "=" + value);
  } else {
    bool replaced = false;
    for (size_t i = header + 1; i < end && !replaced; ++i) {
      std::string k;
      if (IsKey(lines[i], &k, nullptr) && EqualsNoCase(k, key)) {
        lines[i] = k + "=" + value;
        replaced = true;
      }
    }
    if (!replaced) {
      size_t at = end;
      while (at > header + 1 && Trim(lines[at - 1]).empty()) --at;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), key + "=" + value);
    }
  }
  Files[file] = Join(lines);
  return true;
}

bool FakePlatform::DeleteIniKey(const std::string& file, const std::string& section, const std::string& key) {
  if (!Writable(file)) return false;
  const auto it = Files.find(file);
  if (it == Files.end()) return true;
  auto lines = Lines(it->second);
  size_t header, end;
  if (!FindSection(lines, section, &header, &end)) return true;
  for (size_t i = header + 1; i < end; ++i) {
    std::string k;
    if (IsKey(lines[i], &k, nullptr) && EqualsNoCase(k, key)) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  }
  it->second = Join(lines);
  return true;
}

std::vector<std::string> FakePlatform::IniSections(const std::string& file) {
  std::vector<std::string> names;
  const auto it = Files.find(file);
  if (it == Files.end()) return names;
  for (const auto& line : Lines(it->second)) {
    std::string name;
    if (IsSection(line, &name)) names.push_back(name);
  }
  return names;
}

std::vector<std::string> FakePlatform::IniKeys(const std::string& file, const std::string& section) {
  std::vector<std::string> keys;
  const auto it = Files.find(file);
  if (it == Files.end()) return keys;
  const auto lines = Lines(it->second);
  size_t header, end;
  if (!FindSection(lines, section, &header, &end)) return keys;
  for (size_t i = header + 1; i < end; ++i) {
    std::string k;
    if (IsKey(lines[i], &k, nullptr)) keys.push_back(k);
  }
  return keys;
}

std::optional<std::string> FakePlatform::ReadFileBytes(const std::string& path, std::size_t limit) {
  const auto it = Files.find(path);
  if (it == Files.end() || it->second.size() > limit) return std::nullopt;
  return it->second;
}

bool FakePlatform::RemoveFile(const std::string& path) {
  if (ReadOnlyFiles.count(path)) return false;
  return Files.erase(path) != 0;
}

bool FakePlatform::CopyFileReplacing(const std::string& from, const std::string& to) {
  const auto it = Files.find(from);
  // Copying a file onto itself fails on Windows: the source is open for reading.
  if (it == Files.end() || EqualsNoCase(from, to) || !Writable(to)) return false;
  Files[to] = it->second;
  return true;
}

bool FakePlatform::SetRegistryDefault(TRegRoot root, const std::string& key, const std::string& value) {
  if (DeniedRoots.count(root)) return false;
  Registry[{root, key}] = value;
  return true;
}

bool FakePlatform::DeleteRegistryTree(TRegRoot root, const std::string& key) {
  if (DeniedRoots.count(root)) return false;
  bool any = false;
  for (auto it = Registry.begin(); it != Registry.end();) {
    const bool under = it->first.first == root &&
                       (it->first.second == key || it->first.second.rfind(key + "\\", 0) == 0);
    if (under) {
      it = Registry.erase(it);
      any = true;
    } else {
      ++it;
    }
  }
  return any;
}

}  // namespace vex::app::test
