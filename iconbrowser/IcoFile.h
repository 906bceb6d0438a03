#pragma once
// The .ico file layout: writing the one-image icons the browser saves, and
// reading any icon file back with its bounds checked.  Win32-free.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vex::iconbrowser {

// Bytes of one padded DIB row (rows are padded to a multiple of 4 bytes).
constexpr std::uint32_t DibStride(int width, int bitCount) {
  return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitCount) + 31) / 32) * 4;
}

// One icon image as device-independent bits: the colour image at its own
// depth (with its colour table when it has one) and the 1-bit AND mask, both
// bottom row first.  A set mask bit is a transparent pixel.
struct IconImageBits {
  int width = 0;
  int height = 0;
  int bitCount = 0;                       // 1, 4, 8, 16, 24 or 32
  std::vector<std::uint32_t> colourTable;  // RGBQUADs; only for depths up to 8
  std::vector<std::uint8_t> colourRows;   // height * DibStride(width, bitCount)
  std::vector<std::uint8_t> maskRows;     // height * DibStride(width, 1)
};

// A file of one image: the 22-byte header and directory entry, the bitmap
// information header with the height doubled, the colour table, the colour
// rows and the mask rows.  The directory entry is the standard one (colour
// count 0 from 8 bits per pixel up, planes 1, the colour depth), which every
// icon reader understands.  Returns nothing when the bits do not fit their
// sizes.
std::optional<std::vector<std::uint8_t>> EncodeSingleIcon(const IconImageBits& image);

// One image of an icon file, as the directory and the bitmap header give it.
struct IcoEntry {
  int width = 0;         // from the bitmap header
  int height = 0;        // the colour image's height (half the header's)
  int bitCount = 0;
  int dirWidth = 0;      // directory bytes 0 and 1 (0 stands for 256)
  int dirHeight = 0;
  int dirColourCount = 0;
  int dirReserved = 0;
  int dirPlanes = 0;
  int dirBitCount = 0;
  std::uint32_t offset = 0;  // of the bitmap header in the file
  std::uint32_t size = 0;
  std::uint32_t colourRowsAt = 0;
  std::uint32_t maskRowsAt = 0;
  bool png = false;      // a PNG image: width and height from its IHDR, no rows
};

struct IcoFileInfo {
  std::vector<IcoEntry> entries;
};

// Parses and checks an icon file: header, directory, each image's header and
// that every image's data lies inside the file and is as long as its header
// says.  A PNG-compressed image is taken with the size its IHDR gives (its
// data is not decoded here; DecodeIconImage does that).  On failure `error`
// says why.
std::optional<IcoFileInfo> ParseIco(const std::vector<std::uint8_t>& bytes, std::string* error = nullptr);

// The mask bit of pixel (x, y), y counted from the top: true is transparent.
bool IcoMaskBit(const std::vector<std::uint8_t>& bytes, const IcoEntry& e, int x, int y);

// Colour 0xRRGGBB of pixel (x, y), y from the top, for 24- and 32-bit images.
std::uint32_t IcoColour(const std::vector<std::uint8_t>& bytes, const IcoEntry& e, int x, int y);

}  // namespace vex::iconbrowser
