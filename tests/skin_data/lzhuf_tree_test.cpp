// The adaptive model: the counts must stay a valid Huffman tree in sibling
// order whatever the symbol sequence, and rebuilding must pair nodes in the
// order that decoders of other implementations use.
#include <gtest/gtest.h>

#include <random>

#include "skin/data/LzhufTree.h"

namespace vex::skin::lzhuf {
namespace {

void ExpectConsistent(const Tree& t) {
  int leaves = 0;
  for (int n = 0; n < kNodes; ++n) {
    if (n + 1 < kNodes) {
      ASSERT_LE(t.freq[n], t.freq[n + 1]) << "order broken at node " << n;
    }
    const int s = t.son[n];
    if (s >= kNodes) {
      ++leaves;
      ASSERT_EQ(t.prnt[s], n);
    } else {
      ASSERT_EQ(t.freq[n], t.freq[s] + t.freq[s + 1]) << "node " << n;
      ASSERT_EQ(t.prnt[s], n);
      ASSERT_EQ(t.prnt[s + 1], n);
      ASSERT_EQ(s % 2, 0);
    }
  }
  EXPECT_EQ(leaves, kSymbols);
  EXPECT_EQ(t.freq[kNodes], 0xFFFF);
  EXPECT_LE(t.freq[kRoot], kMaxFreq);
}

TEST(LzhufTree, StartPairsNodesInOrder) {
  Tree t;
  t.Start();
  ExpectConsistent(t);
  EXPECT_EQ(t.son[314], 0);
  EXPECT_EQ(t.son[470], 312);
  EXPECT_EQ(t.son[471], 314);
  EXPECT_EQ(t.son[kRoot], 624);
  EXPECT_EQ(t.freq[kRoot], kSymbols);
}

TEST(LzhufTree, FirstCountSwapsTheLeafWithTheLastEqualNode) {
  Tree t;
  t.Start();
  t.Update('t');
  EXPECT_EQ(t.son[116], 313 + kNodes);
  EXPECT_EQ(t.son[313], 't' + kNodes);
  EXPECT_EQ(t.freq[313], 2);
  ExpectConsistent(t);
}

TEST(LzhufTree, RebuildOfEqualCountsKeepsCreationOrder) {
  // Ties go behind the equal nodes: with every leaf at 1 the rebuilt tree is
  // the starting tree, apart from the leaves' symbols.
  Tree start;
  start.Start();
  Tree t;
  t.Start();
  t.Update('t');
  t.Rebuild();
  for (int n = 0; n < kNodes; ++n) {
    EXPECT_EQ(t.freq[n], start.freq[n]) << n;
    if (n != 116 && n != 313) {
      EXPECT_EQ(t.son[n], start.son[n]) << n;
    }
  }
  EXPECT_EQ(t.son[116], 313 + kNodes);
}

TEST(LzhufTree, RebuildHalvesRoundingUpAndInsertsBehindLowerCounts) {
  Tree t;
  t.Start();
  // Leaves 0..312 count 3, leaf 313 counts 401: halved to 2 and 201.
  for (int n = 0; n < kSymbols; ++n) t.freq[n] = 3;
  t.freq[313] = 401;
  t.Rebuild();
  EXPECT_EQ(t.freq[0], 2);
  // Each new pair of 4 goes in front of the 201 leaf, pushing it along: the
  // first pair lands at 313; after 156 pairs, (312, 313) pairs the last
  // 2-leaf with the first pair (6) and lands at 469, then (314, 315) = 8.
  EXPECT_EQ(t.son[313], 0);
  EXPECT_EQ(t.freq[313], 4);
  EXPECT_EQ(t.son[469], 312);
  EXPECT_EQ(t.freq[469], 6);
  EXPECT_EQ(t.son[470], 314);
  EXPECT_EQ(t.freq[470], 8);
  ExpectConsistent(t);
}

TEST(LzhufTree, StaysConsistentThroughManyRebuilds) {
  Tree t;
  t.Start();
  std::mt19937 rng(7);
  int rebuilds = 0;
  for (int i = 0; i < 200000; ++i) {
    // Skewed: a few symbols dominate, as in real data.
    const int c = (rng() % 4 == 0) ? static_cast<int>(rng() % kSymbols) : static_cast<int>(rng() % 8);
    if (t.freq[kRoot] >= kMaxFreq) ++rebuilds;
    t.Update(c);
    if (i % 9973 == 0) ExpectConsistent(t);
  }
  ExpectConsistent(t);
  EXPECT_GT(rebuilds, 3);
}

}  // namespace
}  // namespace vex::skin::lzhuf
