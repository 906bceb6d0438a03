#pragma once
// A program folder (Folder.ico, MyIcons) and a target folder holding
// executables and a library with 3, 0 and 2 icons, and the browser on them.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "iconbrowser/TFormIconExplorer.h"
#include "modal_script.h"
#include "test_folder.h"

namespace vex::test {

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The browser for `program` (created on first use, so a test can change
  // the program folder first).
  TFormIconExplorer& Form();

  HWND H(vcl::TWinControl* c) { return c->Handle(); }
  void Select(int index);
  void SelectNone();
  // Confirms with OK (posted, as a user's click arrives).
  void ClickOk() { PostMessageA(H(Form().Button1), BM_CLICK, 0, 0); }
  void ClickCancel() { PostMessageA(H(Form().Button2), BM_CLICK, 0, 0); }
  void Scroll(WORD code, WORD pos = 0);
  bool Showing() { return IsWindowVisible(Form().Handle()) != FALSE; }

  TempFolder program;
  TempFolder target;
  vcl::Owned<TFormIconExplorer> form;
};

// A step that runs once.
inline ModalScript::Step Do(std::function<void()> fn) {
  return [fn = std::move(fn)] {
    fn();
    return true;
  };
}
// The visible message box of this thread and its text, or null.
HWND FindMessageBox(std::string* text = nullptr);

}  // namespace vex::test
