// Window frame of the heron skin: the four borders (all stretched), the
// caption plate behind the title text, the menu bar band and the MDI child
// buttons.
#include <algorithm>
#include <cmath>

#include "heron_art.h"
#include "state_layouts.h"

namespace heron {
namespace {

// Colours of the frame of an active and of an inactive window.  The bevel
// runs from the window's outer edge inwards: rim, highlight, body, a darker
// body row and the line along the client area.
struct FrameTheme {
  Rgba rim, accent, titleTop, titleBottom, titleFoot, hilite, body, bodyDark, inner;
};
constexpr FrameTheme kActive{kRim,        kAmber,     Rgb(80, 106, 140), Rgb(44, 62, 86), kSlateDark,
                             kSlateHi,    kSlate,     kSlateDark,        kSlateInner};
constexpr FrameTheme kInactive{Rgb(92, 100, 112),  Rgb(178, 186, 198), Rgb(162, 172, 186), Rgb(134, 144, 158),
                               Rgb(122, 132, 146), Rgb(180, 188, 200), Rgb(146, 156, 170), Rgb(128, 138, 152),
                               Rgb(104, 112, 124)};

const FrameTheme& Theme(int k) { return k == 1 ? kActive : kInactive; }

// Colour of row y of the title band at `across` percent of its stretched
// middle (0 and 100 at its ends): a vertical gradient under a soft sheen
// that peaks in the middle of the window, so the band is drawn stretched.
Rgba TitleRow(const FrameTheme& t, int y, int across = 0) {
  if (y == 0) return t.rim;
  if (y == 1) return t.accent;
  if (y == kTitleHeight - 2) return t.titleFoot;
  if (y == kTitleHeight - 1) return t.inner;
  const Rgba base = Mix(t.titleTop, t.titleBottom, (y - 2) * 100 / (kTitleHeight - 5));
  const int d = across - 50;
  return Mix(base, kWhite, 10 * (2500 - d * d) / 2500);
}

// The bevel colour `depth` pixels in from the outer edge (0 the rim).
Rgba Bevel(const FrameTheme& t, int depth) {
  switch (depth) {
    case 0: return t.rim;
    case 1: return t.hilite;
    case kSideWidth - 2: return t.bodyDark;
    case kSideWidth - 1: return t.inner;
    default: return t.body;
  }
}

// Left side of the window, one frame with its outer edge at column x0: the
// title's end, the stretched bevel, and a corner post whose bevel is mitred
// into the bottom rail.
void DrawSide(Canvas& r, int x0, int height, const FrameTheme& t) {
  for (int y = 0; y < height; ++y)
    for (int c = 0; c < kSideWidth; ++c) {
      Rgba colour;
      if (y < kTitleHeight)
        colour = c == 0 || y == 0 ? t.rim : (c == 1 && y > 1 && y < kTitleHeight - 2 ? Mix(TitleRow(t, y), kWhite, 18)
                                                                                      : TitleRow(t, y));
      else if (y < height - kBottomHeight)
        colour = Bevel(t, c);
      else
        colour = Bevel(t, std::min(c, height - 1 - y));
      r.Set(x0 + c, y, colour);
    }
}

// How many rows the rail's lower edge is lifted `e` pixels in from its end:
// none at the corner posts, kBottomLift in the middle, an eased curve between.
int Lift(int e) {
  constexpr double kCurve = kBottomBand - 4;
  const double s = std::clamp(e / kCurve, 0.0, 1.0);
  return static_cast<int>(std::lround(kBottomLift * s * s * (3 - 2 * s)));
}

// The bottom rail between the corner posts, one frame at row y0.  Below its
// lifted edge the colour key cuts the window away.
void DrawBottom(Canvas& r, int y0, int width, const FrameTheme& t) {
  for (int x = 0; x < width; ++x) {
    const int e = std::min(x, width - 1 - x);
    const int edge = kBottomHeight - 1 - Lift(e);
    for (int row = 0; row <= edge; ++row) {
      const int depth = edge - row;  // from the outer edge
      Rgba colour = t.body;
      if (depth < 2) colour = Bevel(t, depth);
      else if (row == 0) colour = t.inner;
      else if (row == 1) colour = t.bodyDark;
      r.Set(x, y0 + row, colour);
    }
  }
}

void DrawTop(Canvas& r, int y0, int width, const FrameTheme& t) {
  const int middle = width - 2 * kTopBand;
  for (int x = 0; x < width; ++x) {
    const int across = std::clamp((x - kTopBand) * 100 / std::max(1, middle - 1), 0, 100);
    for (int y = 0; y < kTitleHeight; ++y) r.Set(x, y0 + y, TitleRow(t, y, x < kTopBand || x >= width - kTopBand ? 0 : across));
  }
}

}  // namespace

SkinImage DrawBodyTop() {
  // The middle is wide enough for the sheen to be a smooth curve once stretched.
  SkinImage img = NewImage("heron_body_top.bmp", 2 * kTopBand + 48, kTitleHeight, 2, true);
  img.left = img.right = kTopBand;
  ForFrames(img, [&](int k, int, int y0) { DrawTop(img.pixels, y0, img.FrameWidth(), Theme(k)); });
  return img;
}

SkinImage DrawBodyBottom() {
  SkinImage img = NewImage("heron_body_bottom.bmp", 2 * kBottomBand + 8, kBottomHeight, 2, true);
  img.left = img.right = kBottomBand;
  ForFrames(img, [&](int k, int, int y0) { DrawBottom(img.pixels, y0, img.FrameWidth(), Theme(k)); });
  return img;
}

SkinImage DrawBodySide(bool right) {
  SkinImage img = NewImage(right ? "heron_body_right.bmp" : "heron_body_left.bmp", kSideWidth,
                           kSideTopBand + 8 + kSideBottomBand, 2);
  img.top = kSideTopBand;
  img.bottom = kSideBottomBand;
  ForFrames(img, [&](int k, int x0, int) {
    DrawSide(img.pixels, x0, img.FrameHeight(), Theme(k));
    if (right) MirrorX(img.pixels, x0, 0, x0 + kSideWidth, img.FrameHeight());
  });
  return img;
}

// The caption plate: a recessed rounded slot, end caps kPlateLeft and
// kPlateRight wide, a middle that repeats; active above inactive.
SkinImage DrawTextBack() {
  SkinImage img = NewImage("heron_textback.bmp", kPlateLeft + 4 + kPlateRight, kTitleHeight, 2, true);
  img.left = kPlateLeft;
  img.right = kPlateRight;
  ForFrames(img, [&](int k, int, int y0) {
    Canvas& r = img.pixels;
    const Box plate{1, y0 + 5, img.FrameWidth() - 1, y0 + kTitleHeight - 5, 8};
    if (k == 1) {
      FillBoxGradient(r, plate, Rgb(26, 38, 56), Rgb(42, 60, 84));
      OutlineBox(r, plate, Rgb(18, 26, 38));
    } else {
      FillBoxGradient(r, plate, Rgb(118, 128, 142), Rgb(130, 140, 154));
      OutlineBox(r, plate, Rgb(100, 108, 120));
    }
    // A thin reflection along the plate's lower rim.
    for (int x = plate.x0 + 1; x < plate.x1 - 1; ++x) {
      const int y = plate.y1 - 1;
      if (plate.Inside(x, y + 0) && plate.Inside(x, y - 1) && !plate.Inside(x, y + 1))
        r.Set(x, y, k == 1 ? Rgb(92, 118, 152) : Rgb(162, 172, 186));
    }
  });
  return img;
}

SkinImage DrawMenuBar() {
  SkinImage img = NewImage("heron_menubar.bmp", 20, 20, 2, true);
  img.left = img.right = 4;
  ForFrames(img, [&](int k, int, int y0) {
    const bool active = k == 1;
    Canvas& r = img.pixels;
    r.Gradient(0, y0, 20, y0 + 19, active ? kFaceHi : Rgb(238, 240, 243), active ? Rgb(224, 229, 237) : Rgb(226, 229, 234));
    r.Fill(0, y0 + 19, 20, y0 + 20, active ? kLine : kMutedLine);
    // The ends meet the frame's inner line with a soft shade.
    r.Fill(0, y0, 1, y0 + 19, Mix(kFace, kLine, 30));
    r.Fill(19, y0, 20, y0 + 19, Mix(kFace, kLine, 30));
  });
  return img;
}

// MDI child buttons: minimise, restore, close.
SkinImage DrawMdiControls() {
  static const std::array<GlyphRows, 3> glyphs = {
      GlyphRows{"......", "......", "......", "......", "######", "######"},
      GlyphRows{"..####", "..#..#", "####.#", "#..###", "#..#..", "####.."},
      GlyphRows{"##..##", ".####.", "..##..", "..##..", ".####.", "##..##"}};
  static const std::array<KeyLook, 4> kLooks = {{
      {.top = kFaceHi, .bottom = Rgb(220, 226, 234), .outline = kLine, .ink = kSlateDark},
      {.top = kSteelDark, .bottom = kSteel, .outline = kRim, .ink = kWhite},
      {.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk},
      {.top = kAmberLight, .bottom = kAmber, .outline = kAmberDark, .ink = kText},
  }};
  return MdiButtonStrip("heron_mdicontrols.bmp", glyphs, 3, 5, kLooks);
}

}  // namespace heron
