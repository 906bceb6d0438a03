// Sample windows of the heron skin for its preview sheet, laid out as
// heron.ini places things: an active window with one of each control, an
// inactive one and a popup menu whose items are drawn plainly (the skin has
// no menu item image).
#include "compose.h"
#include "heron_art.h"
#include "preview.h"

namespace heron {
namespace {

constexpr Rgba kDesk = Rgb(250, 250, 247);
constexpr Rgba kHilight = kSteel;

// The title band: borders, the centred caption on its plate with the window
// icon on the plate's left cap, the application's button on its right cap
// and the caption buttons at the right, where heron.ini places them.
void DrawTitle(Raster& win, const std::vector<SkinImage>& im, int w, bool active, const std::string& caption) {
  const int k = active ? 1 : 2;
  const int barW = w - 2 * kSideWidth;
  Put(win, kSideWidth, 0, Element(Find(im, "heron_body_top.bmp"), k, barW, kTitleHeight, false), false);
  const int textW = LabelWidth(caption) + 12;  // the caption's three leading blanks
  const int plateW = textW + kPlateLeft + kPlateRight;
  const int plateX = kSideWidth + (barW - plateW) / 2;  // unclipped: the sample's caption is short
  Put(win, plateX, 0, Strip(Find(im, "heron_textback.bmp"), k, plateW, kTitleHeight), true);
  Label(win, plateX + kPlateLeft + 10, 11, caption, active ? kTitleText : Rgb(230, 234, 240));
  // The window's icon where Align 2 with XCoord -20 puts it.
  const int icon = plateX + 4;
  FillBox(win, {icon, 9, icon + 16, 23, 2}, Rgb(236, 190, 92));
  win.Fill(icon, 8, icon + 7, 10, Rgb(214, 164, 64));
  if (active) PutFrame(win, plateX + plateW - 23, 7, Find(im, "heron_app.bmp"), 1, kAppButton, kAppButton);
  const int frame = active ? 1 : 4;
  PutFrame(win, w - 30, 5, Find(im, "heron_close.bmp"), active ? 3 : frame, kCaptionButton, kCaptionButton);
  PutFrame(win, w - 53, 5, Find(im, "heron_max.bmp"), frame, kCaptionButton, kCaptionButton);
  PutFrame(win, w - 76, 5, Find(im, "heron_min.bmp"), active ? 2 : frame, kCaptionButton, kCaptionButton);
}

void DrawMenuBand(Raster& win, const std::vector<SkinImage>& im, int w, bool active) {
  Put(win, kSideWidth, kTitleHeight, Element(Find(im, "heron_menubar.bmp"), active ? 1 : 2, w - 2 * kSideWidth, 20, false),
      false);
  Label(win, kSideWidth + 10, kTitleHeight + 5, "FILE", kText);
  Label(win, kSideWidth + 50, kTitleHeight + 5, "EDIT", kText);
  Label(win, kSideWidth + 90, kTitleHeight + 5, "HELP", kMenuText);
}

void DrawControls(Raster& win, const std::vector<SkinImage>& im, int h) {
  const int top = kTitleHeight + 20;
  // Push buttons in the states the painters use.
  const char* names[] = {"NORMAL", "PRESSED", "DISABLED", "HOT", "DEFAULT"};
  const Rgba inks[] = {kText, kWhite, kMutedInk, kText, kText};
  for (int i = 0; i < 5; ++i) {
    const int bx = 18 + i * 72, by = top + 12;
    PutFrame(win, bx, by, Find(im, "heron_buttons.bmp"), i + 1, 66, 24);
    CentredLabel(win, bx, by, 66, 24, names[i], inks[i]);
  }
  // Check boxes and radio buttons.
  SampleChecks(win, Find(im, "heron_checkbox.bmp"), Find(im, "heron_radio.bmp"), 18, top + 50, kText);
  // A combo box: its rim, button and arrow.
  const int cx = 18, cy = top + 98, cw = 160, ch = 22;
  win.Fill(cx, cy, cx + cw, cy + ch, kWhite);
  Put(win, cx, cy, Element(Find(im, "heron_sunkedge.bmp"), 1, cw, ch, false), false);
  PutFrame(win, cx + cw - 19, cy, Find(im, "heron_combobutton.bmp"), 1, 18, ch);
  PutFrame(win, cx + cw - 19 + 5, cy + 9, Find(im, "heron_comboarrow.bmp"), 1, 9, 6);
  Label(win, cx + 6, cy + 6, "ITEM ONE", kText);
  // Progress: the trough and a bar at 60 %, both stretched.
  const SkinImage& prog = Find(im, "heron_progress.bmp");
  Put(win, 200, cy + 4, Element(prog, 1, 170, 14, false), false);
  Put(win, 200, cy + 4, Element(prog, 2, 102, 14, false), false);
  // A horizontal scroll bar.
  const int sy = cy + 32, sx = 18, sw = 240;
  Put(win, sx + 16, sy, Element(Find(im, "heron_scroll_back_h.bmp"), 1, sw - 32, 16, false), false);
  PutFrame(win, sx, sy, Find(im, "heron_arrows.bmp"), 1, 16, 16);
  PutFrame(win, sx + sw - 16, sy, Find(im, "heron_arrows.bmp"), 7, 16, 16);
  Put(win, sx + 60, sy, Element(Find(im, "heron_scroll_h.bmp"), 1, 70, 16, false), false);
  // Tabs over their page rim, and a group box on the page.
  const int tx = 18, ty = sy + 28;
  SampleTabs(win, Find(im, "heron_tabs.bmp"), Find(im, "heron_tabborder.bmp"), tx, ty, 360, h - ty - 34, kFace, kText,
             kWhite);
  PutFrame(win, tx + 14, ty + 40, Find(im, "heron_groupboxe.bmp"), 1, 200, h - ty - 66);
  win.Fill(tx + 24, ty + 36, tx + 24 + LabelWidth("OPTIONS") + 8, ty + 46, kFace);
  Label(win, tx + 28, ty + 36, "OPTIONS", kText);
}

// A skinned window W x H at (x, y): stretched borders, the bottom rail cut
// away by the key, and the controls when active.
void DrawWindow(Raster& out, const std::vector<SkinImage>& im, int x, int y, int w, int h, bool active) {
  const int k = active ? 1 : 2;
  Raster win(w, h);
  win.Fill(0, 0, w, h, kFace);
  Put(win, 0, 0, Element(Find(im, "heron_body_left.bmp"), k, kSideWidth, h, false), false);
  Put(win, w - kSideWidth, 0, Element(Find(im, "heron_body_right.bmp"), k, kSideWidth, h, false), false);
  Put(win, kSideWidth, h - kBottomHeight,
      Element(Find(im, "heron_body_bottom.bmp"), k, w - 2 * kSideWidth, kBottomHeight, false), false);
  DrawTitle(win, im, w, active, active ? "HERON SAMPLE" : "INACTIVE");
  DrawMenuBand(win, im, w, active);
  if (active) DrawControls(win, im, h);
  out.Fill(x, y, x + w, y + h, kKey);
  Put(out, x, y, win, true);
}

// A popup menu: the background's rim, plain items over the face colour, the
// selected one in the highlight colour, a disabled one in the system's grey.
void DrawPopup(Raster& out, const std::vector<SkinImage>& im, int x, int y) {
  const int w = 150, h = 3 + 4 * 20 + 8 + 3;
  Put(out, x, y, Element(Find(im, "heron_menuback.bmp"), 1, w, h, true), false);
  const char* labels[] = {"OPEN", "SAVE AS", "-", "PRINT", "CLOSE"};
  int iy = y + 3;
  for (int i = 0; i < 5; ++i) {
    const bool separator = labels[i][0] == '-';
    const int ih = separator ? 8 : 20;
    const bool selected = i == 1;
    out.Fill(x + 3, iy, x + w - 3, iy + ih, selected ? kHilight : kFace);
    if (separator) {
      out.Fill(x + 23, iy + 4, x + w - 4, iy + 5, kLine);
      out.Fill(x + 23, iy + 5, x + w - 4, iy + 6, kFaceHi);
    } else {
      Label(out, x + 26, iy + 5, labels[i], selected ? kWhite : (i == 3 ? Rgb(128, 128, 128) : kMenuText));
    }
    iy += ih;
  }
}

}  // namespace

Raster RenderSamples(const std::vector<SkinImage>& images) {
  Raster out(1000, 380);
  out.Fill(0, 0, out.Width(), out.Height(), kDesk);
  DrawWindow(out, images, 0, 0, 400, 370, true);
  DrawWindow(out, images, 420, 0, 300, 130, false);
  DrawPopup(out, images, 760, 0);
  // What the key leaves of the windows (the lifted bottom rails) shows the
  // desktop behind.
  Unkey(out, kDesk);
  return out;
}

}  // namespace heron
