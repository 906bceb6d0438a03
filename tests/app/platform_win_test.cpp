// TWinPlatform against the real profile functions, files, attrib and registry:
// what the logic's tests assume of the fake must hold for the real thing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/TFolderIcon.h"
#include "app/TWinPlatform.h"
#include "win_test_support.h"

namespace vex::app {
namespace {

// A fresh folder with a blank and a GBK name in its path, removed afterwards.
class WinPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    Dir = std::string(temp) + "vexilo 平台 " + std::to_string(GetCurrentProcessId()) + "-" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(CreateDirectoryA(Dir.c_str(), nullptr)) << Dir;
    Ini = Dir + "\\Desktop.ini";
  }
  void TearDown() override {
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA((Dir + "\\*").c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::string p = Dir + "\\" + d.cFileName;
        SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(p.c_str());
      } while (FindNextFileA(h, &d));
      FindClose(h);
    }
    SetFileAttributesA(Dir.c_str(), FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryA(Dir.c_str());
  }
  bool HasAttribute(const std::string& path, DWORD flag) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & flag);
  }

  std::string Dir, Ini;
  TWinPlatform P;
};

TEST_F(WinPlatformTest, ProfileReadsMatchWithoutCaseAndTakeTheFirstOccurrence) {
  vex::test::WriteFileText(Ini, "[.shellclassinfo]\r\niconfile=first.ico\r\nIconFile=second.ico\r\nIconIndex=0x1A\r\n"
                "[.ShellClassInfo]\r\nIconFile=third.ico\r\n");
  EXPECT_EQ(P.ReadIni(Ini, ".ShellClassInfo", "IconFile", ""), "first.ico");
  EXPECT_EQ(P.ReadIni(Ini, ".ShellClassInfo", "IconIndex", ""), "0x1A");
  EXPECT_EQ(P.ReadIni(Ini, ".ShellClassInfo", "Missing", "dflt"), "dflt");
  EXPECT_EQ(TFolderIcon(P).Read(Dir), (TIconReference{"first.ico", 26}));
}

TEST_F(WinPlatformTest, KeysAndSectionsAreListedAndDeletedOneByOne) {
  vex::test::WriteFileText(Ini, "[.ShellClassInfo]\r\nLocalizedResourceName=Holiday\r\nIconFile=a.ico\r\n[Other]\r\nX=1\r\n");
  EXPECT_EQ(P.IniSections(Ini), (std::vector<std::string>{".ShellClassInfo", "Other"}));
  EXPECT_EQ(P.IniKeys(Ini, ".shellclassinfo"), (std::vector<std::string>{"LocalizedResourceName", "IconFile"}));
  EXPECT_TRUE(P.DeleteIniKey(Ini, ".ShellClassInfo", "IconFile"));
  EXPECT_EQ(P.IniKeys(Ini, ".ShellClassInfo"), std::vector<std::string>{"LocalizedResourceName"});
  EXPECT_TRUE(P.IniKeys(Ini, "Nothing").empty());
  EXPECT_TRUE(P.IniSections(Dir + "\\none.ini").empty());
}

TEST_F(WinPlatformTest, WriteToAMissingFolderFails) {
  EXPECT_FALSE(P.WriteIni(Dir + "\\no such\\Desktop.ini", "S", "K", "V"));
  EXPECT_TRUE(P.WriteIni(Ini, "S", "K", "V"));
  EXPECT_TRUE(P.FileExists(Ini));
  EXPECT_FALSE(P.FileExists(Dir));  // a folder is not a file
}

TEST_F(WinPlatformTest, ApplyHidesTheFilesAndMarksTheFolderInTheBackground) {
  const std::string icon = Dir + "\\source.ico";
  vex::test::WriteFileText(icon, "not really an icon");
  const std::string target = Dir + "\\target dir";
  ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
  TFolderIcon(P).Apply(target, {icon, 3}, true);
  EXPECT_EQ(vex::test::ReadFileText(target + "\\Desktop.ini"), "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=./source.ico\r\n");
  EXPECT_EQ(vex::test::ReadFileText(target + "\\source.ico"), "not really an icon");
  // attrib runs on its own; wait for what it records.
  EXPECT_TRUE(test::PumpUntil([&] {
    return HasAttribute(target + "\\Desktop.ini", FILE_ATTRIBUTE_HIDDEN) &&
           HasAttribute(target + "\\source.ico", FILE_ATTRIBUTE_HIDDEN) &&
           HasAttribute(target, FILE_ATTRIBUTE_SYSTEM);
  }, std::chrono::seconds(20)));

  EXPECT_TRUE(TFolderIcon(P).Restore(target));
  EXPECT_FALSE(P.FileExists(target + "\\Desktop.ini"));  // hidden or not, it goes
  EXPECT_TRUE(P.FileExists(target + "\\source.ico"));
  EXPECT_TRUE(HasAttribute(target, FILE_ATTRIBUTE_SYSTEM));
  for (const char* name : {"\\source.ico"}) SetFileAttributesA((target + name).c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA((target + "\\source.ico").c_str());
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryA(target.c_str());
}

TEST_F(WinPlatformTest, RestoreLeavesTheRestOfTheFile) {
  vex::test::WriteFileText(Ini, "[.ShellClassInfo]\r\nLocalizedResourceName=Holiday\r\nIconFile=a.ico\r\nIconIndex=1\r\n");
  EXPECT_TRUE(TFolderIcon(P).Restore(Dir));
  EXPECT_EQ(P.IniKeys(Ini, ".ShellClassInfo"), std::vector<std::string>{"LocalizedResourceName"});
  EXPECT_FALSE(TFolderIcon(P).Restore(Dir));
}

TEST_F(WinPlatformTest, CopyOntoItselfFailsAndCopyReplaces) {
  const std::string a = Dir + "\\a.ico", b = Dir + "\\b.ico";
  vex::test::WriteFileText(a, "A");
  vex::test::WriteFileText(b, "B");
  EXPECT_FALSE(P.CopyFileReplacing(a, a));
  EXPECT_TRUE(P.CopyFileReplacing(a, b));
  EXPECT_EQ(vex::test::ReadFileText(b), "A");
  EXPECT_TRUE(P.RemoveFile(b));
  EXPECT_FALSE(P.RemoveFile(b));
}

TEST(WinPlatformRegistry, DefaultValuesAndTreeDeletion) {
  TWinPlatform p;
  const std::string key = "Software\\Classes\\VexiloTest\\shell\\Verb";
  ASSERT_TRUE(p.SetRegistryDefault(TRegRoot::CurrentUser, key, "Vexilo(&I)"));
  ASSERT_TRUE(p.SetRegistryDefault(TRegRoot::CurrentUser, key + "\\command\\deeper", "x"));
  char value[64] = {};
  LONG size = sizeof value;
  EXPECT_EQ(RegQueryValueA(HKEY_CURRENT_USER, key.c_str(), value, &size), ERROR_SUCCESS);
  EXPECT_STREQ(value, "Vexilo(&I)");
  EXPECT_TRUE(p.DeleteRegistryTree(TRegRoot::CurrentUser, key));
  HKEY k;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k), ERROR_SUCCESS);
  EXPECT_FALSE(p.DeleteRegistryTree(TRegRoot::CurrentUser, key));
  p.DeleteRegistryTree(TRegRoot::CurrentUser, "Software\\Classes\\VexiloTest");
}

TEST(WinPlatformProgram, ProgramPathIsThisExecutable) {
  TWinPlatform p;
  const std::string path = p.ProgramPath();
  EXPECT_NE(path.find("app_platform_win_test.exe"), std::string::npos) << path;
}

}  // namespace
}  // namespace vex::app
