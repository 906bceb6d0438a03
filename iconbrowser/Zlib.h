#pragma once
// zlib streams (RFC 1950/1951) for the PNG images inside icon files: a
// bounds-checked inflater for reading and a small LZ77 + fixed-Huffman
// deflater for writing.  Win32-free.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vex::iconbrowser {

// The bytes of a zlib stream, or nothing when the stream is damaged, its
// Adler-32 does not match, or it would inflate to more than `maxOutput` bytes.
std::optional<std::vector<std::uint8_t>> ZlibInflate(std::span<const std::uint8_t> stream, std::size_t maxOutput);

// A zlib stream holding `data`.
std::vector<std::uint8_t> ZlibDeflate(std::span<const std::uint8_t> data);

std::uint32_t Adler32(std::span<const std::uint8_t> data);

}  // namespace vex::iconbrowser
