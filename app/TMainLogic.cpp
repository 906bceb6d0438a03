#include "app/TMainLogic.h"

#include "app/AppTexts.h"
#include "app/CommandLine.h"
#include "app/EAppError.h"
#include "app/SetupIni.h"
#include "app/SkinChoice.h"
#include "app/TShellVerb.h"

namespace vex::app {

TMainLogic::TMainLogic(TMainView& view, TPlatform& platform)
    : FView(view), FPlatform(platform), FFolderIcon(platform), FSetupIni(SetupIniPath(platform.ProgramPath())) {}

void TMainLogic::FormCreate(const std::string& commandLine) {
  try {
    LoadSettings();
  } catch (const EAppError& e) {
    // Only the write-back of a ticked copy option can fail here (a program
    // folder without write access): say so, and open the window all the same.
    FView.ShowError(e.what());
  }
  if (!HasCommandLineParameters(commandLine)) return;
  const std::string folder = FolderFromCommandLine(commandLine, FPlatform.ProgramPath());
  FView.SetFolderText(folder);
  try {
    ShowFolderIcon(folder);
  } catch (const std::exception&) {
    // A broken icon must not keep the window from opening: the folder stays in
    // the edit field and the picture stays empty.
  }
}

void TMainLogic::LoadSettings() {
  const TSettings s = ReadSettings(FPlatform, FSetupIni);
  FView.SetMenuChecked(s.Menu);
  FView.SetCopyChecked(s.Copy);
}

void TMainLogic::SaveSettings() {
  WriteSettings(FPlatform, FSetupIni, TSettings{FView.MenuChecked(), FView.CopyChecked()});
}

std::string TMainLogic::ChosenSkinFile() { return vex::app::ChosenSkinFile(FPlatform, FSetupIni); }

bool TMainLogic::SkinInHighContrast() { return vex::app::SkinInHighContrast(FPlatform, FSetupIni); }

void TMainLogic::CheckBox1Click() {
  if (FView.MenuChecked())
    AddShellVerb(FPlatform);
  else
    RemoveShellVerb(FPlatform);
}

void TMainLogic::Button1Click() {
  std::string folder = FView.FolderText();
  if (folder.empty()) {
    if (!FView.BrowseForFolder(text::kBrowseChangeTitle, folder)) return;
    FView.SetFolderText(folder);
  }
  if (FChosen.File.empty()) {
    TIconReference chosen;
    if (!FView.ExecuteIconBrowser(folder, chosen)) return;
    FChosen = chosen;
  }
  FFolderIcon.Apply(folder, FChosen, FView.CopyChecked());
  FView.ShowMessage(text::kApplied);
  ShowFolderIcon(folder);
}

void TMainLogic::BitBtn1Click() {
  std::string folder = FView.FolderText();
  if (folder.empty() && !FView.BrowseForFolder(text::kBrowseRestoreTitle, folder)) return;
  if (folder.empty()) return;
  if (FFolderIcon.Restore(folder)) FView.ShowMessage(text::kRestored);
  ShowFolderIcon(folder);
}

void TMainLogic::ShowFolderIcon(const std::string& folder) {
  if (folder.empty()) return;
  FChosen = FFolderIcon.Read(folder);
  FView.PaintIcon(FChosen);
}

void TMainLogic::Image1Click() {
  TIconReference chosen;
  if (!FView.ExecuteIconBrowser(FView.FolderText(), chosen)) return;
  FChosen = chosen;
  FView.PaintIcon(FChosen);
}

void TMainLogic::SpeedButton1Click() {
  const bool visible = !FView.OptionsVisible();
  FView.SetOptionsVisible(visible);
  FView.SetOptionsButtonCaption(visible ? text::kOptionsHide : text::kOptionsShow);
}

void TMainLogic::SpeedButton2Click() {
  std::string folder;
  if (FView.BrowseForFolder(text::kBrowseChangeTitle, folder)) FView.SetFolderText(folder);
}

void TMainLogic::Label1Click() { FView.OpenUrl(text::kDownloadUrl); }

}  // namespace vex::app
