#pragma once
// An in-memory TPlatform: files are texts in a map, INI access parses and
// rewrites them as the profile functions do, started command lines, shell
// notifications and registry values are recorded.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/TPlatform.h"

namespace vex::app::test {

class FakePlatform final : public TPlatform {
 public:
  // Folders that exist; a file can be written only inside one of them.
  std::set<std::string> Folders{"C:\\Vexilo", "D:\\Photos", "D:\\My Photos"};
  std::map<std::string, std::string> Files;
  std::set<std::string> ReadOnlyFiles;
  std::vector<std::string> Started;
  std::vector<std::string> Notified;
  std::map<std::pair<TRegRoot, std::string>, std::string> Registry;
  std::set<TRegRoot> DeniedRoots;  // a standard user cannot write these
  std::string Program = "C:\\Vexilo\\vexilo.exe";

  std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value) override;
  bool DeleteIniKey(const std::string& file, const std::string& section, const std::string& key) override;
  std::vector<std::string> IniSections(const std::string& file) override;
  std::vector<std::string> IniKeys(const std::string& file, const std::string& section) override;

  bool FileExists(const std::string& path) override { return Files.count(path) != 0; }
  std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) override;
  bool RemoveFile(const std::string& path) override;
  bool CopyFileReplacing(const std::string& from, const std::string& to) override;
  void StartHidden(const std::string& commandLine) override { Started.push_back(commandLine); }
  void NotifyFolderChanged(const std::string& folder) override { Notified.push_back(folder); }
  std::string ProgramPath() override { return Program; }

  bool SetRegistryDefault(TRegRoot root, const std::string& key, const std::string& value) override;
  bool DeleteRegistryTree(TRegRoot root, const std::string& key) override;

  bool HasRegistryKey(TRegRoot root, const std::string& key) const { return Registry.count({root, key}) != 0; }

 private:
  bool Writable(const std::string& file) const;
};

}  // namespace vex::app::test
