#pragma once
// Controls with a window of their own. The window is created when first
// needed, from a window class named after the control ("TButton" over the
// system's "BUTTON", a form's own class name for forms). The object is bound
// to its window through a window property; the class procedure looks it up
// and sends each message through the object's WindowProc. A parent reflects
// notifications (WM_COMMAND, WM_NOTIFY, WM_*SCROLL, WM_CTLCOLOR*, WM_DRAWITEM,
// WM_MEASUREITEM) to the child they concern as CN_ messages, paints its
// windowless children in its WM_PAINT and forwards mouse messages to them.
#include <windows.h>

#include <string>
#include <vector>

#include <memory>

#include "widgets/Handles.h"
#include "widgets/TCanvas.h"
#include "widgets/TControl.h"

namespace vcl {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  void BeforeDestruction() override;

  // The window, created (with the parents' windows) when there is none yet.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window and makes a new one with the current settings.
  void RecreateWnd();

  // The object bound to a window of this program, or nullptr.
  static TWinControl* FindControl(HWND window);

  int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
  // Windowless children first, then windowed ones in tab order.
  TControl* Controls(int index) const;
  // The visible windowless child at a client point (topmost first).
  TControl* ControlAtPos(POINT clientPoint, bool allowDisabled = false) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  // Double buffered: the control paints into an off-screen bitmap that is
  // copied to the screen in one transfer (controls of system classes too),
  // so whatever is painted over it afterwards does not flicker.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }

  void SetFocus();
  bool Focused() const;
  bool CanFocus() const;

  // Re-runs alignment (and AutoSize) of the children.
  void Realign();
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool value);

  RECT ClientRect() override;
  // The part of the client area that aligned children share.
  virtual RECT AlignRect() { return ClientRect(); }
  void SetBounds(int left, int top, int width, int height) override;
  std::string GetText() const override;
  bool Showing() const override;
  void Invalidate() override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    HMENU Menu = nullptr;  // the child id, or a top-level window's menu
    std::string WinClassName;  // our class name
    std::string BaseClassName;  // system class to superclass; empty for a class of our own
    UINT ClassStyle = CS_DBLCLKS;
  };

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Creates the window, then the windows of the windowed children.
  virtual void CreateWnd();
  // Pushes state kept in the object into a new window (items, ranges, checks).
  virtual void CreateWndDone() {}
  // Reads state out of the window before it is destroyed (so a re-created
  // window gets it back).
  virtual void DestroyWnd() {}
  void DestroyHandle();

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  // Painting: a control that paints itself (or has windowless children)
  // answers WM_PAINT with PaintHandler, which calls PaintWindow and then
  // paints the windowless children. WParam may carry the DC to paint into.
  void PaintHandler(TMessage& message);
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc);
  // Fills the background with Color; controls of system classes keep theirs.
  virtual bool EraseBackground(HDC dc);
  bool FPaintsSelf = false;  // custom-drawn: background and PaintWindow are ours
  // Background brush of Color (remade on colour change).
  HBRUSH BackgroundBrush();

  void ColorChanged() override;
  void FontChanged() override;
  void TextChanged() override;
  void VisibleChanged() override;
  virtual void AlignControls();
  // AutoSize: the client size the children ask for.
  virtual void AdjustSize();

  void MarkDpi(int dpi) override;
  void ApplyDpi() override;
  void EndDpi() override;
  void ApplyDpiChildren();

  // Reads the window's position back after the system moved it.
  void UpdateBounds();

 private:
  friend class TControl;
  friend LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void Attach(HWND window);
  void HandleDestroyed();
  bool Reflect(TMessage& message);
  bool ForwardMouse(TMessage& message);
  void UpdateZOrder();

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = DefWindowProcA;
  std::vector<TControl*> FControls;     // windowless
  std::vector<TWinControl*> FWinControls;  // windowed, tab order
  bool FTabStop = false;
  bool FDoubleBuffered = false;
  bool FAutoSize = false;
  int FAlignLevel = 0;
  bool FAligning = false;
  BrushHandle FBrush;
  TControl* FCaptureControl = nullptr;
};

// A windowed control of a class of its own that paints itself with a canvas.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  TCanvas& Canvas();

 protected:
  // Draws the control; the canvas is bound to the paint DC.
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace vcl
