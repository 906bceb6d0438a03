// icongen: draws the program's icons in code, so no picture is downloaded.
//   icongen app OUT.ico        the application icon (32x32 and 16x16)
#include <cstdio>
#include <string>

#include "app_icon.h"
#include "ico_write.h"

int main(int argc, char** argv) {
  using namespace vex::art;
  const std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "app" && argc == 3) {
    const Raster big = DrawAppIcon();
    if (!WriteIco(argv[2], {big, big.Scaled(16, 16)})) {
      std::fprintf(stderr, "icongen: cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "usage: icongen app OUT.ico\n");
  return 2;
}
