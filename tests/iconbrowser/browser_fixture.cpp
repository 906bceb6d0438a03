#include <gtest/gtest.h>

#include "browser_fixture.h"

namespace vex::test {

void BrowserTest::SetUp() {
  CopyFileA((ProgramFolder() + "Folder.ico").c_str(), program.File("Folder.ico").c_str(), FALSE);
  CreateDirectoryA(program.File("MyIcons").c_str(), nullptr);
  CopyFileA(Fixture("icons3.dll").c_str(), target.File("three.exe").c_str(), FALSE);
  CopyFileA(Fixture("icons0.dll").c_str(), target.File("none.exe").c_str(), FALSE);
  CopyFileA(Fixture("icons2.dll").c_str(), target.File("two.dll").c_str(), FALSE);
  CreateDirectoryA(target.File("folder.exe").c_str(), nullptr);
}

void BrowserTest::TearDown() { form.reset(); }

TFormIconExplorer& BrowserTest::Form() {
  if (!form) form.reset(vcl::New<TFormIconExplorer>(nullptr, program.Path() + "\\"));
  return *form;
}

void BrowserTest::Select(int index) {
  ListView_SetItemState(H(Form().ListView1), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void BrowserTest::SelectNone() { ListView_SetItemState(H(Form().ListView1), -1, 0, LVIS_SELECTED); }

void BrowserTest::Scroll(WORD code, WORD pos) {
  // What the scroll bar sends its parent when the user moves it.
  SendMessageA(H(Form().GroupBox1), WM_VSCROLL, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(H(Form().ScrollBar1)));
}

HWND FindMessageBox(std::string* text) {
  HWND box = FindThreadWindow("#32770");
  if (box && text) {
    text->clear();
    EnumChildWindows(
        box,
        [](HWND child, LPARAM lp) -> BOOL {
          char buf[512] = {};
          GetWindowTextA(child, buf, sizeof buf);
          *reinterpret_cast<std::string*>(lp) += std::string(buf) + "\n";
          return TRUE;
        },
        reinterpret_cast<LPARAM>(text));
  }
  return box;
}

}  // namespace vex::test
