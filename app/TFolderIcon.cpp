#include "app/TFolderIcon.h"

#include <array>
#include <optional>

#include "app/EAppError.h"
#include "app/IniValue.h"
#include "app/PathText.h"

namespace vex::app {

namespace {

// Every key through which Explorer takes a folder's icon. IconResource is the
// newer form and wins over the other two wherever Explorer finds it.
constexpr std::array<const char*, 3> kIconKeys = {"IconFile", "IconIndex", "IconResource"};

bool HasKey(const std::vector<std::string>& keys, const std::string& key) {
  for (const auto& k : keys)
    if (EqualsNoCase(k, key)) return true;
  return false;
}

// An icon file larger than this is not compared, so never taken for a copy
// already there; real icons are a few hundred kilobytes at most.
constexpr std::size_t kMaxCopiedIcon = 64u << 20;
// x.ico, x_2.ico, ... : a folder holding this many icons of one name gets a
// reference to the icon instead of yet another copy.
constexpr int kMaxNumberedNames = 1000;

}  // namespace

std::string TFolderIcon::DesktopIniPath(const std::string& folder) { return folder + "\\Desktop.ini"; }

void TFolderIcon::Write(const std::string& ini, const std::string& key, const std::string& value) {
  if (!FPlatform.WriteIni(ini, kShellClassInfo, key, value)) throw WriteError(ini);
}

void TFolderIcon::Apply(const std::string& folder, const TIconReference& icon, bool copyIco) {
  const std::string ini = DesktopIniPath(folder);
  const bool ico = IsIcoFile(icon.File);
  // A stale IconResource (written by Explorer's own dialog or another tool)
  // would hide the icon written here.
  if (FPlatform.FileExists(ini) && HasKey(FPlatform.IniKeys(ini, kShellClassInfo), "IconResource"))
    FPlatform.DeleteIniKey(ini, kShellClassInfo, "IconResource");
  const std::string copyName = copyIco && ico ? CopyIntoFolder(folder, icon.File) : std::string();
  if (!copyName.empty()) {
    Write(ini, "IconIndex", "0");
    Write(ini, "IconFile", "./" + copyName);
    HideFile(ini);
    HideFile(folder + "\\" + copyName);
  } else {
    Write(ini, "IconIndex", std::to_string(ico ? 0 : icon.Index));
    Write(ini, "IconFile", icon.File);
    HideFile(ini);
  }
  MarkFolder(folder);
  FPlatform.NotifyFolderChanged(folder);
}

std::string TFolderIcon::CopyIntoFolder(const std::string& folder, const std::string& file) {
  const std::string name = FileNamePart(file);
  // The name comes from the user's choice or from a Desktop.ini someone else
  // wrote: it must name a file in this folder and nowhere else.
  if (!IsPlainFileName(name)) return {};
  const std::optional<std::string> bytes = FPlatform.ReadFileBytes(file, kMaxCopiedIcon);
  // The first name that is free, or that holds these very bytes already (the
  // icon lies in the folder, or an earlier apply copied it): a different file
  // of the user's is never replaced.
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const std::string candidate = n == 1 ? name : NumberedFileName(name, n);
    const std::string path = folder + "\\" + candidate;
    if (!FPlatform.FileExists(path)) return FPlatform.CopyFileReplacing(file, path) ? candidate : std::string();
    if (bytes && FPlatform.ReadFileBytes(path, kMaxCopiedIcon) == bytes) return candidate;
  }
  return {};
}

bool TFolderIcon::Restore(const std::string& folder) {
  const std::string ini = DesktopIniPath(folder);
  if (!FPlatform.FileExists(ini)) return false;
  const std::vector<std::string> keys = FPlatform.IniKeys(ini, kShellClassInfo);
  bool removed = false;
  for (const char* key : kIconKeys)
    if (HasKey(keys, key) && FPlatform.DeleteIniKey(ini, kShellClassInfo, key)) removed = true;
  if (!removed) return false;
  bool anyKeyLeft = false;
  for (const auto& section : FPlatform.IniSections(ini))
    if (!FPlatform.IniKeys(ini, section).empty()) anyKeyLeft = true;
  if (!anyKeyLeft) FPlatform.RemoveFile(ini);
  FPlatform.NotifyFolderChanged(folder);
  return true;
}

TIconReference TFolderIcon::Read(const std::string& folder) {
  TIconReference icon;
  const std::string ini = DesktopIniPath(folder);
  if (!FPlatform.FileExists(ini)) return icon;
  icon.Index = ParseIniInteger(FPlatform.ReadIni(ini, kShellClassInfo, "IconIndex", ""), 0);
  const std::string file = FPlatform.ReadIni(ini, kShellClassInfo, "IconFile", "");
  icon.File = file.rfind("./", 0) == 0 ? folder + "\\" + file.substr(2) : file;
  return icon;
}

void TFolderIcon::HideFile(const std::string& path) { FPlatform.StartHidden("attrib +h " + QuoteIfBlank(path)); }

void TFolderIcon::MarkFolder(const std::string& folder) {
  FPlatform.StartHidden("attrib +s " + QuoteIfBlank(folder));
}

}  // namespace vex::app
