// Encoder output decodes to the original, across window wrap-around, model
// rebuilds and the edges of the lookahead.
#include <gtest/gtest.h>

#include <string>

#include "package_test_util.h"
#include "skin/data/LzhufEncoder.h"
#include "skin/data/TLZH.h"

namespace vex::skin {
namespace {

using test::Bytes;

void ExpectRoundTrip(const Bytes& data) {
  const Bytes stream = LzhufEncode(data);
  const Bytes back = TLZH(stream).Decode(static_cast<std::uint32_t>(data.size()));
  ASSERT_EQ(back.size(), data.size());
  EXPECT_TRUE(back == data);
}

// Text-like data with repeats near and far, runs and noise.
Bytes Mixed(std::uint32_t seed, std::size_t n) {
  const Bytes noise = test::RandomBytes(seed, n);
  static const char* const kWords[] = {"skin", " ", "frame", "\r\n", "Button", "=", "0", "189 195 158", "bmp"};
  Bytes out;
  std::size_t i = 0;
  while (out.size() < n) {
    const std::uint8_t r = noise[i++ % n];
    if (r < 120) {
      const std::string w = kWords[r % 9];
      out.insert(out.end(), w.begin(), w.end());
    } else if (r < 160 && out.size() > 300) {
      const std::size_t back = 1 + noise[(i * 7) % n] * 16u % (out.size() - 1);
      const std::size_t len = 3 + r % 80;
      for (std::size_t k = 0; k < len; ++k) out.push_back(out[out.size() - back]);
    } else if (r < 170) {
      out.insert(out.end(), r % 200 + 1, static_cast<std::uint8_t>(r));
    } else {
      out.push_back(noise[(i * 13) % n]);
    }
  }
  out.resize(n);
  return out;
}

TEST(LzhRoundTrip, SizesAroundTheMatchAndWindowLimits) {
  for (const std::size_t n : {0u, 1u, 2u, 3u, 59u, 60u, 61u, 4035u, 4036u, 4095u, 4096u, 4097u, 8193u}) {
    SCOPED_TRACE(n);
    ExpectRoundTrip(test::RandomBytes(static_cast<std::uint32_t>(n), n));
    ExpectRoundTrip(Mixed(static_cast<std::uint32_t>(n), n));
    ExpectRoundTrip(Bytes(n, ' '));
    ExpectRoundTrip(Bytes(n, 0));
  }
}

TEST(LzhRoundTrip, LargeInputsCrossManyRebuilds) {
  ExpectRoundTrip(Mixed(1, 700000));
  ExpectRoundTrip(test::RandomBytes(2, 200000));
}

TEST(LzhRoundTrip, RepeatsAtEveryDistanceOfTheWindow) {
  Bytes data = test::RandomBytes(3, 4096);
  for (std::size_t d : {1u, 2u, 7u, 8u, 9u, 63u, 64u, 65u, 4000u, 4095u, 4096u}) {
    for (int k = 0; k < 100; ++k) data.push_back(data[data.size() - d]);
  }
  ExpectRoundTrip(data);
}

TEST(LzhRoundTrip, CompressesRepetitiveDataLikeClassicLzhuf) {
  // Runs cost a 60-byte match per ~10-12 bits; text roughly halves.
  EXPECT_LT(LzhufEncode(Bytes(600000, 0)).size(), 600000u / 35);
  const Bytes text = Mixed(4, 300000);
  EXPECT_LT(LzhufEncode(text).size(), text.size() / 2);
  // Noise may grow a little, never much.
  EXPECT_LT(LzhufEncode(test::RandomBytes(5, 100000)).size(), 100000u * 9 / 8 + 16);
}

}  // namespace
}  // namespace vex::skin
