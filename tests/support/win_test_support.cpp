#include "win_test_support.h"

#include <gtest/gtest.h>

namespace vex::test {

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    PumpPending();
    if (done()) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
    // Wake on the next message or after a short slice, whichever comes first,
    // so conditions that change outside the message queue are seen too.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left < 20 ? left : 20), QS_ALLINPUT);
  }
}

std::string OutputDir() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  dir.erase(dir.find_last_of('\\') + 1);
  dir += "test-output\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

std::string ReadFileText(const std::string& path) {
  std::string text;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n) text.append(buffer, n);
  CloseHandle(f);
  return text;
}

void WriteFileText(const std::string& path, const std::string& text) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE) << path;
  DWORD n = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
  CloseHandle(f);
}

// Under Wine a window's picture reaches the screen a moment after it is
// painted (and another program's window paints in its own time): the
// picture is taken once two reads a little apart agree.
std::string SaveWindowPng(HWND window, const std::string& name) {
  const std::string path = OutputDir() + name + ".png";
  Pixels shot = ReadWindow(window);
  for (int i = 0; i < 30; ++i) {
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    Pixels again = ReadWindow(window);
    const bool same = again.width == shot.width && again.height == shot.height && again.rgb == shot.rgb;
    shot = std::move(again);
    if (same) break;
  }
  SavePng(shot, path);
  return path;
}

std::string SaveBitmapPng(HBITMAP bitmap, const std::string& name) {
  const std::string path = OutputDir() + name + ".png";
  SavePng(ReadBitmap(bitmap), path);
  return path;
}

}  // namespace vex::test
