#pragma once
// The images of an icon at all its sizes: decoding each stored image (a DIB
// with its AND mask, or a PNG) into RGBA, reading every image of an .ico
// file or of an icon group in a program's resources, and writing a
// multi-size .ico file.  Every read is bounds-checked; an image that does
// not decode is left out.  Win32-free.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "iconbrowser/RgbaImage.h"

namespace vex::iconbrowser {

// Largest side an icon image may have when read (Windows' own limit is 256;
// a little room for odd files, none for a lying header's 2^31).
constexpr int kMaxIconSide = 512;

// One stored icon image, as an .ico file or an RT_ICON resource holds it.
// A 32-bit DIB whose alpha is all zero and every DIB of fewer bits take their
// transparency from the AND mask; other 32-bit DIBs from their alpha.
std::optional<RgbaImage> DecodeIconImage(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

// Every image of an .ico file that decodes, in file order; empty when the
// directory itself is damaged.
std::vector<RgbaImage> ReadIcoImages(std::span<const std::uint8_t> file);

// The directory of an RT_GROUP_ICON resource: the resource ids of its images.
struct GroupIconEntry {
  int width = 0;  // 256 for a stored 0
  int height = 0;
  int bitCount = 0;
  std::uint16_t id = 0;
};
std::vector<GroupIconEntry> ParseGroupIcon(std::span<const std::uint8_t> resource);

// The image nearest `size` from above (the smallest at least that large),
// or the largest when none is; -1 for an empty list.
int ChooseSourceImage(const std::vector<RgbaImage>& images, int size);
// That image scaled to size x size; empty for an empty list.
RgbaImage ImageAtSize(const std::vector<RgbaImage>& images, int size);

// An image to write: 32-bit BGRA with an AND mask, or PNG.  `mask` (1 =
// transparent, one byte per pixel, rows from the top) may be empty: then a
// pixel is masked where its alpha is below one half.
struct IconFrame {
  RgbaImage image;
  std::vector<std::uint8_t> mask;
  bool png = false;
};

// A multi-image .ico file; nothing when a frame is empty, larger than 256,
// or its mask does not fit.
std::optional<std::vector<std::uint8_t>> EncodeIcon(const std::vector<IconFrame>& frames);

}  // namespace vex::iconbrowser
