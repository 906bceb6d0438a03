// libFuzzer target: the icon and PNG readers with hostile bytes.  Every
// image that decodes must have the size it claims, and re-encoding it must
// decode to the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconImages.h"
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
  return 0;
}
