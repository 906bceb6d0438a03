// Caption buttons of the heron skin: rounded slate keys on the title band
// that light up amber (coral for close), and the application's own button
// beside the caption plate.
#include "heron_art.h"
#include "state_layouts.h"

namespace heron {
namespace {

const std::vector<const char*>& GlyphOf(CaptionGlyph glyph) {
  static const std::vector<const char*> kClose = {"##....##", "###..###", ".######.", "..####..",
                                                  "..####..", ".######.", "###..###", "##....##"};
  static const std::vector<const char*> kMaximise = {"########", "########", "#......#", "#......#",
                                                     "#......#", "#......#", "#......#", "########"};
  static const std::vector<const char*> kRestore = {"..######", "..######", "..#....#", "######.#",
                                                    "######.#", "#....###", "#....#..", "######.."};
  static const std::vector<const char*> kMinimise = {"........", "........", "........", "........",
                                                     "........", "........", "########", "########"};
  switch (glyph) {
    case CaptionGlyph::kClose: return kClose;
    case CaptionGlyph::kMaximise: return kMaximise;
    case CaptionGlyph::kRestore: return kRestore;
    default: return kMinimise;
  }
}

}  // namespace

// 22 x 22 frames in order normal, pressed, hot, inactive, disabled, hot while
// inactive.
SkinImage DrawCaptionButton(const char* name, CaptionGlyph glyph) {
  static const KeyLook kLooks[] = {
      {.top = Rgb(94, 118, 150), .bottom = Rgb(64, 86, 116), .outline = Rgb(30, 44, 62), .ink = kTitleText,
       .line = Rgb(128, 152, 184)},
      {.top = Rgb(30, 44, 64), .bottom = Rgb(48, 68, 94), .outline = kRim, .ink = kWhite},
      {.top = kAmberLight, .bottom = kAmber, .outline = kAmberDark, .ink = kText, .line = Rgb(255, 238, 204)},
      {.top = Rgb(170, 180, 194), .bottom = Rgb(150, 160, 174), .outline = Rgb(116, 124, 138),
       .ink = Rgb(232, 236, 242)},
      {.top = kKey, .bottom = kKey, .outline = Rgb(140, 150, 164), .ink = Rgb(162, 172, 186)},
      {.top = Rgb(192, 200, 212), .bottom = Rgb(172, 182, 196), .outline = Rgb(126, 134, 148), .ink = kText},
  };
  static const KeyLook kCloseHot{.top = Rgb(236, 120, 104), .bottom = kCoral, .outline = kCoralDark, .ink = kWhite,
                                 .line = Rgb(246, 160, 148)};
  SkinImage img = NewImage(name, kCaptionButton, kCaptionButton, 6);
  ForFrames(img, [&](int k, int x0, int) {
    const KeyLook& look = k == 3 && glyph == CaptionGlyph::kClose ? kCloseHot : kLooks[k - 1];
    const Rgba ink = PaintKey(img.pixels, {x0 + 1, 1, x0 + kCaptionButton - 1, kCaptionButton - 1, 4}, look);
    const int shift = k == 2 ? 1 : 0;
    Glyph(img.pixels, x0 + 7 + shift, 7 + shift, GlyphOf(glyph), ink);
  });
  return img;
}

// The application's button: a round key with a ring and a dot, three 18 x 18
// frames (normal, pressed, hot), so the skin counts 3 frames from its shape.
SkinImage DrawAppButton() {
  static const GlyphRows kRing = {"..###..", ".#...#.", "#..#..#", "#.###.#", "#..#..#", ".#...#.", "..###.."};
  static const KeyLook kLooks[] = {
      {.top = Rgb(94, 118, 150), .bottom = Rgb(64, 86, 116), .outline = Rgb(30, 44, 62), .ink = kTitleText},
      {.top = Rgb(30, 44, 64), .bottom = Rgb(48, 68, 94), .outline = kRim, .ink = kWhite},
      {.top = kAmberLight, .bottom = kAmber, .outline = kAmberDark, .ink = kText},
  };
  SkinImage img = NewImage("heron_app.bmp", kAppButton, kAppButton, 3);
  ForFrames(img, [&](int k, int x0, int) {
    const Rgba ink = PaintKey(img.pixels, {x0 + 1, 1, x0 + kAppButton - 1, kAppButton - 1, 8}, kLooks[k - 1]);
    const int shift = k == 2 ? 1 : 0;
    Glyph(img.pixels, x0 + 5 + shift, 5 + shift, kRing, ink);
  });
  return img;
}

}  // namespace heron
