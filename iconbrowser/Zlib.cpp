#include "iconbrowser/Zlib.h"

#include <algorithm>
#include <array>

namespace vex::iconbrowser {
namespace {

// Base lengths and extra bits of length codes 257..285 and distance codes 0..29.
constexpr std::array<std::uint16_t, 29> kLenBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLenExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistBase{1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                                  33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                                  1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                  6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> in) : in_(in) {}
  // False once the input has run out; every caller checks `ok` before using a value.
  std::uint32_t Bits(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) {
      if (pos_ >= in_.size() * 8) {
        ok = false;
        return 0;
      }
      v |= static_cast<std::uint32_t>((in_[pos_ / 8] >> (pos_ % 8)) & 1) << i;
      ++pos_;
    }
    return v;
  }
  void AlignToByte() { pos_ = (pos_ + 7) / 8 * 8; }
  std::size_t BytePos() const { return pos_ / 8; }
  void SkipBytes(std::size_t n) { pos_ += n * 8; }
  std::span<const std::uint8_t> Input() const { return in_; }
  bool ok = true;

 private:
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
};

// Canonical Huffman decoding table built from code lengths (puff's scheme).
struct Huffman {
  std::array<std::uint16_t, 16> count{};
  std::vector<std::uint16_t> symbol;

  // False for an over-subscribed set of lengths; incomplete sets are allowed
  // (a single distance code is legal) and fail only when an unused code is read.
  bool Build(const std::uint8_t* lengths, int n) {
    count.fill(0);
    for (int i = 0; i < n; ++i) ++count[lengths[i]];
    int left = 1;
    for (int len = 1; len < 16; ++len) {
      left = left * 2 - count[len];
      if (left < 0) return false;
    }
    std::array<std::uint16_t, 16> offs{};
    for (int len = 1; len < 15; ++len) offs[len + 1] = static_cast<std::uint16_t>(offs[len] + count[len]);
    symbol.assign(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i)
      if (lengths[i]) symbol[offs[lengths[i]]++] = static_cast<std::uint16_t>(i);
    return true;
  }

  int Decode(BitReader& br) const {
    int code = 0, first = 0, index = 0;
    for (int len = 1; len < 16; ++len) {
      code |= static_cast<int>(br.Bits(1));
      if (!br.ok) return -1;
      const int c = count[len];
      if (code - c < first) return symbol[static_cast<std::size_t>(index + (code - first))];
      index += c;
      first = (first + c) << 1;
      code <<= 1;
    }
    return -1;
  }
};

bool InflateCodes(BitReader& br, const Huffman& lit, const Huffman& dist, std::vector<std::uint8_t>& out,
                  std::size_t maxOutput) {
  for (;;) {
    const int sym = lit.Decode(br);
    if (sym < 0) return false;
    if (sym < 256) {
      if (out.size() >= maxOutput) return false;
      out.push_back(static_cast<std::uint8_t>(sym));
    } else if (sym == 256) {
      return true;
    } else {
      const int li = sym - 257;
      if (li >= 29) return false;
      const std::size_t len = kLenBase[static_cast<std::size_t>(li)] + br.Bits(kLenExtra[static_cast<std::size_t>(li)]);
      const int ds = dist.Decode(br);
      if (ds < 0 || ds >= 30) return false;
      const std::size_t d = kDistBase[static_cast<std::size_t>(ds)] + br.Bits(kDistExtra[static_cast<std::size_t>(ds)]);
      if (!br.ok || d > out.size() || out.size() + len > maxOutput) return false;
      const std::size_t from = out.size() - d;
      for (std::size_t i = 0; i < len; ++i) out.push_back(out[from + i]);
    }
  }
}

bool FixedTables(Huffman& lit, Huffman& dist) {
  std::array<std::uint8_t, 288> l{};
  for (int i = 0; i < 288; ++i) l[static_cast<std::size_t>(i)] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
  std::array<std::uint8_t, 30> d{};
  d.fill(5);
  return lit.Build(l.data(), 288) && dist.Build(d.data(), 30);
}

bool DynamicTables(BitReader& br, Huffman& lit, Huffman& dist) {
  const int nlen = static_cast<int>(br.Bits(5)) + 257;
  const int ndist = static_cast<int>(br.Bits(5)) + 1;
  const int ncode = static_cast<int>(br.Bits(4)) + 4;
  if (!br.ok || nlen > 286 || ndist > 30) return false;
  static constexpr std::array<std::uint8_t, 19> kOrder{16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  std::array<std::uint8_t, 320> lengths{};
  for (int i = 0; i < ncode; ++i) lengths[kOrder[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(br.Bits(3));
  Huffman lencode;
  if (!br.ok || !lencode.Build(lengths.data(), 19)) return false;
  int index = 0;
  while (index < nlen + ndist) {
    const int sym = lencode.Decode(br);
    if (sym < 0) return false;
    if (sym < 16) {
      lengths[static_cast<std::size_t>(index++)] = static_cast<std::uint8_t>(sym);
      continue;
    }
    std::uint8_t value = 0;
    int repeat = 0;
    if (sym == 16) {
      if (index == 0) return false;
      value = lengths[static_cast<std::size_t>(index - 1)];
      repeat = 3 + static_cast<int>(br.Bits(2));
    } else if (sym == 17) {
      repeat = 3 + static_cast<int>(br.Bits(3));
    } else {
      repeat = 11 + static_cast<int>(br.Bits(7));
    }
    if (!br.ok || index + repeat > nlen + ndist) return false;
    while (repeat--) lengths[static_cast<std::size_t>(index++)] = value;
  }
  if (lengths[256] == 0) return false;  // no end-of-block code
  return lit.Build(lengths.data(), nlen) && dist.Build(lengths.data() + nlen, ndist);
}

// Bits written least significant first, as deflate packs them.
class BitWriter {
 public:
  void Bits(std::uint32_t v, int n) {
    acc_ |= v << fill_;
    fill_ += n;
    while (fill_ >= 8) {
      out.push_back(static_cast<std::uint8_t>(acc_));
      acc_ >>= 8;
      fill_ -= 8;
    }
  }
  // A Huffman code goes out most significant bit first.
  void Code(std::uint32_t code, int len) {
    std::uint32_t rev = 0;
    for (int i = 0; i < len; ++i) rev |= ((code >> i) & 1) << (len - 1 - i);
    Bits(rev, len);
  }
  void Flush() {
    if (fill_ > 0) out.push_back(static_cast<std::uint8_t>(acc_));
    acc_ = 0;
    fill_ = 0;
  }
  std::vector<std::uint8_t> out;

 private:
  std::uint32_t acc_ = 0;
  int fill_ = 0;
};

void FixedLiteral(BitWriter& w, int sym) {
  if (sym < 144) w.Code(static_cast<std::uint32_t>(0x30 + sym), 8);
  else if (sym < 256) w.Code(static_cast<std::uint32_t>(0x190 + sym - 144), 9);
  else if (sym < 280) w.Code(static_cast<std::uint32_t>(sym - 256), 7);
  else w.Code(static_cast<std::uint32_t>(0xC0 + sym - 280), 8);
}

void FixedMatch(BitWriter& w, std::size_t len, std::size_t dist) {
  int li = 28;
  while (kLenBase[static_cast<std::size_t>(li)] > len) --li;
  FixedLiteral(w, 257 + li);
  w.Bits(static_cast<std::uint32_t>(len - kLenBase[static_cast<std::size_t>(li)]), kLenExtra[static_cast<std::size_t>(li)]);
  int di = 29;
  while (kDistBase[static_cast<std::size_t>(di)] > dist) --di;
  w.Code(static_cast<std::uint32_t>(di), 5);
  w.Bits(static_cast<std::uint32_t>(dist - kDistBase[static_cast<std::size_t>(di)]), kDistExtra[static_cast<std::size_t>(di)]);
}

}  // namespace

std::uint32_t Adler32(std::span<const std::uint8_t> data) {
  std::uint32_t a = 1, b = 0;
  std::size_t i = 0;
  while (i < data.size()) {
    // 5552 bytes keep the sums below 2^32 between reductions.
    const std::size_t end = std::min(data.size(), i + 5552);
    for (; i < end; ++i) {
      a += data[i];
      b += a;
    }
    a %= 65521;
    b %= 65521;
  }
  return (b << 16) | a;
}

std::optional<std::vector<std::uint8_t>> ZlibInflate(std::span<const std::uint8_t> in, std::size_t maxOutput) {
  if (in.size() < 6) return std::nullopt;
  const unsigned cmf = in[0], flg = in[1];
  if ((cmf & 0x0F) != 8 || (cmf >> 4) > 7 || ((cmf << 8) | flg) % 31 != 0 || (flg & 0x20)) return std::nullopt;
  BitReader br(in.subspan(2, in.size() - 6));
  std::vector<std::uint8_t> out;
  bool last = false;
  while (!last) {
    last = br.Bits(1) != 0;
    const std::uint32_t type = br.Bits(2);
    if (!br.ok) return std::nullopt;
    if (type == 0) {
      br.AlignToByte();
      const std::size_t at = br.BytePos();
      const auto input = br.Input();
      if (at + 4 > input.size()) return std::nullopt;
      const unsigned len = input[at] | (input[at + 1] << 8);
      const unsigned nlen = input[at + 2] | (input[at + 3] << 8);
      if ((len ^ 0xFFFF) != nlen || at + 4 + len > input.size() || out.size() + len > maxOutput) return std::nullopt;
      out.insert(out.end(), input.begin() + static_cast<std::ptrdiff_t>(at + 4),
                 input.begin() + static_cast<std::ptrdiff_t>(at + 4 + len));
      br.SkipBytes(4 + len);
    } else if (type == 1 || type == 2) {
      Huffman lit, dist;
      if (type == 1 ? !FixedTables(lit, dist) : !DynamicTables(br, lit, dist)) return std::nullopt;
      if (!InflateCodes(br, lit, dist, out, maxOutput)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  const std::size_t tail = in.size() - 4;
  const std::uint32_t want = (std::uint32_t{in[tail]} << 24) | (std::uint32_t{in[tail + 1]} << 16) |
                             (std::uint32_t{in[tail + 2]} << 8) | in[tail + 3];
  if (Adler32(out) != want) return std::nullopt;
  return out;
}

std::vector<std::uint8_t> ZlibDeflate(std::span<const std::uint8_t> data) {
  BitWriter w;
  w.out = {0x78, 0x01};
  w.Bits(1, 1);  // one final block
  w.Bits(1, 2);  // fixed Huffman codes
  // Greedy LZ77 over a 32 KiB window with hash chains on 3-byte prefixes.
  // A short chain and an early stop on a long enough match: icons compress
  // almost as well, at a fraction of the time.
  constexpr std::size_t kWindow = 32768, kMaxChain = 16, kGoodEnough = 64;
  constexpr int kHashBits = 15;
  std::vector<std::int32_t> head(std::size_t{1} << kHashBits, -1);
  std::vector<std::int32_t> prev(data.size(), -1);
  const auto hash = [&](std::size_t i) {
    return ((std::uint32_t{data[i]} << 10) ^ (std::uint32_t{data[i + 1]} << 5) ^ data[i + 2]) & ((1u << kHashBits) - 1);
  };
  const auto insert = [&](std::size_t i) {
    if (i + 2 >= data.size()) return;
    const auto h = hash(i);
    prev[i] = head[h];
    head[h] = static_cast<std::int32_t>(i);
  };
  std::size_t i = 0;
  while (i < data.size()) {
    std::size_t bestLen = 0, bestDist = 0;
    if (i + 2 < data.size()) {
      const std::size_t maxLen = std::min<std::size_t>(258, data.size() - i);
      std::int32_t cand = head[hash(i)];
      for (std::size_t chain = 0; cand >= 0 && chain < kMaxChain; ++chain, cand = prev[static_cast<std::size_t>(cand)]) {
        const auto c = static_cast<std::size_t>(cand);
        if (i - c > kWindow) break;
        std::size_t len = 0;
        while (len < maxLen && data[c + len] == data[i + len]) ++len;
        if (len > bestLen) {
          bestLen = len;
          bestDist = i - c;
          if (len >= std::min(maxLen, kGoodEnough)) break;
        }
      }
    }
    if (bestLen >= 3) {
      FixedMatch(w, bestLen, bestDist);
      for (std::size_t k = 0; k < bestLen; ++k) insert(i + k);
      i += bestLen;
    } else {
      FixedLiteral(w, data[i]);
      insert(i);
      ++i;
    }
  }
  FixedLiteral(w, 256);
  w.Flush();
  const std::uint32_t adler = Adler32(data);
  for (int s = 24; s >= 0; s -= 8) w.out.push_back(static_cast<std::uint8_t>(adler >> s));
  return std::move(w.out);
}

}  // namespace vex::iconbrowser
