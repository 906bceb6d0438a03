// LZHUF decompression of skin packages (LZSS over a 4096-byte ring with an
// adaptive Huffman code for literals and match lengths and a fixed code for
// the upper bits of match positions).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace vex::skin {

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TLZH {
 public:
  // `input` is the bit stream (a package without its 4-byte size).  Bytes
  // asked for past its end read as zero.
  explicit TLZH(std::span<const std::uint8_t> input) : input_(input) {}

  // Decodes until `size` bytes are out.  A match still being copied when
  // `size` is reached is completed, so the result may be up to 59 bytes
  // longer than `size`.  The caller bounds `size`: the result is allocated
  // up front.  Throws ElzhException when that memory cannot be had.
  std::vector<std::uint8_t> Decode(std::uint32_t size);

  // Input bytes consumed so far, counting bytes asked for past the end.
  std::size_t BytesRead() const { return read_; }

 private:
  std::span<const std::uint8_t> input_;
  std::size_t read_ = 0;
};

}  // namespace vex::skin
