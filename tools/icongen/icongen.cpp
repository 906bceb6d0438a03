// icongen: draws the program's icons in code, so no picture is downloaded.
//   icongen app OUT.ico        the application icon (16 to 256 pixels)
//   icongen folder OUT.ico     Folder.ico, the icon browser's folder picture (16 to 256 pixels)
//   icongen gallery DIR        the shipped icons, one .ico per picture, into DIR (16 to 256 pixels)
//   icongen sheet OUT.png      a contact sheet of all of them, enlarged, to look at
//   icongen browser-header OUT.h   the icon browser's window icon as a C++ byte array
#include <cstdio>
#include <fstream>
#include <string>

#include "app_icon.h"
#include "contact_sheet.h"
#include "gallery.h"
#include "ico_write.h"

namespace {

using namespace vex::art;

// Every size the shell draws icons at, each drawn at its own size; 32 first,
// the size a reader without a size of its own takes.
constexpr int kSizes[] = {32, 16, 20, 24, 40, 48, 64, 96, 128, 256};

bool WriteAllSizes(const std::string& path, Picture draw) {
  std::vector<Raster> images;
  for (int size : kSizes) images.push_back(Render(draw, size));
  if (WriteIco(path, images)) return true;
  std::fprintf(stderr, "icongen: cannot write %s\n", path.c_str());
  return false;
}

bool WriteHeader(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path);
  out << "#pragma once\n// Drawn by icongen browser-header; do not edit.\n#include <cstdint>\n\n"
         "inline constexpr std::uint8_t kBrowserIconIco[] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) out << (i % 16 ? " " : "\n    ") << static_cast<int>(bytes[i]) << ",";
  out << "\n};\n";
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "app" && argc == 3) {
    // 32 and 16 are the hand-drawn pixels as ever; the rest drawn at their size.
    const Raster big = DrawAppIcon();
    std::vector<Raster> images{big, big.Scaled(16, 16)};
    for (int size : {20, 24, 40, 48, 64, 256}) images.push_back(Render(DrawAppIconShape, size));
    if (!WriteIco(argv[2], images)) {
      std::fprintf(stderr, "icongen: cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  }
  if (cmd == "folder" && argc == 3) return WriteAllSizes(argv[2], DrawFolder) ? 0 : 1;
  if (cmd == "gallery" && argc == 3) {
    std::string dir = argv[2];
    if (!dir.empty() && dir.back() != '/') dir += '/';
    for (const auto& pic : GalleryPictures())
      if (!WriteAllSizes(dir + pic.file, pic.draw)) return 1;
    return 0;
  }
  if (cmd == "browser-header" && argc == 3)
    return WriteHeader(argv[2], EncodeIco({Render(DrawBrowserIcon, 32), Render(DrawBrowserIcon, 16),
                                           Render(DrawBrowserIcon, 24), Render(DrawBrowserIcon, 48),
                                           Render(DrawBrowserIcon, 64)})) ? 0 : 1;
  if (cmd == "sheet" && argc == 3) return WriteContactSheet(argv[2]) ? 0 : 1;
  std::fprintf(stderr, "usage: icongen app|folder OUT.ico | gallery DIR | sheet OUT.png | browser-header OUT.h\n");
  return 2;
}
