// The composite folder icon and the bits it is saved with, drawn and read
// back through GDI.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "iconbrowser/IconGdi.h"
#include "test_folder.h"
#include "win_test_support.h"

using namespace vex::iconbrowser;

namespace {

constexpr std::uint32_t kFolder = 0xE0B040;
constexpr std::uint32_t kIcon = 0x2040C0;
constexpr std::uint32_t kHidden = 0xFF00FF;  // colour under an icon's mask
constexpr std::uint32_t kBack = 0x00FF00;

struct Icon {
  HICON h;
  explicit Icon(HICON icon) : h(icon) {}
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
  ~Icon() { if (h) DestroyIcon(h); }
};

// Folder picture: opaque except its left quarter; icon: opaque except its
// top row, whose hidden colour must never show.
IconPixels FolderPixels() {
  IconPixels p{32, 32, std::vector<std::uint32_t>(32 * 32, kFolder), std::vector<std::uint8_t>(32 * 32, 0)};
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 8; ++x) p.transparent[p.Index(x, y)] = 1;
  return p;
}
IconPixels IconOf(int size) {
  IconPixels p{size, size, std::vector<std::uint32_t>(size * size, kIcon), std::vector<std::uint8_t>(size * size, 0)};
  for (int x = 0; x < size; ++x) {
    p.transparent[p.Index(x, 0)] = 1;
    p.colour[p.Index(x, 0)] = kHidden;
  }
  return p;
}

// The icon drawn with DrawIconEx over a green bitmap, read back.
vex::Pixels DrawnOverGreen(HICON icon) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = SelectObject(dc, bmp);
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  RECT r{0, 0, 32, 32};
  FillRect(dc, &r, green);
  DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
  SelectObject(dc, old);
  vex::Pixels px = vex::ReadBitmap(bmp);
  DeleteObject(green);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return px;
}

}  // namespace

TEST(IconGdi, PixelsSurviveAnIconHandle) {
  Icon icon(CreateIconFromPixels(IconOf(20)));
  ASSERT_NE(icon.h, nullptr);
  const auto back = ReadIconPixels(icon.h);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 20);
  EXPECT_TRUE(back->transparent[back->Index(5, 0)]);
  EXPECT_FALSE(back->transparent[back->Index(5, 1)]);
  EXPECT_EQ(back->colour[back->Index(5, 1)], kIcon);
  EXPECT_FALSE(ReadIconPixels(nullptr));
}

TEST(ComposeFolderIcon, SixteenSitsAtEightWithoutTintAndMasksIntersect) {
  Icon folder(CreateIconFromPixels(FolderPixels()));
  Icon small(CreateIconFromPixels(IconOf(16)));
  Icon composite(ComposeFolderIcon(small.h, folder.h, 16));
  ASSERT_NE(composite.h, nullptr);
  const vex::Pixels px = DrawnOverGreen(composite.h);
  EXPECT_EQ(px.At(8, 9), kIcon);
  EXPECT_EQ(px.At(23, 23), kIcon);
  EXPECT_EQ(px.At(24, 23), kFolder);
  EXPECT_EQ(px.At(23, 24), kFolder);
  EXPECT_EQ(px.At(7, 9), kBack);      // left quarter of the folder is clear
  EXPECT_EQ(px.At(12, 8), kFolder);   // the icon's clear top row leaves the folder as it was
  for (int x = 0; x < 32; ++x) EXPECT_NE(px.At(x, 8), kHidden) << x;
  // The folder icon itself is untouched for the next composition.
  EXPECT_EQ(DrawnOverGreen(folder.h).At(16, 16), kFolder);
}

TEST(ComposeFolderIcon, IconOpaqueWhereFolderIsClearMakesTheResultOpaque) {
  Icon folder(CreateIconFromPixels(FolderPixels()));
  Icon full(CreateIconFromPixels(IconOf(32)));
  Icon composite(ComposeFolderIcon(full.h, folder.h, 32));
  const auto px = ReadIconPixels(composite.h);
  ASSERT_TRUE(px);
  EXPECT_FALSE(px->transparent[px->Index(2, 5)]);  // folder clear, icon opaque
  EXPECT_TRUE(px->transparent[px->Index(2, 0)]);   // both clear
  EXPECT_EQ(px->colour[px->Index(2, 5)], kIcon);
}

TEST(ComposeFolderIcon, SizesAtTheEnds) {
  Icon folder(CreateIconFromPixels(FolderPixels()));
  {
    // 31: columns and rows 0 to 30; the last ones stay the folder's.
    Icon icon(CreateIconFromPixels(IconOf(31)));
    const vex::Pixels px = DrawnOverGreen(Icon(ComposeFolderIcon(icon.h, folder.h, 31)).h);
    EXPECT_EQ(px.At(30, 30), kIcon);
    EXPECT_EQ(px.At(31, 30), kFolder);
    EXPECT_EQ(px.At(30, 31), kFolder);
  }
  {
    IconPixels one{1, 1, {kIcon}, {0}};
    Icon icon(CreateIconFromPixels(one));
    const vex::Pixels px = DrawnOverGreen(Icon(ComposeFolderIcon(icon.h, folder.h, 1)).h);
    EXPECT_EQ(px.At(15, 15), kIcon);
    EXPECT_EQ(px.At(16, 15), kFolder);
    EXPECT_EQ(px.At(15, 14), kFolder);
  }
}

TEST(ComposeFolderIcon, MissingPictureGivesNoIcon) {
  Icon icon(CreateIconFromPixels(IconOf(16)));
  EXPECT_EQ(ComposeFolderIcon(icon.h, nullptr, 16), nullptr);
  EXPECT_EQ(ComposeFolderIcon(nullptr, icon.h, 16), nullptr);
}

TEST(IconImageBits, SavedFileReopensAsTheSameOneImageIcon) {
  Icon folder(CreateIconFromPixels(FolderPixels()));
  Icon small(CreateIconFromPixels(IconOf(16)));
  Icon composite(ComposeFolderIcon(small.h, folder.h, 16));
  const auto bits = ReadIconImageBits(composite.h);
  ASSERT_TRUE(bits);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(bits->bitCount, GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES));
  ReleaseDC(nullptr, screen);
  const auto bytes = EncodeSingleIcon(*bits);
  ASSERT_TRUE(bytes);
  const auto info = ParseIco(*bytes);
  ASSERT_TRUE(info);
  ASSERT_EQ(info->entries.size(), 1u);
  EXPECT_EQ(info->entries[0].width, 32);
  EXPECT_EQ(info->entries[0].height, 32);
  EXPECT_TRUE(IcoMaskBit(*bytes, info->entries[0], 0, 0));
  EXPECT_FALSE(IcoMaskBit(*bytes, info->entries[0], 12, 20));

  vex::test::TempFolder dir;
  dir.Write("saved.ico", std::string(bytes->begin(), bytes->end()));
  Icon loaded(static_cast<HICON>(LoadImageA(nullptr, dir.File("saved.ico").c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
  ASSERT_NE(loaded.h, nullptr);
  const vex::Pixels again = DrawnOverGreen(loaded.h);
  const vex::Pixels before = DrawnOverGreen(composite.h);
  EXPECT_EQ(again.rgb, before.rgb);
}
