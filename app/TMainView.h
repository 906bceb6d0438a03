#pragma once
// What the main window's logic needs from the window itself: its controls,
// its dialogs and the icon browser. TForm1 implements it on real controls;
// tests implement it with plain fields.
#include <string>

#include "app/IconReference.h"

namespace vex::app {

class TMainView {
 public:
  virtual ~TMainView() = default;

  virtual std::string FolderText() = 0;  // Edit1
  virtual void SetFolderText(const std::string& text) = 0;

  // Check boxes: setting a state from code runs the box's click handler when,
  // and only when, the state changes.
  virtual bool MenuChecked() = 0;  // CheckBox1
  virtual void SetMenuChecked(bool checked) = 0;
  virtual bool CopyChecked() = 0;  // CheckBox2
  virtual void SetCopyChecked(bool checked) = 0;

  virtual bool OptionsVisible() = 0;  // Panel2
  virtual void SetOptionsVisible(bool visible) = 0;
  virtual void SetOptionsButtonCaption(const std::string& caption) = 0;  // SpeedButton1

  // The shell's folder dialog; false when cancelled.
  virtual bool BrowseForFolder(const std::string& title, std::string& folder) = 0;
  // The icon browser opened on a folder; false when not accepted.
  virtual bool ExecuteIconBrowser(const std::string& folder, TIconReference& chosen) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  // The error box the message loop shows for an error no handler caught.
  virtual void ShowError(const std::string& text) = 0;
  // Draws the icon into Image1 (an empty file clears the picture); may throw
  // when the icon file cannot be read.
  virtual void PaintIcon(const TIconReference& icon) = 0;
  virtual void OpenUrl(const std::string& url) = 0;
};

}  // namespace vex::app
