#pragma once
// Drives a real vexilo.exe from the outside, as a user would: it starts the
// program from a private copy of its folder, finds the program's windows by
// process, and clicks and types with mouse and keyboard messages sent to
// whatever window lies under a point. Nothing here calls into the program.
#include <windows.h>

#include <string>
#include <vector>

namespace vex::app::test {

// A program folder of its own for one test: vexilo.exe and the files beside
// it are copied there, so Setup.ini and MyIcons belong to the test.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  const std::string& Dir() const { return FDir; }  // with trailing backslash
  std::string Exe() const { return FDir + "vexilo.exe"; }

 private:
  std::string FDir;
};

class Vexilo {
 public:
  // Starts `exe` with the command line `"exe" arguments` (arguments written
  // as given); the usage report is switched off.
  Vexilo(const std::string& exe, const std::string& arguments);
  ~Vexilo();  // ends the process by force if a test left it running
  Vexilo(const Vexilo&) = delete;
  Vexilo& operator=(const Vexilo&) = delete;

  // The visible top-level window of `windowClass` of this process; waits.
  HWND WaitWindow(const char* windowClass, DWORD timeoutMs = 30000);
  HWND Main() { return WaitWindow("TForm1"); }
  // Clicks the main window's folder picture and waits for the icon browser.
  HWND OpenIconBrowser();
  // Every visible top-level window of this process.
  std::vector<HWND> Windows() const;

  // Presses and releases the left button at a client point of `top`, on the
  // deepest child window there (a windowless control's parent).
  static void Click(HWND top, int x, int y);
  // Types text into the window that has the focus in that window's thread.
  // Presses and releases the left button at a point of the window's frame
  // (window coordinates), as on a caption button.
  static void ClickFrame(HWND top, int x, int y);
  static void Type(HWND target, const std::string& text);
  static void Key(HWND target, UINT vk);

  // Waits for a message box, returns its text and presses its OK button.
  std::string AnswerMessageBox(DWORD timeoutMs = 30000);
  // Closes the main window and waits for the process to end; its exit code.
  DWORD Close();
  bool Running() const;
  DWORD ProcessId() const { return FInfo.dwProcessId; }

 private:
  PROCESS_INFORMATION FInfo{};
};

// The window has the skinned frame: the sedge skin's shaped region and the
// native caption boxes taken off.
bool LooksSkinned(HWND window);
// The first child window (any depth) whose text is `text`.
HWND ChildWithText(HWND top, const std::string& text);
// The first child window (any depth) of window class `windowClass`.
HWND ChildOfClass(HWND top, const char* windowClass);

// Text of a window or control, also of another process.
std::string WindowText(HWND window);
// Deepest visible child window of `top` under a client point of `top`.
HWND ChildAt(HWND top, POINT clientPoint, POINT* childPoint);

}  // namespace vex::app::test
