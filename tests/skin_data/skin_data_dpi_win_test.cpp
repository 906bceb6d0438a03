// TSkinData at a DPI: the copy of the loaded skin kept per DPI, with the
// description's pixel values and the images scaled, the colour key exact,
// pictures drawn for a scale used instead of scaling, and the copies kept
// valid (and refreshed) when another skin is loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "package_test_util.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TSkinData.h"
#include "skin_data_test_util.h"

namespace vs = vex::skin;
using vs::scaling::AtDpi;

namespace {

class SkinAtDpi : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.ReadSkinStream(vs::test::EmbeddedStream());
    ASSERT_FALSE(skin.NoSkin);
  }
  vs::test::RecordingLink link;
  vs::test::MessageCounter messages;
  vs::TSkinData skin{nullptr};
};

// A 24-bit bitmap file of one colour (0x00RRGGBB).
vs::test::Bytes SolidBmp(int width, int height, std::uint32_t rgb) {
  vs::test::Bytes bmp = vs::test::MakeBmp(width, height);
  const int stride = (width * 3 + 3) & ~3;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = bmp.data() + 54 + y * stride + 3 * x;
      p[0] = static_cast<std::uint8_t>(rgb), p[1] = static_cast<std::uint8_t>(rgb >> 8);
      p[2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  return bmp;
}

std::uint32_t PixelAt(vcl::TBitmap& bitmap, int x, int y) {
  const COLORREF c = GetPixel(bitmap.Canvas().Handle(), x, y);
  return static_cast<std::uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

// Pixels that are nearly, but not exactly, the key: the pink fringe a
// blended key leaves.
int PinkFringe(vcl::TBitmap& bitmap) {
  int fringe = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint32_t p = PixelAt(bitmap, x, y);
      const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (p != 0xFF00FF && r >= 200 && b >= 200 && g <= 60) ++fringe;
    }
  return fringe;
}

}  // namespace

TEST_F(SkinAtDpi, NinetySixIsTheSkinItselfAndEachOtherDpiOneKeptCopy) {
  const std::vector<std::string> loaded = link.Names();
  EXPECT_EQ(skin.AtDpi(96), &skin);
  EXPECT_EQ(skin.AtDpi(0), &skin);
  vs::TSkinData* at144 = skin.AtDpi(144);
  ASSERT_NE(at144, &skin);
  EXPECT_EQ(skin.AtDpi(144), at144);
  EXPECT_EQ(at144->AtDpi(144), at144);
  EXPECT_EQ(at144->AtDpi(96), &skin);
  EXPECT_EQ(at144->Source(), &skin);
  EXPECT_EQ(at144->Dpi(), 144);
  EXPECT_NE(skin.AtDpi(192), at144);
  EXPECT_EQ(skin.ScaledCount(), 2u);
  EXPECT_TRUE(skin.IsOrMade(at144));
  EXPECT_FALSE(at144->IsOrMade(&skin));
  EXPECT_FALSE(at144->NoSkin);
  EXPECT_NE(at144->FaceBrush.get(), skin.FaceBrush.get());
  // Only the loaded skin registers with the manager, and the copies made
  // for other DPIs tell it nothing.
  EXPECT_EQ(std::count(loaded.begin(), loaded.end(), "add"), 1);
  EXPECT_EQ(link.Names(), loaded);
}

TEST_F(SkinAtDpi, DescriptionValuesScaleAsMulDivRounds) {
  for (int dpi : {120, 144, 168, 192, 240}) {
    vs::TSkinData& s = *skin.AtDpi(dpi);
    SCOPED_TRACE(dpi);
    // The embedded description's values, scaled.
    EXPECT_EQ(s.Title.LeftWidth, AtDpi(14, dpi));     // TextShift
    EXPECT_EQ(s.Title.TopHeight, AtDpi(-7, dpi));     // TextShiftVert, rounded away from zero
    EXPECT_EQ(s.Title.RightWidth, AtDpi(145, dpi));   // TextRightClip
    EXPECT_EQ(s.Title.FontHeight, AtDpi(13, dpi));
    EXPECT_EQ(s.Top.LeftWidth, AtDpi(5, dpi));
    EXPECT_EQ(s.Top.RightWidth, AtDpi(145, dpi));
    EXPECT_EQ(s.Left.TopHeight, AtDpi(38, dpi));
    EXPECT_EQ(s.Left.BottomHeight, AtDpi(10, dpi));
    EXPECT_EQ(s.Buttons.LeftWidth, AtDpi(11, dpi));
    EXPECT_EQ(s.Buttons.TopHeight, AtDpi(10, dpi));
    ASSERT_TRUE(s.MenuBar);
    EXPECT_EQ(s.MenuBar->LeftWidth, AtDpi(6, dpi));
    ASSERT_TRUE(s.HorzScrollThumb);
    EXPECT_EQ(s.HorzScrollThumb->RightWidth, AtDpi(8, dpi));
    ASSERT_GE(s.SysButtons.size(), 5u);
    EXPECT_EQ(s.SysButtons[1]->Xcoord, AtDpi(63, dpi));
    EXPECT_EQ(s.SysButtons[1]->Ycoord, AtDpi(3, dpi));
    // What is not a length stays.
    EXPECT_EQ(s.SysButtons[1]->Action, skin.SysButtons[1]->Action);
    EXPECT_EQ(s.SysButtons[1]->FrameCount, skin.SysButtons[1]->FrameCount);
    EXPECT_EQ(s.Buttons.CheckButtonFrame, skin.Buttons.CheckButtonFrame);
    EXPECT_EQ(s.ButtonFace, skin.ButtonFace);
    EXPECT_EQ(s.ColourTable, skin.ColourTable);
  }
}

TEST_F(SkinAtDpi, ImagesScaleFrameByFrameWithTheKeyExact) {
  for (int dpi : {144, 192, 120}) {
    vs::TSkinData& s = *skin.AtDpi(dpi);
    SCOPED_TRACE(dpi);
    struct Pair {
      vs::TDataSkinObject* from;
      vs::TDataSkinObject* to;
      bool stacked;
    } pairs[] = {{&skin.Left, &s.Left, false},         {&skin.Top, &s.Top, true},
                 {&skin.Bottom, &s.Bottom, true},      {&skin.Buttons, &s.Buttons, false},
                 {&skin.Title, &s.Title, true},        {skin.MenuBar.get(), s.MenuBar.get(), true},
                 {skin.Scrollbar.get(), s.Scrollbar.get(), false},
                 {skin.MenuItem.get(), s.MenuItem.get(), false},
                 {skin.SysButtons[0].get(), s.SysButtons[0].get(), false}};
    for (const Pair& p : pairs) {
      ASSERT_TRUE(p.from && p.to);
      SCOPED_TRACE(p.from->Name);
      if (p.from->Image.Empty()) continue;
      const int n = std::max(1, p.from->FrameCount);
      const int fw = p.stacked ? p.from->Image.Width() : p.from->Image.Width() / n;
      const int fh = p.stacked ? p.from->Image.Height() / n : p.from->Image.Height();
      EXPECT_EQ(p.to->Image.Width(), p.stacked ? AtDpi(fw, dpi) : AtDpi(fw, dpi) * n);
      EXPECT_EQ(p.to->Image.Height(), p.stacked ? AtDpi(fh, dpi) * n : AtDpi(fh, dpi));
      EXPECT_EQ(PinkFringe(p.to->Image), 0);
    }
  }
}

TEST_F(SkinAtDpi, AnotherSkinLoadedRefreshesTheKeptCopiesInPlace) {
  vs::TSkinData* at144 = skin.AtDpi(144);
  const int sedgeTop = at144->Top.Image.Height();
  vs::test::Bytes ini = vs::test::ToBytes(
      "[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\nTopTopHeight=4\r\nTopBotHeight=6\r\n"
      "[Personality]\r\nTextShift=10\r\n");
  const auto package = vs::WritePackage({{"top.bmp", SolidBmp(20, 2 * 24, 0x336699)}, {"other.ini", ini}});
  ASSERT_TRUE(skin.UseSkinStream(vs::test::Stream(package)));
  EXPECT_EQ(skin.AtDpi(144), at144);  // windows holding it keep a valid skin
  EXPECT_EQ(at144->Top.Image.Height(), 2 * 36);
  EXPECT_NE(at144->Top.Image.Height(), sedgeTop);
  EXPECT_EQ(at144->Top.LeftWidth, 6);
  EXPECT_EQ(at144->Top.RightWidth, 9);
  EXPECT_EQ(PixelAt(at144->Top.Image, 5, 40), 0x336699u);
}

TEST_F(SkinAtDpi, PicturesDrawnForAScaleAreUsedWhenTheyFit) {
  const vs::test::Bytes ini = vs::test::ToBytes(
      "[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nLeftTopHeight=2\r\nLeftBotHeight=2\r\n"
      "Right=right.bmp\r\nRightFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n");
  const auto package = vs::WritePackage({
      {"left.bmp", SolidBmp(8, 10, 0xFF0000)},        // two frames of 4 x 10
      {"left@150.bmp", SolidBmp(12, 15, 0x0000FF)},   // drawn for 150%: used
      {"right.bmp", SolidBmp(8, 10, 0xFF0000)},
      {"right@200.bmp", SolidBmp(15, 20, 0x0000FF)},  // the wrong size: scaled instead
      {"bottom.bmp", SolidBmp(1, 1, 0x00FF00)},       // too small for its two frames: kept
      {"skin.ini", ini},
  });
  ASSERT_TRUE(skin.UseSkinStream(vs::test::Stream(package)));
  struct Case {
    int dpi;
    int leftW, leftH;
    std::uint32_t leftColour, rightColour;
  } cases[] = {
      {144, 12, 15, 0x0000FF, 0xFF0000},
      {192, 16, 20, 0x0000FF, 0xFF0000},  // no @200 left: the 150% picture enlarged
      {120, 10, 13, 0x0000FF, 0xFF0000},  // the larger 150% picture reduced
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    vs::TSkinData& s = *skin.AtDpi(c.dpi);
    EXPECT_EQ(s.Left.Image.Width(), c.leftW);
    EXPECT_EQ(s.Left.Image.Height(), c.leftH);
    EXPECT_EQ(PixelAt(s.Left.Image, 1, 1), c.leftColour);
    EXPECT_EQ(PixelAt(s.Right.Image, 1, 1), c.rightColour);
    EXPECT_EQ(s.Right.Image.Width(), 2 * AtDpi(4, c.dpi));
    EXPECT_EQ(s.Bottom.Image.Width(), 1);
    EXPECT_EQ(s.Bottom.Image.Height(), 1);
  }
}

// The MDI buttons are cut from one strip; at a DPI each takes its columns
// of the strip drawn for that scale.
TEST_F(SkinAtDpi, MdiButtonsAreCutFromTheStripDrawnForTheScale) {
  // Three buttons of four frames, a colour each: 96 dpi red, green, blue;
  // drawn for 150% in other colours.
  auto strip = [](int frame, std::array<std::uint32_t, 3> colours) {
    vs::test::Bytes bmp = SolidBmp(12 * frame, frame, 0);
    const int stride = (12 * frame * 3 + 3) & ~3;
    for (int y = 0; y < frame; ++y)
      for (int x = 0; x < 12 * frame; ++x) {
        const std::uint32_t rgb = colours[x / (4 * frame)];
        std::uint8_t* p = bmp.data() + 54 + y * stride + 3 * x;
        p[0] = static_cast<std::uint8_t>(rgb), p[1] = static_cast<std::uint8_t>(rgb >> 8);
        p[2] = static_cast<std::uint8_t>(rgb >> 16);
      }
    return bmp;
  };
  const std::array<std::uint32_t, 3> plain{0xFF0000, 0x00FF00, 0x0000FF}, drawn{0x101010, 0x202020, 0x303030};
  const auto package = vs::WritePackage({
      {"mdi.bmp", strip(4, plain)},
      {"mdi@150.bmp", strip(6, drawn)},
      {"skin.ini", vs::test::ToBytes("[MdiControls]\r\nImage=mdi.bmp\r\n")},
  });
  ASSERT_TRUE(skin.UseSkinStream(vs::test::Stream(package)));
  for (const int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    vs::TSkinData& s = *skin.AtDpi(dpi);
    int seen = 0;
    for (const auto& b : s.SysButtons) {
      if (b->Action < 7 || b->Action > 9) continue;
      const int i = b->Action - 7;
      ++seen;
      EXPECT_EQ(b->Image.Width(), 4 * AtDpi(4, dpi)) << i;
      EXPECT_EQ(b->Image.Height(), AtDpi(4, dpi)) << i;
      // At 192 dpi (no picture for 200%) the 150% picture enlarged.
      EXPECT_EQ(PixelAt(b->Image, 1, 1), dpi == 96 ? plain[i] : drawn[i]) << i;
    }
    EXPECT_EQ(seen, 3);
  }
}

TEST_F(SkinAtDpi, ACopyWithoutASkinIsNeverMade) {
  vs::TSkinData empty{nullptr};
  EXPECT_EQ(empty.AtDpi(144), &empty);
  EXPECT_EQ(empty.ScaledCount(), 0u);
}
