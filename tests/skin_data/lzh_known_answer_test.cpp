// Decoder outputs worked out by hand from the algorithm.
//
// The starting tree pairs nodes 0-1, 2-3, ... in order, so from the root the
// all-zero path is 624, 620, 612, 596, 564, 500, 372, 116: eight 0 bits give
// leaf 116, the literal 't'.  Counting it raises leaf 116 above its
// neighbours, and it swaps places with the last count-1 node, 313, which
// holds symbol 313, the longest match (60 bytes).  So the same eight 0 bits
// then decode a 60-byte match.  All-ones takes nine bits to leaf 115 ('s');
// 1000 1100 leads to leaf 256, the 3-byte match.  Positions use a fixed code:
// 000 + 6 bits for 0..63, 0010 + 6 bits for 64..127.
#include <gtest/gtest.h>

#include <string>

#include "package_test_util.h"
#include "skin/data/TLZH.h"

namespace vex::skin {
namespace {

using test::Bytes;

std::string Decode(const Bytes& stream, std::uint32_t size) {
  const Bytes out = TLZH(stream).Decode(size);
  return std::string(out.begin(), out.end());
}

TEST(LzhKnownAnswer, EightZeroBitsAreTheLiteralT) {
  EXPECT_EQ(Decode({0x00}, 1), "t");
}

TEST(LzhKnownAnswer, NineOneBitsAreTheLiteralS) {
  EXPECT_EQ(Decode({0xFF, 0x80}, 1), "s");
}

TEST(LzhKnownAnswer, ShortestMatchAtPositionZeroCopiesTheSpacesBeforeTheStart) {
  // 1000 1100, then position 0 as 000 000000.
  EXPECT_EQ(Decode({0x8C, 0x00, 0x00}, 3), "   ");
}

TEST(LzhKnownAnswer, MissingInputReadsAsZeroBits) {
  // 't', then the 60-byte match at position 0 repeats it: no input at all.
  EXPECT_EQ(Decode({}, 61), std::string(61, 't'));
}

TEST(LzhKnownAnswer, MatchUnderWayAtTheEndIsCompleted) {
  EXPECT_EQ(Decode({}, 10), std::string(61, 't'));
  EXPECT_EQ(Decode({}, 60), std::string(61, 't'));
  // Counting symbol 313 at node 116 swaps it with node 312 (symbol 312), so
  // the next eight 0 bits are a 59-byte match.
  EXPECT_EQ(Decode({}, 62).size(), 120u);
}

TEST(LzhKnownAnswer, PositionOneAlternatesSpaceAndPreviousByte) {
  // 't', 60-byte match, position 000 000001: copies ring[r-2], ring[r-1], ...
  std::string expected = "t";
  for (int i = 0; i < 30; ++i) expected += " t";
  EXPECT_EQ(Decode({0x00, 0x00, 0x00, 0x80}, 61), expected);
}

TEST(LzhKnownAnswer, FourBitPositionCodeReachesBackIntoTheSpaces) {
  // 't', 60-byte match, position 64 as 0010 000000: all from the preset spaces.
  EXPECT_EQ(Decode({0x00, 0x00, 0x20, 0x00}, 61), "t" + std::string(60, ' '));
}

TEST(LzhKnownAnswer, ZeroSizeProducesNothing) {
  EXPECT_EQ(Decode({0x12, 0x34}, 0), "");
}

}  // namespace
}  // namespace vex::skin
