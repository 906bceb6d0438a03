#pragma once
// A folder's custom icon, kept in its Desktop.ini: applying, restoring and
// reading it back.
#include <string>

#include "app/IconReference.h"
#include "app/TPlatform.h"

namespace vex::app {

inline constexpr char kShellClassInfo[] = ".ShellClassInfo";

class TFolderIcon {
 public:
  explicit TFolderIcon(TPlatform& platform) : FPlatform(platform) {}

  // The folder text followed by "\Desktop.ini", unchanged otherwise.
  static std::string DesktopIniPath(const std::string& folder);

  // Writes IconIndex, then IconFile; with `copyIco` an .ico file is first
  // copied into the folder and named "./name" (or "./name_2.ico" and so on
  // when the folder holds a different file of that name).  When it cannot be
  // copied, the icon is named where it lies. Hides Desktop.ini (and the
  // copy), marks the folder as a system folder and tells the shell.
  // Throws EAppError "Unable to write to ..." when Desktop.ini cannot be written;
  // nothing after the failed write happens then.
  void Apply(const std::string& folder, const TIconReference& icon, bool copyIco);

  // Removes the icon keys from Desktop.ini and deletes the file when no key
  // is left in it. Returns whether icon keys were removed.
  bool Restore(const std::string& folder);

  // The folder's icon as Desktop.ini names it; "./name" is resolved against
  // the folder. Empty file and index 0 when there is none.
  TIconReference Read(const std::string& folder);

  // Starts "attrib +h" on a path.
  void HideFile(const std::string& path);

 private:
  // Copies an .ico file into the folder under its own name, or the first
  // numbered name that is free; a file there with the same bytes is taken as
  // it is.  Returns the name used, or empty when nothing could be copied.
  std::string CopyIntoFolder(const std::string& folder, const std::string& file);
  void MarkFolder(const std::string& folder);
  void Write(const std::string& ini, const std::string& key, const std::string& value);

  TPlatform& FPlatform;
};

}  // namespace vex::app
