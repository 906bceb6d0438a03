#include "preview.h"

#include <algorithm>

namespace skinart {
namespace {

constexpr int kScale = 2;
constexpr int kGap = 6;         // between frames, in sheet pixels
constexpr int kPad = 16;        // around everything
constexpr Rgba kSheet = Rgb(250, 250, 247);
constexpr Rgba kGapColour = Rgb(40, 110, 200);   // frame boundaries
constexpr Rgba kTickColour = Rgb(220, 40, 40);   // margin positions
constexpr Rgba kInk = Rgb(40, 40, 40);          // labels

std::string Describe(const SkinImage& img) {
  std::string s = img.name + "  " + std::to_string(img.pixels.Width()) + "X" + std::to_string(img.pixels.Height()) +
                  "  " + std::to_string(img.frames) + (img.frames == 1 ? " FRAME" : " FRAMES");
  if (img.frames > 1) s += img.stacked ? " STACKED" : " SIDE BY SIDE";
  if (img.left || img.top || img.right || img.bottom)
    s += "  MARGINS " + std::to_string(img.left) + "," + std::to_string(img.top) + "," + std::to_string(img.right) +
         "," + std::to_string(img.bottom);
  return s;
}

int BlockHeight(const SkinImage& img) {
  const int fh = img.FrameHeight() * kScale;
  return img.stacked ? img.frames * fh + (img.frames - 1) * kGap : fh;
}

// One image with its frames apart, a blue band between them and red ticks
// outside each frame where its margins end.
void DrawBlock(Raster& sheet, int x, int y, const SkinImage& img) {
  const int fw = img.FrameWidth(), fh = img.FrameHeight();
  for (int k = 0; k < img.frames; ++k) {
    const int sx = img.stacked ? 0 : k * fw, sy = img.stacked ? k * fh : 0;
    const int dx = x + (img.stacked ? 0 : k * (fw * kScale + kGap));
    const int dy = y + (img.stacked ? k * (fh * kScale + kGap) : 0);
    for (int j = 0; j < fh; ++j)
      for (int i = 0; i < fw; ++i)
        sheet.Fill(dx + i * kScale, dy + j * kScale, dx + (i + 1) * kScale, dy + (j + 1) * kScale,
                   img.pixels.Pixels().At(sx + i, sy + j));
    if (k + 1 < img.frames) {
      if (img.stacked)
        sheet.Fill(dx, dy + fh * kScale + 2, dx + fw * kScale, dy + fh * kScale + kGap - 2, kGapColour);
      else
        sheet.Fill(dx + fw * kScale + 2, dy, dx + fw * kScale + kGap - 2, dy + fh * kScale, kGapColour);
    }
    auto tickX = [&](int at) { sheet.Fill(dx + at * kScale, dy - 4, dx + at * kScale + 1, dy - 1, kTickColour); };
    auto tickY = [&](int at) { sheet.Fill(dx - 4, dy + at * kScale, dx - 1, dy + at * kScale + 1, kTickColour); };
    if (img.left) tickX(img.left);
    if (img.right) tickX(fw - img.right);
    if (k == 0 || img.stacked) {
      if (img.top) tickY(img.top);
      if (img.bottom) tickY(fh - img.bottom);
    }
  }
}

}  // namespace

Raster RenderPreview(const std::vector<SkinImage>& images, const Raster& samples) {
  // Two columns of image blocks; sample windows on top.
  constexpr int kColumnWidth = 900;
  int colY[2] = {kPad + samples.Height() + 24, kPad + samples.Height() + 24};
  struct Placed {
    const SkinImage* img;
    int x, y;
  };
  std::vector<Placed> placed;
  for (const SkinImage& img : images) {
    const int col = colY[0] <= colY[1] ? 0 : 1;
    placed.push_back({&img, kPad + col * kColumnWidth, colY[col]});
    colY[col] += 14 + 8 + BlockHeight(img) + 22;
  }
  const int width = std::max(2 * kColumnWidth + kPad, samples.Width() + 2 * kPad);
  Raster sheet(width, std::max(colY[0], colY[1]) + kPad);
  sheet.Fill(0, 0, sheet.Width(), sheet.Height(), kSheet);
  for (int y = 0; y < samples.Height(); ++y)
    for (int x = 0; x < samples.Width(); ++x) sheet.Set(kPad + x, kPad + y, samples.At(x, y));
  for (const Placed& p : placed) {
    Label(sheet, p.x, p.y, Describe(*p.img), kInk);
    DrawBlock(sheet, p.x + 6, p.y + 22, *p.img);
  }
  return sheet;
}

}  // namespace skinart
