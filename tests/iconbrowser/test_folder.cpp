#include "test_folder.h"

#include <shellapi.h>

#include <atomic>

namespace vex::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "vexib-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  // SHFileOperation wants a list ending in two NULs.
  std::string from = path_ + std::string(2, '\0');
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
  HANDLE f = CreateFileA(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  p.erase(p.find_last_of('\\'));  // tests\ sits beside the program
  p.erase(p.find_last_of('\\') + 1);
  return p;
}

std::string Fixture(const std::string& name) { return ProgramFolder() + "tests\\fixtures\\" + name; }

}  // namespace vex::test
