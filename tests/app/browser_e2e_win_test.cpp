// The typical request from start to end, driven from the outside: start on a
// folder, open the icon browser from the picture, pick an icon, confirm the
// composite, apply it; then check the folder, the saved icon and the boxes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "VexiloDriver.h"
#include "win_test_support.h"

namespace vex::app::test {
namespace {

constexpr POINT kButton1{108, 39};

std::uint32_t U16(const std::string& b, size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// One image of an .ico file as its directory entry and its AND mask
// (true = transparent), rows top-down.
struct IcoImage {
  int width = 0, height = 0, colourCount = -1, reserved = -1, planes = -1, entryBits = -1, bitmapBits = -1;
  std::vector<bool> mask;
  bool Transparent(int x, int y) const { return mask[static_cast<size_t>(y) * width + x]; }
};

std::vector<IcoImage> ReadIco(const std::string& bytes) {
  std::vector<IcoImage> images;
  if (bytes.size() < 6 || U16(bytes, 0) != 0 || U16(bytes, 2) != 1) return images;
  const std::uint32_t count = U16(bytes, 4);
  for (std::uint32_t i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
    const size_t e = 6 + 16 * i;
    IcoImage img;
    img.width = static_cast<unsigned char>(bytes[e]) ? static_cast<unsigned char>(bytes[e]) : 256;
    img.height = static_cast<unsigned char>(bytes[e + 1]) ? static_cast<unsigned char>(bytes[e + 1]) : 256;
    img.colourCount = static_cast<unsigned char>(bytes[e + 2]);
    img.reserved = static_cast<unsigned char>(bytes[e + 3]);
    img.planes = static_cast<int>(U16(bytes, e + 4));
    img.entryBits = static_cast<int>(U16(bytes, e + 6));
    const std::uint32_t offset = U32(bytes, e + 12);
    if (offset + 40 > bytes.size()) return {};
    const std::uint32_t headerSize = U32(bytes, offset);
    img.bitmapBits = static_cast<int>(U16(bytes, offset + 14));
    const std::uint32_t colours = img.bitmapBits <= 8 ? (U32(bytes, offset + 32) ? U32(bytes, offset + 32) : 1u << img.bitmapBits) : 0;
    const size_t xorRow = ((img.width * img.bitmapBits + 31) / 32) * 4;
    const size_t andRow = ((img.width + 31) / 32) * 4;
    const size_t andAt = offset + headerSize + colours * 4 + xorRow * img.height;
    if (andAt + andRow * img.height > bytes.size()) return {};
    img.mask.resize(static_cast<size_t>(img.width) * img.height);
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x) {
        const unsigned char byte = bytes[andAt + andRow * (img.height - 1 - y) + x / 8];
        img.mask[static_cast<size_t>(y) * img.width + x] = (byte >> (7 - x % 8)) & 1;
      }
    images.push_back(std::move(img));
  }
  return images;
}

HWND ChildWithText(HWND parent, const std::string& text) {
  struct Find {
    std::string text;
    HWND found = nullptr;
  } find{text};
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        auto* f = reinterpret_cast<Find*>(p);
        if (WindowText(w) != f->text) return TRUE;
        f->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

// Clicks the middle of a child window, in its top-level window's coordinates.
void ClickMiddle(HWND top, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(top, &p);
  Vexilo::Click(top, p.x, p.y);
}

bool HasAttribute(const std::string& path, DWORD flag) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & flag);
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((dir + "\\*.ico").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return names;
  do names.push_back(d.cFileName);
  while (FindNextFileA(h, &d));
  FindClose(h);
  return names;
}

TEST(BrowserEndToEnd, ComposesAFolderIconAndAppliesIt) {
  ProgramFolder program;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vexilo browse " + std::to_string(GetCurrentProcessId()) + " 工具";
  CreateDirectoryA(folder.c_str(), nullptr);
  // A program in the folder gives the browser an icon to list.
  ASSERT_TRUE(CopyFileA(program.Exe().c_str(), (folder + "\\tool.exe").c_str(), FALSE));

  Vexilo app(program.Exe(), "\"" + folder + "\"");
  HWND main = app.Main();
  ASSERT_NE(main, nullptr);
  HWND browser = app.OpenIconBrowser();
  ASSERT_NE(browser, nullptr);
  HWND list = ChildOfClass(browser, "TListView");
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > 0; }));

  // The first item's icon sits at the list's top-left corner.
  RECT lr;
  GetWindowRect(list, &lr);
  POINT item{lr.left + 38, lr.top + 22};
  ScreenToClient(browser, &item);
  Vexilo::Click(browser, item.x, item.y);
  HWND ok = ChildWithText(browser, "确定");
  ASSERT_NE(ok, nullptr);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return IsWindowEnabled(ok) != FALSE; }));
  // The program's repaint reaches the screen when its message loop has run
  // (Wine flushes a window's surface then): give the picture a moment.
  vex::test::PumpUntil([] { return false; }, std::chrono::milliseconds(500));
  vex::test::SaveWindowPng(browser, "app-icon-browser");
  ClickMiddle(browser, ok);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return !IsWindowVisible(browser); }));

  const std::vector<std::string> saved = FilesIn(program.Dir() + "MyIcons");
  ASSERT_EQ(saved.size(), 1u);
  const std::string savedPath = program.Dir() + "MyIcons\\" + saved[0];

  Vexilo::Click(main, kButton1.x, kButton1.y);
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标改变成功");
  const std::string ini = folder + "\\Desktop.ini";
  EXPECT_EQ(vex::test::ReadFileText(ini), "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=" + savedPath + "\r\n");
  EXPECT_TRUE(vex::test::PumpUntil([&] {
    return HasAttribute(ini, FILE_ATTRIBUTE_HIDDEN) && HasAttribute(folder, FILE_ATTRIBUTE_SYSTEM);
  }, std::chrono::seconds(20)));
  vex::test::SaveWindowPng(main, "app-main-window-composite");

  // One 32x32 image; its directory entry in the standard form; opaque
  // wherever the folder picture is opaque (the masks intersect).
  const auto images = ReadIco(vex::test::ReadFileText(savedPath));
  ASSERT_EQ(images.size(), 1u);
  const IcoImage& composite = images[0];
  EXPECT_EQ(composite.width, 32);
  EXPECT_EQ(composite.height, 32);
  EXPECT_EQ(composite.reserved, 0);
  EXPECT_EQ(composite.planes, 1);
  EXPECT_EQ(composite.entryBits, composite.bitmapBits);
  EXPECT_EQ(composite.colourCount, composite.bitmapBits >= 8 ? 0 : 1 << composite.bitmapBits);
  const auto folderImages = ReadIco(vex::test::ReadFileText(program.Dir() + "Folder.ico"));
  const IcoImage* folder32 = nullptr;
  for (const auto& img : folderImages)
    if (img.width == 32) folder32 = &img;
  ASSERT_NE(folder32, nullptr);
  int transparent = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (!folder32->Transparent(x, y)) {
        EXPECT_FALSE(composite.Transparent(x, y)) << x << "," << y;
      }
      transparent += composite.Transparent(x, y);
    }
  EXPECT_GT(transparent, 0);  // the corners around the folder stay see-through

  // Restore: the entries go, and with nothing else in it Desktop.ini too;
  // the composite stays in MyIcons and the folder keeps its mark.
  constexpr POINT kBitBtn1{216, 39};
  Vexilo::Click(main, kBitBtn1.x, kBitBtn1.y);
  EXPECT_EQ(app.AnswerMessageBox(), "文件夹图标还原成功");
  EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA(savedPath.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(HasAttribute(folder, FILE_ATTRIBUTE_SYSTEM));

  EXPECT_EQ(app.Close(), 0u);
  for (const char* name : {"\\Desktop.ini", "\\tool.exe"}) {
    SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA((folder + name).c_str());
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace vex::app::test
