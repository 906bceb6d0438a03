#include "VexiloDriver.h"

#include <gtest/gtest.h>

#include "win_test_support.h"

namespace vex::app::test {

namespace {

std::string BuildDir() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  p.erase(p.find_last_of('\\'));  // tests\ sits beside the program
  p.erase(p.find_last_of('\\') + 1);
  return p;
}

void CopyTree(const std::string& from, const std::string& to) {
  CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((from + "\\*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = d.cFileName;
    if (name == "." || name == "..") continue;
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      CopyTree(from + "\\" + name, to + "\\" + name);
    else
      CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
  } while (FindNextFileA(h, &d));
  FindClose(h);
}

void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &d);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = d.cFileName;
      if (name == "." || name == "..") continue;
      const std::string p = dir + "\\" + name;
      SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(p);
      else
        DeleteFileA(p.c_str());
    } while (FindNextFileA(h, &d));
    FindClose(h);
  }
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryA(dir.c_str());
}

// The environment of this process without the usage report.
std::vector<char> QuietEnvironment() {
  std::vector<char> block;
  char* all = GetEnvironmentStringsA();
  for (const char* p = all; *p; p += strlen(p) + 1) {
    if (_strnicmp(p, "DO_NOT_TRACK=", 13) == 0 || _strnicmp(p, "VEXILO_USAGE_URL=", 17) == 0) continue;
    block.insert(block.end(), p, p + strlen(p) + 1);
  }
  FreeEnvironmentStringsA(all);
  const char quiet[] = "DO_NOT_TRACK=1";
  block.insert(block.end(), quiet, quiet + sizeof quiet);
  block.push_back('\0');
  return block;
}

struct Search {
  DWORD pid;
  const char* cls;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != s->pid || !IsWindowVisible(window)) return TRUE;
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (!s->cls || strcmp(name, s->cls) == 0) s->found.push_back(window);
  return TRUE;
}

}  // namespace

ProgramFolder::ProgramFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  FDir = std::string(temp) + "vexilo program " + std::to_string(GetCurrentProcessId()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
  RemoveTree(FDir.substr(0, FDir.size() - 1));
  CreateDirectoryA(FDir.c_str(), nullptr);
  const std::string build = BuildDir();
  CopyFileA((build + "vexilo.exe").c_str(), Exe().c_str(), FALSE);
  CopyFileA((build + "Folder.ico").c_str(), (FDir + "Folder.ico").c_str(), FALSE);
  CopyTree(build + "精选图标", FDir + "精选图标");
  CreateDirectoryA((FDir + "MyIcons").c_str(), nullptr);
}

ProgramFolder::~ProgramFolder() { RemoveTree(FDir.substr(0, FDir.size() - 1)); }

Vexilo::Vexilo(const std::string& exe, const std::string& arguments) {
  std::string line = "\"" + exe + "\"";
  if (!arguments.empty()) line += " " + arguments;
  std::vector<char> environment = QuietEnvironment();
  STARTUPINFOA si{};
  si.cb = sizeof si;
  EXPECT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, environment.data(), nullptr, &si,
                             &FInfo))
      << line;
}

Vexilo::~Vexilo() {
  if (!FInfo.hProcess) return;
  if (Running()) {
    TerminateProcess(FInfo.hProcess, 99);
    WaitForSingleObject(FInfo.hProcess, 10000);
  }
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

bool Vexilo::Running() const { return WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT; }

std::vector<HWND> Vexilo::Windows() const {
  Search s{FInfo.dwProcessId, nullptr, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND Vexilo::WaitWindow(const char* windowClass, DWORD timeoutMs) {
  HWND window = nullptr;
  vex::test::PumpUntil([&] {
    Search s{FInfo.dwProcessId, windowClass, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&s));
    window = s.found.empty() ? nullptr : s.found.front();
    return window != nullptr || !Running();
  }, std::chrono::milliseconds(timeoutMs));
  return window;
}

HWND ChildAt(HWND top, POINT clientPoint, POINT* childPoint) {
  HWND window = top;
  POINT p = clientPoint;
  for (;;) {
    HWND child = ChildWindowFromPointEx(window, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) break;
    MapWindowPoints(window, child, &p, 1);
    window = child;
  }
  if (childPoint) *childPoint = p;
  return window;
}

HWND Vexilo::OpenIconBrowser() {
  HWND main = Main();
  if (!main) return nullptr;
  Click(main, 25, 42);  // Image1, the folder's picture
  return WaitWindow("TFormIconExplorer");
}

void Vexilo::Click(HWND top, int x, int y) {
  POINT p;
  HWND target = ChildAt(top, POINT{x, y}, &p);
  const LPARAM at = MAKELPARAM(p.x, p.y);
  PostMessageA(target, WM_MOUSEMOVE, 0, at);
  PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(target, WM_LBUTTONUP, 0, at);
}

void Vexilo::ClickFrame(HWND top, int x, int y) {
  RECT r{};
  GetWindowRect(top, &r);
  const LPARAM at = MAKELPARAM(r.left + x, r.top + y);
  PostMessageA(top, WM_NCMOUSEMOVE, HTCAPTION, at);
  PostMessageA(top, WM_NCLBUTTONDOWN, HTCAPTION, at);
  PostMessageA(top, WM_NCLBUTTONUP, HTCAPTION, at);
}

bool LooksSkinned(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(window, region);
  DeleteObject(region);
  return kind == COMPLEXREGION && !(GetWindowLongPtrA(window, GWL_STYLE) & WS_SYSMENU);
}

HWND ChildWithText(HWND top, const std::string& text) {
  struct Find {
    const std::string* text;
    HWND found = nullptr;
  } find{&text};
  EnumChildWindows(
      top,
      [](HWND w, LPARAM p) -> BOOL {
        auto* f = reinterpret_cast<Find*>(p);
        if (WindowText(w) != *f->text) return TRUE;
        f->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

void Vexilo::Type(HWND target, const std::string& text) {
  for (char c : text) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Vexilo::Key(HWND target, UINT vk) {
  PostMessageA(target, WM_KEYDOWN, vk, 1);
  PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

std::string Vexilo::AnswerMessageBox(DWORD timeoutMs) {
  HWND box = WaitWindow("#32770", timeoutMs);
  if (!box) return "<no message box>";
  std::string text;
  HWND label = GetDlgItem(box, 0xFFFF);
  if (label) text = WindowText(label);
  HWND ok = GetDlgItem(box, IDOK);
  if (!ok) ok = GetDlgItem(box, IDCANCEL);
  RECT r;
  GetWindowRect(ok, &r);
  POINT center{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(box, &center);
  Click(box, center.x, center.y);
  vex::test::PumpUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
  return text;
}

DWORD Vexilo::Close() {
  if (HWND main = WaitWindow("TForm1", 5000)) PostMessageA(main, WM_CLOSE, 0, 0);
  vex::test::PumpUntil([&] { return !Running(); }, std::chrono::milliseconds(30000));
  DWORD code = 259;
  GetExitCodeProcess(FInfo.hProcess, &code);
  return code;
}

std::string WindowText(HWND window) {
  // WM_GETTEXT itself: GetWindowTextA of another process's window reads only
  // the title stored at creation, not an edit field's text.
  char text[1024] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      &ignored);
  return text;
}

HWND ChildOfClass(HWND top, const char* windowClass) {
  struct Find {
    const char* cls;
    HWND found = nullptr;
  } find{windowClass};
  EnumChildWindows(
      top,
      [](HWND w, LPARAM p) -> BOOL {
        auto* f = reinterpret_cast<Find*>(p);
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        if (strcmp(name, f->cls) != 0) return TRUE;
        f->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

}  // namespace vex::app::test
