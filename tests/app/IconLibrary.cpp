#include "IconLibrary.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "iconbrowser/PngCodec.h"

namespace vex::app::test {
namespace {

#pragma pack(push, 2)
struct GroupHeader {
  WORD reserved, type, count;
};
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

// An icon image as a resource holds it: the header (height doubled for the
// mask), 32-bit colour rows bottom-up, then an all-opaque mask.  Masked: no
// alpha at all, and a mask that makes the rim's left and bottom edges and
// every third pixel of the rest transparent.
std::vector<std::uint8_t> IconImage(std::uint32_t rgb, int side = 32, bool masked = false) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = side;
  h.biHeight = side * 2;
  h.biPlanes = 1;
  h.biBitCount = 32;
  std::vector<std::uint8_t> bytes(sizeof h);
  std::memcpy(bytes.data(), &h, sizeof h);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const bool rim = x < 2 || y < 2 || x >= side - 2 || y >= side - 2;
      const std::uint32_t c = rim ? 0x202020 : rgb;
      bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                                 static_cast<std::uint8_t>(c >> 16), masked ? std::uint8_t{0} : std::uint8_t{0xFF}});
    }
  const std::size_t stride = static_cast<std::size_t>((side + 31) / 32 * 4), maskAt = bytes.size();
  bytes.insert(bytes.end(), stride * static_cast<std::size_t>(side), 0);
  for (int y = 0; masked && y < side; ++y)
    for (int x = 0; x < side; ++x)
      if (x < 2 || y < 2 || (x + y) % 3 == 0) bytes[maskAt + y * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
  return bytes;
}

std::uint32_t Hue(int i, int count) {
  const int h = i * 1536 / (count > 0 ? count : 1);
  const int up = h % 256, down = 255 - up;
  switch (h / 256) {
    case 0: return 0xFF0000 | up << 8;
    case 1: return down << 16 | 0xFF00;
    case 2: return 0xFF00 | up;
    case 3: return down << 8 | 0xFF;
    case 4: return up << 16 | 0xFF;
    default: return 0xFF0000 | down;
  }
}

}  // namespace

bool WriteIconLibrary(const std::string& from, const std::string& path, int count, bool masked, int side) {
  if (!CopyFileA(from.c_str(), path.c_str(), FALSE)) return false;
  HANDLE update = BeginUpdateResourceA(path.c_str(), TRUE);
  if (!update) return false;
  bool ok = true;
  for (int i = 0; i < count && ok; ++i) {
    std::vector<std::uint8_t> image = IconImage(Hue(i, count), side, masked);
    const WORD id = static_cast<WORD>(i + 1);
    ok = UpdateResourceA(update, RT_ICON, MAKEINTRESOURCEA(id), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                         image.data(), static_cast<DWORD>(image.size()));
    struct {
      GroupHeader header;
      GroupEntry entry;
    } group{{0, 1, 1}, {static_cast<BYTE>(side), static_cast<BYTE>(side), 0, 0, 1, 32, static_cast<DWORD>(image.size()), id}};
    ok = ok && UpdateResourceA(update, RT_GROUP_ICON, MAKEINTRESOURCEA(id), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                               &group, sizeof group);
  }
  return EndUpdateResourceA(update, !ok) && ok;
}

}  // namespace vex::app::test

namespace vex::app::test {

bool WriteSizedIconLibrary(const std::string& from, const std::string& path, const std::vector<SizedImage>& images) {
  if (!CopyFileA(from.c_str(), path.c_str(), FALSE)) return false;
  HANDLE update = BeginUpdateResourceA(path.c_str(), TRUE);
  if (!update) return false;
  bool ok = true;
  std::vector<std::uint8_t> group(sizeof(GroupHeader));
  const GroupHeader header{0, 1, static_cast<WORD>(images.size())};
  std::memcpy(group.data(), &header, sizeof header);
  for (std::size_t i = 0; i < images.size() && ok; ++i) {
    const int side = images[i].side;
    std::vector<std::uint8_t> image;
    if (side >= 256) {
      vex::iconbrowser::RgbaImage im = vex::iconbrowser::RgbaImage::Blank(side, side);
      for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
          const bool rim = x < 2 || y < 2 || x >= side - 2 || y >= side - 2;
          im.argb[im.Index(x, y)] = 0xFF000000u | (rim ? 0x202020u : images[i].rgb);
        }
      image = vex::iconbrowser::EncodePng(im);
    } else {
      image = IconImage(images[i].rgb, side);
    }
    const WORD id = static_cast<WORD>(i + 1);
    ok = UpdateResourceA(update, RT_ICON, MAKEINTRESOURCEA(id), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), image.data(),
                         static_cast<DWORD>(image.size()));
    const GroupEntry entry{static_cast<BYTE>(side & 0xFF), static_cast<BYTE>(side & 0xFF), 0, 0, 1, 32,
                           static_cast<DWORD>(image.size()), id};
    const auto* p = reinterpret_cast<const std::uint8_t*>(&entry);
    group.insert(group.end(), p, p + sizeof entry);
  }
  ok = ok && UpdateResourceA(update, RT_GROUP_ICON, MAKEINTRESOURCEA(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                             group.data(), static_cast<DWORD>(group.size()));
  return EndUpdateResourceA(update, !ok) && ok;
}

}  // namespace vex::app::test
