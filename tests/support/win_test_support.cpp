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

void SendMouse(DWORD flags, POINT at) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_MOVE) {
    in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  }
  SendInput(1, &in, sizeof in);
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

// GetGuiResources counts for us on Windows; Wine answers 0, but there a
// handle's low word indexes the process's handle tables and a handle with a
// zero high word matches any generation, so probing every index counts what
// is alive (icons own GDI bitmaps there, so they show in the GDI count).
DWORD LiveGdiObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  DWORD n = 0;
  for (UINT_PTR i = 1; i < 0x10000; ++i) n += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
  return n;
}

DWORD LiveUserObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return n;
  // Window handles are shared by every process on the desktop (other tests
  // run beside this one); menus answer only in their own process.
  DWORD n = 0, pid = 0;
  for (UINT_PTR i = 1; i < 0x10000; ++i) {
    const auto w = reinterpret_cast<HWND>(i);
    if (IsWindow(w) && GetWindowThreadProcessId(w, &pid) && pid == GetCurrentProcessId()) ++n;
    else if (IsMenu(reinterpret_cast<HMENU>(i))) ++n;
  }
  return n;
}

int ThreadWindowCount() {
  int n = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* count = reinterpret_cast<int*>(p);
        ++*count;
        EnumChildWindows(
            w, [](HWND, LPARAM q) -> BOOL { return ++*reinterpret_cast<int*>(q), TRUE; }, p);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&n));
  return n;
}

double MicrosecondsPerCall(int calls, const std::function<void()>& call) {
  call();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < calls; ++i) call();
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / calls;
}

// Under Wine a window's picture reaches the screen a moment after it is
// painted (and another program's window paints in its own time): the
// picture is taken once two reads a little apart agree.
Pixels SettledWindow(HWND window) {
  Pixels shot = ReadWindow(window);
  for (int i = 0; i < 30; ++i) {
    PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    Pixels again = ReadWindow(window);
    const bool same = again.width == shot.width && again.height == shot.height && again.rgb == shot.rgb;
    shot = std::move(again);
    if (same) break;
  }
  return shot;
}

std::string SaveWindowPng(HWND window, const std::string& name) {
  const std::string path = OutputDir() + name + ".png";
  SavePng(SettledWindow(window), path);
  return path;
}

std::string SaveBitmapPng(HBITMAP bitmap, const std::string& name) {
  const std::string path = OutputDir() + name + ".png";
  SavePng(ReadBitmap(bitmap), path);
  return path;
}

void BecomeDpiAware() {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  const auto setContext = reinterpret_cast<SetContextFn>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 (-4) and _PER_MONITOR_AWARE (-3).
  if (setContext && (setContext(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4))) ||
                     setContext(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3)))))
    return;
  SetProcessDPIAware();
}

void ChangeUiState(HWND top, WORD action, WORD flags) {
  const WPARAM change = MAKEWPARAM(action, flags);
  SendMessageA(top, WM_CHANGEUISTATE, change, 0);
  SendMessageA(top, WM_UPDATEUISTATE, change, 0);
  EnumChildWindows(
      top,
      [](HWND child, LPARAM wParam) -> BOOL {
        SendMessageA(child, WM_UPDATEUISTATE, static_cast<WPARAM>(wParam), 0);
        return TRUE;
      },
      static_cast<LPARAM>(change));
}

void BroadcastHighContrastChange() {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, reinterpret_cast<LPARAM>(""),
                      SMTO_ABORTIFHUNG, 5000, &answer);
}

}  // namespace vex::test
