// The built-in skin drawn through the bitmap helpers the way the frame
// painter uses them: a window frame with caption buttons and push buttons,
// saved for a person to look at, and its region checked for round corners.
#include <windows.h>

#include <gtest/gtest.h>

#include "bitmap_test_util.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/TSkinData.h"
#include "win_test_support.h"

namespace vs = vex::skin;

namespace {

class SkinSample : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(skin.ReadSkinStreamResource(GetModuleHandleA(nullptr))); }
  vs::TSkinData skin{nullptr};
};

// One side of the frame at W x H: frames stacked for top and bottom, side
// by side for left and right; frame 1 active, 2 inactive.
HBITMAP Side(vs::TDataSkinBorder& border, int w, int h, bool stacked, bool active) {
  return vs::BuildElement(RECT{0, 0, w, h}, border.Image.Handle(), border.Margins(), stacked, border.Tile != 1,
                          border.FrameCount, active || border.FrameCount < 2 ? 1 : 2);
}

// Sides are drawn keyed: the window region cuts their key pixels away.
void Blit(HDC dc, int x, int y, HBITMAP bmp) {
  BITMAP info{};
  GetObject(bmp, sizeof info, &info);
  vs::DrawTransparent(dc, RECT{x, y, x + info.bmWidth, y + info.bmHeight}, bmp, vs::kSkinKey);
  DeleteObject(bmp);
}

}  // namespace

TEST_F(SkinSample, FrameAndControlsDrawnWithTheHelpers) {
  const int W = 360, H = 200;
  const int l = skin.Left.Image.Width() / skin.Left.FrameCount;
  const int r = skin.Right.Image.Width() / skin.Right.FrameCount;
  const int t = skin.Top.Image.Height() / skin.Top.FrameCount;
  const int b = skin.Bottom.Image.Height() / skin.Bottom.FrameCount;
  vs::test::Canvas canvas(W, 2 * H + 10, 0xFFFFFF);
  HDC dc = canvas.Dc();
  for (int pass = 0; pass < 2; ++pass) {
    const bool active = pass == 0;
    const int y0 = pass * (H + 10);
    HBRUSH face = skin.FaceBrush.get();
    RECT client{l, y0 + t, W - r, y0 + H - b};
    FillRect(dc, &client, face);
    Blit(dc, 0, y0, Side(skin.Left, l, H, false, active));
    Blit(dc, W - r, y0, Side(skin.Right, r, H, false, active));
    Blit(dc, l, y0 + H - b, Side(skin.Bottom, W - l - r, b, true, active));
    Blit(dc, l, y0, Side(skin.Top, W - l - r, t, true, active));
    // Caption buttons of the title: close, maximise, minimise (Align 1).
    for (int i : {0, 2, 3}) {
      vs::TDataSkinSysButton& button = *skin.SysButtons[i];
      const int w = button.Image.Width() / button.FrameCount, h = button.Image.Height();
      const RECT at{W - button.Xcoord, y0 + button.Ycoord, W - button.Xcoord + w, y0 + button.Ycoord + h};
      vs::DrawFrameImage(dc, at, button.Image.Handle(), true, active ? 1 : 4);
    }
    // The menu bar band and four push buttons in their states.
    vs::DrawElement(dc, RECT{l, y0 + t, W - r, y0 + t + 20}, skin.MenuBar->Image.Handle(), true, false, false, 2,
                    active ? 1 : 2, skin.MenuBar->Margins());
    for (int k = 1; k <= 4; ++k)
      vs::DrawElement(dc, RECT{10 + (k - 1) * 85, y0 + 70, 85 + (k - 1) * 85, y0 + 96}, skin.Buttons.Image.Handle(),
                      false, false, skin.Buttons.Trans != 0, 5, k, skin.Buttons.Margins());
  }
  const vex::Pixels px = canvas.Read();
  vex::SavePng(px, vex::test::OutputDir() + "sedge_gdi_sample.png");
  // The face shows in the client area; the title's colours are not the face.
  EXPECT_EQ(px.At(W / 2, 150), 0xBDC39Eu);
  EXPECT_NE(px.At(W / 2, 14), 0xBDC39Eu);
}

TEST_F(SkinSample, SideRegionsCutTheWindowCornersRound) {
  const int H = 300;
  const int l = skin.Left.Image.Width() / skin.Left.FrameCount;
  HBITMAP side = Side(skin.Left, l, H, false, true);
  HRGN region = vs::RegionFromBitmap(side, 0, 0, 1, 1, 1, vs::kSkinKey);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 0, H - 1));
  EXPECT_TRUE(PtInRegion(region, l - 1, 0));
  EXPECT_TRUE(PtInRegion(region, 0, H / 2));
  EXPECT_EQ(vs::test::RegionArea(region), static_cast<long>(l) * H - 12);  // 6 key pixels a corner
  DeleteObject(region);
  DeleteObject(side);
}
