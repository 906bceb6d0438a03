// Icons laid into a strip on a reading thread and added to an image list in
// one call: the same images as adding them one by one, or no strip at all
// for icons it cannot hold as they are.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <thread>

#include "../app/IconLibrary.h"
#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconGdi.h"
#include "iconbrowser/IconStrip.h"
#include "test_folder.h"

using namespace vex::iconbrowser;
using vex::test::Fixture;
using vex::test::TempFolder;

namespace {

// A square of `rgb` whose alpha falls from opaque at the left to clear at
// the right: blended edges and a mask the strip must both carry.
vcl::IconHandle AlphaIcon(int side, std::uint32_t rgb) {
  RgbaImage image = RgbaImage::Blank(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) image.argb[image.Index(x, y)] = (255u - 255u * x / (side - 1)) << 24 | rgb;
  return vcl::IconHandle(CreateAlphaIcon(image));
}

vcl::IconHandle MonochromeIcon() {
  std::vector<BYTE> andBits(32 * 4, 0x0F), xorBits(32 * 4, 0xF0);
  return vcl::IconHandle(CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 1, andBits.data(), xorBits.data()));
}

IconPixels ListImage(HIMAGELIST list, int k) {
  vcl::IconHandle icon(ImageList_GetIcon(list, k, ILD_NORMAL));
  const auto px = icon ? ReadIconPixels(icon.get()) : std::nullopt;
  return px ? *px : IconPixels{};
}

TEST(IconStrip, AddedInOneCallTheImagesEqualThoseAddedOneByOne) {
  std::vector<vcl::IconHandle> icons;
  for (std::uint32_t rgb : {0xC02020u, 0x20A040u, 0x2040C0u, 0x808000u}) icons.push_back(AlphaIcon(32, rgb));
  std::vector<HICON> handles;
  for (auto& i : icons) handles.push_back(i.get());
  // Made on another thread, as the reader does.
  IconStrip strip;
  std::thread([&] { strip = MakeIconStrip(handles.data(), handles.size(), 32); }).join();
  ASSERT_EQ(strip.count, 4);
  ASSERT_EQ(strip.cell, 32);

  vcl::ImageListHandle byStrip(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 4));
  vcl::ImageListHandle oneByOne(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 4));
  ImageList_ReplaceIcon(byStrip.get(), -1, handles[0]);  // the strip lands after what is there
  ASSERT_EQ(ImageList_Add(byStrip.get(), strip.colour.get(), strip.mask.get()), 1);
  ASSERT_EQ(ImageList_GetImageCount(byStrip.get()), 5);
  ImageList_ReplaceIcon(oneByOne.get(), -1, handles[0]);
  for (HICON h : handles) ImageList_ReplaceIcon(oneByOne.get(), -1, h);
  for (int k = 0; k < 5; ++k) {
    const IconPixels a = ListImage(byStrip.get(), k), b = ListImage(oneByOne.get(), k);
    ASSERT_FALSE(a.Empty()) << k;
    EXPECT_EQ(a.colour, b.colour) << k;
    EXPECT_EQ(a.transparent, b.transparent) << k;
  }
  // The alpha came along: the right half is see-through, the left is not.
  const IconPixels first = ListImage(byStrip.get(), 1);
  EXPECT_FALSE(first.transparent[first.Index(2, 16)]);
  EXPECT_TRUE(first.transparent[first.Index(30, 16)]);
}

TEST(IconStrip, IconsItCannotHoldAsTheyAreGiveNoStrip) {
  const vcl::IconHandle plain = AlphaIcon(32, 0xC02020), large = AlphaIcon(48, 0xC02020), mono = MonochromeIcon();
  ASSERT_TRUE(plain && large && mono);
  const struct {
    const char* what;
    std::vector<HICON> icons;
    int cell;
  } cases[] = {
      {"nothing", {}, 32},
      {"an icon of another size", {plain.get(), large.get()}, 32},
      {"an old monochrome icon", {plain.get(), mono.get()}, 32},
      {"a null icon", {plain.get(), nullptr}, 32},
      {"no cell size", {plain.get()}, 0},
      {"wider than a bitmap may be", std::vector<HICON>(2000, plain.get()), 32},
  };
  for (const auto& c : cases) {
    const IconStrip strip = MakeIconStrip(c.icons.data(), c.icons.size(), c.cell);
    EXPECT_EQ(strip.count, 0) << c.what;
    EXPECT_FALSE(strip.colour) << c.what;
  }
  const HICON alone = large.get();
  EXPECT_EQ(MakeIconStrip(&alone, 1, 48).count, 1) << "at its own size it goes";
}

TEST(IconStrip, PlainImagesReadFromTheFileMakeTheStripTheShellsIconsWouldMake) {
  const TempFolder dir;
  ASSERT_TRUE(vex::app::test::WriteIconLibrary(Fixture("icons0.dll"), dir.File("many.dll"), 20));
  ASSERT_TRUE(vex::app::test::WriteIconLibrary(Fixture("icons0.dll"), dir.File("masked.dll"), 3, true));
  ASSERT_TRUE(vex::app::test::WriteSizedIconLibrary(Fixture("icons0.dll"), dir.File("large.dll"), {{48, 0x2040C0}}));
  dir.Write("notes.exe", "no program");
  const struct {
    std::string file;
    int size;
    int plain;  // images read straight from the file; -1: left to the shell
  } cases[] = {
      {Fixture("icons3.dll"), 0, 3},      // with alpha and a mask
      {Fixture("icons3.dll"), 48, 3},     // the 48-pixel images, as at 150%
      {dir.File("many.dll"), 0, 20},      // opaque, more than one strip
      {dir.File("masked.dll"), 0, 3},     // no alpha: the mask alone cuts the holes
      {Fixture("icons0.dll"), 0, 0},      // no icons
      {dir.File("large.dll"), 0, -1},     // only an image the shell must shrink
      {dir.File("notes.exe"), 0, -1},     // no program
      {dir.File("missing.dll"), 0, -1},
  };
  for (const auto& c : cases) {
    const std::optional<PlainIcons> plain = ReadPlainIcons(c.file, c.size);
    ASSERT_EQ(plain ? static_cast<int>(plain->images.size()) : -1, c.plain) << c.file << " " << c.size;
    if (!plain || plain->images.empty()) continue;
    // The strip of the images, against the shell's icons one by one.
    const int cell = c.size ? c.size : GetSystemMetrics(SM_CXICON);
    std::vector<std::span<const std::uint8_t>> images;
    for (const auto& [index, image] : plain->images) images.push_back(image);
    const IconStrip strip = MakeIconStrip(MakeCellStripBits(images, cell));
    ASSERT_EQ(strip.count, c.plain) << c.file;
    vcl::ImageListHandle byStrip(ImageList_Create(cell, cell, ILC_COLOR32 | ILC_MASK, 4, 4));
    vcl::ImageListHandle byShell(ImageList_Create(cell, cell, ILC_COLOR32 | ILC_MASK, 4, 4));
    ASSERT_EQ(ImageList_Add(byStrip.get(), strip.colour.get(), strip.mask.get()), 0);
    const std::vector<IndexedIcon> icons = ExtractAllIcons(c.file, c.size);
    ASSERT_EQ(icons.size(), plain->images.size()) << c.file;
    for (std::size_t k = 0; k < icons.size(); ++k) {
      EXPECT_EQ(icons[k].index, plain->images[k].first) << c.file;
      ImageList_ReplaceIcon(byShell.get(), -1, icons[k].icon.get());
      const IconPixels a = ListImage(byStrip.get(), static_cast<int>(k)), b = ListImage(byShell.get(), static_cast<int>(k));
      ASSERT_FALSE(a.Empty()) << c.file << " " << k;
      EXPECT_EQ(a.colour, b.colour) << c.file << " " << k;
      EXPECT_EQ(a.transparent, b.transparent) << c.file << " " << k;
    }
  }
}

}  // namespace
