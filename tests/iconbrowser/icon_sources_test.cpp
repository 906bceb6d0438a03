#include <gtest/gtest.h>

#include <map>

#include "iconbrowser/IconSources.h"

using vex::iconbrowser::FindIconSources;
using vex::iconbrowser::IsIcoFile;

TEST(IcoTest, ExactLowerCaseExtensionFromTheLastDot) {
  EXPECT_TRUE(IsIcoFile("C:\\Icons\\star.ico"));
  EXPECT_TRUE(IsIcoFile("a.b.ico"));
  EXPECT_TRUE(IsIcoFile(".ico"));
  EXPECT_FALSE(IsIcoFile("C:\\Icons\\STAR.ICO"));
  EXPECT_FALSE(IsIcoFile("star.Ico"));
  EXPECT_FALSE(IsIcoFile("star.ico.bak"));
  EXPECT_FALSE(IsIcoFile("star.icon"));
  EXPECT_FALSE(IsIcoFile("ico"));
  EXPECT_FALSE(IsIcoFile("C:\\x.ico\\shell32.dll"));
  EXPECT_FALSE(IsIcoFile(""));
}

namespace {

// A fake directory: pattern -> entries in the order the file system gives them.
struct FakeDir {
  std::map<std::string, std::vector<std::string>> entries;
  std::vector<std::string> asked;
  vex::iconbrowser::ListDirectory Lister() {
    return [this](const std::string& pattern, const std::function<void(const std::string&)>& each) {
      asked.push_back(pattern);
      for (const auto& n : entries[pattern]) each(n);
    };
  }
};

}  // namespace

TEST(IconSources, ExecutablesComeBeforeLibrariesInFileSystemOrder) {
  FakeDir dir;
  dir.entries["C:\\App\\*.exe"] = {"b.exe", "a.exe"};
  dir.entries["C:\\App\\*.dll"] = {"z.dll", "c.dll"};
  std::vector<std::string> list{"kept.ico"};
  FindIconSources("C:\\App", list, dir.Lister());
  EXPECT_EQ(list, (std::vector<std::string>{"kept.ico", "C:\\App\\b.exe", "C:\\App\\a.exe", "C:\\App\\z.dll",
                                            "C:\\App\\c.dll"}));
}

TEST(IconSources, SkipsDotEntriesAndNamesWithoutADotButKeepsDirectories) {
  FakeDir dir;
  // Windows matches "*.exe" against short names too, so odd names do come back.
  dir.entries["D:\\x\\*.exe"] = {".", "..", "README", "tools.exe"};
  dir.entries["D:\\x\\*.dll"] = {"..", "lib.dll"};
  std::vector<std::string> list;
  FindIconSources("D:\\x", list, dir.Lister());
  EXPECT_EQ(list, (std::vector<std::string>{"D:\\x\\tools.exe", "D:\\x\\lib.dll"}));
}

TEST(IconSources, FolderIsUsedUnchanged) {
  FakeDir dir;
  std::vector<std::string> list;
  FindIconSources("", list, dir.Lister());
  EXPECT_EQ(dir.asked, (std::vector<std::string>{"\\*.exe", "\\*.dll"}));
  FindIconSources("E:\\", list, dir.Lister());
  EXPECT_EQ(dir.asked.back(), "E:\\\\*.dll");
}
