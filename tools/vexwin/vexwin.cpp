// vexwin: a small helper the scripts and end-to-end tests run under Wine.
//   vexwin launch [--wait] PROGRAM [FOLDER]
//                                       start PROGRAM with the command line the
//                                       Explorer verb gives: "PROGRAM" "FOLDER";
//                                       --wait: until it ends, with its exit code
//   vexwin wait-window CLASS MS         wait until a visible window of CLASS exists
//   vexwin screenshot FILE.png          save the whole screen
//   vexwin close-window CLASS           post WM_CLOSE to every window of CLASS
// Exit code 0 on success, 1 on failure, 2 on wrong usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "screen_capture.h"

namespace {

int Launch(int argc, char** argv) {
  int first = 2;
  const bool wait = std::string(argv[2]) == "--wait";
  if (wait) ++first;
  if (first >= argc) return 2;
  std::string line = std::string("\"") + argv[first] + "\"";
  if (argc > first + 1) line += std::string(" \"") + argv[first + 1] + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "vexwin: cannot start %s (error %lu)\n", argv[first], GetLastError());
    return 1;
  }
  CloseHandle(pi.hThread);
  DWORD code = 0;
  if (wait) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    GetExitCodeProcess(pi.hProcess, &code);
  }
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

int WaitWindow(const char* cls, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND w = FindWindowA(cls, nullptr);
    if (w && IsWindowVisible(w)) {
      Sleep(500);  // let the first paint finish before anyone takes a picture
      return 0;
    }
    if (GetTickCount() - start > ms) return 1;
    Sleep(100);
  }
}

int CloseWindows(const char* cls) {
  int n = 0;
  while (HWND w = FindWindowA(cls, nullptr)) {
    PostMessageA(w, WM_CLOSE, 0, 0);
    if (++n > 50) break;
    Sleep(200);
  }
  return 0;
}

int Screenshot(const char* path) {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return vex::SavePng(vex::ReadScreen(r), path) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cmd = argc > 1 ? argv[1] : "";
  if (cmd == "launch" && argc >= 3) return Launch(argc, argv);
  if (cmd == "wait-window" && argc == 4) return WaitWindow(argv[2], static_cast<DWORD>(std::atol(argv[3])));
  if (cmd == "screenshot" && argc == 3) return Screenshot(argv[2]);
  if (cmd == "close-window" && argc == 3) return CloseWindows(argv[2]);
  std::fprintf(stderr, "usage: vexwin launch [--wait] PROGRAM [FOLDER] | wait-window CLASS MS | screenshot FILE | close-window CLASS\n");
  return 2;
}
