#pragma once
// The application object: the hidden owner window of every form (window
// class "TApplication"), the title, the list of forms in creation order, the
// main form, and the message loop. An exception that leaves an event handler
// ends up in HandleException, which shows it in a stop box and carries on.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "widgets/TComponent.h"
#include "widgets/TObject.h"

namespace vcl {

class TForm;

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  void Initialize() {}
  // Creates a form owned by the application; the first one becomes the main
  // form. `reference` is set before OnCreate runs.
  template <class T>
  void CreateForm(T*& reference) {
    reference = new T(this);
    reference->AfterConstruction();
    FormCreated(reference);
  }

  // Shows the main form and dispatches messages until Terminate.
  void Run();
  // Posts WM_QUIT; the loop ends when it arrives.
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Dispatches every message already queued, then returns.
  void ProcessMessages();
  // Waits for one message (or runs idle) and dispatches it.
  void HandleMessage();

  // Shows the exception being handled (call from a catch block).
  void HandleException(TObject* sender);
  void ShowException(const std::exception& e);
  // MessageBoxA owned by the active window, other windows disabled meanwhile.
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title);
  HWND Handle() const { return FHandle; }
  // The program file's full path (ProgramFileName).
  std::string ExeName() const;

  TForm* MainForm() const { return FMainForm; }
  void SetMainForm(TForm* form) { FMainForm = form; }
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool value) { FShowMainForm = value; }

  // Every form of the program, in creation order (owned or not).
  int FormCount() const;
  TForm* Forms(int index) const;
  // The form whose window is `window`, or nullptr.
  TForm* FindForm(HWND window) const;
  TForm* ActiveForm() const;

  TExceptionEvent OnException;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FormCreated(TForm* form);

  HWND FHandle = nullptr;
  std::string FTitle;
  TForm* FMainForm = nullptr;
  bool FShowMainForm = true;
  bool FTerminated = false;
};

// The program's application object (set by the first TApplication made).
extern TApplication* Application;

// The program file's full path, read whole however deep its folder is (the
// buffer grows past MAX_PATH).
std::string ProgramFileName();
// The folder of that file with its trailing backslash, however deep it is.
std::string ProgramFolder();

// A plain message box: the text, one OK button, the application's title.
void ShowMessage(const std::string& text);

// Used by forms and the window procedure.
void RegisterForm(TForm* form);
void UnregisterForm(TForm* form);
void SetActiveForm(TForm* form);
// One round of the message loop, with or without an application object.
void ProcessOneMessage();

}  // namespace vcl
