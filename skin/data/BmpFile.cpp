#include "skin/data/BmpFile.h"

#include <cstring>

#include "skin/data/BmpInfo.h"

namespace vex::skin {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}
std::uint32_t Get32(const std::uint8_t* p) {
  return p[0] | static_cast<std::uint32_t>(p[1]) << 8 | static_cast<std::uint32_t>(p[2]) << 16 |
         static_cast<std::uint32_t>(p[3]) << 24;
}

std::size_t Stride(int width, int bits) { return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4; }

// The two headers of an uncompressed bitmap; `height` negative for rows
// from the top.  Returns where the pixels go.
std::uint8_t* Headers(std::vector<std::uint8_t>& file, int width, int height, int bits) {
  const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  const std::size_t pixels = Stride(width, bits) * rows;
  file.assign(kFileHeader + kInfoHeader + pixels, 0);
  std::uint8_t* p = file.data();
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<std::uint32_t>(file.size()));
  Put32(p + 10, kFileHeader + kInfoHeader);
  Put32(p + 14, kInfoHeader);
  Put32(p + 18, static_cast<std::uint32_t>(width));
  Put32(p + 22, static_cast<std::uint32_t>(height));
  Put16(p + 26, 1);
  Put16(p + 28, static_cast<std::uint32_t>(bits));
  Put32(p + 34, static_cast<std::uint32_t>(pixels));
  return p + kFileHeader + kInfoHeader;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(int width, int height, std::span<const std::uint32_t> pixels) {
  std::vector<std::uint8_t> file;
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) return file;
  std::uint8_t* out = Headers(file, width, height, 24);
  const std::size_t stride = Stride(width, 24);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = out + stride * static_cast<std::size_t>(height - 1 - y);  // bottom-up
    const std::uint32_t* from = pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      row[3 * x] = static_cast<std::uint8_t>(from[x]);
      row[3 * x + 1] = static_cast<std::uint8_t>(from[x] >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(from[x] >> 16);
    }
  }
  return file;
}

std::vector<std::uint8_t> CutBmpColumns(std::span<const std::uint8_t> file, int x, int width) {
  std::vector<std::uint8_t> out;
  const std::optional<BmpInfo> info = ReadBmpInfo(file);
  if (!info || (info->bitsPerPixel != 24 && info->bitsPerPixel != 32)) return out;
  if (Get32(file.data() + 14) < kInfoHeader || Get32(file.data() + 30) != 0) return out;  // BI_RGB only
  if (x < 0 || width <= 0 || x > info->width - width) return out;
  const int bytes = info->bitsPerPixel / 8;
  const auto height = static_cast<std::int32_t>(Get32(file.data() + 22));  // its sign is the row order
  const std::uint8_t* in = file.data() + Get32(file.data() + 10);
  std::uint8_t* to = Headers(out, width, height, info->bitsPerPixel);
  const std::size_t inStride = Stride(info->width, info->bitsPerPixel), outStride = Stride(width, info->bitsPerPixel);
  for (int y = 0; y < info->height; ++y)
    std::memcpy(to + outStride * y, in + inStride * y + static_cast<std::size_t>(x) * bytes,
                static_cast<std::size_t>(width) * bytes);
  return out;
}

}  // namespace vex::skin
