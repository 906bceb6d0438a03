// The typical request from start to end, driven from the outside: start on a
// folder, open the icon browser from the picture, pick an icon, confirm the
// composite, apply it; then check the folder, the saved icon and the boxes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "IconLibrary.h"
#include "VexiloDriver.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconImages.h"
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
  bool png = false;
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
    img.png = bytes.compare(offset, 4, "\x89PNG") == 0;
    if (img.png) {
      // Its pixels are checked through the decoder, not here.
      images.push_back(std::move(img));
      continue;
    }
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

  // Every size, the 256-pixel one as PNG; the 32x32 image's directory entry
  // in the standard form; opaque wherever the folder picture is opaque (the
  // masks intersect).
  const auto images = ReadIco(vex::test::ReadFileText(savedPath));
  ASSERT_EQ(images.size(), 10u);
  for (const auto& img : images) EXPECT_EQ(img.png, img.width == 256) << img.width;
  const IcoImage& composite = images[3];
  EXPECT_EQ(composite.width, 32);
  EXPECT_EQ(composite.height, 32);
  EXPECT_EQ(composite.reserved, 0);
  EXPECT_EQ(composite.planes, 1);
  EXPECT_EQ(composite.entryBits, composite.bitmapBits);
  EXPECT_EQ(composite.colourCount, composite.bitmapBits >= 8 ? 0 : 1 << composite.bitmapBits);
  const auto folderImages = ReadIco(vex::test::ReadFileText(program.Dir() + "Folder.ico"));
  const IcoImage* folder32 = nullptr;
  for (const auto& img : folderImages)
    if (img.width == 32 && !folder32) folder32 = &img;
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

// A program whose icon holds 16, 32, 48 and 256 pixel images, each its own
// colour: each size of the composite is drawn from the nearest larger image,
// the 256-pixel one from the 256-pixel source rather than blown up from 32.
TEST(BrowserEndToEnd, CompositeTakesEachSizeFromTheSourcesOwnImages) {
  ProgramFolder program;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vexilo sizes " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  constexpr std::uint32_t k16 = 0xE02020, k32 = 0x20A020, k48 = 0x2020E0, k256 = 0xC08000;
  ASSERT_TRUE(WriteSizedIconLibrary(program.Exe(), folder + "\\sizes.exe", {{16, k16}, {32, k32}, {48, k48}, {256, k256}}));

  Vexilo app(program.Exe(), "\"" + folder + "\"");
  ASSERT_NE(app.Main(), nullptr);
  HWND browser = app.OpenIconBrowser();
  ASSERT_NE(browser, nullptr);
  HWND list = ChildOfClass(browser, "TListView");
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > 0; }));
  RECT lr;
  GetWindowRect(list, &lr);
  POINT item{lr.left + 38, lr.top + 22};
  ScreenToClient(browser, &item);
  Vexilo::Click(browser, item.x, item.y);
  HWND ok = ChildWithText(browser, "确定");
  ASSERT_NE(ok, nullptr);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return IsWindowEnabled(ok) != FALSE; }));
  ClickMiddle(browser, ok);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return !IsWindowVisible(browser); }));

  const std::vector<std::string> saved = FilesIn(program.Dir() + "MyIcons");
  ASSERT_EQ(saved.size(), 1u);
  const std::string bytes = vex::test::ReadFileText(program.Dir() + "MyIcons\\" + saved[0]);
  const std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
  std::string why;
  const auto info = vex::iconbrowser::ParseIco(file, &why);
  ASSERT_TRUE(info) << why;
  const auto images = vex::iconbrowser::ReadIcoImages(file);
  ASSERT_EQ(images.size(), 10u);
  // The inner icon is S = 16 of 32: a box of half the side in the middle.
  const std::map<int, std::uint32_t> want{{16, k16}, {20, k16}, {24, k16}, {32, k32}, {40, k32},
                                          {48, k32}, {64, k32}, {96, k48}, {128, k256}, {256, k256}};
  for (std::size_t i = 0; i < images.size(); ++i) {
    const auto& im = images[i];
    EXPECT_EQ(info->entries[i].png, im.width == 256);
    const std::uint32_t centre = im.At(im.width / 2, im.height / 2);
    EXPECT_EQ(centre, 0xFF000000u | want.at(im.width)) << im.width;
  }
  // Sharp: the 256-pixel image's icon has the source's 2-pixel rim scaled to
  // one pixel (64 + 1 from the box's left edge), not a blur over several.
  const auto& big = images.back();
  int rimPixels = 0;
  for (int x = 60; x < 72; ++x) rimPixels += (big.At(x, 128) & 0xFFFFFF) != k256 && (big.At(x, 128) & 0xFFFFFF) != (big.At(40, 128) & 0xFFFFFF);
  EXPECT_LE(rimPixels, 2);
  EXPECT_EQ(app.Close(), 0u);
  DeleteFileA((folder + "\\sizes.exe").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace vex::app::test
