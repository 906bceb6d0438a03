// Bitmaps, canvases, icons and settings files.
#include <gtest/gtest.h>

#include <fstream>

#include "ico_write.h"
#include "test_icons.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

using namespace vcl;

TEST(Bitmap, CanvasDrawsAndHandleReadsBack) {
  TBitmap bmp(20, 10, pf24bit);
  bmp.Canvas().Brush().SetColor(clRed);
  RECT r{0, 0, 20, 10};
  bmp.Canvas().FillRect(r);
  bmp.Canvas().SetPixel(3, 4, clBlue);
  const vex::Pixels px = vex::ReadBitmap(bmp.Handle());
  ASSERT_EQ(px.width, 20);
  EXPECT_EQ(px.At(0, 0), 0xFF0000u);
  EXPECT_EQ(px.At(3, 4), 0x0000FFu);
  // ScanLine sees the same pixels (BGR).
  auto* row = static_cast<std::uint8_t*>(bmp.ScanLine(4));
  EXPECT_EQ(row[3 * 3 + 0], 0xFF);
  EXPECT_EQ(row[3 * 3 + 2], 0x00);
}

TEST(Bitmap, ResizeKeepsThePicture) {
  TBitmap bmp(4, 4, pf32bit);
  bmp.Canvas().SetPixel(1, 1, clLime);
  bmp.SetSize(8, 8);
  EXPECT_EQ(bmp.Canvas().Pixel(1, 1) & 0xFFFFFF, static_cast<TColor>(0x00FF00));
  EXPECT_EQ(bmp.Canvas().Pixel(6, 6) & 0xFFFFFF, static_cast<TColor>(0xFFFFFF));
}

TEST(Bitmap, LoadsABitmapFileAndRejectsGarbage) {
  // A 2x1 24-bit file: blue, red.
  std::vector<std::uint8_t> f = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0,
                                 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 255, 0, 0, 0, 0, 255, 0, 0};
  TBitmap bmp;
  bmp.LoadFromMemory(f);
  EXPECT_EQ(bmp.Width(), 2);
  EXPECT_EQ(bmp.Canvas().Pixel(0, 0) & 0xFFFFFF, static_cast<TColor>(0xFF0000));  // COLORREF blue
  auto truncated = f;
  truncated.resize(58);
  EXPECT_THROW(bmp.LoadFromMemory(truncated), EInvalidGraphic);
  EXPECT_THROW(bmp.LoadFromMemory({}), EInvalidGraphic);
}

TEST(Canvas, LeavesTheCallersDcAsItWas) {
  TBitmap bmp(10, 10);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBmp = SelectObject(dc, bmp.Handle());
  HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const COLORREF text = GetTextColor(dc);
  {
    TCanvas c;
    c.SetHandle(dc);
    c.Font().SetColor(clRed);
    c.Font().SetHeight(-20);
    c.Brush().SetColor(clYellow);
    c.TextOut(0, 0, "x");
    c.Rectangle(0, 0, 5, 5);
    c.Font().SetStyle(fsBold);  // changed while selected
    c.TextOut(0, 0, "y");
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetTextColor(dc), text);
  SelectObject(dc, oldBmp);
  DeleteDC(dc);
}

TEST(Icon, LoadsAnIcoFileAtTheLargeSizeAndRejectsOthers) {
  const std::string dir = vex::test::OutputDir();
  TIcon icon;
  EXPECT_THROW(icon.LoadFromFile(dir + "no-such.ico"), EFOpenError);
  try {
    icon.LoadFromFile(dir + "no-such.ico");
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + dir + "no-such.ico\". ", 0), 0u) << e.what();
  }
  const std::string junk = dir + "junk.ico";
  std::ofstream(junk, std::ios::binary) << "not an icon at all";
  try {
    icon.LoadFromFile(junk);
    FAIL() << "loaded junk";
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Icon image is not valid");
  }
  // A real file with a 16 and a 48 pixel image: the large size (32) is made
  // from the closest one, and the keyed-out border stays see-through.
  std::vector<vex::art::Raster> images;
  for (int size : {16, 48}) {
    vex::art::Raster r(size, size);
    r.Fill(size / 4, size / 4, size - size / 4, size - size / 4, vex::art::Rgba::Of(0x00C800));
    images.push_back(r);
  }
  const std::string good = dir + "two-sizes.ico";
  ASSERT_TRUE(vex::art::WriteIco(good, images));
  icon.LoadFromFile(good);
  EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(icon.Height(), GetSystemMetrics(SM_CYICON));
  TBitmap canvas(32, 32, pf24bit);
  canvas.Canvas().Brush().SetColor(clWhite);
  RECT all{0, 0, 32, 32};
  canvas.Canvas().FillRect(all);
  canvas.Canvas().Draw(0, 0, icon);
  const vex::Pixels px = vex::ReadBitmap(canvas.Handle());
  EXPECT_EQ(px.At(16, 16), 0x00C800u);
  EXPECT_EQ(px.At(1, 1), 0xFFFFFFu);
}

TEST(IniFile, ReadsWritesAndReportsFailedWrites) {
  const std::string path = vex::test::OutputDir() + "widgets-settings.ini";
  DeleteFileA(path.c_str());
  TIniFile ini(path);
  ini.WriteBool("Reg", "Flag", true);
  ini.WriteInteger("Copy", "Count", -12);
  ini.WriteString("Copy", "Name", "图标");
  EXPECT_TRUE(ini.ReadBool("reg", "flag", false));
  EXPECT_EQ(ini.ReadInteger("COPY", "count", 0), -12);
  EXPECT_EQ(ini.ReadString("Copy", "Name", ""), "图标");
  EXPECT_EQ(ini.ReadInteger("Copy", "Name", 7), 7);  // not a number
  EXPECT_EQ(ini.ReadString("Copy", "Missing", "dflt"), "dflt");
  WritePrivateProfileStringA("Copy", "Hex", "0x1F", path.c_str());
  EXPECT_EQ(ini.ReadInteger("Copy", "Hex", 0), 31);
  EXPECT_TRUE(ini.SectionExists("Reg"));
  EXPECT_TRUE(ini.ValueExists("Copy", "NAME"));
  EXPECT_EQ(ini.ReadSection("Copy").size(), 3u);

  TIniFile bad(vex::test::OutputDir() + "no\\such\\folder\\x.ini");
  try {
    bad.WriteString("A", "B", "C");
    FAIL() << "write into a missing folder succeeded";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + bad.FileName());
  }
}
