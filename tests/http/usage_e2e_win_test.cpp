// vexilo.exe itself sending its usage report: started with VEXILO_USAGE_URL
// pointing at a server in this test process (the child inherits the
// environment block the test builds), watched from the outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "TestServer.h"
#include "win_test_support.h"

using vex::http::test::ClosedPort;
using vex::http::test::TestServer;
using std::chrono::milliseconds;

namespace {

// A copy of the built vexilo.exe in a folder of its own, so the settings
// file it writes beside itself stays out of the build tree.
std::string ProgramPath() {
  static const std::string copy = [] {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string build(path, n);
    build.erase(build.find_last_of('\\'));  // tests\ sits beside the program
    build.erase(build.find_last_of('\\') + 1);
    const std::string dir = vex::test::OutputDir() + "usage-e2e\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    CopyFileA((build + "vexilo.exe").c_str(), (dir + "vexilo.exe").c_str(), FALSE);
    // Without its folder picture the program starts with an error box.
    CopyFileA((build + "Folder.ico").c_str(), (dir + "Folder.ico").c_str(), FALSE);
    return dir + "vexilo.exe";
  }();
  return copy;
}

// This process's environment with some variables replaced or removed
// (a null value removes), as a block for CreateProcess.
std::vector<char> Environment(const std::map<std::string, const char*>& changes) {
  std::vector<char> block;
  char* all = GetEnvironmentStringsA();
  for (const char* p = all; *p; p += strlen(p) + 1) {
    const std::string entry = p;
    const std::string name = entry.substr(0, entry.find('=', 1));
    bool changed = false;
    for (const auto& change : changes) changed |= _stricmp(change.first.c_str(), name.c_str()) == 0;
    if (!changed) block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
  }
  FreeEnvironmentStringsA(all);
  for (const auto& [name, value] : changes) {
    if (!value) continue;
    const std::string entry = name + "=" + value;
    block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
  }
  block.push_back('\0');
  return block;
}

struct Windows {
  DWORD pid;
  std::vector<HWND> visible;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
  auto* w = reinterpret_cast<Windows*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == w->pid && IsWindowVisible(window)) w->visible.push_back(window);
  return TRUE;
}

BOOL CALLBACK FindEdit(HWND window, LPARAM param) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (strstr(name, "Edit")) {
    *reinterpret_cast<HWND*>(param) = window;
    return FALSE;
  }
  return TRUE;
}

// One run of vexilo.exe; ended by force if a test leaves it running.
class Vexilo {
 public:
  explicit Vexilo(const std::map<std::string, const char*>& environment) {
    std::vector<char> block = Environment(environment);
    std::string line = "\"" + ProgramPath() + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, block.data(), nullptr, &si, &pi_);
  }
  ~Vexilo() {
    if (!started_) return;
    if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 99);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }

  bool Started() const { return started_; }

  std::vector<HWND> VisibleWindows() const {
    Windows w{pi_.dwProcessId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&w));
    return w.visible;
  }

  // The main window once it is shown (null when it never is).
  HWND WaitForMainWindow() {
    vex::test::PumpUntil([&] {
      for (HWND window : VisibleWindows()) {
        char title[64] = {};
        GetWindowTextA(window, title, sizeof title);
        if (std::string(title) == "Vexilov3.0") main_ = window;
      }
      return main_ != nullptr;
    }, milliseconds(60000));
    return main_;
  }

  // The window answers messages, its edit field takes and gives back text,
  // and the options button shows and hides the options panel.
  void ExpectWorking() const {
    DWORD_PTR ignored = 0;
    ASSERT_NE(SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored), 0);
    HWND edit = nullptr;
    EnumChildWindows(main_, FindEdit, reinterpret_cast<LPARAM>(&edit));
    ASSERT_NE(edit, nullptr);
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\Works"), SMTO_ABORTIFHUNG, 5000, &ignored);
    char text[64] = {};
    SendMessageTimeoutA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &ignored);
    EXPECT_STREQ(text, "C:\\Works");
    for (const int height : {193, 94}) {
      ClickOptionsButton();
      EXPECT_TRUE(vex::test::PumpUntil([&] { return ClientHeight() == height; }))
          << "client height " << ClientHeight() << ", wanted " << height << "; " << Screen();
    }
  }

  // No message box or other window besides the main one appears within `wait`.
  void ExpectNothingShown(milliseconds wait) const {
    std::string seen;
    vex::test::PumpUntil([&] {
      for (HWND window : VisibleWindows()) {
        if (window == main_) continue;
        char name[64] = {}, title[128] = {};
        GetClassNameA(window, name, sizeof name);
        GetWindowTextA(window, title, sizeof title);
        seen = std::string(name) + " \"" + title + "\"";
        return true;
      }
      return false;
    }, wait);
    EXPECT_EQ(seen, "") << "a window appeared";
  }

  // Closes the main window; returns how long the process took to end
  // (negative when it did not end within `limit`).
  milliseconds Close(milliseconds limit = milliseconds(20000)) {
    const auto start = std::chrono::steady_clock::now();
    PostMessageA(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
      ADD_FAILURE() << "still running after WM_CLOSE; " << Screen();
      return milliseconds(-1);
    }
    DWORD code = 1;
    GetExitCodeProcess(pi_.hProcess, &code);
    EXPECT_EQ(code, 0u) << std::hex << "exit code 0x" << code;
    return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
  }

 private:
  // Every visible top-level window on the desktop, this process's marked
  // with '*': a failure message says what the screen held (an error box, a
  // crash dialog of another process, the main window at another size).
  std::string Screen() const {
    struct All {
      DWORD pid;
      std::string text;
    } all{pi_.dwProcessId, "windows:"};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
          auto* a = reinterpret_cast<All*>(param);
          if (!IsWindowVisible(window)) return TRUE;
          DWORD pid = 0;
          GetWindowThreadProcessId(window, &pid);
          char name[64] = {}, title[128] = {};
          GetClassNameA(window, name, sizeof name);
          GetWindowTextA(window, title, sizeof title);
          RECT r{};
          GetWindowRect(window, &r);
          a->text += std::string(" [") + (pid == a->pid ? "*" : "") + name + " \"" + title + "\" " +
                     std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "]";
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all.text;
  }

  int ClientHeight() const {
    RECT r{};
    GetClientRect(main_, &r);
    return r.bottom - r.top;
  }

  // A click on the options button (left 16, top 62 in the upper panel, which
  // sits at the top left of the window), sent to the window under that point.
  void ClickOptionsButton() const {
    HWND target = main_;
    POINT p{27, 73};
    for (;;) {
      HWND child = ChildWindowFromPointEx(target, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
      if (!child || child == target) break;
      MapWindowPoints(target, child, &p, 1);
      target = child;
    }
    const LPARAM at = MAKELPARAM(p.x, p.y);
    PostMessageA(target, WM_MOUSEMOVE, 0, at);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
  }

  bool started_ = false;
  PROCESS_INFORMATION pi_{};
  HWND main_ = nullptr;
};

std::string ExpectedHead(const TestServer& server) {
  return "GET /VEXUsage.php HTTP/1.1\r\nContent-Type: text/html\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
         "\r\nAccept: text/html, */*\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n\r\n";
}

}  // namespace

TEST(UsageReport, OneRequestPerStartWithTheExactHead) {
  TestServer server;
  const std::string url = server.Url();
  for (int run = 1; run <= 2; ++run) {
    Vexilo vexilo({{"VEXILO_USAGE_URL", url.c_str()}, {"DO_NOT_TRACK", nullptr}});
    ASSERT_TRUE(vexilo.Started());
    ASSERT_NE(vexilo.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Closed() == run; }, milliseconds(30000)));
    vexilo.ExpectWorking();
    EXPECT_GE(vexilo.Close().count(), 0);
    ASSERT_EQ(server.Requests().size(), static_cast<std::size_t>(run));
    EXPECT_EQ(server.Connections(), run);
    EXPECT_EQ(server.Requests()[run - 1], ExpectedHead(server));
    EXPECT_EQ(server.FirstReads()[run - 1], ExpectedHead(server));
  }
  EXPECT_EQ(server.Extra(), "");
}

TEST(UsageReport, RedirectionGetsNoSecondRequest) {
  TestServer target;
  TestServer server(TestServer::Mode::Answer,
                    "HTTP/1.1 302 Found\r\nLocation: " + target.Url() + "\r\nContent-Length: 0\r\n\r\n");
  const std::string url = server.Url();
  Vexilo vexilo({{"VEXILO_USAGE_URL", url.c_str()}, {"DO_NOT_TRACK", nullptr}});
  ASSERT_NE(vexilo.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Closed() == 1; }, milliseconds(30000)));
  vexilo.ExpectNothingShown(milliseconds(1000));
  EXPECT_GE(vexilo.Close().count(), 0);
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_EQ(target.Connections(), 0);
}

TEST(UsageReport, ClosingWhileTheServerNeverAnswersEndsAtOnce) {
  TestServer server(TestServer::Mode::Hold);
  const std::string url = server.Url();
  Vexilo vexilo({{"VEXILO_USAGE_URL", url.c_str()}, {"DO_NOT_TRACK", nullptr}});
  ASSERT_NE(vexilo.WaitForMainWindow(), nullptr);
  ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Requests().size() == 1; }, milliseconds(30000)));
  vexilo.ExpectWorking();
  // The worker now waits for an answer for up to 30 s; the program must not.
  const milliseconds took = vexilo.Close(milliseconds(10000));
  EXPECT_GE(took.count(), 0) << "vexilo.exe waited for its report";
  std::printf("[ figure ] close to process end with the report still waiting: %lld ms\n",
              static_cast<long long>(took.count()));
}

TEST(UsageReport, HostileOrMissingServersChangeNothing) {
  struct Case {
    const char* name;
    TestServer::Mode mode;
    const char* reply;
  };
  static const Case cases[] = {
      {"404", TestServer::Mode::Answer, "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"},
      {"500", TestServer::Mode::Answer, "HTTP/1.1 500 Internal Server Error\r\n\r\nbroken"},
      {"garbage", TestServer::Mode::Answer, "\x7f\x45LF garbage \x01\x02\r\n\r\n\r\n"},
      {"endless body", TestServer::Mode::Endless, "HTTP/1.1 200 OK\r\n\r\n"},
      {"never answers", TestServer::Mode::Hold, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestServer server(c.mode, c.reply);
    const std::string url = server.Url();
    Vexilo vexilo({{"VEXILO_USAGE_URL", url.c_str()}, {"DO_NOT_TRACK", nullptr}});
    ASSERT_NE(vexilo.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Requests().size() == 1; }, milliseconds(30000)));
    if (c.mode != TestServer::Mode::Hold) {  // the worker has given up once it closed the connection
      ASSERT_TRUE(vex::test::PumpUntil([&] { return server.Closed() == 1; }, milliseconds(30000)));
    }
    vexilo.ExpectNothingShown(milliseconds(1000));
    vexilo.ExpectWorking();
    EXPECT_GE(vexilo.Close().count(), 0);
  }
  const std::string refused = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/VEXUsage.php";
  for (const char* url : {refused.c_str(), "http://192.0.2.1:9/VEXUsage.php", "http://no-such-host.invalid/VEXUsage.php"}) {
    SCOPED_TRACE(url);
    Vexilo vexilo({{"VEXILO_USAGE_URL", url}, {"DO_NOT_TRACK", nullptr}});
    ASSERT_NE(vexilo.WaitForMainWindow(), nullptr);
    vexilo.ExpectNothingShown(milliseconds(1000));
    vexilo.ExpectWorking();
    EXPECT_GE(vexilo.Close().count(), 0);
  }
}

TEST(UsageReport, SwitchedOffSendsNothing) {
  TestServer server;
  const std::string url = server.Url();
  {
    Vexilo vexilo({{"VEXILO_USAGE_URL", url.c_str()}, {"DO_NOT_TRACK", "1"}});
    ASSERT_NE(vexilo.WaitForMainWindow(), nullptr);
    EXPECT_FALSE(vex::test::PumpUntil([&] { return server.Connections() > 0; }, milliseconds(2000)));
    EXPECT_GE(vexilo.Close().count(), 0);
  }
  {
    Vexilo vexilo({{"VEXILO_USAGE_URL", ""}, {"DO_NOT_TRACK", nullptr}});
    ASSERT_NE(vexilo.WaitForMainWindow(), nullptr);
    EXPECT_FALSE(vex::test::PumpUntil([&] { return server.Connections() > 0; }, milliseconds(2000)));
    EXPECT_GE(vexilo.Close().count(), 0);
  }
  EXPECT_EQ(server.Connections(), 0);
}
