// Icons from files through the shell, the folder scan, and the pictures
// shipped beside the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconGdi.h"
#include "test_folder.h"

using namespace vex::iconbrowser;
using vex::test::Fixture;
using vex::test::ProgramFolder;
using vex::test::TempFolder;

TEST(IconFiles, CountsIconsOfLibrariesAndIcoFiles) {
  EXPECT_EQ(IconCount(Fixture("icons3.dll")), 3);
  EXPECT_EQ(IconCount(Fixture("icons2.dll")), 2);
  EXPECT_EQ(IconCount(Fixture("icons0.dll")), 0);
  // An .ico file counts as one icon even with two images inside.
  EXPECT_EQ(IconCount(ProgramFolder() + "Folder.ico"), 1);
}

TEST(IconFiles, FilesWithoutIconsGiveNone) {
  TempFolder dir;
  dir.Write("notes.exe", "this is no program");
  CreateDirectoryA(dir.File("tools.exe").c_str(), nullptr);
  for (const char* name : {"notes.exe", "tools.exe", "missing.dll"}) {
    EXPECT_EQ(IconCount(dir.File(name)), 0) << name;
    HICON icon = ExtractIconAt(dir.File(name), 0);
    EXPECT_EQ(icon, nullptr) << name;
    if (icon) DestroyIcon(icon);
  }
}

// IconIndex=-1 in a Desktop.ini (other tools write it) asks ExtractIcon for
// the icon count: no icon, never the count kept as a handle.
TEST(IconFiles, IndexesWithoutAnIconGiveNone) {
  const struct {
    const char* name;
    int index;
  } cases[] = {{"-1, the count query", -1}, {"one past the last", 3}, {"far past the last", 1000}};
  for (const auto& c : cases) {
    HICON icon = ExtractIconAt(Fixture("icons3.dll"), c.index);
    // Not destroyed when the test fails: a count is no handle of ours.
    EXPECT_EQ(icon, nullptr) << c.name;
  }
}

TEST(IconFiles, ExtractsEachIconAtTheLargeSize) {
  for (int i = 0; i < 3; ++i) {
    HICON icon = ExtractIconAt(Fixture("icons3.dll"), i);
    ASSERT_NE(icon, nullptr) << i;
    const auto px = ReadIconPixels(icon);
    ASSERT_TRUE(px);
    EXPECT_EQ(px->width, GetSystemMetrics(SM_CXICON));
    EXPECT_TRUE(px->transparent[0]) << "corner of icon " << i;  // every shipped picture leaves it clear
    DestroyIcon(icon);
  }
}

TEST(IconFiles, AllIconsInOneGoMatchTheOneByOneCount) {
  TempFolder dir;
  dir.Write("notes.exe", "this is no program");
  CreateDirectoryA(dir.File("tools.exe").c_str(), nullptr);
  const struct {
    std::string path;
    int icons;
  } files[] = {{Fixture("icons3.dll"), 3}, {Fixture("icons2.dll"), 2}, {Fixture("icons1.dll"), 1},
               {Fixture("icons0.dll"), 0}, {ProgramFolder() + "Folder.ico", 1}, {dir.File("notes.exe"), 0},
               {dir.File("tools.exe"), 0}, {dir.File("missing.dll"), 0}};
  for (const auto& f : files) {
    const auto icons = ExtractAllIcons(f.path);
    ASSERT_EQ(static_cast<int>(icons.size()), f.icons) << f.path;
    EXPECT_EQ(IconCount(f.path), f.icons) << f.path;
    for (int i = 0; i < f.icons; ++i) {
      EXPECT_EQ(icons[i].index, i) << f.path;
      const auto px = ReadIconPixels(icons[i].icon.get());
      ASSERT_TRUE(px) << f.path;
      EXPECT_EQ(px->width, GetSystemMetrics(SM_CXICON)) << f.path;
    }
  }
}

TEST(IconFiles, FolderScanListsExecutablesThenLibrariesWithFullPaths) {
  TempFolder dir;
  CopyFileA(Fixture("icons3.dll").c_str(), dir.File("three.exe").c_str(), FALSE);
  CopyFileA(Fixture("icons2.dll").c_str(), dir.File("two.dll").c_str(), FALSE);
  CopyFileA(Fixture("icons0.dll").c_str(), dir.File("none.exe").c_str(), FALSE);
  dir.Write("readme.txt", "x");
  CreateDirectoryA(dir.File("folder.exe").c_str(), nullptr);
  std::vector<std::string> list;
  FindIconSources(dir.Path(), list, ListDirectoryWin32);
  ASSERT_EQ(list.size(), 4u);
  // Executables in the file system's order, then the library.
  std::vector<std::string> exes(list.begin(), list.begin() + 3);
  std::sort(exes.begin(), exes.end());
  EXPECT_EQ(exes, (std::vector<std::string>{dir.File("folder.exe"), dir.File("none.exe"), dir.File("three.exe")}));
  EXPECT_EQ(list[3], dir.File("two.dll"));
}

TEST(ShippedFiles, FolderPictureHasBothSizesAndAMask) {
  const std::string path = ProgramFolder() + "Folder.ico";
  for (int size : {32, 16}) {
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr) << size;
    const auto px = ReadIconPixels(icon);
    ASSERT_TRUE(px);
    EXPECT_EQ(px->width, size);
    EXPECT_TRUE(px->transparent[px->Index(size - 1, 0)]) << "top right is above the folder";
    EXPECT_FALSE(px->transparent[px->Index(size / 2, size * 3 / 4)]) << "the folder's front";
    DestroyIcon(icon);
  }
}

TEST(ShippedFiles, GalleryFolderReachesWindowsByItsChineseName) {
  // The literal is GBK here, as every path this program handles.
  const std::string dir = ProgramFolder() + "精选图标\\";
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((dir + "*.ico").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  int icons = 0;
  do {
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, (dir + found.cFileName).c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
    EXPECT_NE(icon, nullptr) << found.cFileName;
    if (!icon) continue;
    const auto px = ReadIconPixels(icon);
    ASSERT_TRUE(px);
    const auto opaque = std::count(px->transparent.begin(), px->transparent.end(), 0);
    EXPECT_GT(opaque, 200) << found.cFileName;  // a real picture, not a blank
    EXPECT_LT(opaque, 32 * 32) << found.cFileName;
    DestroyIcon(icon);
    ++icons;
  } while (FindNextFileA(find, &found));
  FindClose(find);
  EXPECT_GE(icons, 8);
  EXPECT_EQ(GetFileAttributesA((ProgramFolder() + "MyIcons").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}
