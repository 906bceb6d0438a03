// LZHUF decompression of skin packages (LZSS over a 4096-byte ring with an
// adaptive Huffman code for literals and match lengths and a fixed code for
// the upper bits of match positions).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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
  // asked for past its end read as zero.  The decoder reads `input` until it
  // is done: it must outlive every call.
  explicit TLZH(std::span<const std::uint8_t> input);
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // Decodes until `size` bytes are out.  A match still being copied when
  // `size` is reached is completed, so the result may be up to 59 bytes
  // longer than `size`.  The caller bounds `size`: the result is allocated
  // up front.  Throws ElzhException when that memory cannot be had.
  std::vector<std::uint8_t> Decode(std::uint32_t size);

  // The same in steps, for a reader that wants only the front of an
  // archive: Begin sets aside room for `size` bytes (throws ElzhException
  // when it cannot be had), DecodeTo decodes on until at least `upTo` of
  // them (at most `size`) are out.  What is out stays where it is.
  void Begin(std::uint32_t size);
  void DecodeTo(std::size_t upTo);
  // The bytes decoded so far (an empty span before Begin).
  std::span<const std::uint8_t> Output() const;

  // Input bytes consumed so far, counting bytes asked for past the end.
  std::size_t BytesRead() const { return read_; }

 private:
  struct State;
  std::span<const std::uint8_t> input_;
  std::unique_ptr<State> state_;
  std::size_t read_ = 0;
};

}  // namespace vex::skin
