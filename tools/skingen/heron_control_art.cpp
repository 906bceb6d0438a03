// Push buttons, check boxes, radio buttons, progress bars, group boxes and
// toolbar buttons of the heron skin.
#include "heron_art.h"
#include "state_layouts.h"

namespace heron {
namespace {

// The raised key shared by push buttons and toolbar buttons, by state:
// 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default.
void Key(Canvas& r, const Box& box, int state, int topRows, int bottomRows) {
  static const KeyLook kLooks[] = {
      {.top = kWhite, .bottom = Rgb(214, 220, 230), .outline = kLineDark, .ink = kText, .line = kWhite,
       .mid = kFaceLight},
      {.top = kSteelDark, .bottom = Rgb(100, 128, 162), .outline = kSlateInner, .ink = kWhite, .line = Rgb(46, 66, 92),
       .lineLeft = true, .mid = kSteel},
      {.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk},
      {.top = Rgb(255, 248, 232), .bottom = Rgb(246, 210, 140), .outline = kAmberDark, .ink = kText, .line = kWhite,
       .mid = Rgb(252, 232, 190)},
      {.top = kWhite, .bottom = Rgb(214, 220, 230), .outline = kSteelDark, .ink = kText, .line = kSteelLight,
       .mid = kFaceLight},
  };
  PaintKey(r, box, kLooks[state - 1], topRows, bottomRows);
}

constexpr KeyLook kWell{.top = kWhite, .bottom = kFaceLight, .outline = kLineDark, .ink = kText};
constexpr KeyLook kDisabledWell{.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk};

}  // namespace

SkinImage DrawButtons() {
  SkinImage img = NewImage("heron_buttons.bmp", 24, 22, 5);
  img.left = img.top = img.right = img.bottom = 6;
  ForFrames(img, [&](int k, int x0, int) { Key(img.pixels, {x0, 0, x0 + 24, 22, 4}, k, 6, 6); });
  return img;
}

// Check boxes and radio buttons: a white well; checked, it fills with steel.
SkinImage DrawCheckBox() {
  static const GlyphRows check = {"......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."};
  return CheckBoxStrip("heron_checkbox.bmp", 2, kWell, kDisabledWell, [](Canvas& r, int x0, int k) {
    if (k == 2) {
      FillBox(r, {x0 + 1, 1, x0 + 12, 12, 1}, kSteel);
      Glyph(r, x0 + 3, 4, check, kWhite);
    }
    if (k == 4) FillBox(r, {x0 + 4, 4, x0 + 9, 9, 1}, kSteel);
  });
}

SkinImage DrawRadio() { return RadioStrip("heron_radio.bmp", kWell, kSteel, kDisabledWell, kMutedInk); }

// Progress: the trough and the bar, rounded; their middles are stretched.
SkinImage DrawProgress() {
  SkinImage img = NewImage("heron_progress.bmp", 16, 14, 2);
  img.left = img.top = img.right = img.bottom = 3;
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    const Box box{x0, 0, x0 + 16, 14, 3};
    r.Fill(x0, 0, x0 + 16, 14, kFace);
    if (k == 1) {
      FillBoxGradient(r, box, Rgb(200, 207, 217), kFaceHi);
      OutlineBox(r, box, kLine);
    } else {
      FillBoxBands(r, box, kAmberLight, kAmber, kAmberDark, 3, 3);
      OutlineBox(r, box, kAmberDark);
      InnerTopLine(r, box, Rgb(255, 240, 210), false);
    }
  });
  return img;
}

// A single rounded rim over a light line, hollow: normal and disabled.
SkinImage DrawGroupBoxEdge() {
  return EtchedRim("heron_groupboxe.bmp", 5, {kFaceHi, kLine}, {kFaceLight, kMutedLine});
}

// Toolbar buttons: flat, pressed, disabled, hot, checked.
SkinImage DrawTools() {
  SkinImage img = NewImage("heron_tools.bmp", 22, 22, 5);
  img.left = img.top = img.right = img.bottom = 4;
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    const Box box{x0, 0, x0 + 22, 22, 3};
    if (k == 2) {
      Key(r, box, 2, 4, 4);
    } else if (k == 4) {
      Key(r, box, 4, 4, 4);
    } else if (k == 5) {
      FillBox(r, box, Rgb(208, 218, 232));
      OutlineBox(r, box, kSteel);
    }
  });
  return img;
}

}  // namespace heron
