// skingen: draws the images of Vexilo's skins ("sedge", built in, and "heron").
//   skingen [--skin NAME] --out DIR [--ini FILE] [--preview PNG] [--order-file FILE] [--samples PNG]
// writes the images of the skin NAME (sedge when not given) as 24-bit BMPs
// into DIR, those the description FILE has scaled also drawn for 150% and
// 200% as NAME@150.bmp and NAME@200.bmp (members for 144 and 192 dpi),
// copies the description FILE beside them, renders the preview sheet and
// writes the package member order one name per line: the description, the
// images, those for 200%, those for 150% (a reader decodes the package only
// as far as the members it uses, so a window at 200%, whose pictures are the
// largest, never waits for the pictures for 150%).  --samples writes just the sample windows at twice their size,
// for a close look.
//   skingen --stream PKG OUT
// writes PKG with its 32-bit little-endian length in front, the way a form
// stores its skin.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bmp_write.h"
#include "skin/data/SkinScaling.h"
#include "png_write.h"
#include "preview.h"
#include "scaled_art.h"
#include "skins.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: skingen [--skin NAME] --out DIR [--ini FILE] [--preview PNG] [--order-file FILE]\n"
                       "               [--samples PNG]\n"
                       "       skingen --stream PKG OUT\n");
  return 2;
}

bool WritePreview(const std::string& path, const vex::art::Raster& sheet) {
  std::vector<std::uint32_t> rgb;
  rgb.reserve(static_cast<std::size_t>(sheet.Width()) * sheet.Height());
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x) {
      const vex::art::Rgba& p = sheet.At(x, y);
      rgb.push_back(static_cast<std::uint32_t>(p.r) << 16 | static_cast<std::uint32_t>(p.g) << 8 | p.b);
    }
  return vex::WritePng(path, sheet.Width(), sheet.Height(), rgb);
}

// The stored form of a package: a 32-bit little-endian length, then the bytes.
int WriteStream(const char* package, const char* out) {
  std::ifstream in(package, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    std::fprintf(stderr, "skingen: cannot read %s\n", package);
    return 1;
  }
  const std::uint32_t n = static_cast<std::uint32_t>(bytes.size());
  const char length[4] = {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
                          static_cast<char>(n >> 24)};
  std::ofstream f(out, std::ios::binary);
  if (!f.write(length, 4).write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    std::fprintf(stderr, "skingen: cannot write %s\n", out);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--stream") return WriteStream(argv[2], argv[3]);
  std::string skinName = "sedge", out, ini, preview, orderFile, samples;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    if (arg == "--skin") skinName = argv[++i];
    else if (arg == "--out") out = argv[++i];
    else if (arg == "--ini") ini = argv[++i];
    else if (arg == "--preview") preview = argv[++i];
    else if (arg == "--order-file") orderFile = argv[++i];
    else if (arg == "--samples") samples = argv[++i];
    else return Usage();
  }
  if (out.empty()) return Usage();
  const skinart::SkinArt* skin = skinart::FindSkin(skinName);
  if (!skin) {
    std::fprintf(stderr, "skingen: no skin named %s\n", skinName.c_str());
    return 2;
  }

  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(out, ec);
  const std::vector<skinart::SkinImage> images = skin->draw();
  std::string order;
  if (!ini.empty()) {
    const fs::path name = fs::path(ini).filename();
    fs::copy_file(ini, fs::path(out) / name, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      std::fprintf(stderr, "skingen: cannot copy %s: %s\n", ini.c_str(), ec.message().c_str());
      return 1;
    }
    order = name.string() + "\n";
  }
  for (const skinart::SkinImage& img : images) {
    if (!skinart::WriteBmp24((fs::path(out) / img.name).string(), img.pixels)) {
      std::fprintf(stderr, "skingen: cannot write %s in %s\n", img.name.c_str(), out.c_str());
      return 1;
    }
    order += img.name + "\n";
  }
  // The images the program scales, laid out again at each scale a package
  // may draw for (the description says which images and how they are cut).
  if (!ini.empty()) {
    std::ifstream in(ini, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
      std::fprintf(stderr, "skingen: cannot read %s\n", ini.c_str());
      return 1;
    }
    for (auto it = std::rbegin(vex::skin::scaling::kDrawnScales); it != std::rend(vex::skin::scaling::kDrawnScales);
         ++it) {
      const vex::skin::scaling::DrawnScale& scale = *it;
      const skinart::ScaledArt art = skinart::DrawForScale(*skin, text, scale.dpi);
      if (!art.error.empty()) {
        std::fprintf(stderr, "skingen: %s: %s\n", ini.c_str(), art.error.c_str());
        return 1;
      }
      for (const skinart::SkinImage& img : art.images) {
        const std::string name = vex::skin::scaling::DrawnMemberName(img.name, scale.percent);
        if (!skinart::WriteBmp24((fs::path(out) / name).string(), img.pixels)) {
          std::fprintf(stderr, "skingen: cannot write %s in %s\n", name.c_str(), out.c_str());
          return 1;
        }
        order += name + "\n";
      }
    }
  }
  if (!orderFile.empty()) {
    std::ofstream f(orderFile, std::ios::binary);
    if (!(f << order)) {
      std::fprintf(stderr, "skingen: cannot write %s\n", orderFile.c_str());
      return 1;
    }
  }
  if (!preview.empty() && !WritePreview(preview, skinart::RenderPreview(images, skin->samples(images)))) {
    std::fprintf(stderr, "skingen: cannot write %s\n", preview.c_str());
    return 1;
  }
  if (!samples.empty() && !WritePreview(samples, skinart::Enlarged(skin->samples(images), 2))) {
    std::fprintf(stderr, "skingen: cannot write %s\n", samples.c_str());
    return 1;
  }
  return 0;
}
