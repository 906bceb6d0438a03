// vexilo.exe itself: its resources and its main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_test_support.h"

namespace {

std::string ProgramPath() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  p.erase(p.find_last_of('\\'));  // tests\ sits beside the program
  p.erase(p.find_last_of('\\') + 1);
  return p + "vexilo.exe";
}

struct Module {
  HMODULE handle = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ~Module() { if (handle) FreeLibrary(handle); }
};

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT len = 0;
  const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &len) || !value) return {};
  return value;
}

}  // namespace

TEST(Program, VersionInformationNamesVexilo30) {
  const std::string exe = ProgramPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));
  EXPECT_EQ(VersionString(block, "ProductName"), "Vexilo");
  EXPECT_EQ(VersionString(block, "ProductVersion"), "3.0");
}

TEST(Program, IconHasLargeAndSmallImagesWithMask) {
  Module m;
  ASSERT_NE(m.handle, nullptr);
  for (int size : {32, 16}) {
    HICON icon = static_cast<HICON>(LoadImageA(m.handle, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_NE(info.hbmMask, nullptr);
    BITMAP bm{};
    GetObject(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, size);
    // The corner is outside the picture: the mask must make it transparent.
    vex::Pixels mask = vex::ReadBitmap(info.hbmMask);
    EXPECT_EQ(mask.At(0, size - 1), 0xFFFFFFu) << size;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(Program, ManifestAsksForNoElevationAndClassicControls) {
  Module m;
  HRSRC res = FindResourceA(m.handle, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(res, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(m.handle, res)));
  const std::string manifest(text, SizeofResource(m.handle, res));
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

TEST(Program, OpensItsMainWindowAndClosesCleanly) {
  std::string line = "\"" + ProgramPath() + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  HWND main = nullptr;
  EXPECT_TRUE(vex::test::PumpUntil([&] {
    // Other tests run vexilo.exe at the same time: take this process's window only.
    main = nullptr;
    while ((main = FindWindowExA(nullptr, main, "TForm1", nullptr))) {
      DWORD pid = 0;
      GetWindowThreadProcessId(main, &pid);
      if (pid == pi.dwProcessId) break;
    }
    return main && IsWindowVisible(main);
  }, std::chrono::milliseconds(30000)));
  if (main) {
    char title[64] = {};
    GetWindowTextA(main, title, sizeof title);
    EXPECT_STREQ(title, "Vexilov3.0");
    vex::test::SaveWindowPng(main, "main-window");
    PostMessageA(main, WM_CLOSE, 0, 0);
  }
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 30000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}
