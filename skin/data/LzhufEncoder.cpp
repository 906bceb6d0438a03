#include "skin/data/LzhufEncoder.h"

#include <memory>

#include "skin/data/LzhufTree.h"

namespace vex::skin {
namespace {

using namespace lzhuf;

constexpr int kNil = kRing;  // "no node" in the search trees

class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  // Appends the low `n` bits of `code`, highest first (n <= 56).
  void Put(std::uint64_t code, int n) {
    acc_ = (acc_ << n) | (code & ((std::uint64_t{1} << n) - 1));
    count_ += n;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<std::uint8_t>(acc_ >> count_));
    }
  }
  void Flush() {
    if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - count_)));
    count_ = 0;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint64_t acc_ = 0;
  int count_ = 0;
};

// The inverse of kPositionCode: code and length for each upper-6-bit value.
struct PositionEncoding {
  std::uint8_t code[64];
  std::uint8_t length[64];
};
constexpr PositionEncoding MakePositionEncoding() {
  PositionEncoding e{};
  for (int b = 255; b >= 0; --b) {  // ends on the first byte of each value's range
    const int high = kPositionCode.high[b];
    e.length[high] = kPositionCode.length[b];
    e.code[high] = static_cast<std::uint8_t>(b >> (8 - kPositionCode.length[b]));
  }
  return e;
}
constexpr PositionEncoding kPositionEncoding = MakePositionEncoding();

// Window text and search trees: one binary tree per first byte, rooted at
// rson[kRing + 1 + byte]; node r is the string starting at ring position r.
struct MatchFinder {
  std::uint8_t text[kRing + kMaxMatch - 1];  // the first F-1 bytes mirrored at the end
  int lson[kRing + 1];
  int rson[kRing + 257];
  int dad[kRing + 1];
  int matchPosition = 0;
  int matchLength = 0;

  void Init() {
    for (int i = kRing + 1; i <= kRing + 256; ++i) rson[i] = kNil;
    for (int i = 0; i < kRing; ++i) dad[i] = kNil;
  }

  void Insert(int r) {
    const std::uint8_t* key = &text[r];
    int p = kRing + 1 + key[0];
    int cmp = 1;
    rson[r] = lson[r] = kNil;
    matchLength = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson[p] == kNil) {
          rson[p] = r;
          dad[r] = p;
          return;
        }
        p = rson[p];
      } else {
        if (lson[p] == kNil) {
          lson[p] = r;
          dad[r] = p;
          return;
        }
        p = lson[p];
      }
      int i = 1;
      for (; i < kMaxMatch; ++i) {
        cmp = key[i] - text[p + i];
        if (cmp != 0) break;
      }
      if (i > kThreshold) {
        const int position = ((r - p) & (kRing - 1)) - 1;
        if (i > matchLength) {
          matchPosition = position;
          matchLength = i;
          if (i >= kMaxMatch) break;
        } else if (i == matchLength && position < matchPosition) {
          matchPosition = position;
        }
      }
    }
    // A full-length match: r replaces p in the tree (p is older and farther).
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = r;
    dad[rson[p]] = r;
    if (rson[dad[p]] == p) {
      rson[dad[p]] = r;
    } else {
      lson[dad[p]] = r;
    }
    dad[p] = kNil;
  }

  void Remove(int p) {
    if (dad[p] == kNil) return;
    int q;
    if (rson[p] == kNil) {
      q = lson[p];
    } else if (lson[p] == kNil) {
      q = rson[p];
    } else {
      q = lson[p];
      if (rson[q] != kNil) {
        do {
          q = rson[q];
        } while (rson[q] != kNil);
        rson[dad[q]] = lson[q];
        dad[lson[q]] = dad[q];
        lson[q] = lson[p];
        dad[lson[p]] = q;
      }
      rson[q] = rson[p];
      dad[rson[p]] = q;
    }
    dad[q] = dad[p];
    if (rson[dad[p]] == p) {
      rson[dad[p]] = q;
    } else {
      lson[dad[p]] = q;
    }
    dad[p] = kNil;
  }
};

class Encoder {
 public:
  explicit Encoder(std::vector<std::uint8_t>& out) : bits_(out) { tree_.Start(); }

  void Symbol(int c) {
    // Walk from the leaf to the root; a node's bit is its index's parity
    // (siblings sit at son[parent] and son[parent] + 1, and son entries of
    // inner nodes are always even).  The depth stays near 25, well within one Put.
    std::uint64_t code = 0;
    int length = 0;
    for (int k = tree_.prnt[c + kNodes]; k != kRoot; k = tree_.prnt[k]) {
      code |= static_cast<std::uint64_t>(k & 1) << length;
      ++length;
    }
    bits_.Put(code, length);
    tree_.Update(c);
  }

  void Position(int position) {
    const int high = position >> 6;
    bits_.Put(kPositionEncoding.code[high], kPositionEncoding.length[high]);
    bits_.Put(static_cast<std::uint64_t>(position & 63), 6);
  }

  void Finish() { bits_.Flush(); }

 private:
  BitWriter bits_;
  Tree tree_;
};

}  // namespace

std::vector<std::uint8_t> LzhufEncode(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out;
  out.reserve(data.size() / 2 + 16);
  if (data.empty()) return out;

  auto finder = std::make_unique<MatchFinder>();
  auto encoder = std::make_unique<Encoder>(out);
  MatchFinder& m = *finder;
  m.Init();

  std::size_t next = 0;  // next input byte to enter the window
  int s = 0;
  int r = kRingFill;
  for (int i = 0; i < r; ++i) m.text[i] = ' ';
  int len = 0;
  for (; len < kMaxMatch && next < data.size(); ++len) m.text[r + len] = data[next++];
  // The spaces before the first byte are matchable history, as in the decoder.
  for (int i = 1; i <= kMaxMatch; ++i) m.Insert(r - i);
  m.Insert(r);

  do {
    if (m.matchLength > len) m.matchLength = len;
    int advance;
    if (m.matchLength <= kThreshold) {
      advance = 1;
      encoder->Symbol(m.text[r]);
    } else {
      advance = m.matchLength;
      encoder->Symbol(255 - kThreshold + m.matchLength);
      encoder->Position(m.matchPosition);
    }
    int i = 0;
    for (; i < advance && next < data.size(); ++i) {
      m.Remove(s);
      const std::uint8_t c = data[next++];
      m.text[s] = c;
      if (s < kMaxMatch - 1) m.text[s + kRing] = c;
      s = (s + 1) & (kRing - 1);
      r = (r + 1) & (kRing - 1);
      m.Insert(r);
    }
    for (; i < advance; ++i) {
      m.Remove(s);
      s = (s + 1) & (kRing - 1);
      r = (r + 1) & (kRing - 1);
      if (--len > 0) m.Insert(r);
    }
  } while (len > 0);
  encoder->Finish();
  return out;
}

}  // namespace vex::skin
