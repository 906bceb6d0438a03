#include "sample_window.h"

#include <algorithm>
#include <string>

#include "preview.h"
#include "sedge_art.h"

namespace sedge {
namespace {

const SkinImage& Find(const std::vector<SkinImage>& images, const std::string& name) {
  for (const SkinImage& img : images)
    if (img.name == name) return img;
  return images.front();
}

// Nearest-neighbour copy of src [sx0,sx1) x [sy0,sy1) onto dst [dx0,dx1) x [dy0,dy1).
void Stretch(Raster& dst, int dx0, int dy0, int dx1, int dy1, const Raster& src, int sx0, int sy0, int sx1, int sy1) {
  if (dx1 <= dx0 || dy1 <= dy0 || sx1 <= sx0 || sy1 <= sy0) return;
  for (int y = dy0; y < dy1; ++y)
    for (int x = dx0; x < dx1; ++x)
      dst.Set(x, y, src.At(sx0 + (x - dx0) * (sx1 - sx0) / (dx1 - dx0), sy0 + (y - dy0) * (sy1 - sy0) / (dy1 - dy0)));
}

void TileInto(Raster& dst, int dx0, int dy0, int dx1, int dy1, const Raster& src, int sx0, int sy0, int sx1, int sy1) {
  if (sx1 <= sx0 || sy1 <= sy0) return;
  for (int y = dy0; y < dy1; ++y)
    for (int x = dx0; x < dx1; ++x) dst.Set(x, y, src.At(sx0 + (x - dx0) % (sx1 - sx0), sy0 + (y - dy0) % (sy1 - sy0)));
}

// Frame k of an image at W x H, margins kept, centre stretched or tiled.
Raster Element(const SkinImage& img, int k, int w, int h, bool tile) {
  const int fw = img.FrameWidth(), fh = img.FrameHeight();
  const int ox = img.stacked ? 0 : fw * (k - 1), oy = img.stacked ? fh * (k - 1) : 0;
  int l = img.left, r = img.right, t = img.top, b = img.bottom;
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  Raster out(w, h);
  const Raster& s = img.pixels;
  Stretch(out, 0, 0, l, t, s, ox, oy, ox + l, oy + t);
  Stretch(out, 0, h - b, l, h, s, ox, oy + fh - b, ox + l, oy + fh);
  Stretch(out, w - r, 0, w, t, s, ox + fw - r, oy, ox + fw, oy + t);
  Stretch(out, 0, t, l, h - b, s, ox, oy + t, ox + l, oy + fh - b);
  Stretch(out, l, 0, w - r, t, s, ox + l, oy, ox + fw - r, oy + t);
  if (tile)
    TileInto(out, l, t, w - r, h - b, s, ox + l, oy + t, ox + fw - r, oy + fh - b);
  else
    Stretch(out, l, t, w - r, h - b, s, ox + l, oy + t, ox + fw - r, oy + fh - b);
  Stretch(out, w - r, h - b, w, h, s, ox + fw - r, oy + fh - b, ox + fw, oy + fh);
  Stretch(out, w - r, t, w, h - b, s, ox + fw - r, oy + t, ox + fw, oy + fh - b);
  Stretch(out, l, h - b, w - r, h, s, ox + l, oy + fh - b, ox + fw - r, oy + fh);
  return out;
}

void Put(Raster& dst, int x, int y, const Raster& src, bool keyed) {
  for (int j = 0; j < src.Height(); ++j)
    for (int i = 0; i < src.Width(); ++i) {
      const Rgba c = src.At(i, j);
      if (keyed && c.r == 255 && c.g == 0 && c.b == 255) continue;
      dst.Set(x + i, y + j, c);
    }
}

void PutFrame(Raster& dst, int x, int y, const SkinImage& img, int k, int w, int h, bool keyed = true) {
  Put(dst, x, y, Element(img, k, w, h, false), keyed);
}

void CentredLabel(Raster& dst, int x, int y, int w, int h, const std::string& text, Rgba c) {
  Label(dst, x + (w - LabelWidth(text)) / 2, y + (h - 10) / 2, text, c);
}

// A skinned window W x H at (x, y), active or not, with a few controls.
void DrawWindow(Raster& out, const std::vector<SkinImage>& im, int x, int y, int w, int h, bool active) {
  const int k = active ? 1 : 2;
  Raster win(w, h);
  win.Fill(0, 0, w, h, kFace);
  PutFrame(win, 0, 0, Find(im, "sedge_body_left.bmp"), k, kSideWidth, h, false);
  PutFrame(win, w - kSideWidth, 0, Find(im, "sedge_body_right.bmp"), k, kSideWidth, h, false);
  PutFrame(win, kSideWidth, h - kBottomHeight, Find(im, "sedge_body_bottom.bmp"), k, w - 2 * kSideWidth, kBottomHeight, false);
  Put(win, kSideWidth, 0, Element(Find(im, "sedge_body_top.bmp"), k, w - 2 * kSideWidth, kTitleHeight, true), false);
  // Caption buttons where sedge.ini puts them; frame 4 is the inactive look.
  const int capFrame = active ? 1 : 4;
  PutFrame(win, w - 33, 3, Find(im, "sedge_icon_close.bmp"), active ? 3 : capFrame, 24, 24);
  PutFrame(win, w - 63, 3, Find(im, "sedge_icon_max1.bmp"), capFrame, 24, 24);
  PutFrame(win, w - 93, 3, Find(im, "sedge_icon_min.bmp"), active ? 2 : capFrame, 24, 24);
  if (active) {
    win.Fill(5, 5, 21, 21, kKey);
    FillBox(win, {6, 7, 20, 19, 2}, Rgb(214, 178, 92));
    win.Fill(6, 6, 12, 8, Rgb(196, 156, 70));
  }
  Label(win, 30, 9, active ? "SEDGE SAMPLE" : "INACTIVE", active ? kTitleInk : kTitleInkInactive);
  // Menu bar band.
  const SkinImage& bar = Find(im, "sedge_menubar.bmp");
  Put(win, kSideWidth, kTitleHeight, Element(bar, k, w - 2 * kSideWidth, 20, false), false);
  Label(win, kSideWidth + 10, kTitleHeight + 5, "FILE", kText);
  win.Frame(kSideWidth + 44, kTitleHeight + 1, kSideWidth + 80, kTitleHeight + 19, kFaceHi);
  Label(win, kSideWidth + 50, kTitleHeight + 5, "EDIT", kText);
  if (!active) {
    out.Fill(x, y, x + w, y + h, kKey);
    Put(out, x, y, win, true);
    return;
  }
  // Push buttons in the four states the painters use.
  const SkinImage& buttons = Find(im, "sedge_buttons.bmp");
  const char* names[] = {"NORMAL", "PRESSED", "DISABLED", "HOT"};
  const Rgba inks[] = {kText, kWhite, kMutedInk, kWhite};
  for (int i = 0; i < 4; ++i) {
    const int bx = 16 + i * 86, by = 62;
    PutFrame(win, bx, by, buttons, i + 1, 78, 26);
    CentredLabel(win, bx, by, 78, 26, names[i], inks[i]);
  }
  // Check boxes and radio buttons.
  const SkinImage& check = Find(im, "sedge_checkbox.bmp");
  const SkinImage& radio = Find(im, "sedge_radio.bmp");
  for (int i = 0; i < 4; ++i) {
    PutFrame(win, 16 + i * 86, 102, check, i + 1, 14, 14);
    PutFrame(win, 16 + i * 86, 124, radio, i + 1, 14, 14);
    Label(win, 36 + i * 86, 104, i == 0 ? "OFF" : i == 1 ? "ON" : i == 2 ? "DIS" : "MIXED", kText);
    Label(win, 36 + i * 86, 126, i == 0 ? "OFF" : i == 1 ? "ON" : i == 2 ? "DIS" : "DIS ON", kText);
  }
  // A combo box: sunken edge, button and arrow.
  const int cx = 16, cy = 150, cw = 160, ch = 22;
  win.Fill(cx, cy, cx + cw, cy + ch, kWhite);
  Put(win, cx, cy, Element(Find(im, "sedge_sunkedge.bmp"), 1, cw, ch, false), false);
  PutFrame(win, cx + cw - 19, cy, Find(im, "sedge_combobutton.bmp"), 1, 19, ch);
  PutFrame(win, cx + cw - 19 + 5, cy + 8, Find(im, "sedge_comboarrow.bmp"), 1, 9, 6);
  Label(win, cx + 6, cy + 6, "ITEM ONE", kText);
  // Progress: trough and a bar at 60 %.
  const SkinImage& prog = Find(im, "sedge_progress.bmp");
  TileInto(win, 200, 150, 360, 168, prog.pixels, 0, 0, 12, 12);
  TileInto(win, 200, 150, 296, 168, prog.pixels, 12, 0, 24, 12);
  // A horizontal scroll bar.
  const int sy = 182, sx = 16, sw = 240;
  const SkinImage& track = Find(im, "sedge_scroll_back_h.bmp");
  TileInto(win, sx + 16, sy, sx + sw - 16, sy + 16, track.pixels, 0, 0, 16, 16);
  PutFrame(win, sx, sy, Find(im, "sedge_arrows.bmp"), 1, 16, 16);
  PutFrame(win, sx + sw - 16, sy, Find(im, "sedge_arrows.bmp"), 7, 16, 16);
  Put(win, sx + 60, sy, Element(Find(im, "sedge_scroll_h.bmp"), 1, 70, 16, false), false);
  // Tabs over their page rim.
  const SkinImage& tabs = Find(im, "sedge_tabs.bmp");
  const int tx = 16, ty = 210;
  Put(win, tx, ty + 20, Element(Find(im, "sedge_tabborder.bmp"), 1, 340, h - ty - 30, false), false);
  win.Fill(tx + 4, ty + 25, tx + 336, h - 14, kFace);
  const char* tabNames[] = {"GENERAL", "LOOK", "ABOUT"};
  for (int i = 0; i < 3; ++i) {
    const int f = i == 1 ? 2 : (i == 2 ? 3 : 1);
    Put(win, tx + 2 + i * 72, ty + (f == 2 ? 0 : 2), Element(tabs, f, 72, f == 2 ? 21 : 19, false), false);
    CentredLabel(win, tx + 2 + i * 72, ty + (f == 2 ? 0 : 2), 72, 19, tabNames[i], f == 2 ? kWhite : kText);
  }
  // Window corners are cut where the side borders hold the colour key.
  out.Fill(x, y, x + w, y + h, kKey);
  Put(out, x, y, win, true);
}

void DrawPopup(Raster& out, const std::vector<SkinImage>& im, int x, int y) {
  const int w = 150, h = 100;
  Put(out, x, y, Element(Find(im, "sedge_menuback.bmp"), 1, w, h, false), false);
  const SkinImage& item = Find(im, "sedge_menuitem.bmp");
  const char* labels[] = {"OPEN", "SAVE AS", "-", "CLOSE"};
  for (int i = 0; i < 4; ++i) {
    const int iy = y + 3 + i * 22, ih = labels[i][0] == '-' ? 10 : 20;
    const int frame = i == 1 ? 4 : (labels[i][0] == '-' ? 2 : 1);
    if (frame == 2)
      Put(out, x + 3, iy, Element(item, 2, w - 6, ih, false), true);
    else
      PutFrame(out, x + 3, iy, item, frame, w - 6, ih);
    if (frame != 2) Label(out, x + 28, iy + 5, labels[i], frame == 4 ? kWhite : kText);
    if (frame == 2) y -= 12;
  }
}

}  // namespace

Raster RenderSamples(const std::vector<SkinImage>& images) {
  Raster out(1000, 330);
  out.Fill(0, 0, out.Width(), out.Height(), Rgb(250, 250, 247));
  DrawWindow(out, images, 0, 0, 380, 320, true);
  DrawWindow(out, images, 400, 0, 300, 120, false);
  DrawPopup(out, images, 740, 0);
  // The magenta left by the windows' cut corners shows the desktop behind.
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      const Rgba c = out.At(x, y);
      if (c.r == 255 && c.g == 0 && c.b == 255) out.Set(x, y, Rgb(250, 250, 247));
    }
  return out;
}

}  // namespace sedge
