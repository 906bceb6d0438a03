#pragma once
// PNG images as icon files hold them (the 256-pixel image of modern icons):
// writing 8-bit RGBA, and reading what icons may carry, checked at every
// step.  Win32-free.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "iconbrowser/RgbaImage.h"

namespace vex::iconbrowser {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool HasPngSignature(std::span<const std::uint8_t> bytes);

// An 8-bit RGBA PNG of the image, deflate-compressed; empty for an empty image.
std::vector<std::uint8_t> EncodePng(const RgbaImage& image);

// Width and height from the IHDR chunk, without decoding.
std::optional<std::pair<int, int>> PngSize(std::span<const std::uint8_t> bytes);

// Decodes grey, grey + alpha, RGB, RGBA (8 and 16 bits) and palette images
// (1 to 8 bits, with tRNS transparency), not interlaced.  Refuses, with a
// reason in `error`, anything damaged: bad signature or chunk CRC, sizes of 0
// or above `maxSide`, a stream that does not inflate to exactly the rows.
std::optional<RgbaImage> DecodePng(std::span<const std::uint8_t> bytes, int maxSide = 1024, std::string* error = nullptr);

}  // namespace vex::iconbrowser
