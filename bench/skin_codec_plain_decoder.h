// A plain LZHUF decoder written straight from the package format's steps,
// the yardstick for TLZH: one bit at a time through a 16-bit buffer, one
// byte at a time through stream objects, a 4096-byte ring addressed modulo
// its size, the model updated with a linear search.  Kept simple on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vex::bench {

class PlainInStream {
 public:
  PlainInStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  virtual ~PlainInStream() = default;
  // Delivers at most the bytes that remain.
  virtual std::size_t Read(void* dest, std::size_t count) {
    std::size_t n = 0;
    auto* d = static_cast<std::uint8_t*>(dest);
    while (n < count && pos_ < size_) d[n++] = data_[pos_++];
    return n;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class PlainOutStream {
 public:
  virtual ~PlainOutStream() = default;
  virtual void Write(const void* src, std::size_t count) {
    const auto* s = static_cast<const std::uint8_t*>(src);
    data.insert(data.end(), s, s + count);
  }
  std::vector<std::uint8_t> data;
};

class PlainLzhDecoder {
 public:
  PlainLzhDecoder(PlainInStream& in, PlainOutStream& out) : in_(in), out_(out) {}

  void Decode(std::uint32_t size) {
    StartHuff();
    for (int i = 0; i < N - F; ++i) ring_[i] = ' ';
    for (int i = N - F; i < N; ++i) ring_[i] = 0;
    int r = N - F;
    std::uint32_t count = 0;
    while (count < size) {
      const int c = DecodeChar();
      if (c < 256) {
        Emit(static_cast<std::uint8_t>(c), r);
        ++count;
      } else {
        const int from = r - DecodePosition() - 1;
        const int length = c - 253;
        for (int k = 0; k < length; ++k) {
          Emit(ring_[(from + k) & (N - 1)], r);
          ++count;
        }
      }
    }
  }

 private:
  static constexpr int N = 4096, F = 60, NCHAR = 314, T = 627, R = 626;
  static constexpr unsigned MAXFREQ = 0x8000;

  void Emit(std::uint8_t b, int& r) {
    out_.Write(&b, 1);
    ring_[r] = b;
    r = (r + 1) & (N - 1);
  }

  int NextInputByte() {
    std::uint8_t b = 0;
    if (in_.Read(&b, 1) != 1) b = 0;
    return b;
  }

  int GetBit() {
    while (bitCount_ <= 8) {
      bitBuf_ = static_cast<std::uint16_t>(bitBuf_ | (NextInputByte() << (8 - bitCount_)));
      bitCount_ = static_cast<std::uint8_t>(bitCount_ + 8);
    }
    const int bit = (bitBuf_ >> 15) & 1;
    bitBuf_ = static_cast<std::uint16_t>(bitBuf_ << 1);
    --bitCount_;
    return bit;
  }

  void StartHuff() {
    for (int i = 0; i < NCHAR; ++i) {
      freq_[i] = 1;
      son_[i] = static_cast<std::int16_t>(i + T);
      prnt_[i + T] = static_cast<std::int16_t>(i);
    }
    for (int i = 0, j = NCHAR; j <= R; i += 2, ++j) {
      freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
      son_[j] = static_cast<std::int16_t>(i);
      prnt_[i] = prnt_[i + 1] = static_cast<std::int16_t>(j);
    }
    freq_[T] = 0xFFFF;
    prnt_[R] = 0;
  }

  void Rebuild() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son_[i] >= T) {
        freq_[j] = static_cast<std::uint16_t>((freq_[i] + 1) / 2);
        son_[j] = son_[i];
        ++j;
      }
    }
    for (int i = 0, n = NCHAR; n < T; i += 2, ++n) {
      const unsigned f = static_cast<unsigned>(freq_[i]) + freq_[i + 1];
      int k = n - 1;
      while (f < freq_[k]) --k;
      ++k;
      for (int m = n; m > k; --m) {
        freq_[m] = freq_[m - 1];
        son_[m] = son_[m - 1];
      }
      freq_[k] = static_cast<std::uint16_t>(f);
      son_[k] = static_cast<std::int16_t>(i);
    }
    for (int i = 0; i < T; ++i) {
      const int k = son_[i];
      prnt_[k] = static_cast<std::int16_t>(i);
      if (k < T) prnt_[k + 1] = static_cast<std::int16_t>(i);
    }
  }

  void Update(int c) {
    if (freq_[R] == MAXFREQ) Rebuild();
    c = prnt_[c + T];
    do {
      const unsigned k = ++freq_[c];
      int l = c + 1;
      if (k > freq_[l]) {
        while (k > freq_[l + 1]) ++l;
        freq_[c] = freq_[l];
        freq_[l] = static_cast<std::uint16_t>(k);
        const int i = son_[c];
        prnt_[i] = static_cast<std::int16_t>(l);
        if (i < T) prnt_[i + 1] = static_cast<std::int16_t>(l);
        const int j = son_[l];
        son_[l] = static_cast<std::int16_t>(i);
        prnt_[j] = static_cast<std::int16_t>(c);
        if (j < T) prnt_[j + 1] = static_cast<std::int16_t>(c);
        son_[c] = static_cast<std::int16_t>(j);
        c = l;
      }
      c = prnt_[c];
    } while (c != 0);
  }

  int DecodeChar() {
    int c = son_[R];
    while (c < T) c = son_[c + GetBit()];
    c -= T;
    Update(c);
    return c;
  }

  int DecodePosition() {
    int b = 0;
    for (int i = 0; i < 8; ++i) b = (b << 1) | GetBit();
    int high;
    int length;
    if (b < 0x20) {
      high = 0;
      length = 3;
    } else if (b < 0x50) {
      high = 1 + (b - 0x20) / 16;
      length = 4;
    } else if (b < 0x90) {
      high = 4 + (b - 0x50) / 8;
      length = 5;
    } else if (b < 0xC0) {
      high = 12 + (b - 0x90) / 4;
      length = 6;
    } else if (b < 0xF0) {
      high = 24 + (b - 0xC0) / 2;
      length = 7;
    } else {
      high = 48 + (b - 0xF0);
      length = 8;
    }
    for (int i = 0; i < length - 2; ++i) b = (b << 1) | GetBit();
    return (high << 6) | (b & 0x3F);
  }

  PlainInStream& in_;
  PlainOutStream& out_;
  std::uint16_t bitBuf_ = 0;
  std::uint8_t bitCount_ = 0;
  std::uint8_t ring_[N];
  std::uint16_t freq_[T + 1];
  std::int16_t prnt_[T + NCHAR];
  std::int16_t son_[T];
};

}  // namespace vex::bench
