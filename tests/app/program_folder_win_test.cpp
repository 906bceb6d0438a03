// The icon browser's program folder (Folder.ico, MyIcons, "精选图标") when the
// program sits deeper than MAX_PATH.  Wine 8 starts no program from such a
// folder (CreateProcess looks the file up in a MAX_PATH buffer), so this
// process takes the long name in the loader's record of the program, which
// is what GetModuleFileName reports.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/IconBrowser.h"
#include "app/TWinPlatform.h"
#include "iconbrowser/TFormIconExplorer.h"
#include "widgets/TApplication.h"

namespace {

std::string gError;  // the last error the application was to show

std::string Ansi(const std::wstring& text) {
  std::string out(text.size() * 2 + 1, '\0');
  out.resize(WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

// While it lives, GetModuleFileName reports `path` for the program.
class ProgramNamed {
 public:
  explicit ProgramNamed(std::wstring path) : path_(std::move(path)) {
    PROCESS_BASIC_INFORMATION process{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr);
    LIST_ENTRY* head = &process.PebBaseAddress->Ldr->InMemoryOrderModuleList;
    for (LIST_ENTRY* link = head->Flink; link != head && !entry_; link = link->Flink) {
      auto* entry = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
      if (entry->DllBase == GetModuleHandleW(nullptr)) entry_ = entry;
    }
    saved_ = entry_->FullDllName;
    entry_->FullDllName.Buffer = path_.data();
    entry_->FullDllName.Length = entry_->FullDllName.MaximumLength = static_cast<USHORT>(path_.size() * 2);
  }
  ~ProgramNamed() { entry_->FullDllName = saved_; }

 private:
  std::wstring path_;
  LDR_DATA_TABLE_ENTRY* entry_ = nullptr;
  UNICODE_STRING saved_{};
};

TEST(ProgramFolder, TheBrowserLooksInTheWholeProgramFolder) {
  std::wstring deep = L"C:\\Program Files\\";
  for (wchar_t c = L'a'; c < L'h'; ++c) deep += std::wstring(40, c) + L"\\";
  deep += L"图标工具\\";
  struct Case {
    const char* name;
    std::wstring folder, program;
  };
  const Case cases[] = {
      {"a folder deeper than MAX_PATH", deep, L"vexilo.exe"},
      // The second byte of "淺" in GBK is the byte of '\'.
      {"a program name holding a '\\' trail byte", L"C:\\工具\\", L"淺色.exe"},
      {"both", deep, L"淺色.exe"},
  };
  struct Way {
    const char* name;
    std::function<TFormIconExplorer*()> make;
  };
  const Way ways[] = {
      {"the application's browser",
       [] {
         vex::app::CreateIconBrowser();
         return std::exchange(FormIconExplorer, nullptr);
       }},
      {"a browser handed no folder", [] { return vcl::New<TFormIconExplorer>(nullptr); }},
  };
  for (const Case& c : cases) {
    ProgramNamed named(c.folder + c.program);
    const std::string folder = Ansi(c.folder);
    EXPECT_EQ(vex::app::TWinPlatform().ProgramPath(), folder + Ansi(c.program)) << c.name;
    for (const Way& w : ways) {
      gError.clear();
      vcl::Owned<TFormIconExplorer> browser(w.make());
      EXPECT_EQ(browser->ProgramFolder(), folder) << c.name << ", " << w.name;
      // No Folder.ico in the made-up folder: the error names the file the
      // browser looked for.
      EXPECT_NE(gError.find("\"" + folder + "Folder.ico\""), std::string::npos) << c.name << ", " << w.name;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  vcl::TApplication app;
  app.SetTitle("Vexilo");
  // Folder.ico cannot be read from the made-up folder: kept, not shown.
  app.OnException = [](vcl::TObject*, const std::exception& e) { gError = e.what(); };
  return RUN_ALL_TESTS();
}
