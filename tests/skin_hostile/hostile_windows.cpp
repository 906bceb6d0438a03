#include "hostile_windows.h"

#include <atomic>
#include <cstdio>

#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "tools/skingallery/Gallery.h"
#include "win_test_support.h"

namespace vex::skin::hostile {
namespace {

std::vector<HWND> gWindows;
HWND gPopup = nullptr;

// ---- a dialog of the system's dialog class ---------------------------------

// A dialog template built in memory: the header, then one item per control.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short cx, short cy, const wchar_t* title) {
    Put32(style | DS_SETFONT);
    Put32(0);
    countAt_ = words_.size();
    words_.push_back(0);
    for (short v : {short{0}, short{0}, cx, cy}) words_.push_back(static_cast<WORD>(v));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    PutText(title);
    words_.push_back(9);
    PutText(L"SimSun");
  }
  // `atom`: 0x80 button, 0x81 edit, 0x82 static, 0x83 list box, 0x84 scroll bar, 0x85 combo box.
  void Add(WORD atom, DWORD style, short x, short y, short cx, short cy, const wchar_t* text) {
    if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD
    Put32(style | WS_CHILD | WS_VISIBLE);
    Put32(0);
    for (short v : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(v));
    words_.push_back(static_cast<WORD>(100 + words_[countAt_]));
    words_.push_back(0xFFFF);
    words_.push_back(atom);
    PutText(text);
    words_.push_back(0);  // no creation data
    ++words_[countAt_];
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Put32(DWORD v) {
    words_.push_back(LOWORD(v));
    words_.push_back(HIWORD(v));
  }
  void PutText(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  std::vector<WORD> words_;
  std::size_t countAt_ = 0;
};

INT_PTR CALLBACK DialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

HWND OpenDialog() {
  DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 200, 130, L"Dialog");
  t.Add(0x80, BS_PUSHBUTTON, 8, 8, 50, 14, L"OK");
  t.Add(0x80, BS_AUTOCHECKBOX, 8, 28, 80, 12, L"Check");
  t.Add(0x80, BS_AUTORADIOBUTTON, 8, 44, 80, 12, L"Radio");
  t.Add(0x80, BS_GROUPBOX, 100, 8, 90, 50, L"Group");
  t.Add(0x81, ES_AUTOHSCROLL | WS_BORDER, 8, 62, 90, 12, L"text");
  t.Add(0x85, CBS_DROPDOWNLIST | WS_VSCROLL, 8, 80, 90, 60, L"");
  t.Add(0x84, SBS_HORZ, 8, 100, 90, 10, L"");
  t.Add(0x82, SS_LEFT, 100, 64, 90, 12, L"Static");
  return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.Get(), nullptr, DialogProc, 0);
}

// ---- the watch ---------------------------------------------------------------

std::atomic<std::uint64_t> gSeed{0};
std::atomic<const char*> gStep{"start"};
std::atomic<long long> gStepStart{0};  // QueryPerformanceCounter ticks; 0: between steps
int gHangSeconds = 60;

long long Ticks() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}
double TicksPerMs() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(f.QuadPart) / 1000.0;
}

DWORD WINAPI Watchdog(void*) {
  for (;;) {
    Sleep(200);
    const long long start = gStepStart.load();
    if (!start || (Ticks() - start) / TicksPerMs() < gHangSeconds * 1000.0) continue;
    std::printf("HANG seed %llu: %s ran for more than %d s\n", static_cast<unsigned long long>(gSeed.load()),
                gStep.load(), gHangSeconds);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
  }
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
  std::printf("CRASH seed %llu: %s (exception 0x%08lx at %p)\n", static_cast<unsigned long long>(gSeed.load()),
              gStep.load(), info->ExceptionRecord->ExceptionCode, info->ExceptionRecord->ExceptionAddress);
  std::fflush(stdout);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

bool OpenWindows(std::string& why) {
  gallery::StartGallery();
  for (const gallery::Page& page : gallery::Pages()) {
    if (page.open) gWindows.push_back(page.open());
  }
  gWindows.push_back(OpenDialog());
  for (HWND window : gWindows) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    if (!vex::test::PumpUntil([&] { return Skinned(window); })) {
      char title[100] = {};
      GetWindowTextA(window, title, sizeof title);
      why = std::string("not skinned: ") + title;
      return false;
    }
  }
  gPopup = CreateWindowExA(0, "#32768", nullptr, WS_POPUP, 300, 300, 120, 90, nullptr, nullptr, nullptr, nullptr);
  if (!SkinManager() || SkinManager()->PopupCount() == 0) {
    why = "the popup-menu window was not skinned";
    return false;
  }
  // Painted off screen from here on.
  for (HWND window : gWindows) ShowWindow(window, SW_HIDE);
  vex::test::PumpPending();
  return true;
}

const std::vector<HWND>& OpenedWindows() { return gWindows; }

bool Skinned(HWND window) {
  TSkinForm* frame = FrameOf(window);
  return frame && frame->FSkinState == kSkinActive;
}
HWND PopupWindow() { return gPopup; }

std::set<std::string> ListFiles(const std::string& folder) {
  std::set<std::string> files;
  std::vector<std::string> pending = {""};
  while (!pending.empty()) {
    const std::string sub = pending.back();
    pending.pop_back();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + sub + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        files.insert(sub + name + "\\");
        pending.push_back(sub + name + "\\");
      } else {
        char line[64];
        std::snprintf(line, sizeof line, " %lu %lu:%lu", found.nFileSizeLow, found.ftLastWriteTime.dwHighDateTime,
                      found.ftLastWriteTime.dwLowDateTime);
        files.insert(sub + name + line);
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return files;
}

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  return dir.erase(dir.find_last_of('\\') + 1);
}

std::string UsePrivateTempFolder() {
  char shared[MAX_PATH + 1] = {};
  GetTempPathA(sizeof shared, shared);
  const std::string own = std::string(shared) + "vexilo-hostile-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(own.c_str(), nullptr);
  SetEnvironmentVariableA("TMP", own.c_str());
  SetEnvironmentVariableA("TEMP", own.c_str());
  return own;
}

void StepWatch::Start(int hangSeconds) {
  gHangSeconds = hangSeconds;
  SetUnhandledExceptionFilter(OnCrash);
  CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
}

void StepWatch::Seed(std::uint64_t seed) { gSeed = seed; }

void StepWatch::Begin(const char* step) {
  gStep = step;
  gStepStart = Ticks();
}

double StepWatch::Done() {
  const long long start = gStepStart.exchange(0);
  return start ? (Ticks() - start) / TicksPerMs() : 0.0;
}

}  // namespace vex::skin::hostile
