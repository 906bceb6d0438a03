#include "skin/data/LzhufTree.h"

#include <cstring>

namespace vex::skin::lzhuf {

void Tree::Start() {
  for (int i = 0; i < kSymbols; ++i) {
    freq[i] = 1;
    son[i] = static_cast<std::int16_t>(i + kNodes);
    prnt[i + kNodes] = static_cast<std::int16_t>(i);
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<std::int16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<std::int16_t>(j);
  }
  for (int i = kNodes; i < kNodes + 16; ++i) freq[i] = 0xFFFF;
  prnt[kRoot] = 0;
}

// Halves every leaf's count and rebuilds the inner nodes, so counts stay
// within 16 bits and old statistics fade.
void Tree::Rebuild() {
  int j = 0;
  for (int i = 0; i < kNodes; ++i) {
    if (son[i] >= kNodes) {
      freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  // Pair the nodes in order; each new node goes behind every node whose count
  // is equal or lower, which keeps the counts in non-decreasing order.
  for (int i = 0, n = kSymbols; n < kNodes; i += 2, ++n) {
    const unsigned f = static_cast<unsigned>(freq[i]) + freq[i + 1];
    int k = n - 1;
    while (f < freq[k]) --k;
    ++k;
    const std::size_t moved = static_cast<std::size_t>(n - k);
    std::memmove(&freq[k + 1], &freq[k], moved * sizeof freq[0]);
    std::memmove(&son[k + 1], &son[k], moved * sizeof son[0]);
    freq[k] = static_cast<std::uint16_t>(f);
    son[k] = static_cast<std::int16_t>(i);
  }
  for (int i = 0; i < kNodes; ++i) {
    const int k = son[i];
    prnt[k] = static_cast<std::int16_t>(i);
    if (k < kNodes) prnt[k + 1] = static_cast<std::int16_t>(i);
  }
}

}  // namespace vex::skin::lzhuf
