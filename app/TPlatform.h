#pragma once
// The few operating-system services the application logic needs. The program
// uses TWinPlatform (profile functions, files, WinExec, the registry, the
// shell); tests use an in-memory fake and check what the logic asked for.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vex::app {

enum class TRegRoot { ClassesRoot, CurrentUser, LocalMachine };

class TPlatform {
 public:
  virtual ~TPlatform() = default;

  // INI files through the profile functions: names match without regard to
  // case, the first occurrence counts, a write changes only its own key.
  virtual std::string ReadIni(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& fallback) = 0;
  virtual bool WriteIni(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& value) = 0;
  virtual bool DeleteIniKey(const std::string& file, const std::string& section,
                                const std::string& key) = 0;
  virtual std::vector<std::string> IniSections(const std::string& file) = 0;
  virtual std::vector<std::string> IniKeys(const std::string& file, const std::string& section) = 0;

  virtual bool FileExists(const std::string& path) = 0;
  // The bytes of a file; nothing when it is missing, a folder, unreadable or
  // longer than `limit` bytes.
  virtual std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Copies, replacing a file of that name.
  virtual bool CopyFileReplacing(const std::string& from, const std::string& to) = 0;
  // Starts a command line with its window hidden and does not wait for it.
  virtual void StartHidden(const std::string& commandLine) = 0;
  // Tells the shell that a folder's look changed, without waiting.
  virtual void NotifyFolderChanged(const std::string& folder) = 0;
  // Full path of the running executable.
  virtual std::string ProgramPath() = 0;

  // Writes a key's default (unnamed) string value, creating the key.
  virtual bool SetRegistryDefault(TRegRoot root, const std::string& key, const std::string& value) = 0;
  // Deletes a key with everything under it; false when it could not.
  virtual bool DeleteRegistryTree(TRegRoot root, const std::string& key) = 0;
};

}  // namespace vex::app
