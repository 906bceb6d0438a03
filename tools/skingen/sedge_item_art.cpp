// Tabs, combo box parts, popup menus and scroll bars of the sedge skin.
#include "sedge_art.h"
#include "state_layouts.h"

namespace sedge {
namespace {

const std::vector<const char*> kArrowLeft = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
const std::vector<const char*> kArrowRight = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
const std::vector<const char*> kArrowUp = {"...#...", "..###..", ".#####.", "#######"};
const std::vector<const char*> kArrowDown = {"#######", ".#####.", "..###..", "...#..."};

// A small push button of the scroll bar and the combo box by state:
// 1 normal, 2 pressed, 3 hot, 4 disabled.  Returns the colour for its glyph.
Rgba SmallButton(Canvas& r, const Box& box, int state) {
  static const KeyLook kLooks[] = {
      {.top = Rgb(246, 248, 236), .bottom = Rgb(204, 211, 174), .outline = Rgb(122, 132, 98), .ink = kDkShadow,
       .line = kWhite},
      {.top = kOliveDark, .bottom = kOlive, .outline = Rgb(62, 72, 46), .ink = kWhite},
      {.top = kOliveLight, .bottom = kOlive, .outline = kOliveDark, .ink = kWhite, .line = Rgb(164, 182, 134)},
      {.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk},
  };
  return PaintKey(r, box, kLooks[state - 1]);
}

}  // namespace

// The tabs' page rim: its green top line joins the selected tab above it.
SkinImage DrawTabBorder() {
  return TabPageRim("sedge_tabborder.bmp",
                    {kFace, kOlive, kOliveLight, kShadow, kFaceHi, Mix(kFace, kShadow, 40)});
}

// Tabs: the selected one sedge green, the hot one white.
SkinImage DrawTabs() {
  const KeyLook normal{.top = Rgb(246, 248, 238), .bottom = Rgb(220, 225, 198), .outline = kShadow, .ink = kText,
                       .line = kWhite, .mid = Rgb(220, 225, 198)};
  KeyLook focused = normal;
  focused.outline = kOliveDark;
  return TabStrip("sedge_tabs.bmp", kFace,
                  {normal,
                   {.top = kOliveLight, .bottom = kOlive, .outline = kOliveDark, .ink = kWhite,
                    .line = Rgb(164, 182, 134), .mid = Rgb(118, 138, 90)},
                   {.top = kWhite, .bottom = Rgb(234, 238, 218), .outline = kOlive, .ink = kText,
                    .mid = Rgb(234, 238, 218)},
                   {.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk},
                   focused});
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
    Canvas& r = img.pixels;
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
    Canvas& r = img.pixels;
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
  Canvas& r = img.pixels;
  r.Fill(0, 0, 24, 24, kMenu);
  r.Frame(0, 0, 24, 24, Rgb(122, 132, 98));
  r.Fill(1, 1, 23, 2, kWhite);
  r.Fill(1, 1, 2, 23, kWhite);
  r.Fill(1, 22, 23, 23, Mix(kMenu, kShadow, 35));
  r.Fill(22, 1, 23, 23, Mix(kMenu, kShadow, 35));
  return img;
}

SkinImage DrawArrows() {
  ArrowStripLook look{.key = SmallButton, .keyRadius = 2, .glyphs = {&kArrowLeft, &kArrowRight, &kArrowUp, &kArrowDown},
                      .acrossX = 6, .acrossY = 4, .alongX = 4, .alongY = 6, .face = kFace, .grip = kDkShadow,
                      .gripPressed = kWhite, .gripPressedFill = kOlive, .gripRadius = 2, .sizeLight = kFaceHi,
                      .sizeShadow = kShadow};
  return ScrollArrowStrip("sedge_arrows.bmp", look);
}

// Scroll bar tracks, horizontal and vertical: normal, pressed, hot, disabled.
// Each frame tiles along the bar.
SkinImage DrawScrollTrack(bool vertical) {
  return AlongTheBar(vertical ? "sedge_scroll_back_v.bmp" : "sedge_scroll_back_h.bmp", 16, 16, 4, vertical,
                     [](Canvas& tile, int k) {
                       const Rgba base[] = {kTrack, Rgb(196, 204, 166), Rgb(224, 228, 204), kMuted};
                       tile.Fill(0, 0, 16, 16, base[k - 1]);
                       tile.Fill(0, 0, 16, 1, Mix(base[k - 1], kShadow, 55));
                       tile.Fill(0, 1, 16, 2, Mix(base[k - 1], kShadow, 20));
                       tile.Fill(0, 15, 16, 16, Mix(base[k - 1], kWhite, 45));
                     });
}

// Scroll bar thumbs: normal, pressed, hot.  Opaque: the corners carry the
// track colour.
SkinImage DrawScrollThumb(bool vertical) {
  SkinImage img = AlongTheBar(vertical ? "sedge_scroll_v.bmp" : "sedge_scroll_h.bmp", 20, 16, 3, vertical,
                              [](Canvas& thumb, int k) {
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
                              });
  if (vertical)
    img.left = 7, img.top = 7, img.right = 7, img.bottom = 8;
  else
    img.left = 7, img.top = 7, img.right = 8, img.bottom = 7;
  return img;
}

}  // namespace sedge
