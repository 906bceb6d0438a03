#pragma once
// TSkinForm: the frame object the skin manager attaches to one top-level
// window or MDI child.  It takes over the window's non-client area: the
// skin's borders and title bar with the caption text and caption buttons,
// the band of a skinned menu bar, a window region cut from the borders'
// colour-keyed pixels, and a window size that keeps the client area as it
// was.  The code is split by concern:
//   SkinFormAttach.cpp    attach, detach, native icons, window state, icon
//   SkinFormGeometry.cpp  border thicknesses, sizing, the window region
//   SkinFormPaint.cpp     borders, title bar, caption text
//   SkinFormProc.cpp      the window procedure and the form-object hook
//   SkinFormCommands.cpp  window commands, mouse on caption objects, hover
//   SkinFormMdi.cpp       the MDI client procedure
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/windows/FrameGeometry.h"
#include "skin/windows/SkinParts.h"
#include "widgets/Handles.h"
#include "widgets/Messages.h"
#include "widgets/TBitmap.h"
#include "widgets/TCanvas.h"
#include "widgets/TComponent.h"

namespace vcl {
class TForm;
}  // namespace vcl

namespace vex::skin {

class TSkinData;
class TDataSkinBorder;
class TNCObject;
class TWinSysButton;

// Skin states of a frame.
enum : int {
  kSkinAttached = 0,   // attached, not activated yet
  kSkinActive = 1,
  kSkinApplying = 3,   // applying a changed skin
  kSkinReleasing = 4,  // being released
  kSkinFirstSizing = 5,
};

enum TFrameSide { fsLeft, fsRight, fsTop, fsBottom };


LRESULT FrameSubclassProc(void* frame, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ClientSubclassProc(void* frame, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

class TSkinForm : public vcl::TComponent {
 public:
  TSkinForm();
  ~TSkinForm() override;

  // ---- attachment (SkinFormAttach.cpp) ---------------------------------
  void AttachForm(TSkinData* skin, vcl::TForm* form);
  void AttachWindow(TSkinData* skin);
  // Undoes everything; safe when not attached.  A frame released because its
  // window is being destroyed restores the procedures and nothing else.
  void Detach();
  bool Attached() const { return FAttached; }
  void SetNativeIcons(bool on);
  void ReadWindowState();
  // Frees the frame, or, while one of its messages is being handled, once
  // the outermost of them returns.
  void Release();

  // ---- geometry and region (SkinFormGeometry.cpp) ----------------------
  void BuildGeometry();
  void ClearButtons();
  void FitToSkin(bool withMenu);
  // The first sizing, done while the window is not shown yet: the window is
  // fitted and shaped, no frame is painted; activation then only paints it.
  void FitBeforeShow();
  // Remembers the client size for the next FitToSkin: a changed skin's new
  // bands take effect (a dropped region recomputes the frame) before the
  // window is sized for them.
  void KeepClientSize();
  void FrameChanged();
  void BuildRegion();
  void DropRegion();
  void ApplySkin();
  bool MdiChildMaximized();

  // ---- painting (SkinFormPaint.cpp) ------------------------------------
  // The whole non-client area; `dc` null: the window's own DC.
  void PaintFrame(HDC dc = nullptr);
  // One side's picture of the rectangle's size, active or inactive frame
  // (a new bitmap for the caller).
  HBITMAP BuildBorder(TFrameSide side, const RECT& rect);
  // The same picture kept by the frame for the next paint at that size and
  // state (borrowed; valid until the frame's pictures are dropped).
  HBITMAP CachedBorder(TFrameSide side, int width, int height);
  // Forgets the pictures kept for painting (a new skin, new geometry).
  void DropPictures();
  void PaintBorder(TFrameSide side, const RECT& rect, HDC dc);

  // ---- caption objects (TWinSysButton.cpp) -----------------------------
  void LayoutButtons();
  void DrawButtons(HDC dc);
  TNCObject* ButtonAt(POINT p);
  // A caption button that maximises or restores the window.
  bool IsMaximizeButton(const TNCObject* object) const;

  // ---- window commands (SkinFormCommands.cpp) --------------------------
  void Maximize();
  void Minimize();
  void Restore();
  void ShowSystemMenu(POINT screen);
  // Posts a click one pixel inside a menu bar button: it opens its drop-down
  // once the message being handled is done.
  void PressMenuButton(const TNCObject& button);
  void MdiCommand(UINT command);
  POINT ScreenToFrame(POINT screen);
  void HoverTick();
  void HoverStop();
  // Ticks every 250 ms while the window is active, so that a hot caption
  // button or control hears when the mouse has left it.
  void SetHoverTicking(bool on);

  // ---- what the parts read ---------------------------------------------
  HWND Handle() const { return FHandle; }
  TSkinData* SkinData() const { return FSkinData; }
  vcl::TForm* Form() const { return FForm; }
  vcl::TCanvas& Canvas() { return FCanvas; }
  frame::Bands Bands() const { return {FLeftWidth, FTopHeight, FRightWidth, FBottomHeight, FMenuHeight}; }
  frame::WindowFacts Facts();
  bool IsMdiChild() const { return FMdiKind == 2; }
  bool IsMdiFrame() const { return FMdiKind == 1; }
  // An MDI child in a non-normal state: its frame steps aside.
  bool MdiChildAside() const { return FMdiKind == 2 && FWindowState != 0; }

  HWND FHandle = nullptr;
  vcl::TForm* FForm = nullptr;
  TSkinData* FSkinData = nullptr;
  int FMdiKind = 0;      // 0 ordinary, 1 MDI frame, 2 MDI child
  int FBorderKind = 0;   // 0 thick or edged, 2 popup without caption, 3 other
  int FWindowState = 0;  // 0 normal, 1 maximised, 2 minimised
  bool FActive = true;
  // UISF_HIDEACCEL / UISF_HIDEFOCUS of the window's UI state, read at attach
  // and on WM_UPDATEUISTATE.
  unsigned FUiState = 0;
  bool HidesAccessKeys() const { return (FUiState & UISF_HIDEACCEL) != 0; }
  unsigned FNativeIcons = 0;  // 8 system menu, 2 minimise box, 1 maximise box
  int FSkinState = kSkinAttached;
  int FLeftWidth = 0, FTopHeight = 0, FRightWidth = 0, FBottomHeight = 0;
  int FMenuHeight = 0;
  RECT FWindowRect{};
  int FWidth = 0, FHeight = 0;
  RECT FTextRect{};
  bool FHasRegion = false;
  SIZE FRegionSize{};
  vcl::BitmapHandle FSmallIcon;
  // Pictures kept between paints: each side at its last size and state,
  // and what the composed title showed.
  struct TSidePicture {
    vcl::BitmapHandle bitmap;
    int width = -1, height = -1, frame = -1;
  };
  TSidePicture FSides[4][2];  // by side, active and inactive frame
  struct TTitleKey {
    int width = -1, height = -1, windowState = -1, menuHeight = -1;
    bool active = false, mdiMax = false;
    unsigned nativeIcons = 0;
    std::string text;
    bool operator==(const TTitleKey&) const = default;
  };
  // The title bar as last painted (FTitleBitmap), the same before the
  // caption buttons were drawn on it (what a button in another state is
  // drawn over), and what it shows; the title of the other activation state
  // is kept too, so that switching between windows only copies titles.
  struct TTitlePicture {
    vcl::BitmapHandle bitmap, back;
    SIZE size{};
    TTitleKey key;
    RECT textRect{};
    bool valid = false;
  };
  TTitlePicture FTitle, FSpareTitle;
  vcl::FontHandle FCaptionFont;
  std::vector<std::unique_ptr<TWinSysButton>> FButtons;
  TNCObject* FHotObject = nullptr;
  std::unique_ptr<TMenuBarPart> FMenuBar;
  HMENU FNativeMenu = nullptr;
  HMENU FSystemMenu = nullptr;
  SIZE FNativeFrame{};
  std::vector<TFrameSkinner*> ControlSkinners;  // owned
  TFrameSkinner* HotControl = nullptr;
  HWND FClientWnd = nullptr;
  HWND FNewChild = nullptr;
  bool FTracking = false;
  HMENU FDropDown = nullptr;

 protected:
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  friend class TFrameProcScope;
  friend class TFramesHeld;
  friend LRESULT FrameSubclassProc(void*, HWND, UINT, WPARAM, LPARAM);
  friend LRESULT ClientSubclassProc(void*, HWND, UINT, WPARAM, LPARAM);
  // Hands a message of the frame's window or of its MDI client to one of
  // its procedures; the frame stays alive until the message is done.
  static LRESULT Dispatch(void* frame, void (TSkinForm::*proc)(vcl::TMessage&), UINT msg, WPARAM wParam,
                          LPARAM lParam);

  // SkinFormAttach.cpp
  void MakeSmallIcon();
  void FreeControlSkinners();
  // SkinFormPaint.cpp
  bool ComposeTitle();
  void PaintTitle(HDC dc);
  void DrawCaptionText(HDC dc, const RECT& bar, const std::string& caption);
  // SkinFormProc.cpp
  void WndProc(vcl::TMessage& m);
  bool Stage1(vcl::TMessage& m);
  bool Stage2(vcl::TMessage& m);
  void FormWindowProc(vcl::TMessage& m);
  void PassOn(vcl::TMessage& m);
  void PassOnQuietly(vcl::TMessage& m);
  void SkinActivate();
  // SkinFormDpi.cpp
  void DpiChanged(vcl::TMessage& m);
  void SysCommand(vcl::TMessage& m);
  void NcCalcSize(vcl::TMessage& m);
  // SkinFormCommands.cpp
  TNCObject* ObjectAt(POINT framePoint);
  bool NcMouseMove(vcl::TMessage& m);
  bool NcLButtonDown(vcl::TMessage& m);
  bool NcLButtonUp(vcl::TMessage& m);
  // SkinFormMdi.cpp
  void SubclassClient();
  void UnsubclassClient();
  void ClientWndProc(vcl::TMessage& m);

  bool FAttached = false;
  bool FKeepClient = false;
  SIZE FKeptClient{};
  bool FSubclassed = false;
  bool FClientSubclassed = false;
  vcl::TWndMethod FOldWindowProc;
  vcl::TColor FOldColor = 0;
  // The hover tick: a timer of the window itself (a timer object would
  // make a window of its own for every frame).
  static constexpr UINT_PTR kHoverTimer = 0x5658;
  bool FHoverTicking = false;
  vcl::TCanvas FCanvas;
  int FMessageDepth = 0;
  bool FFreeWhenDone = false;
};

// Keeps a frame alive while one of its messages is being handled: a frame
// released meanwhile (its window destroyed from a handler further down) is
// freed when the outermost message returns.
class TFrameProcScope {
 public:
  explicit TFrameProcScope(TSkinForm& frame) : frame_(frame) { ++frame_.FMessageDepth; }
  TFrameProcScope(const TFrameProcScope&) = delete;
  TFrameProcScope& operator=(const TFrameProcScope&) = delete;
  ~TFrameProcScope() {
    if (--frame_.FMessageDepth == 0 && frame_.FFreeWhenDone) frame_.Free();
  }

 private:
  TSkinForm& frame_;
};

// The same for every frame of a list that a loop goes over (the manager's
// loops over a copy of its frames): a step may send a window a message whose
// handler, application code, destroys another window of the list.  Its frame
// is then released but kept until the loop is done, and Released() tells the
// loop to pass it by.
class TFramesHeld {
 public:
  explicit TFramesHeld(const std::vector<TSkinForm*>& frames) : frames_(frames) {
    for (TSkinForm* frame : frames_) ++frame->FMessageDepth;
  }
  TFramesHeld(const TFramesHeld&) = delete;
  TFramesHeld& operator=(const TFramesHeld&) = delete;
  ~TFramesHeld() {
    for (TSkinForm* frame : frames_)
      if (--frame->FMessageDepth == 0 && frame->FFreeWhenDone) frame->Free();
  }
  static bool Released(const TSkinForm* frame) { return frame->FFreeWhenDone; }

 private:
  std::vector<TSkinForm*> frames_;
};

// The frame serving a window, or null (looked up through the skin manager).
TSkinForm* FrameOf(HWND window);

}  // namespace vex::skin
