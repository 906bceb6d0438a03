// Window frame of the sedge skin: the four borders, the menu bar band, the
// caption buttons and the MDI child buttons.
#include "sedge_art.h"
#include "state_layouts.h"

namespace sedge {
namespace {

// Colours of the frame of an active and of an inactive window.
struct FrameTheme {
  Rgba outline, hilite, titleTop, titleBottom, separator, side, sideHilite;
};
constexpr FrameTheme kActive{kDkShadow,          Rgb(246, 248, 238), Rgb(228, 233, 208), Rgb(194, 202, 160),
                             kShadow,            kFace,              Rgb(226, 230, 210)};
constexpr FrameTheme kInactive{Rgb(150, 154, 138), Rgb(244, 245, 238), Rgb(228, 229, 220), Rgb(208, 210, 198),
                               Rgb(178, 181, 166), Rgb(204, 207, 192), Rgb(232, 234, 224)};

// Colour of row y of the title band (kTitleHeight rows).
Rgba TitleRow(const FrameTheme& t, int y) {
  if (y == 0) return t.outline;
  if (y == 1) return t.hilite;
  if (y == kTitleHeight - 1) return t.separator;
  return Mix(t.titleTop, t.titleBottom, (y - 2) * 100 / (kTitleHeight - 4));
}

// Left side of the window, one frame, its outer edge at column x0.  The top
// rows continue the title band; the two outer corners are cut round with the
// colour key so the window region rounds them.
void DrawSide(Canvas& r, int x0, int height, const FrameTheme& t) {
  for (int y = 0; y < height; ++y) {
    const bool title = y < kTitleHeight;
    r.Set(x0, y, t.outline);
    r.Set(x0 + 1, y, title ? t.hilite : t.sideHilite);
    for (int x = 2; x < kSideWidth; ++x) r.Set(x0 + x, y, title ? TitleRow(t, y) : t.side);
  }
  // Top corner: a 45-degree cut three pixels deep, rim following it.
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3 - y; ++x) r.Set(x0 + x, y, kKey);
    r.Set(x0 + 3 - y, y, t.outline);
    if (y > 0) r.Set(x0 + 4 - y, y, t.hilite);
  }
  // Bottom corner, matching the bottom border's rows (face, face, shade, rim).
  const int b = height - 1;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3 - y; ++x) r.Set(x0 + x, b - y, kKey);
    r.Set(x0 + 3 - y, b - y, t.outline);
  }
  r.Set(x0 + 3, b - 1, Mix(t.side, t.outline, 45));
}

void DrawBottom(Canvas& r, int y0, int width, const FrameTheme& t) {
  const Rgba rows[kBottomHeight] = {t.side, t.side, Mix(t.side, t.outline, 45), t.outline};
  for (int y = 0; y < kBottomHeight; ++y) r.Fill(0, y0 + y, width, y0 + y + 1, rows[y]);
}

void DrawTop(Canvas& r, int y0, int width, const FrameTheme& t) {
  for (int y = 0; y < kTitleHeight; ++y) r.Fill(0, y0 + y, width, y0 + y + 1, TitleRow(t, y));
  // A shallow tray behind the caption buttons, inside the fixed right band.
  const Box tray{width - kTopRightBand + 50, y0 + 2, width - 2, y0 + kTitleHeight - 1, 4};
  for (int y = tray.y0; y < tray.y1; ++y)
    for (int x = tray.x0; x < tray.x1; ++x) {
      if (!tray.Inside(x, y)) continue;
      const bool rim = !tray.Inside(x, y - 1) || !tray.Inside(x - 1, y);
      r.Set(x, y, Mix(TitleRow(t, y - y0), t.outline, rim ? 28 : 8));
    }
}

}  // namespace

SkinImage DrawBodyTop() {
  SkinImage img = NewImage("sedge_body_top.bmp", kTopLeftBand + 10 + kTopRightBand, kTitleHeight, 2, true);
  img.left = kTopLeftBand;
  img.right = kTopRightBand;
  ForFrames(img, [&](int k, int, int y0) { DrawTop(img.pixels, y0, img.FrameWidth(), k == 1 ? kActive : kInactive); });
  return img;
}

SkinImage DrawBodyBottom() {
  SkinImage img = NewImage("sedge_body_bottom.bmp", 30, kBottomHeight, 2, true);
  img.left = img.right = 10;
  ForFrames(img, [&](int k, int, int y0) { DrawBottom(img.pixels, y0, img.FrameWidth(), k == 1 ? kActive : kInactive); });
  return img;
}

SkinImage DrawBodySide(bool right) {
  SkinImage img = NewImage(right ? "sedge_body_right.bmp" : "sedge_body_left.bmp", kSideWidth, 60, 2);
  img.top = kSideTopBand;
  img.bottom = kSideBottomBand;
  ForFrames(img, [&](int k, int x0, int) {
    DrawSide(img.pixels, x0, img.FrameHeight(), k == 1 ? kActive : kInactive);
    if (right) MirrorX(img.pixels, x0, 0, x0 + kSideWidth, img.FrameHeight());
  });
  return img;
}

SkinImage DrawMenuBar() {
  SkinImage img = NewImage("sedge_menubar.bmp", 20, 20, 2, true);
  img.left = img.right = 6;
  ForFrames(img, [&](int k, int, int y0) {
    const bool active = k == 1;
    Canvas& r = img.pixels;
    r.Gradient(0, y0, 20, y0 + 19, active ? Rgb(216, 221, 193) : Rgb(214, 216, 204), active ? kFace : Rgb(202, 205, 190));
    r.Fill(0, y0, 20, y0 + 1, active ? Rgb(232, 236, 216) : Rgb(226, 228, 218));
    r.Fill(0, y0 + 19, 20, y0 + 20, active ? kShadow : Rgb(178, 181, 166));
  });
  return img;
}

// Caption buttons: 24 x 24 frames, in order normal, pressed, hot, inactive,
// disabled, hot while inactive.
SkinImage DrawCaptionButton(const char* name, const std::vector<const char*>& glyph, bool isClose) {
  SkinImage img = NewImage(name, 24, 24, 6);
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    const Box box{x0 + 1, 1, x0 + 23, 23, 3};
    const Rgba hotTop = isClose ? Mix(kBrick, kWhite, 18) : kOliveLight;
    const Rgba hotBottom = isClose ? kBrick : kOlive;
    const Rgba pressTop = isClose ? kBrickDark : kOliveDark;
    const Rgba pressBottom = isClose ? kBrick : kOlive;
    Rgba ink = kTitleInk;
    int shift = 0;
    switch (k) {
      case 1:
        FillBoxGradient(r, box, Rgb(240, 243, 228), Rgb(206, 213, 178));
        OutlineBox(r, box, Mix(kShadow, kDkShadow, 30));
        InnerTopLine(r, box, kWhite, false);
        break;
      case 2:
        FillBoxGradient(r, box, pressTop, pressBottom);
        OutlineBox(r, box, isClose ? Mix(kBrickDark, kText, 30) : kDkShadow);
        ink = kWhite;
        shift = 1;
        break;
      case 3:
        FillBoxGradient(r, box, hotTop, hotBottom);
        OutlineBox(r, box, isClose ? kBrickDark : kOliveDark);
        InnerTopLine(r, box, Mix(hotTop, kWhite, 35), false);
        ink = kWhite;
        break;
      case 4:
        FillBoxGradient(r, box, Rgb(230, 231, 222), Rgb(212, 214, 202));
        OutlineBox(r, box, Rgb(182, 185, 170));
        ink = kMutedInk;
        break;
      case 5:
        OutlineBox(r, box, Rgb(200, 203, 188));
        ink = Rgb(186, 190, 172);
        break;
      default:
        FillBoxGradient(r, box, kMuted, Rgb(196, 200, 182));
        OutlineBox(r, box, kMutedLine);
        ink = kTitleInkInactive;
        break;
    }
    const int gw = GlyphWidth(glyph), gh = static_cast<int>(glyph.size());
    Glyph(r, x0 + 12 - gw / 2 - (gw % 2) + 1 + shift, 12 - gh / 2 - (gh % 2) + 1 + shift, glyph, ink);
  });
  return img;
}

const std::vector<const char*> kCloseGlyph = {
    "##.....##", "###...###", ".###.###.", "..#####..", "...###...",
    "..#####..", ".###.###.", "###...###", "##.....##"};
const std::vector<const char*> kMaxGlyph = {
    "#########", "#########", "#.......#", "#.......#", "#.......#",
    "#.......#", "#.......#", "#.......#", "#########"};
const std::vector<const char*> kRestoreGlyph = {
    "..#######", "..#######", "..#.....#", "#######.#", "#######.#",
    "#.....###", "#.....#..", "#.....#..", "#######.."};
const std::vector<const char*> kMinGlyph = {
    ".........", ".........", ".........", ".........", ".........",
    ".........", ".........", "#########", "#########"};

// MDI child buttons: minimise, restore, close.
SkinImage DrawMdiControls() {
  static const std::array<GlyphRows, 3> glyphs = {
      GlyphRows{".......", ".......", ".......", ".......", ".......", "#######", "#######"},
      GlyphRows{"..#####", "..#####", "#####.#", "#####.#", "#...###", "#...#..", "#####.."},
      GlyphRows{"##...##", "###.###", ".#####.", "..###..", ".#####.", "###.###", "##...##"}};
  static const std::array<KeyLook, 4> kLooks = {{
      {.top = Rgb(240, 243, 228), .bottom = Rgb(208, 214, 182), .outline = kShadow, .ink = kTitleInk},
      {.top = kOliveDark, .bottom = kOlive, .outline = kDkShadow, .ink = kWhite},
      {.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk},
      {.top = kOliveLight, .bottom = kOlive, .outline = kOliveDark, .ink = kWhite},
  }};
  return MdiButtonStrip("sedge_mdicontrols.bmp", glyphs, 2, 4, kLooks);
}

}  // namespace sedge
