#include "widgets/TControl.h"

#include <windowsx.h>

#include <algorithm>

#include "widgets/DpiScale.h"
#include "widgets/Exceptions.h"

#include "widgets/MouseTracking.h"
#include "widgets/TForm.h"
#include "widgets/TWinControl.h"

namespace vcl {

HCURSOR CursorHandle(TCursor cursor) {
  const char* id = IDC_ARROW;
  switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorA(nullptr, id);
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont.OnChange = [this] { FontChanged(); };
  FDesignFontHeight = FFont.Height();
}

TControl::~TControl() {
  ForgetMouseControl(this);
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetStoredBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  FDesign = dpi::FollowBox(FDesign, {left, top, left + width, top + height}, FDpi);
}

int TControl::Scale(int design) const { return dpi::Scale(design, FDpi); }

void TControl::ScaleForDpi(int dpi) {
  if (dpi <= 0) return;
  MarkDpi(dpi);
  try {
    ApplyDpi();
  } catch (...) {
    EndDpi();
    throw;
  }
  EndDpi();
}

void TControl::MarkDpi(int dpi) { FDpi = dpi; }

void TControl::ApplyDpi() {
  const layout::Box b = dpi::ScaleBox(FDesign, FDpi);
  SetBounds(b.left, b.top, b.Width(), b.Height());
  ApplyDpiFont();
}

void TControl::ApplyDpiFont() {
  // A form has no parent to take a font from, whatever its flag says.
  if (!FParentFont || !FParent) {
    FApplyingDpi = true;
    FFont.SetHeight(dpi::Scale(FDesignFontHeight, FDpi));
    FApplyingDpi = false;
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool resized = width != FWidth || height != FHeight;
  Invalidate();
  SetStoredBounds(left, top, width, height);
  Invalidate();
  RequestAlign();
  if (resized) Resize();
}

RECT TControl::ClientRect() { return {0, 0, FWidth, FHeight}; }

void TControl::SetClientSize(int width, int height) {
  const RECT c = ClientRect();
  SetBounds(FLeft, FTop, FWidth + width - c.right, FHeight + height - c.bottom);
}

POINT TControl::ClientToScreen(POINT p) {
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    ::ClientToScreen(w->Handle(), &p);
    return p;
  }
  if (!FParent) return p;
  return FParent->ClientToScreen({p.x + FLeft, p.y + FTop});
}

POINT TControl::ScreenToClient(POINT p) {
  if (auto* w = dynamic_cast<TWinControl*>(this)) {
    ::ScreenToClient(w->Handle(), &p);
    return p;
  }
  if (!FParent) return p;
  const POINT q = FParent->ScreenToClient(p);
  return {q.x - FLeft, q.y - FTop};
}

void TControl::SetAlign(TAlign align) {
  if (align == FAlign) return;
  FAlign = align;
  RequestAlign();
}

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  RequestAlign();
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Perform(CM_ENABLEDCHANGED);
}

TColor TControl::Color() const {
  if (FParentColor && FParent) return FParent->Color();
  return FColor;
}

void TControl::SetColor(TColor color) {
  if (color == FColor && !FParentColor) return;
  FColor = color;
  FParentColor = false;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  ColorChanged();
}

void TControl::ParentColorChanged() {
  if (FParentColor) ColorChanged();
}

void TControl::SetParentFont(bool value) {
  FParentFont = value;
  if (value && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FFont.Assign(FParent->Font());
  FParentFont = true;  // Assign ran FontChanged, which clears the flag
  FDesignFontHeight = FParent->FDesignFontHeight;
}

void TControl::SetText(const std::string& text) {
  if (text == GetText()) return;
  FText = text;
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == FCursor) return;
  FCursor = cursor;
  Perform(CM_CURSORCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  // A copy: the method may replace WindowProc while it runs.
  TWndMethod proc = WindowProc;
  if (proc) proc(m);
  return m.Result;
}

void TControl::Invalidate() {
  if (FParent && FParent->HandleAllocated() && FWidth > 0 && FHeight > 0) {
    const RECT r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, TRUE);
  }
}

void TControl::Update() {
  if (FParent && FParent->HandleAllocated()) UpdateWindow(FParent->Handle());
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  auto it = std::find(list.begin(), list.end(), this);
  if (it != list.end()) {
    list.erase(it);
    list.push_back(this);
    Invalidate();
  }
}

TForm* TControl::ParentForm() const {
  for (const TControl* c = this; c; c = c->FParent) {
    if (auto* f = dynamic_cast<TForm*>(const_cast<TControl*>(c))) return f;
  }
  return nullptr;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::FontChanged() {
  if (!FApplyingDpi) FDesignFontHeight = dpi::Follow(FDesignFontHeight, FFont.Height(), FDpi);
  FParentFont = false;
  Invalidate();
  Perform(CM_FONTCHANGED);
}

void TControl::ColorChanged() {
  Invalidate();
  Perform(CM_COLORCHANGED);
}

void TControl::TextChanged() { Invalidate(); }

void TControl::VisibleChanged() {
  // Both the old and the new state need the area repainted.
  if (FParent && FParent->HandleAllocated()) {
    const RECT r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, TRUE);
  }
}

void TControl::RequestAlign() {
  if (FParent) FParent->Realign();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

namespace {
TShiftState ShiftFrom(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}
}  // namespace

void TControl::HandleMouse(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  const TShiftState shift = ShiftFrom(m.WParam);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(this, shift, x, y);
      break;
    case WM_LBUTTONDOWN:
      FClicked = FClickEvents;
      if (OnMouseDown) OnMouseDown(this, mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (FClickEvents) DblClick();
      if (OnMouseDown) OnMouseDown(this, mbLeft, shift | ssDouble, x, y);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      if (OnMouseDown) OnMouseDown(this, mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      if (OnMouseDown) OnMouseDown(this, mbMiddle, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      const bool clicked = FClicked;
      FClicked = false;
      if (OnMouseUp) OnMouseUp(this, mbLeft, shift, x, y);
      const RECT r = ClientRect();
      if (clicked && x >= r.left && x < r.right && y >= r.top && y < r.bottom) Click();
      break;
    }
    case WM_RBUTTONUP:
      if (OnMouseUp) OnMouseUp(this, mbRight, shift, x, y);
      break;
    case WM_MBUTTONUP:
      if (OnMouseUp) OnMouseUp(this, mbMiddle, shift, x, y);
      break;
    default:
      break;
  }
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      HandleMouse(m);
      break;
    case CM_MOUSEENTER:
      FMouseInControl = true;
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      FMouseInControl = false;
      FClicked = false;
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) { m.Result = 0; }

}  // namespace vcl
