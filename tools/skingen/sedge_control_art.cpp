// Push buttons, check boxes, radio buttons, progress bars, group boxes,
// toolbar buttons, status bar panels and list headers of the sedge skin.
#include "sedge_art.h"
#include "state_layouts.h"

namespace sedge {
namespace {

// The raised look shared by push buttons and toolbar buttons, by state:
// 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default.
void RaisedPanel(Canvas& r, const Box& box, int state, int topRows, int bottomRows) {
  switch (state) {
    case 2:
      FillBoxBands(r, box, kOliveDark, Rgb(92, 108, 70), kOlive, topRows, bottomRows);
      OutlineBox(r, box, Rgb(62, 72, 46));
      InnerTopLine(r, box, Rgb(72, 84, 54), true);
      break;
    case 3:
      FillBox(r, box, kMuted);
      OutlineBox(r, box, kMutedLine);
      break;
    case 4:
      FillBoxBands(r, box, kOliveLight, Rgb(120, 140, 92), kOlive, topRows, bottomRows);
      OutlineBox(r, box, kOliveDark);
      InnerTopLine(r, box, Rgb(164, 182, 134), false);
      break;
    default:
      FillBoxBands(r, box, Rgb(248, 250, 240), Rgb(224, 229, 204), Rgb(198, 205, 168), topRows, bottomRows);
      OutlineBox(r, box, state == 5 ? kDkShadow : Rgb(122, 132, 98));
      InnerTopLine(r, box, state == 5 ? kOliveLight : kWhite, false);
      break;
  }
}

constexpr KeyLook kWell{.top = Rgb(226, 230, 208), .bottom = Rgb(252, 253, 246), .outline = kDkShadow, .ink = kText};
constexpr KeyLook kDisabledWell{.top = kMuted, .bottom = kMuted, .outline = kMutedLine, .ink = kMutedInk};

}  // namespace

SkinImage DrawDialog() {
  SkinImage img = NewImage("sedge_dialog.bmp", 32, 32, 1);
  Canvas& r = img.pixels;
  r.Fill(0, 0, 32, 32, kFace);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if ((x + 2 * y) % 16 == 0) r.Set(x, y, Mix(kFace, kFaceLight, 40));
  return img;
}

SkinImage DrawButtons() {
  SkinImage img = NewImage("sedge_buttons.bmp", 32, 26, 5);
  img.left = 11, img.top = 10, img.right = 11, img.bottom = 11;
  ForFrames(img, [&](int k, int x0, int) { RaisedPanel(img.pixels, {x0, 0, x0 + 32, 26, 3}, k, 10, 11); });
  return img;
}

// Check boxes and radio buttons: a light well, a green mark.
SkinImage DrawCheckBox() {
  static const GlyphRows check = {".......##", "......###", "##...###.", "###.###..", ".#####...", "..###....", "...#....."};
  return CheckBoxStrip("sedge_checkbox.bmp", 1, kWell, kDisabledWell, [](Canvas& r, int x0, int k) {
    if (k == 2) Glyph(r, x0 + 2, 3, check, kOliveDark);
    if (k == 4) FillBox(r, {x0 + 4, 4, x0 + 9, 9, 0}, kOlive);
  });
}

SkinImage DrawRadio() { return RadioStrip("sedge_radio.bmp", kWell, kOliveDark, kDisabledWell, kMutedInk); }

// Progress: the trough and the bar, each a tile that repeats both ways.
SkinImage DrawProgress() {
  SkinImage img = NewImage("sedge_progress.bmp", 12, 12, 2);
  ForFrames(img, [&](int k, int x0, int) {
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) {
        const bool stripe = (x + y) % 12 < 6;
        img.pixels.Set(x0 + x, y, k == 1 ? ((x + y) % 6 == 0 ? Rgb(222, 227, 202) : Rgb(232, 236, 216))
                                         : (stripe ? Rgb(128, 148, 98) : Rgb(114, 134, 86)));
      }
  });
  return img;
}

// An etched rounded rim, hollow: normal and disabled.
SkinImage DrawGroupBoxEdge() {
  return EtchedRim("sedge_groupboxe.bmp", 4, {kFaceHi, kShadow}, {kFaceLight, kMutedLine});
}

SkinImage DrawGroupBox() {
  SkinImage img = NewImage("sedge_groupbox.bmp", 24, 24, 1);
  img.left = img.top = img.right = img.bottom = 6;
  const Box box{0, 0, 24, 24, 4};
  FillBox(img.pixels, box, Rgb(198, 204, 168));
  OutlineBox(img.pixels, box, kShadow);
  InnerTopLine(img.pixels, box, kFaceLight, true);
  return img;
}

// Toolbar buttons: flat, pressed, disabled, hot, checked.
SkinImage DrawTools() {
  SkinImage img = NewImage("sedge_tools.bmp", 22, 22, 5);
  img.left = img.top = img.right = img.bottom = 4;
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    const Box box{x0, 0, x0 + 22, 22, 3};
    if (k == 2) {
      FillBox(r, box, Rgb(170, 180, 136));
      OutlineBox(r, box, kDkShadow);
      InnerTopLine(r, box, kShadow, true);
    } else if (k == 4) {
      RaisedPanel(r, box, 1, 4, 4);
    } else if (k == 5) {
      FillBox(r, box, kFaceLight);
      OutlineBox(r, box, kShadow);
      InnerTopLine(r, box, Rgb(200, 206, 176), true);
    }
  });
  return img;
}

// Status bar panels: lowered, raised, flat.
SkinImage DrawStatus() {
  SkinImage img = NewImage("sedge_status.bmp", 12, 12, 3);
  img.left = img.top = img.right = img.bottom = 2;
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    r.Fill(x0, 0, x0 + 12, 12, kFace);
    if (k == 3) return;
    const Rgba tl = k == 1 ? kShadow : kFaceHi;
    const Rgba br = k == 1 ? kFaceHi : kShadow;
    r.Fill(x0, 0, x0 + 12, 1, tl);
    r.Fill(x0, 0, x0 + 1, 12, tl);
    r.Fill(x0, 11, x0 + 12, 12, br);
    r.Fill(x0 + 11, 1, x0 + 12, 12, br);
  });
  return img;
}

// List header items: normal, pressed, hot, disabled, sorted.
SkinImage DrawHeader() {
  SkinImage img = NewImage("sedge_header.bmp", 24, 20, 5);
  img.left = 2, img.top = 2, img.right = 3, img.bottom = 3;
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    const Rgba top[] = {Rgb(246, 248, 238), Rgb(206, 212, 180), Rgb(250, 251, 244), kMuted, Rgb(236, 240, 222)};
    const Rgba bottom[] = {Rgb(214, 220, 190), Rgb(222, 227, 202), Rgb(226, 231, 206), kMuted, Rgb(200, 208, 172)};
    r.Gradient(x0, 0, x0 + 24, 18, top[k - 1], bottom[k - 1]);
    r.Fill(x0, 18, x0 + 24, 19, k == 5 ? kOlive : kShadow);
    r.Fill(x0, 19, x0 + 24, 20, kDkShadow);
    r.Fill(x0 + 22, 3, x0 + 23, 16, kShadow);
    r.Fill(x0 + 23, 3, x0 + 24, 16, kFaceHi);
  });
  return img;
}

}  // namespace sedge
