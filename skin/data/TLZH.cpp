#include "skin/data/TLZH.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "skin/data/LzhufTree.h"

namespace vex::skin {
namespace {

using namespace lzhuf;

// Bits come highest first.  The reader keeps up to 64 of them in `bits`,
// the next bit in the top position; input beyond the end reads as zeros,
// exactly like a byte-at-a-time reader that returns 0 past the end.
class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> in) : p_(in.data()), end_(in.data() + in.size()) {}

  // Makes at least 57 bits available.
  void Refill() {
    if (end_ - p_ >= 8) {
      std::uint64_t w = 0;
      for (int i = 0; i < 8; ++i) w = (w << 8) | p_[i];
      bits_ |= w >> count_;
      const int taken = (63 - count_) >> 3;
      p_ += taken;
      count_ |= 56;
      consumed_ += static_cast<std::size_t>(taken);
    } else {
      while (count_ <= 56) {
        const std::uint64_t b = p_ < end_ ? *p_++ : 0;
        bits_ |= b << (56 - count_);
        count_ += 8;
        ++consumed_;
      }
    }
  }

  std::uint64_t Peek() const { return bits_; }
  int Count() const { return count_; }
  void Skip(int n) {
    bits_ <<= n;
    count_ -= n;
  }
  // Bytes taken from the stream, including zero bytes past its end, minus
  // whole bytes still waiting in the buffer.
  std::size_t BytesConsumed() const { return consumed_ - static_cast<std::size_t>(count_ >> 3); }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* end_;
  std::uint64_t bits_ = 0;
  int count_ = 0;
  std::size_t consumed_ = 0;
};

// Slack behind the output: a completed match may run up to kMaxMatch - 1
// bytes past the requested size, and the copy loop writes 8 bytes at a time.
constexpr std::size_t kSlack = kMaxMatch + 8;

}  // namespace

// The output doubles as the ring: it starts with kRing bytes of history laid
// out so that a match's source is simply `out - position - 1`.  Flat index
// f < kRing stands for ring position (f - 60) mod 4096: positions 0..4035
// are spaces, 4036..4095 (never written before use in a valid stream) are
// zeros.  Nothing behind the history is cleared first: a match never reads
// past what has been written.
struct TLZH::State {
  explicit State(std::span<const std::uint8_t> input) : in(input) {}
  Tree tree;
  BitReader in;
  std::unique_ptr<std::uint8_t[]> buf;
  std::uint8_t* out = nullptr;
  std::uint8_t* end = nullptr;
};

TLZH::TLZH(std::span<const std::uint8_t> input) : input_(input) {}
TLZH::~TLZH() = default;

void TLZH::Begin(std::uint32_t size) {
  state_.reset();
  read_ = 0;
  try {
    auto state = std::make_unique<State>(input_);
    state->buf.reset(new std::uint8_t[kRing + static_cast<std::size_t>(size) + kSlack]);
    state_ = std::move(state);
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  std::uint8_t* const base = state_->buf.get();
  std::memset(base, 0, kRing - kRingFill);
  std::memset(base + (kRing - kRingFill), ' ', kRingFill);
  state_->tree.Start();
  state_->out = base + kRing;
  state_->end = state_->out + size;
}

std::span<const std::uint8_t> TLZH::Output() const {
  if (!state_) return {};
  const std::uint8_t* start = state_->buf.get() + kRing;
  return {start, static_cast<std::size_t>(state_->out - start)};
}

void TLZH::DecodeTo(std::size_t upTo) {
  if (!state_) return;
  State& s = *state_;
  std::uint8_t* const stop = s.buf.get() + kRing + std::min(upTo, static_cast<std::size_t>(s.end - s.buf.get() - kRing));
  Tree& tree = s.tree;
  BitReader& in = s.in;
  const std::int16_t* const son = tree.son;
  std::uint8_t* out = s.out;

  while (out < stop) {
    if (in.Count() < 32) in.Refill();
    // The tree is never deeper than about 23 levels (counts are capped at
    // 0x8000), so 32 bits always suffice for one symbol.
    std::uint64_t bits = in.Peek();
    int used = 0;
    int c = son[kRoot];
    while (c < kNodes) {
      c = son[c + static_cast<int>(bits >> 63)];
      bits <<= 1;
      ++used;
    }
    in.Skip(used < in.Count() ? used : in.Count());
    c -= kNodes;
    tree.Update(c);

    if (c < 256) {
      *out++ = static_cast<std::uint8_t>(c);
      continue;
    }
    const int length = c - (255 - kThreshold);
    if (in.Count() < 16) in.Refill();
    const unsigned first = static_cast<unsigned>(in.Peek() >> 56);
    const int codeLength = kPositionCode.length[first];
    const unsigned window = static_cast<unsigned>(in.Peek() >> (64 - 6 - codeLength));
    in.Skip(codeLength + 6);
    const std::size_t distance = ((static_cast<std::size_t>(kPositionCode.high[first]) << 6) | (window & 63)) + 1;

    const std::uint8_t* src = out - distance;
    if (distance >= 8) {
      for (int k = 0; k < length; k += 8) std::memcpy(out + k, src + k, 8);
    } else {
      for (int k = 0; k < length; ++k) out[k] = src[k];
    }
    out += length;
  }
  s.out = out;
  read_ = in.BytesConsumed();
}

std::vector<std::uint8_t> TLZH::Decode(std::uint32_t size) {
  Begin(size);
  DecodeTo(size);
  const std::span<const std::uint8_t> out = Output();
  try {
    return {out.begin(), out.end()};
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
}

}  // namespace vex::skin
