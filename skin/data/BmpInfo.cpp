#include "skin/data/BmpInfo.h"

namespace vex::skin {
namespace {

std::uint32_t U16(const std::uint8_t* p) { return p[0] | static_cast<std::uint32_t>(p[1]) << 8; }
std::uint32_t U32(const std::uint8_t* p) { return U16(p) | U16(p + 2) << 16; }

std::optional<BmpInfo> Fail(std::string* why, const char* text) {
  if (why) *why = text;
  return std::nullopt;
}

}  // namespace

std::optional<BmpInfo> ReadBmpInfo(std::span<const std::uint8_t> file, std::string* why) {
  if (file.size() < 26 || file[0] != 'B' || file[1] != 'M') return Fail(why, "not a BMP file");
  const std::uint8_t* p = file.data();
  const std::uint32_t pixelsAt = U32(p + 10);
  const std::uint32_t headerSize = U32(p + 14);
  BmpInfo info;
  std::int64_t height = 0;
  std::uint32_t compression = 0;
  std::uint32_t planes = 0;
  if (headerSize == 12) {  // BITMAPCOREHEADER
    info.width = static_cast<std::int32_t>(U16(p + 18));
    height = U16(p + 20);
    planes = U16(p + 22);
    info.bitsPerPixel = static_cast<int>(U16(p + 24));
  } else if (headerSize >= 40 && file.size() >= 14u + 40u) {
    info.width = static_cast<std::int32_t>(U32(p + 18));
    height = static_cast<std::int32_t>(U32(p + 22));
    planes = U16(p + 26);
    info.bitsPerPixel = static_cast<int>(U16(p + 28));
    compression = U32(p + 30);
  } else {
    return Fail(why, "BMP header is damaged");
  }
  if (height < 0) height = -height;
  if (info.width <= 0 || height <= 0 || height > 0x7FFFFFFF || planes != 1)
    return Fail(why, "BMP header gives no picture size");
  info.height = static_cast<std::int32_t>(height);
  if (compression == 0 || compression == 3) {  // BI_RGB, BI_BITFIELDS: rows are all there
    const std::uint64_t stride = (static_cast<std::uint64_t>(info.width) * info.bitsPerPixel + 31) / 32 * 4;
    if (info.bitsPerPixel == 0 || pixelsAt > file.size() || stride * info.height > file.size() - pixelsAt)
      return Fail(why, "BMP file is shorter than its pixels");
  }
  return info;
}

}  // namespace vex::skin
