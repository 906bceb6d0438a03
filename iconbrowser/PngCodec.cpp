#include "iconbrowser/PngCodec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "iconbrowser/Zlib.h"

namespace vex::iconbrowser {
namespace {

std::uint32_t Crc32(std::span<const std::uint8_t> data) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t b : data) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Be32(std::span<const std::uint8_t> b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& body) {
  PutBe32(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  PutBe32(out, Crc32(std::span(out).subspan(start)));
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Row `cur` filtered with `type` against the row above (`prev`, zeros for
// the first row), `bpp` bytes per pixel; into `out`.
void Filter(int type, const std::uint8_t* cur, const std::uint8_t* prev, std::size_t n, std::size_t bpp, std::uint8_t* out) {
  for (std::size_t i = 0; i < n; ++i) {
    const int a = i >= bpp ? cur[i - bpp] : 0, b = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
    int pred = 0;
    switch (type) {
      case 1: pred = a; break;
      case 2: pred = b; break;
      case 3: pred = (a + b) / 2; break;
      case 4: pred = Paeth(a, b, c); break;
      default: break;
    }
    out[i] = static_cast<std::uint8_t>(cur[i] - pred);
  }
}

std::nullopt_t Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return std::nullopt;
}

}  // namespace

bool HasPngSignature(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0;
}

std::vector<std::uint8_t> EncodePng(const RgbaImage& im) {
  if (im.Empty()) return {};
  const std::size_t stride = static_cast<std::size_t>(im.width) * 4;
  std::vector<std::uint8_t> raw(stride * static_cast<std::size_t>(im.height));
  for (int y = 0; y < im.height; ++y)
    for (int x = 0; x < im.width; ++x) {
      const std::uint32_t c = im.At(x, y);
      std::uint8_t* p = &raw[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 4];
      p[0] = static_cast<std::uint8_t>(c >> 16);
      p[1] = static_cast<std::uint8_t>(c >> 8);
      p[2] = static_cast<std::uint8_t>(c);
      p[3] = static_cast<std::uint8_t>(c >> 24);
    }
  // Each row takes the filter whose output has the smallest sum of absolute
  // values, the usual rule of thumb for what deflates best.
  std::vector<std::uint8_t> filtered;
  filtered.reserve((stride + 1) * static_cast<std::size_t>(im.height));
  const std::vector<std::uint8_t> zeros(stride, 0);
  std::vector<std::uint8_t> trial(stride), best(stride);
  for (int y = 0; y < im.height; ++y) {
    const std::uint8_t* cur = &raw[static_cast<std::size_t>(y) * stride];
    const std::uint8_t* prev = y ? cur - stride : zeros.data();
    long bestScore = -1;
    int bestType = 0;
    for (int type = 0; type < 5; ++type) {
      Filter(type, cur, prev, stride, 4, trial.data());
      long score = 0;
      for (std::uint8_t v : trial) score += v < 128 ? v : 256 - v;
      if (bestScore < 0 || score < bestScore) {
        bestScore = score;
        bestType = type;
        best.swap(trial);
      }
    }
    filtered.push_back(static_cast<std::uint8_t>(bestType));
    filtered.insert(filtered.end(), best.begin(), best.end());
  }
  std::vector<std::uint8_t> png(std::begin(kPngSignature), std::end(kPngSignature));
  std::vector<std::uint8_t> ihdr;
  PutBe32(ihdr, static_cast<std::uint32_t>(im.width));
  PutBe32(ihdr, static_cast<std::uint32_t>(im.height));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, adaptive filters, not interlaced
  PutChunk(png, "IHDR", ihdr);
  PutChunk(png, "IDAT", ZlibDeflate(filtered));
  PutChunk(png, "IEND", {});
  return png;
}

std::optional<std::pair<int, int>> PngSize(std::span<const std::uint8_t> b) {
  if (!HasPngSignature(b) || b.size() < 33 || Be32(b, 8) != 13 || std::memcmp(&b[12], "IHDR", 4) != 0) return std::nullopt;
  const std::uint32_t w = Be32(b, 16), h = Be32(b, 20);
  if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return std::nullopt;
  return std::pair{static_cast<int>(w), static_cast<int>(h)};
}

std::optional<RgbaImage> DecodePng(std::span<const std::uint8_t> b, int maxSide, std::string* error) {
  if (!HasPngSignature(b)) return Fail(error, "not a PNG image");
  std::size_t at = 8;
  bool haveHeader = false, ended = false;
  std::uint32_t w = 0, h = 0;
  int depth = 0, colourType = 0;
  std::vector<std::uint32_t> palette;  // 0xAARRGGBB
  std::array<std::uint16_t, 3> keyColour{};
  bool haveKey = false;
  std::vector<std::uint8_t> idat;
  while (!ended) {
    if (b.size() - at < 12) return Fail(error, "chunk cut short");
    const std::uint32_t len = Be32(b, at);
    if (len > b.size() - at - 12) return Fail(error, "chunk cut short");
    const auto type = b.subspan(at + 4, 4);
    const auto body = b.subspan(at + 8, len);
    if (Crc32(b.subspan(at + 4, len + 4)) != Be32(b, at + 8 + len)) return Fail(error, "chunk CRC mismatch");
    at += 12 + static_cast<std::size_t>(len);
    const auto is = [&](const char* name) { return std::memcmp(type.data(), name, 4) == 0; };
    if (!haveHeader && !is("IHDR")) return Fail(error, "IHDR not first");
    if (is("IHDR")) {
      if (haveHeader || len != 13) return Fail(error, "bad IHDR");
      w = Be32(body, 0);
      h = Be32(body, 4);
      depth = body[8];
      colourType = body[9];
      if (w == 0 || h == 0 || w > static_cast<std::uint32_t>(maxSide) || h > static_cast<std::uint32_t>(maxSide))
        return Fail(error, "bad image size");
      const bool okDepth = (colourType == 0 && (depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16)) ||
                           (colourType == 3 && (depth == 1 || depth == 2 || depth == 4 || depth == 8)) ||
                           ((colourType == 2 || colourType == 4 || colourType == 6) && (depth == 8 || depth == 16));
      if (!okDepth) return Fail(error, "unsupported colour type or depth");
      if (body[10] != 0 || body[11] != 0) return Fail(error, "unknown compression or filter method");
      if (body[12] != 0) return Fail(error, "interlaced images are not supported");
      haveHeader = true;
    } else if (is("PLTE")) {
      if (len % 3 != 0 || len / 3 > 256 || len == 0) return Fail(error, "bad palette");
      palette.clear();
      for (std::size_t i = 0; i < len; i += 3)
        palette.push_back(0xFF000000u | (std::uint32_t{body[i]} << 16) | (std::uint32_t{body[i + 1]} << 8) | body[i + 2]);
    } else if (is("tRNS")) {
      if (colourType == 3) {
        if (len > palette.size()) return Fail(error, "bad transparency");
        for (std::size_t i = 0; i < len; ++i) palette[i] = (palette[i] & 0xFFFFFF) | (std::uint32_t{body[i]} << 24);
      } else if (colourType == 0 && len == 2) {
        keyColour[0] = static_cast<std::uint16_t>((body[0] << 8) | body[1]);
        haveKey = true;
      } else if (colourType == 2 && len == 6) {
        for (std::size_t i = 0; i < 3; ++i) keyColour[i] = static_cast<std::uint16_t>((body[2 * i] << 8) | body[2 * i + 1]);
        haveKey = true;
      } else {
        return Fail(error, "bad transparency");
      }
    } else if (is("IDAT")) {
      idat.insert(idat.end(), body.begin(), body.end());
    } else if (is("IEND")) {
      ended = true;
    } else if (!(type[0] & 0x20)) {
      return Fail(error, "unknown critical chunk");
    }
  }
  if (colourType == 3 && palette.empty()) return Fail(error, "palette missing");

  const int channels = colourType == 0 ? 1 : colourType == 2 ? 3 : colourType == 3 ? 1 : colourType == 4 ? 2 : 4;
  const std::size_t bitsPerPixel = static_cast<std::size_t>(channels) * static_cast<std::size_t>(depth);
  const std::size_t stride = (static_cast<std::size_t>(w) * bitsPerPixel + 7) / 8;
  const std::size_t bpp = std::max<std::size_t>(1, bitsPerPixel / 8);
  const std::size_t rawSize = (stride + 1) * h;
  auto raw = ZlibInflate(idat, rawSize);
  if (!raw || raw->size() != rawSize) return Fail(error, "image data does not inflate to its rows");

  std::vector<std::uint8_t> rows(stride * h);
  const std::vector<std::uint8_t> zeros(stride, 0);
  for (std::uint32_t y = 0; y < h; ++y) {
    const std::uint8_t type = (*raw)[y * (stride + 1)];
    if (type > 4) return Fail(error, "bad row filter");
    const std::uint8_t* in = &(*raw)[y * (stride + 1) + 1];
    std::uint8_t* cur = &rows[y * stride];
    const std::uint8_t* prev = y ? cur - stride : zeros.data();
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= bpp ? cur[i - bpp] : 0, up = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
      int pred = 0;
      switch (type) {
        case 1: pred = a; break;
        case 2: pred = up; break;
        case 3: pred = (a + up) / 2; break;
        case 4: pred = Paeth(a, up, c); break;
        default: break;
      }
      cur[i] = static_cast<std::uint8_t>(in[i] + pred);
    }
  }

  RgbaImage out = RgbaImage::Blank(static_cast<int>(w), static_cast<int>(h));
  // Sample `i` of a row (channel values, depth bits each), as 16 bits for
  // the key comparison and 8 bits for the picture.
  const auto sample = [&](const std::uint8_t* row, std::size_t i) -> std::uint16_t {
    if (depth == 16) return static_cast<std::uint16_t>((row[2 * i] << 8) | row[2 * i + 1]);
    if (depth == 8) return row[i];
    const std::size_t bit = i * static_cast<std::size_t>(depth);
    return static_cast<std::uint16_t>((row[bit / 8] >> (8 - depth - bit % 8)) & ((1 << depth) - 1));
  };
  const auto to8 = [&](std::uint16_t v) -> std::uint32_t {
    if (depth == 16) return v >> 8;
    if (depth == 8) return v;
    return v * 255u / ((1u << depth) - 1);
  };
  for (std::uint32_t y = 0; y < h; ++y) {
    const std::uint8_t* row = &rows[y * stride];
    for (std::uint32_t x = 0; x < w; ++x) {
      std::uint32_t c = 0;
      const std::size_t s = static_cast<std::size_t>(x) * static_cast<std::size_t>(channels);
      switch (colourType) {
        case 0: {
          const std::uint16_t g = sample(row, s);
          const std::uint32_t v = to8(g);
          c = ((haveKey && g == keyColour[0]) ? 0u : 0xFF000000u) | (v << 16) | (v << 8) | v;
          break;
        }
        case 2: {
          const std::uint16_t r = sample(row, s), g = sample(row, s + 1), bl = sample(row, s + 2);
          const bool key = haveKey && r == keyColour[0] && g == keyColour[1] && bl == keyColour[2];
          c = (key ? 0u : 0xFF000000u) | (to8(r) << 16) | (to8(g) << 8) | to8(bl);
          break;
        }
        case 3: {
          const std::uint16_t i = sample(row, s);
          if (i >= palette.size()) return Fail(error, "palette index out of range");
          c = palette[i];
          break;
        }
        case 4: {
          const std::uint32_t v = to8(sample(row, s));
          c = (to8(sample(row, s + 1)) << 24) | (v << 16) | (v << 8) | v;
          break;
        }
        default:
          c = (to8(sample(row, s + 3)) << 24) | (to8(sample(row, s)) << 16) | (to8(sample(row, s + 1)) << 8) |
              to8(sample(row, s + 2));
          break;
      }
      out.argb[out.Index(static_cast<int>(x), static_cast<int>(y))] = c;
    }
  }
  return out;
}

}  // namespace vex::iconbrowser
