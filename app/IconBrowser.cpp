// The main window's way to the real icon browser.
#include "app/IconBrowser.h"

#include "app/PathText.h"
#include "app/TWinPlatform.h"
#include "iconbrowser/TFormIconExplorer.h"

namespace vex::app {

void CreateIconBrowser() {
  // The program folder (Folder.ico, MyIcons, the shipped icons) through the
  // path helper that grows its buffer: a folder deeper than MAX_PATH must not
  // be cut short.
  if (!FormIconExplorer)
    FormIconExplorer = vcl::New<TFormIconExplorer>(nullptr, DirectoryPart(TWinPlatform().ProgramPath()));
}

bool ExecuteIconBrowser(const std::string& folder, TIconReference& chosen) {
  if (!FormIconExplorer || !FormIconExplorer->Execute(folder)) return false;
  chosen = TIconReference{FormIconExplorer->FResultFile, FormIconExplorer->FResultIndex};
  return true;
}

}  // namespace vex::app
