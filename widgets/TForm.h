#pragma once
// Top-level windows. The window class is the form's class name ("TForm1"),
// the owner is the application's hidden window. A form starts hidden; Show
// runs OnShow and shows it, ShowModal runs a message loop with the program's
// other windows disabled until Close (or ModalResult) ends it. AutoSize makes
// the client area follow the visible aligned children.
#include <windows.h>

#include <functional>

#include "widgets/TIcon.h"
#include "widgets/TWinControl.h"

namespace vcl {

class TMainMenu;
class TMenuItem;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// Message a form posts to itself to be freed once its current message is done.
constexpr UINT CM_RELEASE = CM_BASE + 33;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;
  // Runs OnCreate; TApplication::CreateForm and vcl::New call it.
  void AfterConstruction() override;
  // Runs OnDestroy, then destroys the window.
  void BeforeDestruction() override;

  void Show();
  void Hide();
  TModalResult ShowModal();
  void Close();
  // Frees the form after the message being handled.
  void Release();
  bool Modal() const { return FModal; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }
  bool Active() const;

  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons icons);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  // The window icon (large and small); empty means the system default.
  TIcon& Icon() { return FIcon; }
  TMainMenu* Menu() const { return FMenu; }
  // Kept for code that switches it; forms here never scroll their client area.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value) { FAutoScroll = value; }
  void SetMenu(TMainMenu* menu);

  RECT ClientRect() override;
  void SetClientSize(int width, int height) override;
  void SetBounds(int left, int top, int width, int height) override;
  bool Showing() const override { return Visible(); }

  // Runs after the form has laid itself out at a new DPI: when its window is
  // made on a display that is not at 96 dpi, and on WM_DPICHANGED.  Forms
  // load pictures at the new size here.
  TNotifyEvent OnDpiChanged;
  // What WM_DPICHANGED does: the window takes `suggested` (screen
  // coordinates; its top-left, with the size made from the design), lays
  // itself out at `dpi` from its 96-dpi design and repaints.
  void ChangeDpi(int dpi, const RECT* suggested);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWndDone() override;
  void WndProc(TMessage& message) override;
  void VisibleChanged() override;
  void ApplyDpi() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  bool CloseQuery();

 private:
  friend class TMainMenu;
  void MenuChanged();
  DWORD StyleFor() const;
  DWORD ExStyleFor() const;
  SIZE FrameSize() const;
  void ApplyIcon();
  void RecreateShown();
  // The design's client size follows the client size set at the form's DPI.
  void ClientChanged();
  bool Centered() const;
  POINT CentreFor(int width, int height) const;
  void DpiChanged();

  TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TPosition FPosition = poDesigned;
  TIcon FIcon;
  TMainMenu* FMenu = nullptr;
  int FClientWidth = 0, FClientHeight = 0;
  int FDesignClientWidth = 0, FDesignClientHeight = 0;
  bool FModal = false;
  TModalResult FModalResult = mrNone;
  bool FCreated = false;
  bool FDestroyDone = false;
  bool FShownOnce = false;
  bool FAutoScroll = false;
};

}  // namespace vcl
