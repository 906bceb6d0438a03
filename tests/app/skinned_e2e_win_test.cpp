// vexilo.exe's windows in the built-in skin: the main window, the icon
// browser, message boxes and the system's folder and file dialogs are all
// drawn by the skin on their first activation, keep their client sizes, and
// their caption buttons work with the mouse.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "VexiloDriver.h"
#include "win_test_support.h"

namespace vex::app::test {
namespace {

constexpr POINT kEdit1{150, 11};
constexpr POINT kImage1{25, 42};
constexpr POINT kButton1{108, 39};
constexpr POINT kSpeedButton2{27, 12};

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

// Frame points of the sedge caption buttons: close 33, minimise 93 pixels
// from the right edge (24 x 24 at y 3).
POINT CloseButton(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return {r.right - r.left - 33 + 12, 15};
}

bool WaitSkinned(HWND w) {
  return vex::test::PumpUntil([&] { return LooksSkinned(w); }, std::chrono::seconds(10));
}

// The dialog of this process that shows after `open`, other than `except`.
HWND WaitDialog(Vexilo& app, HWND except = nullptr) {
  HWND found = nullptr;
  vex::test::PumpUntil(
      [&] {
        for (HWND w : app.Windows()) {
          char name[32] = {};
          GetClassNameA(w, name, sizeof name);
          if (w != except && std::string(name) == "#32770") found = w;
        }
        return found != nullptr;
      },
      std::chrono::seconds(30));
  return found;
}

class SkinnedEndToEnd : public ::testing::Test {
 protected:
  ProgramFolder Program;
};

TEST_F(SkinnedEndToEnd, MainWindowInTheSkinKeepsItsLayoutAndItsButtonsWork) {
  Vexilo app(Program.Exe(), "");
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitSkinned(main));
  EXPECT_EQ(ClientSize(main).cx, 292);
  EXPECT_EQ(ClientSize(main).cy, 94);
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r.right - r.left, 292 + 8);
  EXPECT_EQ(r.bottom - r.top, 94 + 32);
  vex::test::SaveWindowPng(main, "skinned-main-window");
  // The minimise button minimises; there is no maximise button.
  Vexilo::ClickFrame(main, r.right - r.left - 93 + 12, 15);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return IsIconic(main) != FALSE; }));
  ShowWindow(main, SW_RESTORE);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsIconic(main) && LooksSkinned(main); }));
  EXPECT_EQ(ClientSize(main).cy, 94);
  // The close button ends the program.
  const POINT close = CloseButton(main);
  Vexilo::ClickFrame(main, close.x, close.y);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !app.Running(); }, std::chrono::seconds(20)));
}

TEST_F(SkinnedEndToEnd, TheIconBrowserAndTheMessageBoxesAreSkinned) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vexilo skinned " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  vex::test::WriteFileText(folder + "\\Desktop.ini",
                           "[.ShellClassInfo]\r\nIconFile=" + Program.Dir() + "Folder.ico\r\nIconIndex=0\r\n");
  Vexilo app(Program.Exe(), "\"" + folder + "\"");
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);

  Vexilo::Click(main, kImage1.x, kImage1.y);
  HWND browser = app.WaitWindow("TFormIconExplorer");
  ASSERT_NE(browser, nullptr);
  ASSERT_TRUE(WaitSkinned(browser));
  vex::test::SaveWindowPng(browser, "skinned-icon-browser");
  const POINT close = CloseButton(browser);
  Vexilo::ClickFrame(browser, close.x, close.y);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsWindowVisible(browser); })) << "its close button closes it";

  // The success box: the folder's current icon applied again.
  Vexilo::Click(main, kButton1.x, kButton1.y);
  HWND box = WaitDialog(app);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(WaitSkinned(box));
  vex::test::SaveWindowPng(box, "skinned-success-box");
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标改变成功");

  // The error box of the message loop: a folder that is not there.
  POINT p;
  HWND edit = ChildAt(main, kEdit1, &p);
  Vexilo::Click(main, kEdit1.x, kEdit1.y);
  Vexilo::Key(edit, VK_END);
  Vexilo::Type(edit, "\\..\\gone");
  Vexilo::Click(main, kButton1.x, kButton1.y);
  box = WaitDialog(app);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(WaitSkinned(box));
  vex::test::SaveWindowPng(box, "skinned-error-box");
  EXPECT_EQ(app.AnswerMessageBox().rfind("Unable to write to ", 0), 0u);
  EXPECT_EQ(app.Close(), 0u);

  SetFileAttributesA((folder + "\\Desktop.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA((folder + "\\Desktop.ini").c_str());
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryA(folder.c_str());
}

TEST_F(SkinnedEndToEnd, TheFolderAndFileDialogsAreSkinned) {
  Vexilo app(Program.Exe(), "");
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  Vexilo::Click(main, kSpeedButton2.x, kSpeedButton2.y);
  HWND folders = WaitDialog(app);
  ASSERT_NE(folders, nullptr);
  EXPECT_TRUE(WaitSkinned(folders));
  vex::test::SaveWindowPng(folders, "skinned-folder-dialog");
  const POINT close = CloseButton(folders);
  Vexilo::ClickFrame(folders, close.x, close.y);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsWindow(folders); })) << "its close button cancels it";

  Vexilo::Click(main, kImage1.x, kImage1.y);
  HWND browser = app.WaitWindow("TFormIconExplorer");
  ASSERT_NE(browser, nullptr);
  HWND open = ChildWithText(browser, "打开...");
  ASSERT_NE(open, nullptr);
  RECT r;
  GetWindowRect(open, &r);
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(browser, &p);
  Vexilo::Click(browser, p.x, p.y);
  HWND files = WaitDialog(app);
  ASSERT_NE(files, nullptr);
  EXPECT_TRUE(WaitSkinned(files));
  vex::test::SaveWindowPng(files, "skinned-open-file-dialog");
  PostMessageA(files, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsWindow(files); }));
  PostMessageA(browser, WM_CLOSE, 0, 0);
  EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
}  // namespace vex::app::test
