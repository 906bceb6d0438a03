// Vexilo at the display's DPI.  CTest runs these tests three times: at 96
// dpi in the test prefix and at 144 and 192 dpi in prefixes of their own
// (scripts/dpi-run sets LogPixels and VEXILO_TEST_DPI).  The program's
// windows are laid out from their 96-dpi designs at that scale, the icon box
// shows the icon's own image of the scaled size, and the icon browser (made
// in this process, which is per-monitor aware as the program's manifest
// makes vexilo.exe) goes to another DPI and back without a pixel or a
// handle out of place.  Screenshots: test-output/dpi-<DPI>-*.png.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "VexiloDriver.h"
#include "app/res/resource_ids.h"
#include "ico_write.h"
#include "iconbrowser/IconGdi.h"
#include "iconbrowser/TFormIconExplorer.h"
#include "widgets/DpiScale.h"
#include "widgets/TApplication.h"
#include "widgets/WindowDpi.h"
#include "win_test_support.h"

namespace vex::app::test {
namespace {

int TestDpi() {
  const char* v = std::getenv("VEXILO_TEST_DPI");
  return v && std::atoi(v) > 0 ? std::atoi(v) : 96;
}
int S(int design) { return vcl::dpi::Scale(design, TestDpi()); }
std::string Shot(const std::string& what) { return "dpi-" + std::to_string(TestDpi()) + "-" + what; }

// One colour per image size, so a picture shows which image it was made from.
constexpr std::uint32_t kColourOfSize[][2] = {{32, 0xC02020}, {40, 0x808000}, {48, 0x2040C0},
                                              {56, 0x008080}, {64, 0x20A040}, {80, 0x800080}};
std::uint32_t ColourOf(int size) {
  for (const auto& c : kColourOfSize)
    if (static_cast<int>(c[0]) == size) return c[1];
  return 0;
}

// An .ico with a solid image of each size above.
void WriteSizedIco(const std::string& path) {
  std::vector<vex::art::Raster> images;
  for (const auto& c : kColourOfSize) {
    const int n = static_cast<int>(c[0]);
    vex::art::Raster r(n, n);
    r.Fill(0, 0, n, n, vex::art::Rgba::Of(c[1]));
    images.push_back(r);
  }
  ASSERT_TRUE(vex::art::WriteIco(path, images));
}

std::string TempDir(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + name + " " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

SIZE ClientSize(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return {r.right, r.bottom};
}

SIZE WindowSize(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return {r.right - r.left, r.bottom - r.top};
}

HWND WaitDialog(Vexilo& app) {
  HWND found = nullptr;
  vex::test::PumpUntil(
      [&] {
        for (HWND w : app.Windows()) {
          char name[32] = {};
          GetClassNameA(w, name, sizeof name);
          if (std::string(name) == "#32770") found = w;
        }
        return found != nullptr;
      },
      std::chrono::seconds(30));
  return found;
}

TEST(DpiDisplay, TheDisplayReportsThePrefixsDpi) {
  // Without this the other tests would prove nothing about scaling.
  EXPECT_EQ(vcl::SystemDpi(), TestDpi());
}

class DpiEndToEnd : public ::testing::Test {
 protected:
  ProgramFolder Program;
};

TEST_F(DpiEndToEnd, TheProgramsIconHasAnImageDrawnAtEachScaledSize) {
  // Title bar (16) and window (32) sizes at this DPI: the resource must hold
  // an image of exactly that size, or Windows stretches a smaller one.
  HMODULE exe = LoadLibraryExA(Program.Exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC group = FindResourceA(exe, MAKEINTRESOURCEA(IDI_VEXILO), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  auto* dir = static_cast<BYTE*>(LockResource(LoadResource(exe, group)));
  for (int design : {16, 32}) {
    const int size = S(design);
    const int id = LookupIconIdFromDirectoryEx(dir, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceA(exe, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
    ASSERT_NE(image, nullptr) << size;
    const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(exe, image)));
    EXPECT_EQ(header->biWidth, size) << "the image Windows takes for " << size << " pixels";
  }
  FreeLibrary(exe);
}

TEST_F(DpiEndToEnd, TheMainWindowItsIconAndItsOptionsAtTheDisplaysScale) {
  const std::string folder = TempDir("vexilo dpi");
  const std::string ico = folder + "\\sized.ico";
  WriteSizedIco(ico);
  vex::test::WriteFileText(folder + "\\Desktop.ini", "[.ShellClassInfo]\r\nIconFile=" + ico + "\r\nIconIndex=0\r\n");
  Vexilo app(Program.Exe(), "\"" + folder + "\"");
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);

  // 438 x 141 at 144 dpi, 584 x 188 at 192.
  EXPECT_EQ(ClientSize(main).cx, S(292));
  EXPECT_EQ(ClientSize(main).cy, S(94));
  // The icon box's frame (Panel3, design 35 x 35 at 8, 24).
  POINT inBox{};
  HWND box = ChildAt(main, {S(25), S(42)}, &inBox);
  ASSERT_NE(box, main);
  EXPECT_EQ(WindowSize(box).cx, S(43) - S(8));
  EXPECT_EQ(WindowSize(box).cy, S(59) - S(24));
  // The icon fills Image1 (design 32 x 32 at 1, 2), drawn from the file's
  // image of that size: 48 pixels at 144 dpi, 64 at 192.
  const int size = S(33) - S(1);
  EXPECT_EQ(size, vcl::dpi::IconSize(32, TestDpi()));
  EXPECT_TRUE(vex::test::PumpUntil([&] {
    POINT at{S(1), S(2)};
    ClientToScreen(box, &at);
    const vex::Pixels icon = vex::ReadScreen({at.x, at.y, at.x + size, at.y + size});
    for (std::uint32_t p : icon.rgb)
      if (p != ColourOf(size)) return false;
    return true;
  })) << "the icon box shows the " << size << "-pixel image, all of it";
  {
    POINT after{S(1) + size, S(2) + size};
    ClientToScreen(box, &after);
    const vex::Pixels beyond = vex::ReadScreen({after.x, after.y, after.x + 1, after.y + 1});
    EXPECT_NE(beyond.At(0, 0), ColourOf(size)) << "and no more than that";
  }
  vex::test::SaveWindowPng(main, Shot("main-window"));

  // The options panel: the window grows by the scaled panel and shrinks back.
  Vexilo::Click(main, S(27), S(73));
  EXPECT_TRUE(vex::test::PumpUntil([&] { return ClientSize(main).cy == S(193); })) << ClientSize(main).cy;
  EXPECT_EQ(ClientSize(main).cx, S(292));
  vex::test::SaveWindowPng(main, Shot("main-window-options"));
  Vexilo::Click(main, S(27), S(73));
  EXPECT_TRUE(vex::test::PumpUntil([&] { return ClientSize(main).cy == S(94); })) << ClientSize(main).cy;

  // A message box (the system's own, laid out by the system at its DPI).
  Vexilo::Click(main, S(108), S(39));
  HWND message = WaitDialog(app);
  ASSERT_NE(message, nullptr);
  vex::test::SaveWindowPng(message, Shot("message-box"));
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标改变成功");

  // The icon browser from the icon box.
  Vexilo::Click(main, S(25), S(42));
  HWND browser = app.WaitWindow("TFormIconExplorer");
  ASSERT_NE(browser, nullptr);
  HWND ok = ChildWithText(browser, "确定");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(WindowSize(ok).cx, S(91) - S(14));
  EXPECT_EQ(WindowSize(ok).cy, S(62) - S(37));
  vex::test::SaveWindowPng(browser, Shot("icon-browser"));
  // The system's file dialog, and the folder dialog from the main window:
  // laid out by the system at the process's DPI.
  const auto shootDialog = [&](const std::function<void()>& open, const char* name) {
    open();
    HWND dialog = WaitDialog(app);
    ASSERT_NE(dialog, nullptr) << name;
    vex::test::SaveWindowPng(dialog, Shot(name));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) << name;
  };
  shootDialog([&] { PostMessageA(ChildWithText(browser, "打开..."), BM_CLICK, 0, 0); }, "file-dialog");
  PostMessageA(browser, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return !IsWindowVisible(browser); }));
  shootDialog([&] { Vexilo::Click(main, S(27), S(12)); }, "folder-dialog");  // ">>"
  EXPECT_EQ(app.Close(), 0u);

  for (const char* name : {"\\Desktop.ini", "\\sized.ico"}) {
    SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA((folder + name).c_str());
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryA(folder.c_str());
}

// Where every child window of a form is, relative to the form's client
// area, with its font's height: the layout a DPI change must give back.
struct Placement {
  RECT rect;
  LONG fontHeight;
  bool operator==(const Placement& o) const { return EqualRect(&rect, &o.rect) && fontHeight == o.fontHeight; }
};
std::map<HWND, Placement> LayoutOf(HWND form) {
  std::map<HWND, Placement> layout;
  std::pair<HWND, std::map<HWND, Placement>*> target(form, &layout);
  EnumChildWindows(
      form,
      [](HWND child, LPARAM data) -> BOOL {
        auto* l = reinterpret_cast<std::pair<HWND, std::map<HWND, Placement>*>*>(data);
        Placement p{};
        GetWindowRect(child, &p.rect);
        MapWindowPoints(nullptr, l->first, reinterpret_cast<POINT*>(&p.rect), 2);
        LOGFONTA lf{};
        if (auto font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)))
          GetObjectA(font, sizeof lf, &lf);
        p.fontHeight = lf.lfHeight;
        (*l->second)[child] = p;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&target));
  return layout;
}

class DpiBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = TempDir("vexilo dpi browser");
    WriteSizedIco(folder + "\\sized.ico");
    browser.reset(vcl::New<TFormIconExplorer>(nullptr, ProgramDir()));
  }
  void TearDown() override {
    browser.reset();
    DeleteFileA((folder + "\\sized.ico").c_str());
    RemoveDirectoryA(folder.c_str());
  }
  static std::string ProgramDir() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path, n);
    p.erase(p.find_last_of('\\'));  // tests\ sits beside the program
    return p.substr(0, p.find_last_of('\\') + 1);
  }
  // The colour in the middle of image `index` of the browser's list.
  std::uint32_t ListImageColour(int index) {
    vcl::TIcon icon;
    if (!browser->ImageList1->GetIcon(index, icon)) return 0xFFFFFFFF;
    const auto pixels = vex::iconbrowser::ReadIconPixels(icon.Handle());
    if (!pixels) return 0xFFFFFFFF;
    return pixels->colour[pixels->Index(pixels->width / 2, pixels->height / 2)];
  }
  std::string folder;
  vcl::Owned<TFormIconExplorer> browser;
};

TEST_F(DpiBrowser, TheListShowsEachIconsOwnImageOfTheScaledSize) {
  browser->FFolder = folder;  // no executables there: the list starts empty
  browser->HandleNeeded();
  EXPECT_EQ(browser->Dpi(), TestDpi());
  EXPECT_EQ(browser->ImageList1->Width(), S(32));
  browser->Show();  // lists the folder afresh
  browser->LoadIconsFromFile(folder + "\\sized.ico");
  // The file is read on a worker and listed through the message loop.
  ASSERT_TRUE(vex::test::PumpUntil([&] { return !browser->Reading(); }));
  ASSERT_EQ(browser->ListView1->ItemCount(), 1);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(browser->ImageList1->Handle(), &cx, &cy);
  EXPECT_EQ(cx, S(32));
  EXPECT_EQ(cy, S(32));
  EXPECT_EQ(ListImageColour(0), ColourOf(S(32))) << "the file's own image, not the 32-pixel one stretched";
  RECT icon{LVIR_ICON, 0, 0, 0};
  SendMessageA(browser->ListView1->Handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&icon));
  EXPECT_GE(icon.right - icon.left, S(32));
  browser->ListView1->Items(0)->SetSelected(true);
  // The previews at the window's scale too, each from the file's own image
  // of that size: the icon alone, and the composite with the icon at its
  // full size (the folder picture wholly covered).
  browser->ScrollBar1->SetPosition(32);
  vex::test::PumpPending();
  for (vcl::TImage* preview : {browser->Image1, browser->Image2}) {
    const auto px = vex::iconbrowser::ReadIconPixels(preview->Picture().Icon().Handle());
    ASSERT_TRUE(px.has_value());
    EXPECT_EQ(px->width, S(32));
    EXPECT_EQ(px->colour[px->Index(px->width / 2, px->height / 2)], ColourOf(S(32)));
  }
  vex::test::SaveWindowPng(browser->Handle(), Shot("icon-browser-list"));
  browser->Hide();
}

TEST_F(DpiBrowser, ToAnotherDpiAndBackLeavesLayoutAndHandlesWhereTheyWere) {
  browser->FFolder = folder;
  browser->Show();  // lists the folder afresh: no executables there
  browser->LoadIconsFromFile(folder + "\\sized.ico");
  HWND w = browser->Handle();
  vex::test::PumpPending();
  const int home = TestDpi();
  const int away = home == 96 ? 144 : 96;
  RECT start{};
  GetWindowRect(w, &start);
  // What the system sends when the window is dragged to a monitor at `away`:
  // the DPI and a rectangle for it there.
  const auto move = [&](int dpi, int left, int top) {
    RECT suggested{left, top, left + vcl::dpi::MulDivRound(WindowSize(w).cx, dpi, browser->Dpi()),
                   top + vcl::dpi::MulDivRound(WindowSize(w).cy, dpi, browser->Dpi())};
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    // The list is read again at the new size on a worker.
    EXPECT_TRUE(vex::test::PumpUntil([&] { return !browser->Reading(); }));
    vex::test::PumpPending();
  };
  const SIZE client = ClientSize(w);
  const auto layout = LayoutOf(w);
  // Once there and back first, with the picture taken as below: the system
  // makes its own things for a DPI the first time it meets it, and the first
  // picture's wait for the screen makes a pair of objects kept for good.
  // Counted from then on, a font, bitmap or image list left behind by a trip
  // shows.
  move(away, start.left, start.top);
  vex::test::SaveWindowPng(w, Shot("icon-browser-at-" + std::to_string(away)));
  move(home, start.left, start.top);
  const DWORD gdi = vex::test::LiveGdiObjects();
  const int windows = vex::test::ThreadWindowCount();
  move(away, start.left + 40, start.top + 20);
  EXPECT_EQ(browser->Dpi(), away);
  RECT there{};
  GetWindowRect(w, &there);
  EXPECT_EQ(there.left, start.left + 40) << "the window takes the suggested place";
  EXPECT_EQ(there.top, start.top + 20);
  // The design's client size at `away`: within the rounding of the client
  // size at home, taken there.
  EXPECT_NEAR(ClientSize(w).cx, vcl::dpi::MulDivRound(client.cx, away, home), 1);
  EXPECT_NEAR(ClientSize(w).cy, vcl::dpi::MulDivRound(client.cy, away, home), 1);
  EXPECT_EQ(browser->ImageList1->Width(), vcl::dpi::Scale(32, away));
  EXPECT_EQ(ListImageColour(0), ColourOf(vcl::dpi::Scale(32, away)));
  const LONG buttonFont = layout.at(browser->Button1->Handle()).fontHeight;
  LOGFONTA lf{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(browser->Button1->Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, vcl::dpi::Scale(-11, away)) << "fonts made again at the new size, was " << buttonFont;
  vex::test::SaveWindowPng(w, Shot("icon-browser-at-" + std::to_string(away)));

  move(home, start.left, start.top);
  EXPECT_EQ(browser->Dpi(), home);
  RECT back{};
  GetWindowRect(w, &back);
  EXPECT_TRUE(EqualRect(&back, &start)) << back.left << "," << back.top << " " << back.right << "," << back.bottom;
  EXPECT_EQ(ClientSize(w).cx, client.cx);
  EXPECT_EQ(ClientSize(w).cy, client.cy);
  const auto again = LayoutOf(w);
  EXPECT_EQ(again.size(), layout.size());
  for (const auto& [child, was] : layout) {
    ASSERT_TRUE(again.count(child)) << "a window went";
    const Placement& now = again.at(child);
    EXPECT_TRUE(now == was) << vcl::TWinControl::FindControl(child)->ClassName() << ": " << now.rect.left << ","
                            << now.rect.top << " " << now.rect.right << "," << now.rect.bottom << " font "
                            << now.fontHeight << ", was " << was.rect.left << "," << was.rect.top << " "
                            << was.rect.right << "," << was.rect.bottom << " font " << was.fontHeight;
  }
  EXPECT_EQ(ListImageColour(0), ColourOf(S(32)));
  EXPECT_EQ(vex::test::LiveGdiObjects(), gdi) << "no font, bitmap or image list left behind";
  EXPECT_EQ(vex::test::ThreadWindowCount(), windows);
  browser->Hide();
}

}  // namespace
}  // namespace vex::app::test

int main(int argc, char** argv) {
  // As vexilo.exe's manifest makes the program: windows of this process are
  // at the display's DPI, and sizes read from the program's are not
  // virtualised.
  vcl::MakeProcessDpiAware();
  testing::InitGoogleTest(&argc, argv);
  vcl::TApplication app;
  app.SetTitle("Vexilo");
  return RUN_ALL_TESTS();
}
