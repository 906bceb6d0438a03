#pragma once
// Base of every control, windowed or not: parent, bounds, alignment,
// visibility, enabled state, colour, font, text, cursor, hint, mouse events,
// and WindowProc, the replaceable message method that every message the
// control receives goes through. Another object may save WindowProc, install
// its own and later put the saved one back.
#include <windows.h>

#include <functional>
#include <string>

#include "widgets/AlignLayout.h"
#include "widgets/Colors.h"
#include "widgets/Messages.h"
#include "widgets/TComponent.h"
#include "widgets/TFont.h"

namespace vcl {

class TWinControl;
class TForm;

enum TCursor : int {
  crDefault = 0,
  crNone = -1,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crUpArrow = -10,
  crHourGlass = -11,
  crNo = -18,
  crAppStart = -19,
  crHelp = -20,
  crHandPoint = -21,
  crSizeAll = -22,
};
HCURSOR CursorHandle(TCursor cursor);

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShift : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = unsigned;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual RECT ClientRect();
  int ClientWidth() { return ClientRect().right; }
  int ClientHeight() { return ClientRect().bottom; }
  virtual void SetClientSize(int width, int height);
  void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
  void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
  POINT ClientToScreen(POINT p);
  POINT ScreenToClient(POINT p);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a top-level window visible too.
  virtual bool Showing() const;

  bool Enabled() const { return FEnabled; }
  // Sends CM_ENABLEDCHANGED through WindowProc when the value changes.
  virtual void SetEnabled(bool enabled);

  TColor Color() const;
  void SetColor(TColor color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);

  TFont& Font() { return FFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& text) { SetText(text); }
  virtual std::string GetText() const { return FText; }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& text);

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor cursor);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& hint) { FHint = hint; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }

  // The replaceable message method; starts as a call of WndProc.
  TWndMethod WindowProc;
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  virtual void Invalidate();
  void Update();
  void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();

  // The form this control sits on (nullptr when it sits on none).
  TForm* ParentForm() const;

  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

  bool MouseInControl() const { return FMouseInControl; }

  // Scaling with the display.  Bounds and font heights are also kept as a
  // design at 96 dpi; ScaleForDpi lays the control and its children out at
  // `dpi` from that design and recreates the fonts.  Bounds and fonts set
  // while the control is at some DPI are pixels at that DPI, and the design
  // follows them (dpi::Follow), so a trip to another DPI and back returns
  // every control exactly to where it was.  A control given to a parent at
  // another DPI is scaled to the parent's.
  int Dpi() const { return FDpi; }
  void ScaleForDpi(int dpi);
  // A design value (96-dpi pixels) at this control's DPI.
  int Scale(int design) const;
  layout::Box DesignBounds() const { return FDesign; }
  int DesignFontHeight() const { return FDesignFontHeight; }

 protected:
  // The control's own message handling, the default target of WindowProc.
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled: the window class's own
  // procedure for windowed controls, nothing for the others.
  virtual void DefaultHandler(TMessage& message);

  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged();
  virtual void VisibleChanged();
  // Asks the parent to realign (and auto-size) after a change of bounds,
  // alignment or visibility.
  void RequestAlign();
  virtual void Resize();

  // Stored bounds; windowed controls keep them in step with their window.
  void SetStoredBounds(int left, int top, int width, int height);

  // The two passes of ScaleForDpi: every control of the tree takes the new
  // DPI (and holds its alignment) first, so no alignment on the way mistakes
  // new pixels for old ones; then each lays itself out from its design.
  virtual void MarkDpi(int dpi);
  virtual void ApplyDpi();
  // The font part of ApplyDpi: a font of the control's own at the new DPI.
  void ApplyDpiFont();
  // Alignment resumes, parents before children.
  virtual void EndDpi() {}

  // Sets the flag without side effects (forms start hidden).
  void InitVisible(bool visible) { FVisible = visible; }

  // Mouse messages in client coordinates of this control.
  void HandleMouse(TMessage& message);

  bool FClickEvents = true;  // mouse clicks become OnClick/OnDblClick

 private:
  friend class TWinControl;
  void ParentFontChanged();
  void ParentColorChanged();

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  TFont FFont;
  bool FParentFont = true;
  std::string FText;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
  bool FClicked = false;
  bool FMouseInControl = false;
  int FDpi = 96;
  layout::Box FDesign;
  int FDesignFontHeight = -11;
  bool FApplyingDpi = false;
};

}  // namespace vcl
