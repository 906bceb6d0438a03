// vexilo.exe driven from the outside: started on a folder, clicked and typed
// at, its message boxes answered, its files, attributes and registry entries
// checked afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VexiloDriver.h"
#include "ico_write.h"
#include "raster.h"
#include "win_test_support.h"

namespace vex::app::test {
namespace {

// Client points of the main window's controls (the window's own layout).
constexpr POINT kEdit1{150, 11};
constexpr POINT kImage1{25, 42};
constexpr POINT kButton1{108, 39};
constexpr POINT kBitBtn1{216, 39};
constexpr POINT kSpeedButton1{27, 73};
constexpr POINT kCheckBox1{24, 94 + 9};
constexpr POINT kCheckBox2{24, 94 + 33};
constexpr char kVerbKey[] = "Software\\Classes\\Folder\\shell\\VexiloVerb";

// A 32x32 icon of one colour, with a transparent frame of 4 pixels.
void WriteSquareIcon(const std::string& path, std::uint32_t rgb) {
  vex::art::Raster r(32, 32);
  for (int y = 4; y < 28; ++y)
    for (int x = 4; x < 28; ++x) r.At(x, y) = vex::art::Rgba{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb), 255};
  const auto bytes = vex::art::EncodeIco({r});
  vex::test::WriteFileText(path, std::string(bytes.begin(), bytes.end()));
}

bool HasAttribute(const std::string& path, DWORD flag) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & flag);
}

std::string RegistryDefault(const std::string& key) {
  char value[1024] = {};
  LONG size = sizeof value;
  if (RegQueryValueA(HKEY_CURRENT_USER, key.c_str(), value, &size) != ERROR_SUCCESS) return "<missing>";
  return value;
}


// The edit field: Panel1's only edit.
HWND Edit1Of(HWND main) {
  POINT p;
  return ChildAt(main, kEdit1, &p);
}

bool IsChecked(HWND main, POINT at) {
  POINT p;
  return SendMessageA(ChildAt(main, at, &p), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

// Test folders in the temporary folder: names with a blank and GBK text.
class AppEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    Root = std::string(temp) + "vexilo e2e " + std::to_string(GetCurrentProcessId()) + " " +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(Root.c_str(), nullptr);
    Photos = Root + "\\我的 Photos";
    Music = Root + "\\Music box";
    CreateDirectoryA(Photos.c_str(), nullptr);
    CreateDirectoryA(Music.c_str(), nullptr);
    RedIcon = Root + "\\red.ico";
    WriteSquareIcon(RedIcon, 0xE02020);
    RegDeleteTreeA(HKEY_CURRENT_USER, kVerbKey);
  }
  void TearDown() override {
    for (const std::string& dir : {Photos, Music}) {
      for (const char* name : {"\\Desktop.ini", "\\red.ico"}) {
        SetFileAttributesA((dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((dir + name).c_str());
      }
      SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_DIRECTORY);
      RemoveDirectoryA(dir.c_str());
    }
    DeleteFileA(RedIcon.c_str());
    RemoveDirectoryA(Root.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, kVerbKey);
  }
  std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

  ProgramFolder Program;
  std::string Root, Photos, Music, RedIcon;
};

TEST_F(AppEndToEnd, StartsOnTheCommandLineFolderAndShowsItsIcon) {
  vex::test::WriteFileText(Photos + "\\Desktop.ini", "[.ShellClassInfo]\r\nIconFile=" + RedIcon + "\r\nIconIndex=0\r\n");
  Vexilo app(Program.Exe(), Quoted(Photos));
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowText(main), "Vexilov3.0");
  EXPECT_EQ(WindowText(Edit1Of(main)), Photos);
  const SIZE client = ClientSize(main);
  EXPECT_EQ(client.cx, 292);
  EXPECT_EQ(client.cy, 94);
  RECT frame;
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.left, 362);
  EXPECT_EQ(frame.top, 150);

  // The icon is drawn into the picture frame: its middle is red.
  POINT image{kImage1.x, kImage1.y};
  ClientToScreen(main, &image);
  std::uint32_t pixel = 0;
  EXPECT_TRUE(vex::test::PumpUntil([&] {
    pixel = vex::ReadScreen(RECT{image.x, image.y, image.x + 1, image.y + 1}).At(0, 0);
    return pixel == 0xE02020u;
  })) << std::hex << pixel;
  vex::test::SaveWindowPng(main, "app-main-window");
  EXPECT_EQ(app.Close(), 0u);
}

// Windowed children of a parent in window order (the tab order), with their
// classes and their rectangles in the parent's client coordinates.
std::vector<std::pair<std::string, RECT>> ChildrenOf(HWND parent) {
  std::vector<std::pair<std::string, RECT>> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(c, name, sizeof name);
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    children.emplace_back(name, r);
  }
  return children;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(AppEndToEnd, ControlsSitWhereTheLayoutPutsThemInTabOrder) {
  Vexilo app(Program.Exe(), "");
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  POINT p;
  HWND panel1 = ChildAt(main, POINT{280, 80}, &p);
  const auto top = ChildrenOf(main);
  ASSERT_EQ(top.size(), 2u);  // Panel1, then Panel2
  EXPECT_TRUE(SameRect(top[0].second, RECT{0, 0, 292, 94}));
  EXPECT_TRUE(SameRect(top[1].second, RECT{0, 94, 292, 193}));
  const auto inPanel1 = ChildrenOf(panel1);
  ASSERT_EQ(inPanel1.size(), 4u);
  const char* classes[] = {"TButton", "TBitBtn", "TEdit", "TPanel"};
  const RECT rects[] = {{56, 27, 161, 52}, {176, 27, 257, 52}, {56, 1, 257, 22}, {8, 24, 43, 59}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(inPanel1[i].first, classes[i]) << i;
    EXPECT_TRUE(SameRect(inPanel1[i].second, rects[i])) << i;
  }
  EXPECT_EQ(WindowText(ChildAt(main, kButton1, &p)), "应用选中的图标");
  EXPECT_EQ(WindowText(ChildAt(main, kBitBtn1, &p)), "还原图标");
  EXPECT_EQ(app.Close(), 0u);
}

// How many pixels of the picture frame differ from the frame's background
// (the skin's face colour, read on the frame's top row above the picture).
int PaintedPixels(HWND main) {
  POINT origin{9, 26};  // Image1 inside Panel3
  ClientToScreen(main, &origin);
  const vex::Pixels p = vex::ReadScreen(RECT{origin.x, origin.y - 1, origin.x + 32, origin.y + 32});
  const std::uint32_t faceRgb = p.At(16, 0);
  int n = 0;
  for (int y = 1; y <= 32; ++y)
    for (int x = 0; x < 32; ++x) n += p.At(x, y) != faceRgb;
  return n;
}

// The colour of a main-window client point on screen, 0xRRGGBB.
std::uint32_t PixelAt(HWND main, POINT at) {
  ClientToScreen(main, &at);
  return vex::ReadScreen(RECT{at.x, at.y, at.x + 1, at.y + 1}).At(0, 0);
}

// The built-in skin's colours (skin/sedge/sedge.ini and its images).
constexpr std::uint32_t kSkinFace = 0xBDC39E, kSkinShadow = 0x8F9872, kButtonOutline = 0x7A8462,
                        kHotButtonOutline = 0x505E3C, kCheckOutline = 0x5E6848;

TEST_F(AppEndToEnd, TheMainWindowsControlsAreDrawnFromTheSkin) {
  Vexilo app(Program.Exe(), Quoted(Photos));
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  Vexilo::Click(main, kSpeedButton1.x, kSpeedButton1.y);  // the options panel with the check boxes
  ASSERT_TRUE(vex::test::PumpUntil([&] { return ClientSize(main).cy == 193; }));
  struct Spot {
    const char* what;
    POINT at;
    std::vector<std::uint32_t> colours;
  };
  const Spot spots[] = {
      {"panel in the skin's face colour", {280, 80}, {kSkinFace}},
      {"options panel too", {280, 180}, {kSkinFace}},
      {"edit outlined in the skin's shadow colour", {56, 11}, {kSkinShadow}},
      {"apply button's frame", {56, 39}, {kButtonOutline, kHotButtonOutline}},
      {"restore button's frame", {176, 39}, {kButtonOutline, kHotButtonOutline}},
      {"menu check box glyph", {16, 101}, {kCheckOutline}},
      {"copy check box glyph", {16, 125}, {kCheckOutline}},
  };
  for (const Spot& s : spots) {
    std::uint32_t pixel = 0;
    EXPECT_TRUE(vex::test::PumpUntil([&] {
      pixel = PixelAt(main, s.at);
      return std::find(s.colours.begin(), s.colours.end(), pixel) != s.colours.end();
    })) << s.what << ": " << std::hex << pixel;
  }
  vex::test::SaveWindowPng(main, "app-main-window-skinned-controls");
  // The skinned check box still works with the mouse and the keyboard.
  Vexilo::Click(main, kCheckBox2.x, kCheckBox2.y);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return IsChecked(main, kCheckBox2); }));
  POINT p;
  HWND box = ChildAt(main, kCheckBox2, &p);
  Vexilo::Key(box, VK_SPACE);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsChecked(main, kCheckBox2); }));
  EXPECT_EQ(app.Close(), 0u);
}

TEST_F(AppEndToEnd, IconOutOfALibraryIsExtractedForThePicture) {
  vex::test::WriteFileText(Photos + "\\Desktop.ini", "[.ShellClassInfo]\r\nIconFile=C:\\windows\\system32\\shell32.dll\r\nIconIndex=3\r\n");
  Vexilo app(Program.Exe(), Quoted(Photos));
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return PaintedPixels(main) > 100; })) << PaintedPixels(main);
  EXPECT_EQ(app.Close(), 0u);
}

TEST_F(AppEndToEnd, BrokenIconAtStartStillOpensTheWindowWithAnEmptyPicture) {
  vex::test::WriteFileText(Photos + "\\bad.ico", "this is no icon");
  vex::test::WriteFileText(Photos + "\\Desktop.ini", "[.ShellClassInfo]\r\nIconFile=./bad.ico\r\n");
  Vexilo app(Program.Exe(), Quoted(Photos));
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowText(Edit1Of(main)), Photos);
  // Pending paints are sent (not posted) to the program's thread and done on return.
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(PaintedPixels(main), 0);
  EXPECT_EQ(app.Windows().size(), 1u);  // no error box at start-up
  // Applying it again does report the broken icon when it is drawn.
  Vexilo::Click(main, kButton1.x, kButton1.y);
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标改变成功");
  EXPECT_EQ(app.AnswerMessageBox(), "Icon image is not valid.");
  EXPECT_EQ(app.Close(), 0u);
  DeleteFileA((Photos + "\\bad.ico").c_str());
}

TEST_F(AppEndToEnd, UnquotedFolderWithBlanksFromAConsole) {
  Vexilo app(Program.Exe(), Music);
  ASSERT_NE(app.Main(), nullptr);
  EXPECT_EQ(WindowText(Edit1Of(app.Main())), Music);
  EXPECT_EQ(app.Close(), 0u);
}

TEST_F(AppEndToEnd, AppliesTheShownIconToATypedFolderThenRestoresIt) {
  vex::test::WriteFileText(Photos + "\\Desktop.ini", "[.ShellClassInfo]\r\nIconFile=" + RedIcon + "\r\nIconIndex=0\r\n");
  vex::test::WriteFileText(Music + "\\Desktop.ini", "[.ShellClassInfo]\r\nInfoTip=Songs\r\n");
  Vexilo app(Program.Exe(), Quoted(Photos));
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  HWND edit = Edit1Of(main);
  Vexilo::Click(main, kEdit1.x, kEdit1.y);
  Vexilo::Key(edit, VK_END);
  for (size_t i = 0; i < Photos.size(); ++i) Vexilo::Type(edit, "\b");
  Vexilo::Type(edit, Music);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return WindowText(edit) == Music; })) << WindowText(edit);

  Vexilo::Click(main, kButton1.x, kButton1.y);
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标改变成功");
  const std::string ini = Music + "\\Desktop.ini";
  EXPECT_EQ(vex::test::ReadFileText(ini), "[.ShellClassInfo]\r\nInfoTip=Songs\r\nIconIndex=0\r\nIconFile=" + RedIcon + "\r\n");
  EXPECT_TRUE(vex::test::PumpUntil([&] {
    return HasAttribute(ini, FILE_ATTRIBUTE_HIDDEN) && HasAttribute(Music, FILE_ATTRIBUTE_SYSTEM);
  }, std::chrono::seconds(20)));

  Vexilo::Click(main, kBitBtn1.x, kBitBtn1.y);
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标还原成功");
  EXPECT_EQ(vex::test::ReadFileText(ini), "[.ShellClassInfo]\r\nInfoTip=Songs\r\n");  // the rest stays
  EXPECT_TRUE(HasAttribute(Music, FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(app.Close(), 0u);
}

TEST_F(AppEndToEnd, CopyOptionCopiesTheIcoAndHidesTheCopy) {
  vex::test::WriteFileText(Program.Dir() + "Setup.ini", "[Copy]\r\nCopy=1\r\n");
  vex::test::WriteFileText(Photos + "\\Desktop.ini", "[.ShellClassInfo]\r\nIconFile=" + RedIcon + "\r\n");
  Vexilo app(Program.Exe(), Quoted(Photos));
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  Vexilo::Click(main, kButton1.x, kButton1.y);
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标改变成功");
  EXPECT_EQ(vex::test::ReadFileText(Photos + "\\red.ico"), vex::test::ReadFileText(RedIcon));
  EXPECT_EQ(vex::test::ReadFileText(Photos + "\\Desktop.ini"), "[.ShellClassInfo]\r\nIconFile=./red.ico\r\nIconIndex=0\r\n");
  EXPECT_TRUE(vex::test::PumpUntil([&] {
    return HasAttribute(Photos + "\\red.ico", FILE_ATTRIBUTE_HIDDEN) &&
           HasAttribute(Photos + "\\Desktop.ini", FILE_ATTRIBUTE_HIDDEN) && HasAttribute(Photos, FILE_ATTRIBUTE_SYSTEM);
  }, std::chrono::seconds(20)));
  EXPECT_EQ(app.Close(), 0u);
}

TEST_F(AppEndToEnd, ApplyToAMissingFolderShowsTheWriteError) {
  vex::test::WriteFileText(Photos + "\\Desktop.ini", "[.ShellClassInfo]\r\nIconFile=" + RedIcon + "\r\n");
  const std::string missing = Root + "\\gone";
  Vexilo app(Program.Exe(), Quoted(Photos));
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  HWND edit = Edit1Of(main);
  Vexilo::Click(main, kEdit1.x, kEdit1.y);
  Vexilo::Key(edit, VK_END);
  Vexilo::Type(edit, "\\..\\gone");
  Vexilo::Click(main, kButton1.x, kButton1.y);
  const std::string text = app.AnswerMessageBox();
  EXPECT_EQ(text.rfind("Unable to write to ", 0), 0u) << text;
  EXPECT_TRUE(app.Running());  // the program carries on
  EXPECT_EQ(app.Close(), 0u);
}

TEST_F(AppEndToEnd, OptionsAreRememberedAndTheVerbFollowsTheMenuOption) {
  {
    Vexilo app(Program.Exe(), "");
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    Vexilo::Click(main, kSpeedButton1.x, kSpeedButton1.y);
    ASSERT_TRUE(vex::test::PumpUntil([&] { return ClientSize(main).cy == 193; })) << ClientSize(main).cy;
    vex::test::SaveWindowPng(main, "app-main-window-options");
    EXPECT_TRUE(IsChecked(main, kCheckBox1));
    EXPECT_FALSE(IsChecked(main, kCheckBox2));
    EXPECT_EQ(RegistryDefault(kVerbKey), "<missing>");  // a first start leaves the registry alone

    Vexilo::Click(main, kCheckBox2.x, kCheckBox2.y);  // saved at once
    EXPECT_TRUE(vex::test::PumpUntil([&] { return vex::test::ReadFileText(Program.Dir() + "Setup.ini").find("Copy=1") != std::string::npos; }));
    Vexilo::Click(main, kCheckBox1.x, kCheckBox1.y);  // off: removes the verb
    Vexilo::Click(main, kCheckBox1.x, kCheckBox1.y);  // on: writes it
    EXPECT_TRUE(vex::test::PumpUntil([&] { return RegistryDefault(kVerbKey) == "Vexilo(&I)"; }));
    EXPECT_EQ(RegistryDefault(std::string(kVerbKey) + "\\command"), "\"" + Program.Exe() + "\" \"%l\"");
    Vexilo::Click(main, kSpeedButton1.x, kSpeedButton1.y);
    EXPECT_TRUE(vex::test::PumpUntil([&] { return ClientSize(main).cy == 94; }));
    EXPECT_EQ(app.Close(), 0u);
  }
  EXPECT_EQ(vex::test::ReadFileText(Program.Dir() + "Setup.ini"), "[Reg]\r\nMenu=1\r\n[Copy]\r\nCopy=1\r\n");
  {
    Vexilo app(Program.Exe(), "");
    HWND main = app.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(ClientSize(main).cy, 94);  // the options start hidden again
    Vexilo::Click(main, kSpeedButton1.x, kSpeedButton1.y);
    ASSERT_TRUE(vex::test::PumpUntil([&] { return ClientSize(main).cy == 193; }));
    EXPECT_TRUE(IsChecked(main, kCheckBox1));
    EXPECT_TRUE(IsChecked(main, kCheckBox2));
    Vexilo::Click(main, kCheckBox1.x, kCheckBox1.y);
    EXPECT_TRUE(vex::test::PumpUntil([&] { return RegistryDefault(kVerbKey) == "<missing>"; }));
    EXPECT_EQ(app.Close(), 0u);
  }
  EXPECT_EQ(vex::test::ReadFileText(Program.Dir() + "Setup.ini"), "[Reg]\r\nMenu=0\r\n[Copy]\r\nCopy=1\r\n");
  // With the option off the verb is removed at every start, even one put
  // there by someone else.
  ASSERT_EQ(RegSetValueA(HKEY_CURRENT_USER, kVerbKey, REG_SZ, "Vexilo(&I)", 10), ERROR_SUCCESS);
  {
    Vexilo app(Program.Exe(), "");
    ASSERT_NE(app.Main(), nullptr);
    EXPECT_EQ(RegistryDefault(kVerbKey), "<missing>");
    EXPECT_EQ(app.Close(), 0u);
  }
}

}  // namespace
}  // namespace vex::app::test
