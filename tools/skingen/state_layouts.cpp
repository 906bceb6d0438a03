#include "state_layouts.h"

namespace skinart {

Rgba PaintKey(Canvas& r, const Box& box, const KeyLook& look, int topRows, int bottomRows) {
  if (!IsKeyColour(look.mid))
    FillBoxBands(r, box, look.top, look.mid, look.bottom, topRows, bottomRows);
  else
    FillBoxGradient(r, box, look.top, look.bottom);
  OutlineBox(r, box, look.outline);
  if (!IsKeyColour(look.line)) InnerTopLine(r, box, look.line, look.lineLeft);
  return look.ink;
}

SkinImage ScrollArrowStrip(std::string name, const ArrowStripLook& look) {
  SkinImage img = NewImage(std::move(name), 16, 16, 23);
  ForFrames(img, [&](int k, int x0, int) {
    Canvas& r = img.pixels;
    if (k <= 16) {
      const int arrow = (k - 1) / 4, state = (k - 1) % 4 + 1;
      if (!IsKeyColour(look.underKeys)) r.Fill(x0, 0, x0 + 16, 16, look.underKeys);
      const Rgba ink = look.key(r, {x0, 0, x0 + 16, 16, look.keyRadius}, state);
      const int shift = state == 2 ? 1 : 0;
      const bool across = arrow < 2;
      Glyph(r, x0 + (across ? look.acrossX : look.alongX) + shift, (across ? look.acrossY : look.alongY) + shift,
            *look.glyphs[arrow], ink);
      return;
    }
    r.Fill(x0, 0, x0 + 16, 16, look.face);
    if (k <= 20) {
      const bool pressed = k % 2 == 0;
      if (pressed) FillBox(r, {x0 + 2, 2, x0 + 14, 14, look.gripRadius}, look.gripPressedFill);
      const Rgba ink = pressed ? look.gripPressed : look.grip;
      for (int i = 0; i < 3; ++i) {
        if (k <= 18)
          r.Fill(x0 + 5 + 2 * i, 5, x0 + 6 + 2 * i, 11, ink);
        else
          r.Fill(x0 + 5, 5 + 2 * i, x0 + 11, 6 + 2 * i, ink);
      }
    } else if (k == 21) {
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
          r.Set(x0 + 13 - 3 * j, 7 + 3 * i, look.sizeLight);
          r.Set(x0 + 14 - 3 * j, 8 + 3 * i, look.sizeShadow);
        }
    }
  });
  return img;
}

SkinImage AlongTheBar(std::string name, int w, int h, int frames, bool vertical,
                      const std::function<void(Canvas& frame, int k)>& draw) {
  SkinImage img = vertical ? NewImage(std::move(name), h, w, frames) : NewImage(std::move(name), w, h, frames);
  ForFrames(img, [&](int k, int x0, int) {
    Canvas frame(w, h);
    draw(frame, k);
    if (vertical)
      PasteTransposed(img.pixels, x0, 0, frame);
    else
      Paste(img.pixels, x0, 0, frame);
  });
  return img;
}

SkinImage MdiButtonStrip(std::string name, const std::array<GlyphRows, 3>& glyphs, int radius, int glyphAt,
                         const std::array<KeyLook, 4>& looks) {
  SkinImage img = NewImage(std::move(name), 16, 16, 12);
  ForFrames(img, [&](int k, int x0, int) {
    const int state = (k - 1) % 4 + 1;
    const Rgba ink = PaintKey(img.pixels, {x0 + 1, 1, x0 + 15, 15, radius}, looks[state - 1]);
    const int shift = state == 2 ? 1 : 0;
    Glyph(img.pixels, x0 + glyphAt + shift, glyphAt + shift, glyphs[(k - 1) / 4], ink);
  });
  return img;
}

SkinImage CheckBoxStrip(std::string name, int radius, const KeyLook& box, const KeyLook& disabled,
                        const std::function<void(Canvas& r, int x0, int k)>& mark) {
  SkinImage img = NewImage(std::move(name), 14, 14, 4);
  ForFrames(img, [&](int k, int x0, int) {
    PaintKey(img.pixels, {x0, 0, x0 + 13, 13, radius}, k == 3 ? disabled : box);
    if (k != 3) mark(img.pixels, x0, k);
  });
  return img;
}

SkinImage RadioStrip(std::string name, const KeyLook& disc, Rgba dot, const KeyLook& disabled, Rgba disabledDot) {
  SkinImage img = NewImage(std::move(name), 14, 14, 4);
  ForFrames(img, [&](int k, int x0, int) {
    PaintKey(img.pixels, {x0, 0, x0 + 13, 13, 6}, k >= 3 ? disabled : disc);
    if (k % 2 == 0) FillBox(img.pixels, {x0 + 4, 4, x0 + 9, 9, 2}, k == 4 ? disabledDot : dot);
  });
  return img;
}

SkinImage TabStrip(std::string name, Rgba face, const std::array<KeyLook, 5>& looks) {
  SkinImage img = NewImage(std::move(name), 24, 22, 5);
  img.left = img.top = img.right = img.bottom = 4;
  ForFrames(img, [&](int k, int x0, int) {
    img.pixels.Fill(x0, 0, x0 + 24, 22, face);
    PaintKey(img.pixels, {x0, 0, x0 + 24, 26, 4}, looks[k - 1], 4, 0);
  });
  return img;
}

SkinImage TabPageRim(std::string name, const PageRimLook& look) {
  SkinImage img = NewImage(std::move(name), 16, 16, 1);
  img.left = 4, img.top = 5, img.right = 4, img.bottom = 4;
  Canvas& r = img.pixels;
  r.Fill(0, 0, 16, 16, look.face);
  r.Fill(0, 0, 16, 1, look.top);
  r.Fill(0, 1, 16, 2, look.second);
  r.Fill(1, 2, 15, 3, look.light);
  r.Fill(0, 1, 1, 16, look.rim);
  r.Fill(1, 3, 2, 15, look.light);
  r.Fill(15, 1, 16, 16, look.rim);
  r.Fill(14, 3, 15, 15, look.inner);
  r.Fill(0, 15, 16, 16, look.rim);
  r.Fill(1, 14, 15, 15, look.inner);
  return img;
}

SkinImage EtchedRim(std::string name, int radius, const RimLook& normal, const RimLook& disabled) {
  SkinImage img = NewImage(std::move(name), 24, 24, 2);
  img.left = img.top = img.right = img.bottom = 6;
  ForFrames(img, [&](int k, int x0, int) {
    const RimLook& look = k == 1 ? normal : disabled;
    OutlineBox(img.pixels, {x0 + 1, 1, x0 + 24, 24, radius}, look.light);
    OutlineBox(img.pixels, {x0, 0, x0 + 23, 23, radius}, look.line);
  });
  return img;
}

}  // namespace skinart
