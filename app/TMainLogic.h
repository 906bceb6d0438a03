#pragma once
// The main window's behaviour, apart from its controls: the event handlers of
// Form1 call in here, and the logic speaks to the window through TMainView and
// to the system through TPlatform.
#include <string>

#include "app/IconReference.h"
#include "app/TFolderIcon.h"
#include "app/TMainView.h"
#include "app/TPlatform.h"

namespace vex::app {

class TMainLogic {
 public:
  TMainLogic(TMainView& view, TPlatform& platform);

  // Reads the settings, then takes the folder from the command line and shows
  // its icon (errors of that are swallowed: the window opens all the same).
  void FormCreate(const std::string& commandLine);
  void FormDestroy() { SaveSettings(); }

  void Button1Click();       // apply
  void BitBtn1Click();       // restore
  void Image1Click();        // open the icon browser
  void SpeedButton1Click();  // show or hide the options
  void SpeedButton2Click();  // browse for a folder
  void Label1Click();        // download page
  void CheckBox1Click();     // Explorer verb
  void CheckBox2Click() { SaveSettings(); }

  void LoadSettings();
  void SaveSettings();
  // The skin package Setup.ini names, when it can be read; empty for the
  // built-in skin.  Asked once, before the main window is first shown.
  std::string ChosenSkinFile();
  // [Skin] HighContrast: the skin stays while the system's high contrast is on.
  bool SkinInHighContrast();
  void ShowFolderIcon(const std::string& folder);

  const TIconReference& Chosen() const { return FChosen; }
  std::string SetupIniFile() const { return FSetupIni; }

 private:
  TMainView& FView;
  TPlatform& FPlatform;
  TFolderIcon FFolderIcon;
  std::string FSetupIni;
  TIconReference FChosen;  // FChosenFile, FChosenIndex
};

}  // namespace vex::app
