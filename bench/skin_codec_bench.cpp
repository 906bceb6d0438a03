// Decoding speed (processor time) of TLZH beside a plain decoder written straight from the
// format's steps (skin_codec_plain_decoder.h).  Decoding is on the start-up
// path.  Not a test: prints MB/s of decoded output and checks that both
// decoders give the same bytes.
//
//   skin_codec_bench [PACKAGE]   PACKAGE defaults to the build's sedge.skn
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "skin/data/LzhufEncoder.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TLZH.h"
#include "skin_codec_plain_decoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Text, skin-like bitmaps, noise and runs, in pieces of 16 KiB to 512 KiB.
Bytes MixedCorpus(std::size_t size) {
  std::mt19937 rng(2024);
  Bytes out;
  out.reserve(size + 600000);
  static const char* const kWords[] = {"[Buttons]", "LeftWidth", "=", "11", "\r\n", "sedge_", ".bmp", "Image",
                                       "void ", "return ", "if (", ") {", "}", "  ", "int ", "Frame"};
  while (out.size() < size) {
    const std::size_t piece = 16384u << (rng() % 6);
    const std::size_t end = out.size() + piece;
    switch (rng() % 5) {
      case 0:
      case 1:  // description- and source-like text
        while (out.size() < end) {
          const std::string w = kWords[rng() % 16];
          out.insert(out.end(), w.begin(), w.end());
          if (rng() % 7 == 0) out.push_back(static_cast<std::uint8_t>('0' + rng() % 10));
        }
        break;
      case 2: {  // a 24-bit image: gradients, flat bands, magenta corners
        const int w = 64 + static_cast<int>(rng() % 400);
        while (out.size() < end) {
          const int y = static_cast<int>(out.size() / 3 / w % 256);
          for (int x = 0; x < w && out.size() < end; ++x) {
            const bool key = x < 3 && y % 50 < 3;
            out.push_back(key ? 255 : static_cast<std::uint8_t>(158 + (x / 16) % 8));
            out.push_back(key ? 0 : static_cast<std::uint8_t>(195 - y / 32));
            out.push_back(key ? 255 : static_cast<std::uint8_t>(189 + (x * y) % 5));
          }
        }
        break;
      }
      case 3:  // noise (already compressed data)
        while (out.size() < end) out.push_back(static_cast<std::uint8_t>(rng()));
        break;
      default:  // runs
        while (out.size() < end) out.insert(out.end(), 1 + rng() % 300, static_cast<std::uint8_t>(rng() % 4));
        break;
    }
  }
  out.resize(size);
  return out;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

std::uint32_t SizeOf(const Bytes& package) {
  std::uint32_t s = 0;
  std::memcpy(&s, package.data(), 4);  // little-endian hosts only; fine for a benchmark
  return s;
}

Bytes DecodeFast(const Bytes& package) {
  return vex::skin::TLZH(std::span<const std::uint8_t>(package).subspan(4)).Decode(SizeOf(package));
}

Bytes DecodePlain(const Bytes& package) {
  vex::bench::PlainInStream in(package.data() + 4, package.size() - 4);
  vex::bench::PlainOutStream out;
  vex::bench::PlainLzhDecoder(in, out).Decode(SizeOf(package));
  return std::move(out.data);
}

// Processor time of the process: the build machine is shared, and wall
// time would measure the neighbours.
double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Best processor time of several runs, in seconds.
template <typename F>
double Best(F&& run, int rounds) {
  double best = 1e9;
  for (int i = 0; i < rounds; ++i) {
    const double t0 = CpuSeconds();
    run();
    best = std::min(best, CpuSeconds() - t0);
  }
  return std::max(best, 1e-6);
}

bool Measure(const char* label, const Bytes& package, int rounds) {
  const Bytes fast = DecodeFast(package);
  const Bytes plain = DecodePlain(package);
  const bool same = fast == plain;
  const double mb = SizeOf(package) / 1e6;
  const double tFast = Best([&] { (void)DecodeFast(package); }, rounds);
  const double tPlain = Best([&] { (void)DecodePlain(package); }, rounds);
  std::printf("%-28s %10u -> %10zu bytes  TLZH %7.1f MB/s  plain %7.1f MB/s  x%.2f  %s\n", label, SizeOf(package) ,
              package.size(), mb / tFast, mb / tPlain, tPlain / tFast, same ? "identical" : "OUTPUT DIFFERS");
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : VEXILO_BENCH_DEFAULT_PACKAGE;
  bool ok = true;
  const Bytes skin = ReadFile(path);
  if (skin.size() >= 4) {
    ok &= Measure("skin package", skin, 20);
  } else {
    std::printf("%-28s (no package at %s)\n", "skin package", path.c_str());
  }
  const Bytes corpus = MixedCorpus(10u << 20);
  const double t0 = CpuSeconds();
  const Bytes packed = vex::skin::CompressArchive(corpus);
  const double tEncode = CpuSeconds() - t0;
  std::printf("%-28s %10zu -> %10zu bytes  encoder %5.1f MB/s\n", "mixed corpus (encode)", corpus.size(), packed.size(),
              corpus.size() / 1e6 / tEncode);
  ok &= Measure("mixed corpus 10 MiB", packed, 3);
  ok &= DecodeFast(packed) == corpus;
  return ok ? 0 : 1;
}
