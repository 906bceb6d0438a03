// The adaptive Huffman model shared by the LZHUF decoder (TLZH) and encoder.
//
// 314 symbols: 256 literal bytes and 58 match lengths (3..60).  The tree is
// kept in "sibling order": node frequencies never decrease with the node
// index, so after each increment one swap with the last node of the run of
// lower-frequency nodes restores the order.  Encoder and decoder must update
// the model identically, symbol by symbol, or the streams drift apart; hence
// one implementation for both.
#pragma once

#include <cstdint>

#if defined(__SSE2__) && defined(__GNUC__)
#include <emmintrin.h>
#define VEX_LZHUF_SSE2 1
#endif

namespace vex::skin::lzhuf {

inline constexpr int kRing = 4096;               // N: ring buffer size
inline constexpr int kMaxMatch = 60;             // F: longest match
inline constexpr int kThreshold = 2;             // matches are longer than this
inline constexpr int kSymbols = 256 - kThreshold + kMaxMatch;  // 314
inline constexpr int kNodes = 2 * kSymbols - 1;  // T = 627
inline constexpr int kRoot = kNodes - 1;         // R = 626
inline constexpr unsigned kMaxFreq = 0x8000;     // rebuild when the root reaches this
inline constexpr int kRingFill = kRing - kMaxMatch;  // 4036: ring positions preset to spaces

// The fixed code of the upper 6 bits of a match position, indexed by the first
// byte of the code: the upper bits and the code length in bits.
struct PositionCode {
  std::uint8_t high[256];
  std::uint8_t length[256];
};

constexpr PositionCode MakePositionCode() {
  PositionCode t{};
  // (first byte value, count of upper values, bytes per value, code length)
  constexpr int groups[6][4] = {{0x00, 1, 32, 3},  {0x20, 3, 16, 4}, {0x50, 8, 8, 5},
                                {0x90, 12, 4, 6}, {0xC0, 24, 2, 7}, {0xF0, 16, 1, 8}};
  int high = 0;
  for (const auto& g : groups) {
    int b = g[0];
    for (int v = 0; v < g[1]; ++v, ++high) {
      for (int k = 0; k < g[2]; ++k, ++b) {
        t.high[b] = static_cast<std::uint8_t>(high);
        t.length[b] = static_cast<std::uint8_t>(g[3]);
      }
    }
  }
  return t;
}
inline constexpr PositionCode kPositionCode = MakePositionCode();

struct Tree {
  // freq[kNodes] is a sentinel above every real frequency; the padding after
  // it lets the vector scan in Update read 16 entries at a time without
  // leaving the array.
  std::uint16_t freq[kNodes + 16];
  // prnt[0..kNodes) holds the parent of each node, prnt[kNodes + s] the leaf
  // node of symbol s.
  std::int16_t prnt[kNodes + kSymbols];
  // son[n] is the first of node n's two children (the second is son[n] + 1),
  // or kNodes + symbol for a leaf.
  std::int16_t son[kNodes];

  void Start();
  void Rebuild();

  // Counts one more occurrence of symbol c.
  inline void Update(int c);

 private:
  // The last node after `from` whose frequency is still below k.
  inline int LastBelow(int from, unsigned k) const;
};

inline int Tree::LastBelow(int from, unsigned k) const {
  int l = from + 1;
#ifdef VEX_LZHUF_SSE2
  const __m128i kv = _mm_set1_epi16(static_cast<short>(k));
  const __m128i zero = _mm_setzero_si128();
  for (;;) {
    // Saturating k - f is zero exactly where f >= k (unsigned compare).
    const __m128i f0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq[l]));
    const __m128i f1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq[l + 8]));
    const unsigned s0 = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(kv, f0), zero)));
    const unsigned s1 = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(kv, f1), zero)));
    const unsigned stop = s0 | (s1 << 16);
    if (stop != 0) return l + (__builtin_ctz(stop) >> 1) - 1;
    l += 16;
  }
#else
  while (k > freq[l]) ++l;
  return l - 1;
#endif
}

inline void Tree::Update(int c) {
  if (freq[kRoot] >= kMaxFreq) Rebuild();
  c = prnt[c + kNodes];
  do {
    const unsigned k = ++freq[c];
    if (k > freq[c + 1]) {
      const int l = LastBelow(c + 1, k);
      freq[c] = freq[l];
      freq[l] = static_cast<std::uint16_t>(k);
      // A leaf's "second child" index is the leaf itself: writing it twice
      // saves a hard-to-predict branch.
      const int i = son[c];
      prnt[i] = static_cast<std::int16_t>(l);
      prnt[i + (i < kNodes)] = static_cast<std::int16_t>(l);
      const int j = son[l];
      son[l] = static_cast<std::int16_t>(i);
      prnt[j] = static_cast<std::int16_t>(c);
      prnt[j + (j < kNodes)] = static_cast<std::int16_t>(c);
      son[c] = static_cast<std::int16_t>(j);
      c = l;
    }
    c = prnt[c];
  } while (c != 0);
}

}  // namespace vex::skin::lzhuf
