// vexilo.exe in the skin Setup.ini names: the heron package beside the
// program is the look of the main window from its first activation on, and
// a damaged, too old or missing package leaves the built-in sedge skin in
// place without a message.  The settings the program writes at exit keep
// the choice.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "VexiloDriver.h"
#include "skin/data/SkinPackageWriter.h"
#include "win_test_support.h"

namespace vex::app::test {
namespace {

constexpr SIZE kClient{292, 94};

SIZE WindowSize(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return {r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND w) {
  RECT r;
  GetClientRect(w, &r);
  return {r.right, r.bottom};
}

std::string BuiltHeron() {
  char path[MAX_PATH];
  std::string p(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  p.erase(p.find_last_of('\\'));  // tests\ sits beside the program
  return p.substr(0, p.find_last_of('\\') + 1) + "heron.skn";
}

bool InRegion(HWND w, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool inside = GetWindowRgn(w, region) != ERROR && PtInRegion(region, x, y);
  DeleteObject(region);
  return inside;
}

// Message boxes or dialogs of the program besides its main window.
int OtherWindows(Vexilo& app, HWND main) {
  int n = 0;
  for (HWND w : app.Windows()) n += w != main;
  return n;
}

class ChosenSkinEndToEnd : public ::testing::Test {
 protected:
  void Choose(const std::string& value) {
    vex::test::WriteFileText(Program.Dir() + "Setup.ini", "[Reg]\r\nMenu=1\r\n[Skin]\r\nFile=" + value + "\r\n");
  }
  // Starts the program and waits for its main window in a skin; the main window.
  HWND Start(Vexilo& app) {
    HWND main = app.Main();
    EXPECT_NE(main, nullptr);
    if (!main) return nullptr;
    EXPECT_TRUE(vex::test::PumpUntil([&] { return LooksSkinned(main); }, std::chrono::seconds(10)));
    return main;
  }
  ProgramFolder Program;
};

TEST_F(ChosenSkinEndToEnd, HeronNamedBesideTheProgramIsTheFirstLookAndStaysChosen) {
  ASSERT_TRUE(CopyFileA(BuiltHeron().c_str(), (Program.Dir() + "heron.skn").c_str(), FALSE)) << BuiltHeron();
  Choose("heron.skn");
  Vexilo app(Program.Exe(), "");
  HWND main = Start(app);
  ASSERT_NE(main, nullptr);
  // heron's frame from the first skinned look: sides of 8, a title of 32
  // and a bottom of 8 around the client size the window was designed with.
  EXPECT_EQ(ClientSize(main).cx, kClient.cx);
  EXPECT_EQ(ClientSize(main).cy, kClient.cy);
  const SIZE size = WindowSize(main);
  EXPECT_EQ(size.cx, kClient.cx + 16);
  EXPECT_EQ(size.cy, kClient.cy + 32 + 8);
  // Only the bottom rail is keyed: the window is cut away under its middle,
  // not at the corner posts, nor at the square top corners.
  EXPECT_FALSE(InRegion(main, size.cx / 2, size.cy - 1));
  EXPECT_FALSE(InRegion(main, size.cx / 2, size.cy - 3));
  EXPECT_TRUE(InRegion(main, size.cx / 2, size.cy - 4));
  EXPECT_TRUE(InRegion(main, 0, size.cy - 1));
  EXPECT_TRUE(InRegion(main, size.cx - 1, size.cy - 1));
  EXPECT_TRUE(InRegion(main, 0, 0));
  EXPECT_TRUE(InRegion(main, size.cx - 1, 0));
  vex::test::SaveWindowPng(main, "chosen-skin-heron-main");
  // heron's art on screen: the amber line along the top of the active title.
  const vex::Pixels shot = vex::ReadWindow(main);
  ASSERT_EQ(shot.width, size.cx);
  EXPECT_EQ(shot.At(size.cx / 2, 1), 0xECAA40u);
  EXPECT_EQ(OtherWindows(app, main), 0);
  EXPECT_EQ(app.Close(), 0u);
  // The settings written at exit leave the choice and the rest in place.
  const std::string setup = vex::test::ReadFileText(Program.Dir() + "Setup.ini");
  EXPECT_NE(setup.find("[Skin]\r\nFile=heron.skn\r\n"), std::string::npos) << setup;
  EXPECT_NE(setup.find("[Copy]\r\nCopy=0\r\n"), std::string::npos) << setup;
}

TEST_F(ChosenSkinEndToEnd, HeronByItsFullPath) {
  Choose(BuiltHeron());
  Vexilo app(Program.Exe(), "");
  HWND main = Start(app);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowSize(main).cx, kClient.cx + 16);
  EXPECT_EQ(WindowSize(main).cy, kClient.cy + 40);
  EXPECT_EQ(app.Close(), 0u);
}

TEST_F(ChosenSkinEndToEnd, UnusablePackagesLeaveTheBuiltInSkinWithoutAMessage) {
  const std::string heron = vex::test::ReadFileText(BuiltHeron());
  ASSERT_GT(heron.size(), 1000u);
  const std::string ini = "[TitlebarSkin]\r\nSkinName=old\r\n";
  std::vector<std::uint8_t> archive = vex::skin::BuildArchive({{"old.ini", {ini.begin(), ini.end()}}});
  archive[0] = 0x1F;  // format version 19999
  const std::vector<std::uint8_t> older = vex::skin::CompressArchive(archive);
  struct Case {
    const char* name;  // also the screenshot's
    std::string bytes;
  };
  const Case cases[] = {
      {"damaged", heron.substr(0, heron.size() / 4)},  // a download that stopped short
      {"old-version", std::string(older.begin(), older.end())},
      {"missing", ""},  // not written
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = std::string(c.name) + ".skn";
    if (!c.bytes.empty()) vex::test::WriteFileText(Program.Dir() + file, c.bytes);
    Choose(file);
    Vexilo app(Program.Exe(), "");
    HWND main = Start(app);
    ASSERT_NE(main, nullptr);
    // The built-in skin's frame (sides of 4, title of 28) around the client,
    // and nothing else on screen.
    EXPECT_EQ(ClientSize(main).cx, kClient.cx);
    EXPECT_EQ(ClientSize(main).cy, kClient.cy);
    EXPECT_EQ(WindowSize(main).cx, kClient.cx + 8);
    EXPECT_EQ(WindowSize(main).cy, kClient.cy + 32);
    vex::test::SaveWindowPng(main, std::string("chosen-skin-") + c.name + "-main");
    EXPECT_EQ(OtherWindows(app, main), 0) << "no message about the skin";
    EXPECT_EQ(app.Close(), 0u);
  }
}

}  // namespace
}  // namespace vex::app::test
