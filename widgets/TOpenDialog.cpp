#include "widgets/TOpenDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "widgets/ProfileText.h"
#include "widgets/TApplication.h"
#include "widgets/TaskWindows.h"

namespace vcl {

bool TOpenDialog::Execute() {
  std::vector<char> file(4096, '\0');
  FileName.copy(file.data(), file.size() - 1);
  const std::string filter = DialogFilterList(Filter);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  HWND owner = GetActiveWindow();
  if (!owner && Application) owner = Application->Handle();
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (FileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  TaskWindowsDisabler disabled(owner);
  if (!GetOpenFileNameA(&ofn)) return false;
  FileName = file.data();
  FilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}

}  // namespace vcl
