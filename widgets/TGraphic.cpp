#include "widgets/TGraphic.h"

#include "widgets/Exceptions.h"
#include "widgets/Handles.h"

namespace vcl {

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

std::string SysErrorMessage(DWORD code) {
  char* text = nullptr;
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                                 nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string s = n && text ? std::string(text, n) : std::string();
  if (text) LocalFree(text);
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

std::string ReadWholeFile(const std::string& fileName) {
  HANDLE f = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) throw EFOpenError(fileName, SysErrorMessage(GetLastError()));
  std::string data;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(f, &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 30)) {
    data.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    if (!ReadFile(f, data.data(), static_cast<DWORD>(data.size()), &got, nullptr)) got = 0;
    data.resize(got);
  }
  CloseHandle(f);
  return data;
}

}  // namespace vcl
