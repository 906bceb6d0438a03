#include "art_kit.h"

#include <algorithm>
#include <cstring>

namespace skinart {


SkinImage NewImage(std::string name, int fw, int fh, int frames, bool stacked) {
  SkinImage image{std::move(name), Raster(stacked ? fw : fw * frames, stacked ? fh * frames : fh), frames, stacked};
  image.pixels.Fill(0, 0, image.pixels.Width(), image.pixels.Height(), kKey);
  return image;
}

void ForFrames(SkinImage& image, const std::function<void(int, int, int)>& draw) {
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

void FillBox(Raster& r, const Box& box, Rgba c) { FillBoxGradient(r, box, c, c); }

void FillBoxGradient(Raster& r, const Box& box, Rgba top, Rgba bottom) {
  const int span = std::max(1, box.y1 - box.y0 - 1);
  for (int y = box.y0; y < box.y1; ++y) {
    const Rgba c = Mix(top, bottom, (y - box.y0) * 100 / span);
    for (int x = box.x0; x < box.x1; ++x)
      if (box.Inside(x, y)) r.Set(x, y, c);
  }
}

void OutlineBox(Raster& r, const Box& box, Rgba c) {
  for (int y = box.y0; y < box.y1; ++y)
    for (int x = box.x0; x < box.x1; ++x)
      if (box.Inside(x, y) && (!box.Inside(x - 1, y) || !box.Inside(x + 1, y) || !box.Inside(x, y - 1) ||
                               !box.Inside(x, y + 1)))
        r.Set(x, y, c);
}

void InnerTopLine(Raster& r, const Box& box, Rgba c, bool left) {
  const Box inner{box.x0 + 1, box.y0 + 1, box.x1 - 1, box.y1 - 1, std::max(0, box.radius - 1)};
  for (int y = inner.y0; y < inner.y1; ++y)
    for (int x = inner.x0; x < inner.x1; ++x) {
      if (!inner.Inside(x, y)) continue;
      const bool topEdge = !inner.Inside(x, y - 1);
      const bool leftEdge = left && !inner.Inside(x - 1, y) && y < (inner.y0 + inner.y1) / 2;
      if (topEdge || leftEdge) r.Set(x, y, c);
    }
}

void Glyph(Raster& r, int x, int y, const std::vector<const char*>& rows, Rgba c, Rgba c2, bool useC2) {
  for (std::size_t j = 0; j < rows.size(); ++j)
    for (int i = 0; rows[j][i]; ++i) {
      if (rows[j][i] == '#') r.Set(x + i, y + static_cast<int>(j), c);
      if (rows[j][i] == '+' && useC2) r.Set(x + i, y + static_cast<int>(j), c2);
    }
}

int GlyphWidth(const std::vector<const char*>& rows) {
  int w = 0;
  for (const char* row : rows) w = std::max(w, static_cast<int>(std::strlen(row)));
  return w;
}

void MirrorX(Raster& r, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y)
    for (int a = x0, b = x1 - 1; a < b; ++a, --b) std::swap(r.At(a, y), r.At(b, y));
}

}  // namespace skinart

namespace skinart {

void FillBoxBands(Raster& r, const Box& box, Rgba top, Rgba mid, Rgba bottom, int topRows, int bottomRows) {
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

void PasteTransposed(Raster& dst, int x, int y, const Raster& src) {
  for (int sy = 0; sy < src.Height(); ++sy)
    for (int sx = 0; sx < src.Width(); ++sx) dst.Set(x + sy, y + sx, src.At(sx, sy));
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
