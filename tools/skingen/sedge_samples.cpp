// Sample windows of the sedge skin for its preview sheet: an active window
// with one of each control, an inactive one and a popup menu.
#include "compose.h"
#include "preview.h"
#include "sedge_art.h"

namespace sedge {
namespace {

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
  SampleChecks(win, Find(im, "sedge_checkbox.bmp"), Find(im, "sedge_radio.bmp"), 16, 102, kText);
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
  const int ty = 210;
  SampleTabs(win, Find(im, "sedge_tabs.bmp"), Find(im, "sedge_tabborder.bmp"), 16, ty, 340, h - ty - 30, kFace, kText,
             kWhite);
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
  Unkey(out, Rgb(250, 250, 247));
  return out;
}

}  // namespace sedge
