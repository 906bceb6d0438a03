// The composite at every size as the system reads it back, the images read
// from icon sources, and the whole-file save.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <span>
#include <iterator>

#include "iconbrowser/AtomicSave.h"
#include "iconbrowser/CompositeSet.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconGdi.h"
#include "iconbrowser/IconSourceImages.h"
#include "iconbrowser/PngCodec.h"
#include "test_folder.h"
#include "widgets/Exceptions.h"
#include "win_test_support.h"

using namespace vex::iconbrowser;

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t kGreen = 0x00FF00;

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder disc (soft rim, clear corners) and an icon square with a soft
// diagonal fade, drawn at 256 pixels.
std::vector<RgbaImage> FolderImages() {
  RgbaImage im = RgbaImage::Blank(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const double d = std::hypot(x - 127.5, y - 127.5);
      const double a = std::clamp(120.0 - d, 0.0, 1.0);
      if (a > 0) im.argb[im.Index(x, y)] = (static_cast<std::uint32_t>(a * 255) << 24) | 0xE0B040;
    }
  return {im};
}
std::vector<RgbaImage> IconImages() {
  RgbaImage im = RgbaImage::Blank(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) im.argb[im.Index(x, y)] = (static_cast<std::uint32_t>(255 - x / 2) << 24) | 0x2040C0;
  return {im};
}

// The icon drawn at its size over green, read back.
vex::Pixels DrawnOverGreen(HICON icon, int side) {
  HDC screen = GetDC(nullptr);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  RECT r{0, 0, side, side};
  FillRect(dc, &r, green);
  DrawIconEx(dc, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
  GdiFlush();
  SelectObject(dc, old);
  vex::Pixels px = vex::ReadBitmap(bmp);
  DeleteObject(green);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return px;
}

// An RGBA pixel blended over green.
std::uint32_t OverGreen(std::uint32_t argb) {
  const std::uint32_t a = argb >> 24;
  const auto ch = [&](int shift, std::uint32_t back) {
    return ((((argb >> shift) & 0xFF) * a + back * (255 - a) + 127) / 255) << shift;
  };
  return ch(16, 0) | ch(8, 0xFF) | ch(0, 0);
}

int MaxChannelDifference(std::uint32_t a, std::uint32_t b) {
  int d = 0;
  for (int s : {0, 8, 16}) d = std::max(d, std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF)));
  return d;
}

}  // namespace

TEST(CompositeSetFile, SystemReadsBackEachSizeWithItsSoftEdges) {
  IconPixels legacy{32, 32, std::vector<std::uint32_t>(32 * 32, 0x808080), std::vector<std::uint8_t>(32 * 32, 1)};
  const auto set = ComposeCompositeSet(FolderImages(), IconImages(), 16, &legacy);
  const auto bytes = EncodeCompositeSet(set);
  ASSERT_TRUE(bytes);
  vex::test::TempFolder dir;
  dir.Write("set.ico", std::string(bytes->begin(), bytes->end()));
  const auto info = ParseIco(*bytes);
  ASSERT_TRUE(info);
  for (int side : {16, 48, 256}) {
    const auto at = std::find(kCompositeSizes.begin(), kCompositeSizes.end(), side) - kCompositeSizes.begin();
    const IcoEntry& e = info->entries[static_cast<std::size_t>(at)];
    EXPECT_EQ(e.png, side == 256) << side;
    if (side == 256) {
      EXPECT_TRUE(HasPngSignature(std::span(*bytes).subspan(e.offset, e.size)));
    }
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, dir.File("set.ico").c_str(), IMAGE_ICON, side, side, LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr) << side;
    ICONINFO ii{};
    ASSERT_TRUE(GetIconInfo(icon, &ii));
    BITMAP bm{};
    GetObject(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, side);
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    const vex::Pixels px = DrawnOverGreen(icon, side);
    DestroyIcon(icon);
    if (side == 256) vex::SavePng(px, vex::test::OutputDir() + "composite-set-256.png");
    const RgbaImage& want = set[static_cast<std::size_t>(at)].image;
    int worst = 0, soft = 0;
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) {
        worst = std::max(worst, MaxChannelDifference(px.At(x, y), OverGreen(want.At(x, y))));
        soft += AlphaOf(want.At(x, y)) > 0 && AlphaOf(want.At(x, y)) < 255;
      }
    EXPECT_LE(worst, 3) << side << ": the system draws what was composed, blended by its alpha";
    EXPECT_GT(soft, side) << side << ": soft edges";
  }
}

TEST(CompositeSetFile, AlphaIconDrawsBlended) {
  RgbaImage im = RgbaImage::Blank(4, 4);
  im.argb.assign(16, 0x80FF0000);
  im.argb[0] = 0xFF0000FF;
  HICON icon = CreateAlphaIcon(im);
  ASSERT_NE(icon, nullptr);
  const vex::Pixels px = DrawnOverGreen(icon, 4);
  DestroyIcon(icon);
  EXPECT_EQ(px.At(0, 0), 0x0000FFu);
  EXPECT_LE(MaxChannelDifference(px.At(2, 2), OverGreen(0x80FF0000)), 2);
  EXPECT_EQ(CreateAlphaIcon(RgbaImage{}), nullptr);
}

TEST(SourceImages, EveryImageOfIconFilesProgramsAndLibraries) {
  const std::string gallery = vex::test::ProgramFolder() + "Folder.ico";
  const auto ico = ReadSourceImages(gallery, 0);
  std::vector<int> sides;
  for (const auto& im : ico) sides.push_back(im.width);
  EXPECT_EQ(sides, (std::vector<int>{32, 16, 20, 24, 40, 48, 64, 96, 128, 256}));
  EXPECT_TRUE(ReadSourceImages(gallery, 1).empty());
  // The fixture library's second icon group: the heart, at every size.
  const auto heart = ReadSourceImages(vex::test::Fixture("icons3.dll"), 1);
  ASSERT_EQ(heart.size(), 10u);
  EXPECT_EQ(heart.back().width, 256);
  EXPECT_TRUE(ReadSourceImages(vex::test::Fixture("icons3.dll"), 3).empty());
  EXPECT_TRUE(ReadSourceImages(vex::test::Fixture("icons0.dll"), 0).empty());
  EXPECT_TRUE(ReadSourceImages(vex::test::Fixture("no such.dll"), 0).empty());

  // A damaged .ico: the image that lies is left out, nothing is read past the file.
  vex::test::TempFolder dir;
  Bytes bytes = ReadAll(gallery);
  ASSERT_GT(bytes.size(), 6u + 16u * 10u);
  bytes[6 + 16 * 9 + 12] = 0xFF, bytes[6 + 16 * 9 + 13] = 0xFF;  // the last image's offset beyond the end
  bytes.resize(bytes.size() - 10);
  dir.Write("bad.ico", std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(ReadSourceImages(dir.File("bad.ico"), 0).size(), 9u);
  dir.Write("empty.ico", std::string("\0\0\1\0", 4));
  EXPECT_TRUE(ReadSourceImages(dir.File("empty.ico"), 0).empty());
}

TEST(SaveNewFile, WritesWholeUnderAFreeNameAndLeavesNothingBehind) {
  vex::test::TempFolder dir;
  const std::string folder = dir.Path() + "\\";
  const Bytes data(5000, 0x5A);
  EXPECT_EQ(SaveNewFile(folder, data, folder + "a.ico", [] { return std::string("unused"); }), folder + "a.ico");
  EXPECT_EQ(ReadAll(folder + "a.ico"), data);
  // Taken by the time of the rename: the next name is asked for and the old file kept.
  int asked = 0;
  const std::string saved = SaveNewFile(folder, Bytes(10, 1), folder + "a.ico", [&] {
    ++asked;
    return folder + "a_2.ico";
  });
  EXPECT_EQ(saved, folder + "a_2.ico");
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(ReadAll(folder + "a.ico"), data);
  EXPECT_EQ(ReadAll(folder + "a_2.ico"), Bytes(10, 1));
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "*.tmp").c_str(), &found);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE) << "a temporary file stayed behind";
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  // A folder that is not there: the create error names the file.
  try {
    SaveNewFile(folder + "missing\\", data, folder + "missing\\b.ico", [] { return std::string(); });
    ADD_FAILURE() << "no error";
  } catch (const vcl::EFCreateError& e) {
    EXPECT_NE(std::string(e.Message()).find("Cannot create file \"" + folder + "missing\\b.ico\""), std::string::npos)
        << e.Message();
  }
}
