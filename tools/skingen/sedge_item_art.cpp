// Tabs, combo box parts, popup menus and scroll bars of the sedge skin.
#include "sedge_art.h"

namespace sedge {
namespace {

const std::vector<const char*> kArrowLeft = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
const std::vector<const char*> kArrowRight = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
const std::vector<const char*> kArrowUp = {"...#...", "..###..", ".#####.", "#######"};
const std::vector<const char*> kArrowDown = {"#######", ".#####.", "..###..", "...#..."};

// A small push button of the scroll bar and the combo box by state:
// 1 normal, 2 pressed, 3 hot, 4 disabled.  Returns the colour for its glyph.
Rgba SmallButton(Raster& r, const Box& box, int state) {
  switch (state) {
    case 2:
      FillBoxGradient(r, box, kOliveDark, kOlive);
      OutlineBox(r, box, Rgb(62, 72, 46));
      return kWhite;
    case 3:
      FillBoxGradient(r, box, kOliveLight, kOlive);
      OutlineBox(r, box, kOliveDark);
      InnerTopLine(r, box, Rgb(164, 182, 134), false);
      return kWhite;
    case 4:
      FillBox(r, box, kMuted);
      OutlineBox(r, box, kMutedLine);
      return kMutedInk;
    default:
      FillBoxGradient(r, box, Rgb(246, 248, 236), Rgb(204, 211, 174));
      OutlineBox(r, box, Rgb(122, 132, 98));
      InnerTopLine(r, box, kWhite, false);
      return kDkShadow;
  }
}

}  // namespace

// The rim around a tab control's pages; only its edge bands are drawn.  The
// green top line joins the selected tab above it.
SkinImage DrawTabBorder() {
  SkinImage img = NewImage("sedge_tabborder.bmp", 16, 16, 1);
  img.left = 4, img.top = 5, img.right = 4, img.bottom = 4;
  Raster& r = img.pixels;
  r.Fill(0, 0, 16, 16, kFace);
  r.Fill(0, 0, 16, 1, kOlive);
  r.Fill(0, 1, 16, 2, kOliveLight);
  r.Fill(1, 2, 15, 3, kFaceHi);
  r.Fill(0, 1, 1, 16, kShadow);
  r.Fill(1, 3, 2, 15, kFaceHi);
  r.Fill(15, 1, 16, 16, kShadow);
  r.Fill(14, 3, 15, 15, Mix(kFace, kShadow, 40));
  r.Fill(0, 15, 16, 16, kShadow);
  r.Fill(1, 14, 15, 15, Mix(kFace, kShadow, 40));
  return img;
}

// Tabs: normal, selected, hot, disabled, focused.  Drawn opaque, so the corners
// outside the rounded top carry the face colour of the strip behind them.
SkinImage DrawTabs() {
  SkinImage img = NewImage("sedge_tabs.bmp", 24, 22, 5);
  img.left = img.top = img.right = img.bottom = 4;
  ForFrames(img, [&](int k, int x0, int) {
    Raster& r = img.pixels;
    r.Fill(x0, 0, x0 + 24, 22, kFace);
    const Box box{x0, 0, x0 + 24, 26, 4};
    switch (k) {
      case 2:
        FillBoxBands(r, box, kOliveLight, Rgb(118, 138, 90), kOlive, 4, 0);
        OutlineBox(r, box, kOliveDark);
        InnerTopLine(r, box, Rgb(164, 182, 134), false);
        break;
      case 3:
        FillBoxBands(r, box, kWhite, Rgb(234, 238, 218), Rgb(234, 238, 218), 4, 0);
        OutlineBox(r, box, kOlive);
        break;
      case 4:
        FillBox(r, box, kMuted);
        OutlineBox(r, box, kMutedLine);
        break;
      default:
        FillBoxBands(r, box, Rgb(246, 248, 238), Rgb(220, 225, 198), Rgb(220, 225, 198), 4, 0);
        OutlineBox(r, box, k == 5 ? kOliveDark : kShadow);
        InnerTopLine(r, box, kWhite, false);
        break;
    }
  });
  return img;
}

// The drop-down button of a combo box: normal, pressed, disabled, hot.
SkinImage DrawComboButton() {
  SkinImage img = NewImage("sedge_combobutton.bmp", 18, 22, 4);
  static const int kState[] = {1, 2, 4, 3};
  ForFrames(img, [&](int k, int x0, int) { SmallButton(img.pixels, {x0 + 1, 1, x0 + 17, 21, 2}, kState[k - 1]); });
  return img;
}

// The field's sunken rim: normal, focused, disabled, hot (the painters take
// the first).
SkinImage DrawSunkEdge() {
  SkinImage img = NewImage("sedge_sunkedge.bmp", 8, 8, 4);
  img.left = img.top = img.right = img.bottom = 2;
  ForFrames(img, [&](int k, int x0, int) {
    Raster& r = img.pixels;
    const Rgba outer = k == 3 ? kMutedLine : (k == 2 ? kOlive : kShadow);
    const Rgba inner = k == 3 ? kMuted : (k == 2 ? kOliveDark : kDkShadow);
    r.Fill(x0, 0, x0 + 8, 8, k == 3 ? kMuted : kWhite);
    r.Fill(x0, 0, x0 + 8, 1, outer);
    r.Fill(x0, 0, x0 + 1, 8, outer);
    r.Fill(x0 + 1, 1, x0 + 7, 2, inner);
    r.Fill(x0 + 1, 1, x0 + 2, 7, inner);
    r.Fill(x0, 7, x0 + 8, 8, kFaceHi);
    r.Fill(x0 + 7, 0, x0 + 8, 8, kFaceHi);
    r.Fill(x0 + 1, 6, x0 + 7, 7, kFaceLight);
    r.Fill(x0 + 6, 1, x0 + 7, 7, kFaceLight);
  });
  return img;
}

// The combo box's arrow glyph in the button states: normal, pressed,
// disabled, hot, spare.
SkinImage DrawComboArrow() {
  SkinImage img = NewImage("sedge_comboarrow.bmp", 9, 6, 5);
  const Rgba inks[] = {kDkShadow, kWhite, kMutedInk, kWhite, kText};
  ForFrames(img, [&](int k, int x0, int) { Glyph(img.pixels, x0 + 1, 1, kArrowDown, inks[k - 1]); });
  return img;
}

// Popup menu items: normal (transparent), separator, disabled selected,
// selected, spare.
SkinImage DrawMenuItem() {
  SkinImage img = NewImage("sedge_menuitem.bmp", 28, 17, 5);
  img.left = 8, img.top = 3, img.right = 11, img.bottom = 3;
  ForFrames(img, [&](int k, int x0, int) {
    Raster& r = img.pixels;
    const Box pill{x0 + 1, 1, x0 + 27, 16, 3};
    if (k == 2) {
      r.Fill(x0 + 2, 11, x0 + 26, 12, Mix(kMenu, kShadow, 70));
      r.Fill(x0 + 2, 12, x0 + 26, 13, kWhite);
    } else if (k == 3) {
      FillBox(r, pill, kMuted);
      OutlineBox(r, pill, kMutedLine);
    } else if (k == 4) {
      FillBoxBands(r, pill, kOliveLight, Rgb(120, 140, 92), kOlive, 3, 3);
      OutlineBox(r, pill, kOliveDark);
    } else if (k == 5) {
      FillBox(r, pill, Rgb(214, 221, 186));
      OutlineBox(r, pill, kShadow);
    }
  });
  return img;
}

SkinImage DrawMenuBack() {
  SkinImage img = NewImage("sedge_menuback.bmp", 24, 24, 1);
  img.left = img.top = img.right = img.bottom = 7;
  Raster& r = img.pixels;
  r.Fill(0, 0, 24, 24, kMenu);
  r.Frame(0, 0, 24, 24, Rgb(122, 132, 98));
  r.Fill(1, 1, 23, 2, kWhite);
  r.Fill(1, 1, 2, 23, kWhite);
  r.Fill(1, 22, 23, 23, Mix(kMenu, kShadow, 35));
  r.Fill(22, 1, 23, 23, Mix(kMenu, kShadow, 35));
  return img;
}

// Scroll bar arrows, 23 frames of 16 x 16: left 1-4, right 5-8, up 9-12,
// down 13-16 (normal, pressed, hot, disabled each), then thumb grips for the
// horizontal and the vertical bar (normal, pressed), the size box, a plain
// corner and a spare face.
SkinImage DrawArrows() {
  SkinImage img = NewImage("sedge_arrows.bmp", 16, 16, 23);
  ForFrames(img, [&](int k, int x0, int) {
    Raster& r = img.pixels;
    if (k <= 16) {
      const int arrow = (k - 1) / 4, state = (k - 1) % 4 + 1;
      const Rgba ink = SmallButton(r, {x0, 0, x0 + 16, 16, 2}, state);
      const int shift = state == 2 ? 1 : 0;
      static const std::vector<const char*>* glyphs[] = {&kArrowLeft, &kArrowRight, &kArrowUp, &kArrowDown};
      const bool across = arrow < 2;
      Glyph(r, x0 + (across ? 6 : 4) + shift, (across ? 4 : 6) + shift, *glyphs[arrow], ink);
      return;
    }
    r.Fill(x0, 0, x0 + 16, 16, kFace);
    if (k <= 20) {
      const Rgba ink = k % 2 ? kDkShadow : kWhite;
      if (k % 2 == 0) FillBox(r, {x0 + 2, 2, x0 + 14, 14, 2}, kOlive);
      for (int i = 0; i < 3; ++i) {
        if (k <= 18)
          r.Fill(x0 + 5 + 2 * i, 5, x0 + 6 + 2 * i, 11, ink);
        else
          r.Fill(x0 + 5, 5 + 2 * i, x0 + 11, 6 + 2 * i, ink);
      }
    } else if (k == 21) {
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
          r.Set(x0 + 13 - 3 * j, 7 + 3 * i, kFaceHi);
          r.Set(x0 + 14 - 3 * j, 8 + 3 * i, kShadow);
        }
    }
  });
  return img;
}

// Scroll bar tracks, horizontal and vertical: normal, pressed, hot, disabled.
// Each frame tiles along the bar.
SkinImage DrawScrollTrack(bool vertical) {
  SkinImage img = NewImage(vertical ? "sedge_scroll_back_v.bmp" : "sedge_scroll_back_h.bmp", 16, 16, 4);
  ForFrames(img, [&](int k, int x0, int) {
    const Rgba base[] = {kTrack, Rgb(196, 204, 166), Rgb(224, 228, 204), kMuted};
    Raster tile(16, 16);
    tile.Fill(0, 0, 16, 16, base[k - 1]);
    tile.Fill(0, 0, 16, 1, Mix(base[k - 1], kShadow, 55));
    tile.Fill(0, 1, 16, 2, Mix(base[k - 1], kShadow, 20));
    tile.Fill(0, 15, 16, 16, Mix(base[k - 1], kWhite, 45));
    if (vertical)
      PasteTransposed(img.pixels, x0, 0, tile);
    else
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) img.pixels.Set(x0 + x, y, tile.At(x, y));
  });
  return img;
}

// Scroll bar thumbs: normal, pressed, hot.  Opaque: the corners carry the
// track colour.
SkinImage DrawScrollThumb(bool vertical) {
  SkinImage img = vertical ? NewImage("sedge_scroll_v.bmp", 16, 20, 3) : NewImage("sedge_scroll_h.bmp", 20, 16, 3);
  if (vertical)
    img.left = 7, img.top = 7, img.right = 7, img.bottom = 8;
  else
    img.left = 7, img.top = 7, img.right = 8, img.bottom = 7;
  ForFrames(img, [&](int k, int x0, int) {
    Raster thumb(20, 16);
    thumb.Fill(0, 0, 20, 16, kTrack);
    const Box box{0, 1, 20, 15, 3};
    if (k == 2) {
      FillBoxBands(thumb, box, kOliveDark, Rgb(96, 112, 72), kOlive, 6, 6);
      OutlineBox(thumb, box, Rgb(62, 72, 46));
    } else {
      const Rgba top = k == 3 ? kWhite : Rgb(246, 248, 236);
      const Rgba mid = k == 3 ? Rgb(228, 234, 204) : Rgb(216, 222, 192);
      FillBoxBands(thumb, box, top, mid, Rgb(192, 200, 160), 6, 6);
      OutlineBox(thumb, box, k == 3 ? kOliveDark : Rgb(122, 132, 98));
      InnerTopLine(thumb, box, kWhite, true);
    }
    if (vertical)
      PasteTransposed(img.pixels, x0, 0, thumb);
    else
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) img.pixels.Set(x0 + x, y, thumb.At(x, y));
  });
  return img;
}

}  // namespace sedge
