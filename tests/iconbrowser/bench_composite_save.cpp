// Benchmark, not a test: composing and saving one composite at every size
// (reading the source's images, composing ten images, encoding with the
// 256-pixel image as PNG, saving whole through a temporary file) beside the
// old single 32-pixel save, and prints milliseconds per composite for each
// step.  The source is a library whose icon holds every size up to 256.
//   wine bench_composite_save.exe [ROUNDS]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "iconbrowser/AtomicSave.h"
#include "iconbrowser/CompositeSet.h"
#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconFiles.h"
#include "iconbrowser/IconGdi.h"
#include "iconbrowser/IconSourceImages.h"

using namespace vex::iconbrowser;

namespace {

using Clock = std::chrono::steady_clock;

std::string ProgramFolder() {
  char path[MAX_PATH];
  std::string p(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  p.erase(p.find_last_of('\\'));
  return p.substr(0, p.find_last_of('\\') + 1);  // tests\ sits beside vexilo.exe
}

template <class F>
double MsPer(int rounds, F&& f) {
  f();  // warm-up
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) f();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / rounds;
}

void WriteWhole(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  const std::string program = ProgramFolder();
  const std::string source = program + "tests\\fixtures\\icons3.dll";
  HICON folderIcon = static_cast<HICON>(LoadImageA(nullptr, (program + "Folder.ico").c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
  HICON listed = ExtractIconAt(source, 0);
  if (!folderIcon || !listed) {
    std::fprintf(stderr, "bench_composite_save: Folder.ico or %s missing (build the tests first)\n", source.c_str());
    return 1;
  }
  HICON small = CopyIcon(listed);  // the image list's scaling is not part of either save
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "vexbench-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  const auto folderImages = ReadSourceImages(program + "Folder.ico", 0);
  int counter = 0;

  const double old32 = MsPer(rounds, [&] {
    HICON c = ComposeFolderIcon(small, folderIcon, 16);
    const auto bits = ReadIconImageBits(c);
    const auto bytes = EncodeSingleIcon(*bits);
    WriteWhole(dir + "old" + std::to_string(++counter) + ".ico", *bytes);
    DestroyIcon(c);
  });

  std::vector<RgbaImage> sourceImages;
  const double read = MsPer(rounds, [&] { sourceImages = ReadSourceImages(source, 0); });
  HICON legacyIcon = ComposeFolderIcon(small, folderIcon, 16);
  const auto legacy = ReadIconPixels(legacyIcon);
  std::vector<CompositeImage> set;
  const double compose = MsPer(rounds, [&] { set = ComposeCompositeSet(folderImages, sourceImages, 16, &*legacy); });
  std::vector<std::uint8_t> bytes;
  const double encode = MsPer(rounds, [&] { bytes = *EncodeCompositeSet(set); });
  const double save = MsPer(rounds, [&] {
    const std::string name = dir + "new" + std::to_string(++counter) + ".ico";
    SaveNewFile(dir, bytes, name, [&] { return name + "_2"; });
  });
  const double whole = MsPer(rounds, [&] {
    HICON c = ComposeFolderIcon(small, folderIcon, 16);
    const auto l = ReadIconPixels(c);
    const auto images = ReadSourceImages(source, 0);
    const auto s = ComposeCompositeSet(folderImages, images, 16, &*l);
    const auto b = EncodeCompositeSet(s);
    const std::string name = dir + "all" + std::to_string(++counter) + ".ico";
    SaveNewFile(dir, *b, name, [&] { return name + "_2"; });
    DestroyIcon(c);
  });

  std::printf("composite save, %d rounds, source %zu images, file %zu bytes (256 PNG %s)\n", rounds,
              sourceImages.size(), bytes.size(), "included");
  std::printf("  old 32-pixel save (GDI compose, bits, write):   %8.2f ms\n", old32);
  std::printf("  every size: read source images                  %8.2f ms\n", read);
  std::printf("              compose 10 sizes                    %8.2f ms\n", compose);
  std::printf("              encode (.ico + PNG)                 %8.2f ms\n", encode);
  std::printf("              save whole (temp + rename)          %8.2f ms\n", save);
  std::printf("  every size, all steps incl. 32 GDI compose:     %8.2f ms (goal <= 50)\n", whole);

  // Clean up the scratch folder.
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do DeleteFileA((dir + found.cFileName).c_str());
    while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(dir.c_str());
  DestroyIcon(legacyIcon);
  DestroyIcon(small);
  DestroyIcon(listed);
  DestroyIcon(folderIcon);
  return 0;
}
