#pragma once
// Scratch folders and paths shared by the icon browser's Windows tests.
#include <windows.h>

#include <string>

namespace vex::test {

// A fresh empty folder under the temp folder, removed with its files on
// destruction.  Path() has no trailing backslash.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  void Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// build\windows\ with its trailing backslash: the folder of vexilo.exe and
// of the files laid out beside it.
std::string ProgramFolder();
// build\windows\tests\fixtures\NAME (the icon libraries).
std::string Fixture(const std::string& name);

}  // namespace vex::test
