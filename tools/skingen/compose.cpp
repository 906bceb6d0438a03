#include "compose.h"

#include "preview.h"

namespace skinart {

const SkinImage& Find(const std::vector<SkinImage>& images, const std::string& name) {
  for (const SkinImage& img : images)
    if (img.name == name) return img;
  return images.front();
}

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

Raster Strip(const SkinImage& img, int k, int w, int h) {
  const int fw = img.FrameWidth(), fh = img.FrameHeight();
  const int ox = img.stacked ? 0 : fw * (k - 1), oy = img.stacked ? fh * (k - 1) : 0;
  const int l = img.left, r = img.right, m = fw - l - r;
  Raster out(w, h);
  out.Fill(0, 0, w, h, kKey);
  Stretch(out, 0, 0, l, h, img.pixels, ox, oy, ox + l, oy + fh);
  for (int x = l; m > 0 && x < w - r; x += m) Stretch(out, x, 0, x + m, h, img.pixels, ox + l, oy, ox + l + m, oy + fh);
  Stretch(out, w - r, 0, w, h, img.pixels, ox + fw - r, oy, ox + fw, oy + fh);
  return out;
}

void Put(Raster& dst, int x, int y, const Raster& src, bool keyed) {
  for (int j = 0; j < src.Height(); ++j)
    for (int i = 0; i < src.Width(); ++i) {
      const Rgba c = src.At(i, j);
      if (keyed && IsKeyColour(c)) continue;
      dst.Set(x + i, y + j, c);
    }
}

void PutFrame(Raster& dst, int x, int y, const SkinImage& img, int k, int w, int h, bool keyed) {
  Put(dst, x, y, Element(img, k, w, h, false), keyed);
}

void Unkey(Raster& r, Rgba background) {
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) {
      if (IsKeyColour(r.At(x, y))) r.Set(x, y, background);
    }
}

void CentredLabel(Raster& dst, int x, int y, int w, int h, const std::string& text, Rgba c) {
  Label(dst, x + (w - LabelWidth(text)) / 2, y + (h - 10) / 2, text, c);
}

void SampleChecks(Raster& win, const SkinImage& check, const SkinImage& radio, int x, int y, Rgba ink) {
  const char* checks[] = {"OFF", "ON", "DIS", "MIXED"};
  const char* radios[] = {"OFF", "ON", "DIS", "DIS ON"};
  for (int i = 0; i < 4; ++i) {
    PutFrame(win, x + i * 86, y, check, i + 1, 14, 14);
    PutFrame(win, x + i * 86, y + 22, radio, i + 1, 14, 14);
    Label(win, x + 20 + i * 86, y + 2, checks[i], ink);
    Label(win, x + 20 + i * 86, y + 24, radios[i], ink);
  }
}

void SampleCombo(Raster& win, const SkinImage& rim, const SkinImage& button, const SkinImage& arrow, int x, int y,
                 int w, int h, int buttonWidth, int arrowTop, Rgba ink) {
  win.Fill(x, y, x + w, y + h, kWhite);
  Put(win, x, y, Element(rim, 1, w, h, false), false);
  PutFrame(win, x + w - 19, y, button, 1, buttonWidth, h);
  PutFrame(win, x + w - 19 + 5, y + arrowTop, arrow, 1, 9, 6);
  Label(win, x + 6, y + 6, "ITEM ONE", ink);
}

void SampleTabs(Raster& win, const SkinImage& tabs, const SkinImage& border, int x, int y, int w, int pageHeight,
                Rgba face, Rgba ink, Rgba selectedInk) {
  Put(win, x, y + 20, Element(border, 1, w, pageHeight, false), false);
  win.Fill(x + 4, y + 25, x + w - 4, y + 20 + pageHeight - 4, face);
  const char* names[] = {"GENERAL", "LOOK", "ABOUT"};
  for (int i = 0; i < 3; ++i) {
    const int f = i == 1 ? 2 : (i == 2 ? 3 : 1);
    Put(win, x + 2 + i * 72, y + (f == 2 ? 0 : 2), Element(tabs, f, 72, f == 2 ? 21 : 19, false), false);
    CentredLabel(win, x + 2 + i * 72, y + (f == 2 ? 0 : 2), 72, 19, names[i], f == 2 ? selectedInk : ink);
  }
}

}  // namespace skinart
