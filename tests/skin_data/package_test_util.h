// Helpers that build archives and packages byte by byte, including broken
// ones a writer would never produce.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vex::skin::test {

using Bytes = std::vector<std::uint8_t>;

void PutInt32(Bytes& out, std::int64_t v);
Bytes ToBytes(const std::string& s);

// An archive with the given header words, raw name-list text and size table;
// `contents` follows.  Without `nameListLength` the text's length is used.
Bytes RawArchive(const std::string& nameList, const std::vector<std::int64_t>& sizes, const Bytes& contents,
                 std::int64_t version = 20000, std::optional<std::int64_t> nameListLength = {});

// S followed by the compressed archive.
Bytes Compress(const Bytes& archive);

// Deterministic pseudo-random bytes.
Bytes RandomBytes(std::uint32_t seed, std::size_t n);

}  // namespace vex::skin::test

namespace vex::skin::test {
// A bottom-up BI_RGB bitmap file of the given size and depth (pixels zero).
Bytes MakeBmp(int width, int height, int bitsPerPixel = 24);
}  // namespace vex::skin::test
