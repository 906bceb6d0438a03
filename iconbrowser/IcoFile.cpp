#include "iconbrowser/IcoFile.h"

#include <span>

#include "iconbrowser/LittleEndian.h"
#include "iconbrowser/PngCodec.h"

namespace vex::iconbrowser {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kDirSize = 6 + 16;

using le::Get16;
using le::Get32;
using le::Put16;
using le::Put32;
using le::Fail;

bool ValidDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeSingleIcon(const IconImageBits& im) {
  if (im.width <= 0 || im.height <= 0 || im.width > 256 || im.height > 256 || !ValidDepth(im.bitCount))
    return std::nullopt;
  const std::uint32_t colourSize = DibStride(im.width, im.bitCount) * static_cast<std::uint32_t>(im.height);
  const std::uint32_t maskSize = DibStride(im.width, 1) * static_cast<std::uint32_t>(im.height);
  const std::size_t maxTable = im.bitCount <= 8 ? (std::size_t{1} << im.bitCount) : 0;
  if (im.colourRows.size() != colourSize || im.maskRows.size() != maskSize || im.colourTable.size() > maxTable)
    return std::nullopt;
  const auto tableSize = static_cast<std::uint32_t>(im.colourTable.size() * 4);
  const std::uint32_t dataSize = kInfoHeaderSize + tableSize + colourSize + maskSize;

  std::vector<std::uint8_t> o;
  o.reserve(kDirSize + dataSize);
  Put16(o, 0);  // reserved
  Put16(o, 1);  // icon
  Put16(o, 1);  // one image
  o.push_back(static_cast<std::uint8_t>(im.width & 0xFF));
  o.push_back(static_cast<std::uint8_t>(im.height & 0xFF));
  o.push_back(im.bitCount >= 8 ? 0 : static_cast<std::uint8_t>(1u << im.bitCount));
  o.push_back(0);
  Put16(o, 1);
  Put16(o, static_cast<std::uint32_t>(im.bitCount));
  Put32(o, dataSize);
  Put32(o, kDirSize);

  Put32(o, kInfoHeaderSize);
  Put32(o, static_cast<std::uint32_t>(im.width));
  Put32(o, static_cast<std::uint32_t>(im.height * 2));  // colour image and mask
  Put16(o, 1);
  Put16(o, static_cast<std::uint32_t>(im.bitCount));
  Put32(o, 0);  // BI_RGB
  Put32(o, colourSize);
  Put32(o, 0);
  Put32(o, 0);
  Put32(o, static_cast<std::uint32_t>(im.colourTable.size()));
  Put32(o, 0);
  for (std::uint32_t c : im.colourTable) Put32(o, c);
  o.insert(o.end(), im.colourRows.begin(), im.colourRows.end());
  o.insert(o.end(), im.maskRows.begin(), im.maskRows.end());
  return o;
}

std::optional<IcoFileInfo> ParseIco(const std::vector<std::uint8_t>& b, std::string* error) {
  if (b.size() < 6) return Fail(error, "shorter than the icon header");
  if (Get16(b, 0) != 0 || Get16(b, 2) != 1) return Fail(error, "not an icon file");
  const std::uint32_t count = Get16(b, 4);
  if (count == 0) return Fail(error, "no images");
  if (b.size() < 6 + 16 * static_cast<std::size_t>(count)) return Fail(error, "directory cut short");

  IcoFileInfo info;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t d = 6 + 16 * static_cast<std::size_t>(i);
    IcoEntry e;
    e.dirWidth = b[d];
    e.dirHeight = b[d + 1];
    e.dirColourCount = b[d + 2];
    e.dirReserved = b[d + 3];
    e.dirPlanes = static_cast<int>(Get16(b, d + 4));
    e.dirBitCount = static_cast<int>(Get16(b, d + 6));
    e.size = Get32(b, d + 8);
    e.offset = Get32(b, d + 12);
    // 64-bit sums: offset + size must not wrap around.
    if (std::uint64_t{e.offset} + e.size > b.size() || e.size < kInfoHeaderSize)
      return Fail(error, "image data outside the file");
    const std::span<const std::uint8_t> data(b.data() + e.offset, e.size);
    if (HasPngSignature(data)) {
      const auto size = PngSize(data);
      if (!size || size->first > 256 || size->second > 256) return Fail(error, "bad PNG image");
      e.png = true;
      e.width = size->first;
      e.height = size->second;
      e.bitCount = 32;
      info.entries.push_back(e);
      continue;
    }
    if (Get32(b, e.offset) != kInfoHeaderSize) return Fail(error, "unknown bitmap header");
    const auto w = static_cast<std::int32_t>(Get32(b, e.offset + 4));
    const auto h2 = static_cast<std::int32_t>(Get32(b, e.offset + 8));
    e.bitCount = static_cast<int>(Get16(b, e.offset + 14));
    if (w <= 0 || w > 256 || h2 <= 0 || h2 > 512 || h2 % 2 != 0)
      return Fail(error, "bad image size");
    if (Get16(b, e.offset + 12) != 1 || !ValidDepth(e.bitCount) || Get32(b, e.offset + 16) != 0)
      return Fail(error, "bad image format");
    e.width = w;
    e.height = h2 / 2;
    std::uint32_t tableEntries = Get32(b, e.offset + 32);
    if (e.bitCount <= 8 && tableEntries == 0) tableEntries = 1u << e.bitCount;
    if (e.bitCount <= 8 && tableEntries > (1u << e.bitCount)) return Fail(error, "colour table too long");
    if (e.bitCount > 8) tableEntries = 0;
    e.colourRowsAt = e.offset + kInfoHeaderSize + 4 * tableEntries;
    e.maskRowsAt = e.colourRowsAt + DibStride(e.width, e.bitCount) * static_cast<std::uint32_t>(e.height);
    const std::uint64_t end = std::uint64_t{e.maskRowsAt} + DibStride(e.width, 1) * static_cast<std::uint64_t>(e.height);
    if (end != std::uint64_t{e.offset} + e.size) return Fail(error, "image size does not match its header");
    info.entries.push_back(e);
  }
  return info;
}

bool IcoMaskBit(const std::vector<std::uint8_t>& b, const IcoEntry& e, int x, int y) {
  const std::size_t row = e.maskRowsAt + static_cast<std::size_t>(e.height - 1 - y) * DibStride(e.width, 1);
  return (b[row + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1;
}

std::uint32_t IcoColour(const std::vector<std::uint8_t>& b, const IcoEntry& e, int x, int y) {
  const std::size_t row = e.colourRowsAt + static_cast<std::size_t>(e.height - 1 - y) * DibStride(e.width, e.bitCount);
  const std::size_t at = row + static_cast<std::size_t>(x) * static_cast<std::size_t>(e.bitCount / 8);
  return (std::uint32_t{b[at + 2]} << 16) | (std::uint32_t{b[at + 1]} << 8) | b[at];
}

}  // namespace vex::iconbrowser
