#include "iconbrowser/IconImages.h"

#include "iconbrowser/IcoFile.h"
#include "iconbrowser/LittleEndian.h"
#include "iconbrowser/PngCodec.h"

namespace vex::iconbrowser {
namespace {

using le::Get16;
using le::Get32;
using le::Put16;
using le::Put32;
using le::Fail;

std::optional<RgbaImage> DecodeDib(std::span<const std::uint8_t> b, std::string* error) {
  if (b.size() < 40) return Fail(error, "bitmap header cut short");
  const std::uint32_t headerSize = Get32(b, 0);
  if (headerSize < 40 || headerSize > b.size()) return Fail(error, "unknown bitmap header");
  const auto w = static_cast<std::int32_t>(Get32(b, 4));
  const auto h2 = static_cast<std::int32_t>(Get32(b, 8));
  const int bits = static_cast<int>(Get16(b, 14));
  if (w <= 0 || w > kMaxIconSide || h2 <= 0 || h2 > 2 * kMaxIconSide || h2 % 2 != 0) return Fail(error, "bad image size");
  if (Get16(b, 12) != 1 || Get32(b, 16) != 0) return Fail(error, "bad image format");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return Fail(error, "unsupported depth");
  const int h = h2 / 2;
  std::uint32_t tableEntries = bits <= 8 ? Get32(b, 32) : 0;
  if (bits <= 8 && tableEntries == 0) tableEntries = 1u << bits;
  if (bits <= 8 && tableEntries > (1u << bits)) return Fail(error, "colour table too long");
  const std::size_t tableAt = headerSize;
  const std::size_t colourAt = tableAt + 4 * std::size_t{tableEntries};
  const std::size_t colourStride = DibStride(w, bits), maskStride = DibStride(w, 1);
  const std::size_t maskAt = colourAt + colourStride * static_cast<std::size_t>(h);
  // Some writers leave the mask off 32-bit images; their alpha says it all.
  const bool haveMask = maskAt + maskStride * static_cast<std::size_t>(h) <= b.size();
  if (maskAt > b.size() || (!haveMask && bits != 32)) return Fail(error, "image data cut short");

  RgbaImage out = RgbaImage::Blank(w, h);
  bool anyAlpha = false;
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* row = &b[colourAt + colourStride * static_cast<std::size_t>(h - 1 - y)];
    for (int x = 0; x < w; ++x) {
      std::uint32_t c = 0;
      if (bits == 32) {
        c = Get32(b, colourAt + colourStride * static_cast<std::size_t>(h - 1 - y) + 4 * static_cast<std::size_t>(x));
        anyAlpha = anyAlpha || (c >> 24) != 0;
      } else if (bits == 24) {
        const std::uint8_t* p = row + 3 * x;
        c = (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
      } else {
        const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
        const std::uint32_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index < tableEntries) c = Get32(b, tableAt + 4 * std::size_t{index}) & 0xFFFFFF;
      }
      out.argb[out.Index(x, y)] = c;
    }
  }
  if (bits == 32 && anyAlpha) return out;
  if (!haveMask) return Fail(error, "image data cut short");
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* row = &b[maskAt + maskStride * static_cast<std::size_t>(h - 1 - y)];
    for (int x = 0; x < w; ++x) {
      const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
      std::uint32_t& c = out.argb[out.Index(x, y)];
      c = transparent ? 0 : (0xFF000000u | (c & 0xFFFFFF));
    }
  }
  return out;
}

}  // namespace

std::optional<RgbaImage> DecodeIconImage(std::span<const std::uint8_t> bytes, std::string* error) {
  if (HasPngSignature(bytes)) return DecodePng(bytes, kMaxIconSide, error);
  return DecodeDib(bytes, error);
}

std::vector<RgbaImage> ReadIcoImages(std::span<const std::uint8_t> b) {
  std::vector<RgbaImage> images;
  if (b.size() < 6 || Get16(b, 0) != 0 || Get16(b, 2) != 1) return images;
  const std::uint32_t count = Get16(b, 4);
  if (b.size() < 6 + 16 * std::size_t{count}) return images;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t d = 6 + 16 * std::size_t{i};
    const std::uint32_t size = Get32(b, d + 8), offset = Get32(b, d + 12);
    if (offset > b.size() || size > b.size() - offset) continue;
    if (auto image = DecodeIconImage(b.subspan(offset, size))) images.push_back(std::move(*image));
  }
  return images;
}

std::vector<GroupIconEntry> ParseGroupIcon(std::span<const std::uint8_t> b) {
  std::vector<GroupIconEntry> entries;
  if (b.size() < 6 || Get16(b, 2) != 1) return entries;
  const std::uint32_t count = Get16(b, 4);
  for (std::uint32_t i = 0; i < count && 6 + 14 * (std::size_t{i} + 1) <= b.size(); ++i) {
    const std::size_t d = 6 + 14 * std::size_t{i};
    GroupIconEntry e;
    e.width = b[d] ? b[d] : 256;
    e.height = b[d + 1] ? b[d + 1] : 256;
    e.bitCount = static_cast<int>(Get16(b, d + 6));
    e.id = static_cast<std::uint16_t>(Get16(b, d + 12));
    entries.push_back(e);
  }
  return entries;
}

int ChooseSourceImage(const std::vector<RgbaImage>& images, int size) {
  int best = -1;
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int side = std::max(images[i].width, images[i].height);
    if (best < 0) {
      best = static_cast<int>(i);
      continue;
    }
    const auto& b = images[static_cast<std::size_t>(best)];
    const int bestSide = std::max(b.width, b.height);
    const bool bigEnough = side >= size, bestBigEnough = bestSide >= size;
    // Prefer any image at least `size`, and among those the smallest; among
    // smaller ones the largest.  Ties keep the earlier (usually richer) one.
    if (bigEnough != bestBigEnough ? bigEnough : (bigEnough ? side < bestSide : side > bestSide)) best = static_cast<int>(i);
  }
  return best;
}

RgbaImage ImageAtSize(const std::vector<RgbaImage>& images, int size) {
  const int i = ChooseSourceImage(images, size);
  if (i < 0) return {};
  return Resample(images[static_cast<std::size_t>(i)], size, size);
}

std::optional<std::vector<std::uint8_t>> EncodeIcon(const std::vector<IconFrame>& frames) {
  if (frames.empty() || frames.size() > 0xFFFF) return std::nullopt;
  std::vector<std::vector<std::uint8_t>> data;
  for (const IconFrame& f : frames) {
    const RgbaImage& im = f.image;
    if (im.Empty() || im.width > 256 || im.height > 256 ||
        im.argb.size() != static_cast<std::size_t>(im.width) * static_cast<std::size_t>(im.height) ||
        (!f.mask.empty() && f.mask.size() != im.argb.size()))
      return std::nullopt;
    if (f.png) {
      data.push_back(EncodePng(im));
      continue;
    }
    std::vector<std::uint8_t> d;
    const auto colourSize = static_cast<std::uint32_t>(im.argb.size() * 4);
    Put32(d, 40);
    Put32(d, static_cast<std::uint32_t>(im.width));
    Put32(d, static_cast<std::uint32_t>(im.height * 2));  // colour image and mask
    Put16(d, 1);
    Put16(d, 32);
    Put32(d, 0);  // BI_RGB
    Put32(d, colourSize);
    for (int i = 0; i < 4; ++i) Put32(d, 0);
    const auto masked = [&](int x, int y) {
      return f.mask.empty() ? AlphaOf(im.At(x, y)) < 128 : f.mask[im.Index(x, y)] != 0;
    };
    for (int y = im.height - 1; y >= 0; --y)
      for (int x = 0; x < im.width; ++x) {
        const std::uint32_t c = im.At(x, y);
        // A fully clear pixel carries black: the AND/XOR drawing of readers
        // without alpha then leaves what is below as it was.
        Put32(d, AlphaOf(c) == 0 ? 0 : c);
      }
    const std::size_t maskStride = DibStride(im.width, 1);
    for (int y = im.height - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(maskStride, 0);
      for (int x = 0; x < im.width; ++x)
        if (masked(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      d.insert(d.end(), row.begin(), row.end());
    }
    data.push_back(std::move(d));
  }
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(frames.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(frames.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(frames[i].image.width & 0xFF));  // 256 is stored as 0
    out.push_back(static_cast<std::uint8_t>(frames[i].image.height & 0xFF));
    out.push_back(0);  // colour count: 0 for 8 bits per pixel and more
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(data[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(data[i].size());
  }
  for (const auto& d : data) out.insert(out.end(), d.begin(), d.end());
  return out;
}

}  // namespace vex::iconbrowser
