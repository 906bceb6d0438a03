#pragma once
// TPlatform on Windows: the profile functions, kernel32 files, WinExec, the
// registry and the shell's change notification.
#include "app/TPlatform.h"

namespace vex::app {

class TWinPlatform final : public TPlatform {
 public:
  std::string ReadIni(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& fallback) override;
  bool WriteIni(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value) override;
  bool DeleteIniKey(const std::string& file, const std::string& section, const std::string& key) override;
  std::vector<std::string> IniSections(const std::string& file) override;
  std::vector<std::string> IniKeys(const std::string& file, const std::string& section) override;

  bool FileExists(const std::string& path) override;
  std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) override;
  bool RemoveFile(const std::string& path) override;
  bool CopyFileReplacing(const std::string& from, const std::string& to) override;
  void StartHidden(const std::string& commandLine) override;
  void NotifyFolderChanged(const std::string& folder) override;
  std::string ProgramPath() override;

  bool SetRegistryDefault(TRegRoot root, const std::string& key, const std::string& value) override;
  bool DeleteRegistryTree(TRegRoot root, const std::string& key) override;
};

}  // namespace vex::app
