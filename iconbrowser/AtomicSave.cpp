#include "iconbrowser/AtomicSave.h"

#include <windows.h>

#include "widgets/Exceptions.h"
#include "widgets/TGraphic.h"

namespace vex::iconbrowser {
namespace {

[[noreturn]] void Fail(const std::string& name, DWORD error) { throw vcl::EFCreateError(name, vcl::SysErrorMessage(error)); }

}  // namespace

std::string SaveNewFile(const std::string& folder, std::span<const std::uint8_t> bytes, std::string name,
                        const std::function<std::string()>& nextName) {
  char temp[MAX_PATH] = {};
  // Creates the empty temporary file; in the same folder, so the rename
  // stays on one volume and is a single step.
  if (!GetTempFileNameA(folder.c_str(), "vex", 0, temp)) Fail(name, GetLastError());
  HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    DeleteFileA(temp);
    Fail(name, error);
  }
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  ok = ok && FlushFileBuffers(file);
  DWORD error = ok ? ERROR_SUCCESS : GetLastError();
  CloseHandle(file);
  for (int attempt = 0; ok && attempt < 20; ++attempt) {
    if (MoveFileExA(temp, name.c_str(), MOVEFILE_WRITE_THROUGH)) return name;
    error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) break;
    name = nextName();
  }
  DeleteFileA(temp);
  Fail(name, error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error);
}

}  // namespace vex::iconbrowser
