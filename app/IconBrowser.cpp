// The main window's way to the real icon browser.
#include "app/IconBrowser.h"

#include "iconbrowser/TFormIconExplorer.h"

namespace vex::app {

void CreateIconBrowser() {
  if (!FormIconExplorer) FormIconExplorer = vcl::New<TFormIconExplorer>(nullptr);
}

bool ExecuteIconBrowser(const std::string& folder, TIconReference& chosen) {
  if (!FormIconExplorer || !FormIconExplorer->Execute(folder)) return false;
  chosen = TIconReference{FormIconExplorer->FResultFile, FormIconExplorer->FResultIndex};
  return true;
}

}  // namespace vex::app
