#include "widgets/TWinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "widgets/Exceptions.h"
#include "widgets/MouseTracking.h"
#include "widgets/TGraphic.h"
#include "widgets/WindowClasses.h"

namespace vcl {
namespace {

constexpr char kObjectProp[] = "VexiloControl";
int gNextChildId = 100;

bool IsMouseClientMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }
bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
         msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}
bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  TComponent::BeforeDestruction();  // no realigning while the tree comes down
  // Leave the parent while this is still a TWinControl (~TControl could not tell).
  if (Parent()) Parent()->RemoveControl(this);
  // Children go first (whoever owns them): their windows die with ours.
  while (!FWinControls.empty()) FWinControls.back()->Free();
  while (!FControls.empty()) FControls.back()->Free();
  DestroyHandle();
}

void TWinControl::BeforeDestruction() {
  // The window goes while the whole object still exists, so handlers that run
  // during DestroyWindow (focus changes, WM_DESTROY) see a complete object.
  DestroyHandle();
  TControl::BeforeDestruction();
  ForgetMouseControl(this);
}

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropA(window, kObjectProp));
}

void TWinControl::Attach(HWND window) {
  FHandle = window;
  SetPropA(window, kObjectProp, this);
}

void TWinControl::HandleDestroyed() {
  if (FHandle) RemovePropA(FHandle, kObjectProp);
  FHandle = nullptr;
  FCaptureControl = nullptr;
}

HWND TWinControl::Handle() {
  if (!FHandle) {
    // Creating the parent creates its children, this control among them.
    if (Parent()) Parent()->HandleNeeded();
    if (!FHandle) CreateWnd();
  }
  return FHandle;
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Caption = TControl::GetText();
  p.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) p.Style |= WS_VISIBLE;
  if (!Enabled()) p.Style |= WS_DISABLED;
  if (FTabStop) p.Style |= WS_TABSTOP;
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  p.WndParent = Parent() ? Parent()->Handle() : nullptr;
  p.Menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(gNextChildId++));
  p.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (FHandle) return;  // the parent's creation made ours
  if ((p.Style & WS_CHILD) && !p.WndParent) {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
  FDefWndProc = EnsureWindowClass(p.WinClassName, p.BaseClassName, p.ClassStyle);
  SetCreatingControl(this);
  HWND h = CreateWindowExA(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                           p.Height, p.WndParent, p.Menu, GetModuleHandleA(nullptr), nullptr);
  SetCreatingControl(nullptr);
  if (!h) throw EOSError("Cannot create window for " + ClassName());
  if (!FHandle) Attach(h);
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  CreateWndDone();
  for (TWinControl* child : std::vector<TWinControl*>(FWinControls)) {
    if (!child->FHandle) child->CreateWnd();
  }
  UpdateBounds();
  Realign();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TWinControl* child : FWinControls) child->DestroyHandle();
  DestroyWnd();
  // The text lives in the window (an edit's typed text); keep it for the next one.
  FText = GetText();
  HWND h = FHandle;
  DestroyWindow(h);
  if (FHandle == h) HandleDestroyed();
}

TControl* TWinControl::Controls(int index) const {
  const auto n = static_cast<int>(FControls.size());
  if (index < n) return FControls.at(index);
  return FWinControls.at(index - n);
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  // Designs are 96-dpi pixels: a control made for a window already shown at
  // another DPI is laid out at that DPI before it is placed.
  if (control->Dpi() != Dpi()) control->ScaleForDpi(Dpi());
  control->FParent = this;
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    FWinControls.push_back(w);
    if (w->FHandle) {
      ::SetParent(w->FHandle, Handle());
    } else if (FHandle) {
      w->CreateWnd();
    }
  } else {
    FControls.push_back(control);
  }
  control->ParentFontChanged();
  control->ParentColorChanged();
  control->Invalidate();
  Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  if (FCaptureControl == control) FCaptureControl = nullptr;
  control->Invalidate();
  // Erase from both lists: during destruction the dynamic type is no guide.
  FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), control), FWinControls.end());
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
  if (auto* w = dynamic_cast<TWinControl*>(control); w && !Destroying() && !w->Destroying()) w->DestroyHandle();
  control->FParent = nullptr;
  if (!Destroying()) Realign();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FWinControls;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->FWinControls;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
  Parent()->UpdateZOrder();
}

// Tabbing follows the Z order of the child windows, so it mirrors the list.
void TWinControl::UpdateZOrder() {
  HWND after = HWND_TOP;
  for (TWinControl* c : FWinControls) {
    if (!c->FHandle) continue;
    SetWindowPos(c->FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    after = c->FHandle;
  }
}

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (FHandle) {
    LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(FHandle, GWL_STYLE, style);
  }
}

void TWinControl::SetFocus() {
  if (FHandle || Parent()) ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::MarkDpi(int dpi) {
  TControl::MarkDpi(dpi);
  DisableAlign();
  for (TControl* c : FControls) c->MarkDpi(dpi);
  for (TWinControl* c : FWinControls) c->MarkDpi(dpi);
}

void TWinControl::ApplyDpi() {
  TControl::ApplyDpi();
  ApplyDpiChildren();
}

void TWinControl::ApplyDpiChildren() {
  for (TControl* c : std::vector<TControl*>(FControls)) c->ApplyDpi();
  for (TWinControl* c : std::vector<TWinControl*>(FWinControls)) c->ApplyDpi();
}

void TWinControl::EndDpi() {
  EnableAlign();
  for (TControl* c : std::vector<TControl*>(FControls)) c->EndDpi();
  for (TWinControl* c : std::vector<TWinControl*>(FWinControls)) c->EndDpi();
}

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  if (value) Realign();
}

void TWinControl::Realign() {
  if (FAlignLevel > 0 || FAligning || Destroying()) return;
  FAligning = true;
  try {
    AlignControls();
    if (FAutoSize) AdjustSize();
  } catch (...) {
    FAligning = false;
    throw;
  }
  FAligning = false;
}

namespace {
std::vector<layout::Item> ItemsOf(const std::vector<TControl*>& controls) {
  std::vector<layout::Item> items;
  for (TControl* c : controls) {
    const RECT r = c->BoundsRect();
    items.push_back({c->Align(), {r.left, r.top, r.right, r.bottom}, c->Visible()});
  }
  return items;
}
}  // namespace

void TWinControl::AlignControls() {
  std::vector<TControl*> all(FControls.begin(), FControls.end());
  all.insert(all.end(), FWinControls.begin(), FWinControls.end());
  const RECT cr = AlignRect();
  const auto boxes = layout::AlignItems(ItemsOf(all), {cr.left, cr.top, cr.right, cr.bottom});
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i]->Align() == alNone || !all[i]->Visible()) continue;
    const auto& b = boxes[i];
    all[i]->SetBounds(b.left, b.top, b.Width(), b.Height());
  }
}

void TWinControl::AdjustSize() {
  std::vector<TControl*> all(FControls.begin(), FControls.end());
  all.insert(all.end(), FWinControls.begin(), FWinControls.end());
  const RECT cr = ClientRect();
  const auto need = layout::AutoSizeExtent(ItemsOf(all), {cr.right, cr.bottom});
  if (need.width != cr.right || need.height != cr.bottom) {
    SetClientSize(need.width, need.height);
    AlignControls();
  }
}

RECT TWinControl::ClientRect() {
  if (FHandle) {
    RECT r{};
    GetClientRect(FHandle, &r);
    return r;
  }
  return TControl::ClientRect();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (FHandle) {
    // WM_WINDOWPOSCHANGED brings the new bounds back (and realigns on WM_SIZE).
    SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();
  } else {
    const bool resized = width != Width() || height != Height();
    SetStoredBounds(left, top, width, height);
    if (resized) Realign();
  }
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT r{};
  GetWindowRect(FHandle, &r);
  if (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
  }
  SetStoredBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

std::string TWinControl::GetText() const {
  if (!FHandle) return TControl::GetText();
  const int n = GetWindowTextLengthA(FHandle);
  std::string s(static_cast<std::size_t>(n) + 1, '\0');
  const int got = GetWindowTextA(FHandle, s.data(), n + 1);
  s.resize(static_cast<std::size_t>(std::max(got, 0)));
  return s;
}

void TWinControl::TextChanged() {
  if (FHandle) SetWindowTextA(FHandle, TControl::GetText().c_str());
  if (FPaintsSelf) Invalidate();
}

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  return Parent() ? Parent()->Showing() : true;
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::VisibleChanged() {
  if (FHandle) ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::ColorChanged() {
  FBrush.reset();
  for (TControl* c : FControls) c->ParentColorChanged();
  for (TWinControl* c : FWinControls) c->ParentColorChanged();
  TControl::ColorChanged();
}

void TWinControl::FontChanged() {
  if (FHandle) {
    SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  }
  TControl::FontChanged();
  for (TControl* c : FControls) c->ParentFontChanged();
  for (TWinControl* c : FWinControls) c->ParentFontChanged();
}

HBRUSH TWinControl::BackgroundBrush() {
  if (!FBrush) FBrush.reset(CreateSolidBrush(ColorToRGB(Color())));
  return FBrush.get();
}

bool TWinControl::EraseBackground(HDC dc) {
  if (!FPaintsSelf) return false;
  if (FDoubleBuffered) return true;  // the buffered paint fills it
  RECT r{};
  GetClientRect(FHandle, &r);
  FillRect(dc, &r, BackgroundBrush());
  return true;
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    if (!c->Visible()) continue;
    const RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    DcState state(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::PaintHandler(TMessage& m) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(FHandle, &ps);
  if (FDoubleBuffered && own) {
    RECT r{};
    GetClientRect(FHandle, &r);
    DcHandle mem(CreateCompatibleDC(dc));
    BitmapHandle bmp(CreateCompatibleBitmap(dc, std::max<LONG>(r.right, 1), std::max<LONG>(r.bottom, 1)));
    {
      SelectGuard sel(mem.get(), bmp.get());
      FillRect(mem.get(), &r, BackgroundBrush());
      if (!FPaintsSelf) {
        // A system class paints what it paints; its background comes from
        // its own erase, into the buffer.
        const auto buffer = reinterpret_cast<WPARAM>(mem.get());
        Perform(WM_ERASEBKGND, buffer, static_cast<LPARAM>(buffer));
      }
      PaintWindow(mem.get());
      PaintControls(mem.get());
      BitBlt(dc, 0, 0, r.right, r.bottom, mem.get(), 0, 0, SRCCOPY);
    }
  } else {
    PaintWindow(dc);
    PaintControls(dc);
  }
  if (own) EndPaint(FHandle, &ps);
  m.Result = 0;
}

bool TWinControl::Reflect(TMessage& m) {
  HWND child = nullptr;
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      if (d->CtlType != ODT_MENU) child = d->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (mi->CtlType != ODT_MENU) child = GetDlgItem(FHandle, static_cast<int>(mi->CtlID));
      break;
    }
    case WM_DELETEITEM:
      child = reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    case WM_COMPAREITEM:
      child = reinterpret_cast<COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    default:
      return false;
  }
  if (!child || child == FHandle) return false;
  TWinControl* target = FindControl(child);
  if (!target) return false;
  m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

bool TWinControl::ForwardMouse(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = FCaptureControl;
  if (!target) target = ControlAtPos(p);
  if (!target) return false;
  if (IsButtonDown(m.Msg)) {
    FCaptureControl = target;
    SetCapture(FHandle);
  }
  const LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
  m.Result = target->Perform(m.Msg, m.WParam, local);
  if (IsButtonUp(m.Msg) && FCaptureControl == target) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  return true;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (FPaintsSelf || !FControls.empty() || (FDoubleBuffered && !m.WParam)) {
        PaintHandler(m);
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (FPaintsSelf) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        RECT r{};
        GetClientRect(FHandle, &r);
        FillRect(dc, &r, BackgroundBrush());
        PaintWindow(dc);
        PaintControls(dc);
        return;
      }
      break;
    case WM_ERASEBKGND:
      // Double buffered, the background is erased into the buffer (the
      // buffered paint marks its erase with the DC in both parameters), never
      // on the screen first.
      if (FDoubleBuffered && m.WParam != static_cast<WPARAM>(m.LParam)) {
        m.Result = 1;
        return;
      }
      if (EraseBackground(reinterpret_cast<HDC>(m.WParam))) {
        m.Result = 1;
        return;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
      if (Reflect(m)) return;
      break;
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      m.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
      return;
    }
    case WM_SIZE:
      DefaultHandler(m);
      UpdateBounds();
      Realign();
      Resize();
      return;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      UpdateBounds();
      return;
    case WM_SETCURSOR:
      if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == FHandle) {
        POINT p{};
        GetCursorPos(&p);
        ::ScreenToClient(FHandle, &p);
        TControl* c = ControlAtPos(p);
        const TCursor cursor = (c ? c : this)->Cursor();
        if (cursor != crDefault) {
          ::SetCursor(CursorHandle(cursor));
          m.Result = 1;
          return;
        }
      }
      break;
    case CM_ENABLEDCHANGED:
      if (FHandle) EnableWindow(FHandle, Enabled());
      m.Result = 0;
      return;
    case WM_SETFOCUS:
      if (OnEnter) OnEnter(this);
      break;
    case WM_KILLFOCUS:
      if (OnExit) OnExit(this);
      break;
    default:
      if (IsMouseClientMessage(m.Msg) && ForwardMouse(m)) return;
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  // Framework messages (CM_, CN_) mean nothing to the window classes.
  if (m.Msg >= CM_BASE && m.Msg < 0xC000) {
    m.Result = 0;
    return;
  }
  if (!FHandle) {
    m.Result = 0;
    return;
  }
  m.Result = CallWindowProcA(FDefWndProc, FHandle, m.Msg, m.WParam, m.LParam);
}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) { FPaintsSelf = true; }

TCanvas& TCustomControl::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
  return *FCanvas;
}

void TCustomControl::PaintWindow(HDC dc) {
  TCanvas& canvas = Canvas();
  canvas.SetHandle(dc);
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  try {
    Paint();
  } catch (...) {
    canvas.SetHandle(nullptr);
    throw;
  }
  canvas.SetHandle(nullptr);
}

}  // namespace vcl
