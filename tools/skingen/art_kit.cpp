#include "art_kit.h"

#include <algorithm>
#include <cstring>

#include "skin/data/SkinScaling.h"

namespace skinart {
namespace {

thread_local int drawingDpi = 96;

int FloorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

// A box in design pixels as the pixels of the canvas it is drawn on.
Box PixelBox(const Canvas& c, const Box& b) { return {c.X(b.x0), c.Y(b.y0), c.X(b.x1), c.Y(b.y1), c.Px(b.radius)}; }

}  // namespace

int DrawingDpi() { return drawingDpi; }
DrawAt::DrawAt(int dpi) : previous_(drawingDpi) { drawingDpi = dpi; }
DrawAt::~DrawAt() { drawingDpi = previous_; }

// The engine's own rounding, so that the drawn sizes and its scaled
// description cannot disagree.
int AtDpi(int value, int dpi) { return vex::skin::scaling::AtDpi(value, dpi); }

Canvas::Canvas(int width, int height) : Canvas(width, height, width, height, DrawingDpi()) {}

Canvas::Canvas(int width, int height, int cellWidth, int cellHeight, int dpi)
    : w_(width), h_(height), cw_(cellWidth), ch_(cellHeight), dpi_(dpi), px_(0, 0) {
  px_ = Raster(X(width), Y(height));
}

int Canvas::Map(int v, int cell, int lo, int hi) const {
  if (dpi_ == vex::skin::scaling::kBaseDpi) return v;
  if (cell <= 0) return Px(v);
  const int q = FloorDiv(v, cell), o = v - q * cell;
  int inCell = 2 * o <= cell ? Px(o) : Px(cell) - Px(cell - o);
  if (lo >= 0 && hi >= 0 && lo + hi <= cell) {
    if (o <= lo)
      inCell = Px(o);
    else if (o >= cell - hi)
      inCell = Px(cell) - Px(cell - o);
    else
      inCell = std::clamp(inCell, Px(lo), Px(cell) - Px(hi));
  }
  return q * Px(cell) + inCell;
}

void Canvas::Frame(int x0, int y0, int x1, int y1, Rgba c) {
  const int t = LineWidth(), a = X(x0), b = Y(y0), e = X(x1), f = Y(y1);
  px_.Fill(a, b, e, b + t, c);
  px_.Fill(a, f - t, e, f, c);
  px_.Fill(a, b, a + t, f, c);
  px_.Fill(e - t, b, e, f, c);
}


SkinImage NewImage(std::string name, int fw, int fh, int frames, bool stacked) {
  SkinImage image{std::move(name),
                  Canvas(stacked ? fw : fw * frames, stacked ? fh * frames : fh, fw, fh, DrawingDpi()), frames, stacked};
  Raster& px = image.pixels.Pixels();
  px.Fill(0, 0, px.Width(), px.Height(), kKey);
  return image;
}

void ForFrames(SkinImage& image, const std::function<void(int, int, int)>& draw) {
  image.pixels.SetMargins(image.left, image.top, image.right, image.bottom);
  for (int k = 1; k <= image.frames; ++k) {
    if (image.stacked)
      draw(k, 0, image.FrameHeight() * (k - 1));
    else
      draw(k, image.FrameWidth() * (k - 1), 0);
  }
}

// A corner pixel is inside when its centre lies within the corner's circle;
// radius 1 and 2 are cut by hand so small boxes keep a crisp, symmetric shape.
bool Box::Inside(int x, int y) const {
  if (x < x0 || y < y0 || x >= x1 || y >= y1) return false;
  if (radius <= 0) return true;
  const int dx = std::min(x - x0, x1 - 1 - x);
  const int dy = std::min(y - y0, y1 - 1 - y);
  if (dx >= radius || dy >= radius) return true;
  if (radius == 1) return false;
  if (radius == 2) return dx + dy >= 1;
  const double cx = radius - dx - 0.5, cy = radius - dy - 0.5;
  return cx * cx + cy * cy <= (radius - 0.3) * (radius - 0.3);
}

void FillBox(Canvas& r, const Box& box, Rgba c) { FillBoxGradient(r, box, c, c); }

void FillBox(Raster& r, const Box& box, Rgba c) {
  for (int y = box.y0; y < box.y1; ++y)
    for (int x = box.x0; x < box.x1; ++x)
      if (box.Inside(x, y)) r.Set(x, y, c);
}

void FillBoxGradient(Canvas& canvas, const Box& designBox, Rgba top, Rgba bottom) {
  Raster& r = canvas.Pixels();
  const Box box = PixelBox(canvas, designBox);
  const int span = std::max(1, box.y1 - box.y0 - 1);
  for (int y = box.y0; y < box.y1; ++y) {
    const Rgba c = Mix(top, bottom, (y - box.y0) * 100 / span);
    for (int x = box.x0; x < box.x1; ++x)
      if (box.Inside(x, y)) r.Set(x, y, c);
  }
}

void OutlineBox(Canvas& canvas, const Box& designBox, Rgba c) {
  Raster& r = canvas.Pixels();
  const Box box = PixelBox(canvas, designBox);
  const int t = canvas.LineWidth();
  for (int y = box.y0; y < box.y1; ++y)
    for (int x = box.x0; x < box.x1; ++x)
      if (box.Inside(x, y) && (!box.Inside(x - t, y) || !box.Inside(x + t, y) || !box.Inside(x, y - t) ||
                               !box.Inside(x, y + t)))
        r.Set(x, y, c);
}

void InnerTopLine(Canvas& canvas, const Box& designBox, Rgba c, bool left) {
  Raster& r = canvas.Pixels();
  const Box box = PixelBox(canvas, designBox);
  const int t = canvas.LineWidth();
  const Box inner{box.x0 + t, box.y0 + t, box.x1 - t, box.y1 - t, std::max(0, box.radius - t)};
  for (int y = inner.y0; y < inner.y1; ++y)
    for (int x = inner.x0; x < inner.x1; ++x) {
      if (!inner.Inside(x, y)) continue;
      const bool topEdge = !inner.Inside(x, y - t);
      const bool leftEdge = left && !inner.Inside(x - t, y) && y < (inner.y0 + inner.y1) / 2;
      if (topEdge || leftEdge) r.Set(x, y, c);
    }
}

void Glyph(Canvas& canvas, int x, int y, const std::vector<const char*>& rows, Rgba c, Rgba c2, bool useC2) {
  Raster& r = canvas.Pixels();
  const int ox = canvas.X(x), oy = canvas.Y(y);
  auto cell = [&](int i, int j) -> char {
    if (i < 0 || j < 0 || j >= static_cast<int>(rows.size()) || i >= static_cast<int>(std::strlen(rows[j]))) return '.';
    const char ch = rows[static_cast<std::size_t>(j)][i];
    return ch == '+' && !useC2 ? '.' : ch;
  };
  if (canvas.Dpi() == vex::skin::scaling::kBaseDpi) {
    for (std::size_t j = 0; j < rows.size(); ++j)
      for (int i = 0; rows[j][i]; ++i) {
        const char ch = cell(i, static_cast<int>(j));
        if (ch == '#') r.Set(ox + i, oy + static_cast<int>(j), c);
        if (ch == '+') r.Set(ox + i, oy + static_cast<int>(j), c2);
      }
    return;
  }
  // Each design pixel is a square of `dpi` / 96 pixels from the glyph's
  // origin; 4 x 4 samples per pixel measure how much of it the ink covers.
  constexpr int kSamples = 4, kAll = kSamples * kSamples;
  const int dpi = canvas.Dpi();
  const int w = (GlyphWidth(rows) * dpi + 95) / 96, h = (static_cast<int>(rows.size()) * dpi + 95) / 96;
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) {
      int ink = 0, ink2 = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          // Sample centres in units of 1 / (2 * kSamples * dpi) of a design pixel.
          const int u = ((px * kSamples + sx) * 2 + 1) * 96, v = ((py * kSamples + sy) * 2 + 1) * 96;
          const char ch = cell(u / (2 * kSamples * dpi), v / (2 * kSamples * dpi));
          if (ch == '#') ++ink;
          if (ch == '+') ++ink2;
        }
      const int covered = ink + ink2;
      const int X = ox + px, Y = oy + py;
      if (covered == 0 || X < 0 || Y < 0 || X >= r.Width() || Y >= r.Height()) continue;
      const Rgba colour = ink2 == 0 ? c : Mix(c, c2, ink2 * 100 / covered);
      const Rgba under = r.At(X, Y);
      if (IsKeyColour(under)) {
        if (covered * 2 >= kAll) r.Set(X, Y, colour);
      } else {
        r.Set(X, Y, covered == kAll ? colour : Mix(under, colour, covered * 100 / kAll));
      }
    }
}

int GlyphWidth(const std::vector<const char*>& rows) {
  int w = 0;
  for (const char* row : rows) w = std::max(w, static_cast<int>(std::strlen(row)));
  return w;
}

void MirrorX(Canvas& canvas, int dx0, int dy0, int dx1, int dy1) {
  Raster& r = canvas.Pixels();
  const int x0 = canvas.X(dx0), y0 = canvas.Y(dy0), x1 = canvas.X(dx1), y1 = canvas.Y(dy1);
  for (int y = y0; y < y1; ++y)
    for (int a = x0, b = x1 - 1; a < b; ++a, --b) std::swap(r.At(a, y), r.At(b, y));
}

}  // namespace skinart

namespace skinart {

void FillBoxBands(Canvas& canvas, const Box& designBox, Rgba top, Rgba mid, Rgba bottom, int topRows, int bottomRows) {
  Raster& r = canvas.Pixels();
  const Box box = PixelBox(canvas, designBox);
  topRows = canvas.Px(topRows);
  bottomRows = canvas.Px(bottomRows);
  for (int y = box.y0; y < box.y1; ++y) {
    Rgba c = mid;
    if (y < box.y0 + topRows && topRows > 1)
      c = Mix(top, mid, (y - box.y0) * 100 / (topRows - 1));
    else if (y >= box.y1 - bottomRows && bottomRows > 1)
      c = Mix(mid, bottom, (y - (box.y1 - bottomRows)) * 100 / (bottomRows - 1));
    for (int x = box.x0; x < box.x1; ++x)
      if (box.Inside(x, y)) r.Set(x, y, c);
  }
}

void PasteTransposed(Canvas& dst, int x, int y, const Canvas& src) {
  const Raster& s = src.Pixels();
  const int ox = dst.X(x), oy = dst.Y(y);
  for (int sy = 0; sy < s.Height(); ++sy)
    for (int sx = 0; sx < s.Width(); ++sx) dst.Pixels().Set(ox + sy, oy + sx, s.At(sx, sy));
}

void Paste(Canvas& dst, int x, int y, const Canvas& src) {
  const Raster& s = src.Pixels();
  const int ox = dst.X(x), oy = dst.Y(y);
  for (int sy = 0; sy < s.Height(); ++sy)
    for (int sx = 0; sx < s.Width(); ++sx) dst.Pixels().Set(ox + sx, oy + sy, s.At(sx, sy));
}

}  // namespace skinart

namespace skinart {

Raster Enlarged(const Raster& src, int factor) {
  Raster out(src.Width() * factor, src.Height() * factor);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.At(x, y) = src.At(x / factor, y / factor);
  return out;
}

}  // namespace skinart
