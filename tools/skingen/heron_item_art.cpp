// Tabs, combo box parts, the popup menu background and scroll bars of the
// heron skin.
#include "heron_art.h"
#include "state_layouts.h"

namespace heron {
namespace {

const std::vector<const char*> kArrowLeft = {"..#", ".##", "###", ".##", "..#"};
const std::vector<const char*> kArrowRight = {"#..", "##.", "###", "##.", "#.."};
const std::vector<const char*> kArrowUp = {"..#..", ".###.", "#####"};
const std::vector<const char*> kArrowDown = {"#####", ".###.", "..#.."};

// A small key of the scroll bar and the combo box by state: 1 normal,
// 2 pressed, 3 hot, 4 disabled.  Returns the colour for its glyph.
Rgba SmallKey(Canvas& r, const Box& box, int state) {
  static const KeyLook kLooks[] = {
      {.top = kWhite, .bottom = Rgb(220, 226, 234), .outline = kLineDark, .ink = kSlate},
      {.top = kSteelDark, .bottom = kSteel, .outline = kSlateInner, .ink = kWhite},
      {.top = Rgb(255, 246, 226), .bottom = Rgb(248, 214, 150), .outline = kAmberDark, .ink = kText},
      {.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk},
  };
  return PaintKey(r, box, kLooks[state - 1]);
}

}  // namespace

// The tabs' page rim: its steel top lines join the selected tab above it.
SkinImage DrawTabBorder() {
  return TabPageRim("heron_tabborder.bmp", {kFace, kSteel, kSteel, kLineDark, kFaceHi, Mix(kFace, kLine, 50)});
}

// Tabs: the selected one steel with an amber thread along its top, the hot
// one warm white.
SkinImage DrawTabs() {
  const KeyLook normal{.top = kWhite, .bottom = kFaceLight, .outline = kLineDark, .ink = kText, .line = kWhite,
                       .mid = kFaceLight};
  KeyLook focused = normal;
  focused.outline = kSteelDark;
  SkinImage img = TabStrip("heron_tabs.bmp", kFace,
                           {normal,
                            {.top = kSteelLight, .bottom = kSteel, .outline = kSteelDark, .ink = kWhite, .mid = kSteel},
                            {.top = kWhite, .bottom = Rgb(252, 238, 208), .outline = kAmberDark, .ink = kText,
                             .mid = Rgb(252, 238, 208)},
                            {.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk},
                            focused});
  const int x0 = img.FrameWidth();  // the selected tab
  img.pixels.Fill(x0 + 3, 0, x0 + 21, 1, kAmber);
  return img;
}

// The drop-down button of a combo box: normal, pressed, disabled, hot.
SkinImage DrawComboButton() {
  SkinImage img = NewImage("heron_combobutton.bmp", 18, 22, 4);
  static const int kState[] = {1, 2, 4, 3};
  ForFrames(img, [&](int k, int x0, int) { SmallKey(img.pixels, {x0 + 1, 1, x0 + 17, 21, 3}, kState[k - 1]); });
  return img;
}

// The field's rim: normal, focused, disabled, hot (the painters take the
// first).  A flat line with a soft inner shade rather than a deep bevel.
SkinImage DrawSunkEdge() {
  SkinImage img = NewImage("heron_sunkedge.bmp", 8, 8, 4);
  img.left = img.top = img.right = img.bottom = 2;
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    const Rgba outer = k == 3 ? kMutedLine : (k == 2 ? kSteel : (k == 4 ? kAmberDark : kLineDark));
    const Rgba inner = k == 3 ? kMuted : Mix(kWhite, outer, 22);
    r.Fill(x0, 0, x0 + 8, 8, k == 3 ? kMuted : kWhite);
    r.Frame(x0, 0, x0 + 8, 8, outer);
    r.Fill(x0 + 1, 1, x0 + 7, 2, inner);
    r.Fill(x0 + 1, 1, x0 + 2, 7, inner);
  });
  return img;
}

// The combo box's arrow glyph in the button states: normal, pressed,
// disabled, hot, spare.
SkinImage DrawComboArrow() {
  static const std::vector<const char*> kChevron = {"#.....#", "##...##", ".##.##.", "..###..", "...#..."};
  SkinImage img = NewImage("heron_comboarrow.bmp", 9, 6, 5);
  const Rgba inks[] = {kSlate, kWhite, kMutedInk, kText, kText};
  ForFrames(img, [&](int k, int x0, int) { Glyph(img.pixels, x0 + 1, 0, kChevron, inks[k - 1]); });
  return img;
}

// The popup menu's background: a slate rim with an amber thread inside it,
// over the face colour the plain menu items are filled with.
SkinImage DrawMenuBack() {
  SkinImage img = NewImage("heron_menuback.bmp", 24, 24, 1);
  img.left = img.top = img.right = img.bottom = 6;
  Canvas& r = img.pixels;
  r.Fill(0, 0, 24, 24, kFace);
  r.Frame(0, 0, 24, 24, kSlate);
  r.Fill(1, 1, 23, 2, kAmber);
  r.Fill(1, 2, 2, 23, kFaceHi);
  r.Fill(1, 22, 23, 23, Mix(kFace, kLine, 45));
  r.Fill(22, 2, 23, 23, Mix(kFace, kLine, 45));
  return img;
}

// Scroll bar arrows: small keys on the track colour, steel grips.
SkinImage DrawArrows() {
  ArrowStripLook look{.key = SmallKey, .keyRadius = 3, .underKeys = kTrack,
                      .glyphs = {&kArrowLeft, &kArrowRight, &kArrowUp, &kArrowDown}, .acrossX = 7, .acrossY = 6,
                      .alongX = 6, .alongY = 7, .face = kFace, .grip = kLineDark, .gripPressed = kWhite,
                      .gripPressedFill = kSteel, .gripRadius = 3, .sizeLight = kFaceHi, .sizeShadow = kLineDark};
  return ScrollArrowStrip("heron_arrows.bmp", look);
}

// Scroll bar tracks, horizontal and vertical: normal, pressed, hot, disabled.
// Uniform along the bar, which stretches them.
SkinImage DrawScrollTrack(bool vertical) {
  return AlongTheBar(vertical ? "heron_scroll_back_v.bmp" : "heron_scroll_back_h.bmp", 16, 16, 4, vertical,
                     [](Canvas& tile, int k) {
                       const Rgba base[] = {kTrack, Rgb(190, 200, 214), Rgb(226, 231, 238), kMuted};
                       tile.Fill(0, 0, 16, 16, base[k - 1]);
                       tile.Fill(0, 0, 16, 1, Mix(base[k - 1], kLineDark, 40));
                       tile.Fill(0, 15, 16, 16, Mix(base[k - 1], kWhite, 50));
                     });
}

// Scroll bar thumbs: normal, pressed, hot.  Opaque pills whose corners carry
// the track colour; their middles are stretched.
SkinImage DrawScrollThumb(bool vertical) {
  SkinImage img = AlongTheBar(vertical ? "heron_scroll_v.bmp" : "heron_scroll_h.bmp", 20, 16, 3, vertical,
                              [](Canvas& thumb, int k) {
                                thumb.Fill(0, 0, 20, 16, kTrack);
                                const Rgba mid[] = {Rgb(150, 166, 188), kSteel, Rgb(252, 226, 176)};
                                const Rgba edge[] = {kLineDark, kSteelDark, kAmberDark};
                                const KeyLook look{.top = Mix(mid[k - 1], kWhite, 45),
                                                   .bottom = Mix(mid[k - 1], edge[k - 1], 30),
                                                   .outline = edge[k - 1], .ink = kText, .mid = mid[k - 1]};
                                PaintKey(thumb, {0, 2, 20, 14, 5}, look, 4, 4);
                              });
  img.left = img.top = img.right = img.bottom = 6;
  return img;
}

}  // namespace heron
