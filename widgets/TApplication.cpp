#include "widgets/TApplication.h"

#include <objbase.h>

#include <algorithm>
#include <vector>

#include "widgets/Exceptions.h"
#include "widgets/Messages.h"
#include "widgets/PathDelimiter.h"
#include "widgets/TForm.h"
#include "widgets/TMenu.h"
#include "widgets/TaskWindows.h"
#include "widgets/WindowClasses.h"

namespace vcl {

TApplication* Application = nullptr;

namespace {

std::vector<TForm*>& FormList() {
  static std::vector<TForm*> forms;
  return forms;
}
TForm* gActiveForm = nullptr;

LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      if (Application && Application->MainForm()) Application->MainForm()->Close();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DRAWITEM:
      // Popup menus shown without an active form are owned by this window.
      if (reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_MENU &&
          TMenuItem::DispatchDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
      }
      break;
    case WM_MEASUREITEM:
      if (reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType == ODT_MENU &&
          TMenuItem::DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

std::string ModuleBaseName() {
  std::string name = ProgramFileName();
  const auto slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

// Keys that belong to the form rather than the focused control: Alt+letter
// goes to the form as CM_DIALOGCHAR (a menu bar may claim it), and Tab,
// arrows, Enter and Escape move between controls.
bool IsFormMessage(MSG& msg) {
  if (msg.message == WM_SYSCHAR) {
    TWinControl* c = TWinControl::FindControl(msg.hwnd);
    TForm* form = c ? c->ParentForm() : nullptr;
    if (form && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0) return true;
  }
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
    HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    TForm* form = Application ? Application->FindForm(top) : nullptr;
    if (form && form->Menu() && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
      TShortCut shortCut = static_cast<TShortCut>(msg.wParam & 0xFF);
      if (GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
      if (GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
      if (msg.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
      if (form->Menu()->IsShortCut(shortCut)) return true;
    }
    if (form && IsDialogMessageA(top, &msg)) return true;
  }
  return false;
}

void DispatchOne(MSG& msg) {
  if (IsFormMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

void RegisterForm(TForm* form) { FormList().push_back(form); }

void UnregisterForm(TForm* form) {
  auto& list = FormList();
  list.erase(std::remove(list.begin(), list.end(), form), list.end());
  if (gActiveForm == form) gActiveForm = nullptr;
  if (Application && Application->MainForm() == form) Application->SetMainForm(nullptr);
}

void SetActiveForm(TForm* form) { gActiveForm = form; }

void HandleWindowException() {
  if (Application) {
    Application->HandleException(nullptr);
    return;
  }
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const std::exception& e) {
    ::MessageBoxA(nullptr, ErrorBoxText(e.what()).c_str(), "", MB_OK | MB_ICONSTOP);
  } catch (...) {
  }
}

void ProcessOneMessage() {
  if (Application) {
    Application->HandleMessage();
    return;
  }
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    try {
      DispatchOne(msg);
    } catch (...) {
      HandleWindowException();
    }
  }
}

TApplication::TApplication() : TComponent(nullptr) {
  if (!Application) Application = this;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  FTitle = ModuleBaseName();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "TApplication";
  RegisterClassExA(&wc);
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
  FHandle = CreateWindowExA(0, "TApplication", FTitle.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TApplication::~TApplication() {
  // Owned forms go while the hidden window (their owner) still exists.
  while (ComponentCount() > 0) Components(ComponentCount() - 1)->Free();
  if (FHandle) DestroyWindow(FHandle);
  if (Application == this) Application = nullptr;
  CoUninitialize();
}

void TApplication::FormCreated(TForm* form) {
  if (!FMainForm) {
    FMainForm = form;
    form->HandleNeeded();
  }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMainForm) FMainForm = nullptr;
}

void TApplication::SetTitle(const std::string& title) {
  FTitle = title;
  if (FHandle) SetWindowTextA(FHandle, title.c_str());
}

std::string TApplication::ExeName() const { return ProgramFileName(); }

std::string ProgramFileName() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A full buffer may hold a cut path: read again into a larger one.
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ProgramFolder() {
  const std::string path = ProgramFileName();
  return path.substr(0, LastPathDelimiter(path) + 1);  // npos + 1: nothing
}

int TApplication::FormCount() const { return static_cast<int>(FormList().size()); }
TForm* TApplication::Forms(int index) const { return FormList().at(index); }

TForm* TApplication::FindForm(HWND window) const {
  if (!window) return nullptr;
  for (TForm* f : FormList()) {
    if (f->HandleAllocated() && f->Handle() == window) return f;
  }
  return nullptr;
}

TForm* TApplication::ActiveForm() const { return gActiveForm; }

void TApplication::Run() {
  if (!FMainForm && !FormList().empty()) FMainForm = FormList().front();
  if (FMainForm && FShowMainForm) {
    try {
      FMainForm->Show();
    } catch (...) {
      HandleException(this);
    }
  }
  while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleMessage() {
  MSG msg;
  if (!GetMessageA(&msg, nullptr, 0, 0)) {
    FTerminated = true;
    return;
  }
  try {
    DispatchOne(msg);
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      FTerminated = true;
      return;
    }
    try {
      DispatchOne(msg);
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::HandleException(TObject* sender) {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const std::exception& e) {
    if (OnException) {
      OnException(sender, e);
    } else {
      ShowException(e);
    }
  } catch (...) {
    ShowException(Exception("Unknown error"));
  }
}

void TApplication::ShowException(const std::exception& e) {
  MessageBox(ErrorBoxText(e.what()), FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = FHandle;
  TaskWindowsDisabler disabled(owner);
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void ShowMessage(const std::string& text) {
  if (Application) {
    Application->MessageBox(text, Application->Title(), MB_OK);
  } else {
    ::MessageBoxA(nullptr, text.c_str(), "", MB_OK);
  }
}

}  // namespace vcl
