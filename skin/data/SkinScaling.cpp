#include "skin/data/SkinScaling.h"

#include <cstdint>
#include <algorithm>

namespace vex::skin::scaling {
namespace {

// One source pixel's share of one result pixel along an axis.  In units of
// 1/dst of a source pixel, result pixel d covers [d*src, (d+1)*src) and
// source pixel s covers [s*dst, (s+1)*dst); the overlap is the weight, and
// the weights of a result pixel add up to src.
struct Share {
  int source;
  std::int64_t weight;
};

std::vector<std::vector<Share>> Shares(int src, int dst) {
  std::vector<std::vector<Share>> out(static_cast<std::size_t>(dst));
  for (int d = 0; d < dst; ++d) {
    const std::int64_t from = static_cast<std::int64_t>(d) * src, to = from + src;
    for (int s = static_cast<int>(from / dst); s < src && static_cast<std::int64_t>(s) * dst < to; ++s) {
      const std::int64_t lo = std::max<std::int64_t>(from, static_cast<std::int64_t>(s) * dst);
      const std::int64_t hi = std::min<std::int64_t>(to, static_cast<std::int64_t>(s + 1) * dst);
      if (hi > lo) out[static_cast<std::size_t>(d)].push_back(Share{s, hi - lo});
    }
  }
  return out;
}

// What a result pixel gathers: the weight of key pixels it covers and the
// weighted colour sums of the others.  Linear, so the two axes are done one
// after the other (rows first), which gives the same sums as doing both at
// once for a fraction of the work.
struct Sums {
  std::int64_t key = 0, r = 0, g = 0, b = 0;
};

void ScaleCell(const Pixels& source, int sx, int sy, int sw, int sh, Pixels& dest, int dx, int dy, int dw, int dh) {
  const auto across = Shares(sw, dw), down = Shares(sh, dh);
  std::vector<Sums> rows(static_cast<std::size_t>(sh) * dw);
  for (int y = 0; y < sh; ++y) {
    for (int x = 0; x < dw; ++x) {
      Sums& s = rows[static_cast<std::size_t>(y) * dw + x];
      for (const Share& h : across[static_cast<std::size_t>(x)]) {
        const std::uint32_t p = source.At(sx + h.source, sy + y) & 0xFFFFFF;
        if (p == kKeyPixel) {
          s.key += h.weight;
          continue;
        }
        s.r += h.weight * ((p >> 16) & 0xFF);
        s.g += h.weight * ((p >> 8) & 0xFF);
        s.b += h.weight * (p & 0xFF);
      }
    }
  }
  const std::int64_t whole = static_cast<std::int64_t>(sw) * sh;
  for (int y = 0; y < dh; ++y) {
    for (int x = 0; x < dw; ++x) {
      Sums s;
      for (const Share& v : down[static_cast<std::size_t>(y)]) {
        const Sums& row = rows[static_cast<std::size_t>(v.source) * dw + x];
        s.key += v.weight * row.key;
        s.r += v.weight * row.r;
        s.g += v.weight * row.g;
        s.b += v.weight * row.b;
      }
      std::uint32_t out = kKeyPixel;
      if (s.key * 2 < whole) {
        const std::int64_t rest = whole - s.key;
        auto avg = [&](std::int64_t sum) { return static_cast<std::uint32_t>((sum + rest / 2) / rest); };
        out = (avg(s.r) << 16) | (avg(s.g) << 8) | avg(s.b);
        // A blend that lands on the key would turn see-through; nudge it.
        if (out == kKeyPixel) out = 0xFE00FF;
      }
      dest.data[static_cast<std::size_t>(dy + y) * dest.width + dx + x] = out;
    }
  }
}

}  // namespace

int Scale(int value, int num, int den) {
  if (den <= 0 || num < 0) return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * num;
  const std::int64_t half = den / 2;
  const std::int64_t q = product >= 0 ? (product + half) / den : -((-product + half) / den);
  return static_cast<int>(q);
}

bool CanCut(int width, int height, int cols, int rows) {
  return cols > 0 && rows > 0 && width >= cols && height >= rows;
}

Pixels ScaleCells(const Pixels& source, int cols, int rows, int num, int den) {
  Pixels out;
  if (!CanCut(source.width, source.height, cols, rows) || num <= 0 || den <= 0) return out;
  if (source.data.size() < static_cast<std::size_t>(source.width) * source.height) return out;
  const int sw = source.width / cols, sh = source.height / rows;
  const int dw = Scale(sw, num, den), dh = Scale(sh, num, den);
  if (dw <= 0 || dh <= 0) return out;
  out.width = dw * cols;
  out.height = dh * rows;
  out.data.assign(static_cast<std::size_t>(out.width) * out.height, kKeyPixel);
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col) ScaleCell(source, col * sw, row * sh, sw, sh, out, col * dw, row * dh, dw, dh);
  return out;
}

std::string DrawnMemberName(const std::string& member, int percent) {
  if (member.size() < 4) return {};
  std::string ext = member.substr(member.size() - 4);
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (ext != ".bmp") return {};
  return member.substr(0, member.size() - 4) + "@" + std::to_string(percent) + member.substr(member.size() - 4);
}

int DrawnDpiOf(const std::string& member) {
  for (const DrawnScale& s : kDrawnScales) {
    const std::string tail = "@" + std::to_string(s.percent) + ".bmp";
    if (member.size() <= tail.size()) continue;
    std::string end = member.substr(member.size() - tail.size());
    for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (end == tail) return s.dpi;
  }
  return 0;
}

int PickDrawnDpi(int dpi, const std::vector<int>& available) {
  if (dpi <= kBaseDpi) return 0;
  int larger = 0, largest = 0;
  for (int a : available) {
    if (a == dpi) return a;
    if (a > dpi && (larger == 0 || a < larger)) larger = a;
    if (a > largest) largest = a;
  }
  return larger ? larger : largest;
}

}  // namespace vex::skin::scaling
