// libFuzzer target: the icon and PNG readers with hostile bytes.  Every
// image that decodes must have the size it claims, and re-encoding it must
// decode to the same pixels.  The same bytes as a program file: its icon
// resources read straight from it, every plain image laid into a strip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconCells.h"
#include "iconbrowser/IconImages.h"
#include "iconbrowser/PeIcons.h"
#include "iconbrowser/PngCodec.h"

using namespace vex::iconbrowser;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  for (const RgbaImage& im : ReadIcoImages(bytes))
    if (im.argb.size() != static_cast<std::size_t>(im.width) * static_cast<std::size_t>(im.height)) std::abort();
  ParseIco(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  ParseGroupIcon(bytes);
  if (const auto im = DecodeIconImage(bytes)) {
    const auto again = DecodePng(EncodePng(*im), kMaxIconSide);
    if (!again || again->argb != im->argb) std::abort();
  }
  const FileReader read = [bytes](std::uint64_t at, std::size_t n, std::uint8_t* into) {
    if (at > bytes.size() || n > bytes.size() - at) return false;
    if (n) std::memcpy(into, bytes.data() + at, n);
    return true;
  };
  if (const auto pe = ReadPeIcons(read)) {
    std::vector<std::span<const std::uint8_t>> plain;
    for (std::size_t k = 0; k < pe->GroupCount(); ++k) {
      for (const GroupIconEntry& e : ParseGroupIcon(pe->Group(k))) {
        const auto image = pe->Icon(e.id);
        if (IsPlainIconImage(image, e.width)) plain.push_back(image);
        if (plain.size() == 2) {
          const CellStripBits strip = MakeCellStripBits(plain, e.width);
          if (strip.colour.size() != std::size_t{2} * e.width * e.width * 4) std::abort();
          plain.clear();
        }
      }
    }
  }
  return 0;
}
