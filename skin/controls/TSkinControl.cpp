// TSkinControl: attaching, detaching and the message path.  Painting and
// the drawing helpers are in SkinControlPaint.cpp.
#include "skin/controls/SharedPictures.h"
#include "skin/controls/TSkinControl.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/UiState.h"
#include "skin/windows/WindowSubclass.h"
#include "widgets/Handles.h"
#include "widgets/TWinControl.h"

namespace vex::skin {

TSkinControl::TSkinControl(TSkinForm* frame) : TFrameSkinner(frame), FFrame(frame) {}

TSkinControl::~TSkinControl() { Detach(); }

bool TSkinControl::FrameReleasing() const { return FFrame && FFrame->FSkinState == kSkinReleasing; }

void TSkinControl::AttachControl(vcl::TWinControl* control, TSkinData* skin, bool setColour, vcl::TCanvas* canvas) {
  if (!control || Attached()) return;
  SetColour = setColour;
  SkinData = skin;
  Canvas = canvas;
  Control = control;
  Handle = control->Handle();
  HookWindowProc(control);
  // The control's own painting goes to an off-screen bitmap first, so what
  // the skinner paints over it does not flicker between two looks.
  FOldDoubleBuffered = control->DoubleBuffered();
  control->SetDoubleBuffered(true);
  if (FFrame) FFrame->ControlSkinners.push_back(this);
  RefreshState();
  if (setColour && skin) {
    OldColour = control->Color();
    FOldParentColor = control->ParentColor();
    control->SetColor(skin->ButtonFace);
  }
}

void TSkinControl::AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas) {
  if (!window || Attached()) return;
  SkinData = skin;
  Canvas = canvas;
  Handle = window;
  RefreshState();
  FSubclassed = TSubclass::Install(window, TSubclassKind::kControl, ControlSubclassProc, this);
}

void TSkinControl::HookWindowProc(vcl::TControl* control) {
  OldWindowProc = control->WindowProc;
  control->WindowProc = [this](vcl::TMessage& m) { SkinWindowProc(m); };
  FreeNotification(control);
}

void TSkinControl::UnhookWindowProc(vcl::TControl* control) {
  if (control && OldWindowProc) control->WindowProc = OldWindowProc;
  OldWindowProc = nullptr;
  if (control) RemoveFreeNotification(control);
}

void TSkinControl::Detach() {
  LeaveHot();
  if (OldWindowProc) {
    if (Control) {
      // A window being destroyed with its frame keeps what it has: nothing
      // of it is shown again.
      if (!FrameReleasing()) {
        if (SetColour) {
          if (FOldParentColor)
            Control->SetParentColor(true);
          else
            Control->SetColor(OldColour);
        }
        Control->SetDoubleBuffered(FOldDoubleBuffered);
      }
    }
    UnhookWindowProc(Control);
  }
  if (FSubclassed) {
    if (IsWindow(Handle)) TSubclass::Remove(Handle, TSubclassKind::kControl);
    FSubclassed = false;
  }
  Control = nullptr;
  Handle = nullptr;
  State = 0;
  FPictures.Clear();
  ReleaseSharedPictures(this);
}

void TSkinControl::Notification(vcl::TComponent* component, vcl::TOperation operation) {
  TFrameSkinner::Notification(component, operation);
  if (operation != vcl::opRemove || component != Control) return;
  // The control object is going: its method is not ours to put back.
  Control = nullptr;
  OldWindowProc = nullptr;
  Handle = nullptr;
  LeaveHot();
}

void TSkinControl::Release() {
  if (FMessageDepth == 0) {
    Free();
    return;
  }
  // Still inside one of its messages: out of the frame's hands, freed when
  // the outermost message returns.
  FFreeWhenDone = true;
  if (Owner()) Owner()->RemoveComponent(this);
  FFrame = nullptr;
}

void TSkinControl::SkinWindowProc(vcl::TMessage& m) {
  TSkinnerScope scope(*this);
  if (!BeforeMessage(m)) return;
  CallOldProc(m);
  // The own procedure may have destroyed the window or its frame.
  if (Attached() || m.Msg == WM_NCDESTROY) AfterMessage(m);
}

void TSkinControl::CallOldProc(vcl::TMessage& m) {
  if (OldWindowProc) {
    // A copy: Detach may clear the member while the method runs.
    const vcl::TWndMethod proc = OldWindowProc;
    proc(m);
  } else if (FSubclassed) {
    m.Result = TSubclass::CallOld(Handle, TSubclassKind::kControl, m.Msg, m.WParam, m.LParam);
  }
}

LRESULT ControlSubclassProc(void* data, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* skinner = static_cast<TSkinControl*>(data);
  vcl::TMessage m{msg, wParam, lParam, 0};
  try {
    skinner->SkinWindowProc(m);
  } catch (...) {
    // Nothing of the skin may reach the foreign window's caller.
  }
  return m.Result;
}

bool TSkinControl::BeforeMessage(vcl::TMessage&) { return true; }

void TSkinControl::AfterMessage(vcl::TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Focused = m.Msg == WM_SETFOCUS;
      Redraw();
      break;
    case WM_SETFONT:
      Font = reinterpret_cast<HFONT>(m.WParam);
      break;
    case WM_ENABLE:
    case vcl::CM_ENABLEDCHANGED:
      Redraw();
      break;
    case WM_SETTEXT:
      // The window's own copy: a Unicode window gets a Unicode lParam.
      Caption = WindowText(Handle);
      Redraw();
      break;
    case WM_UPDATEUISTATE:
      // The window's own procedure has taken the new state (and a native
      // button has painted itself with it): the skin's picture follows.
      UiState = UpdatedUiState(UiState, m.WParam, Handle);
      Redraw();
      break;
    case WM_PAINT:
      PaintNow();
      break;
    case WM_NCDESTROY:
      Detach();
      break;
    default:
      break;
  }
}

void TSkinControl::SendMouseLeave() {
  if (Handle) SendMessageA(Handle, vcl::CM_MOUSELEAVE, 0, 0);
}

void TSkinControl::SkinChanged() {
  FPictures.Clear();
  ForgetSharedPictures(SkinData);
  if (SetColour && Control && SkinData) Control->SetColor(SkinData->ButtonFace);
}

void TSkinControl::BecomeHot() {
  if (!FFrame || FFrame->HotControl == this) return;
  // The mouse-leave reaches application code, which may destroy this
  // control's window or the whole form.  This skinner and its frame are
  // kept until the call is done, and a released one is not made hot.
  TSkinnerScope self(*this);
  TSkinForm* frame = FFrame;
  TFrameProcScope held(*frame);
  if (TFrameSkinner* previous = frame->HotControl) previous->SendMouseLeave();
  if (FFrame == frame && !TFramesHeld::Released(frame) && Attached()) frame->HotControl = this;
}

void TSkinControl::LeaveHot() {
  if (FFrame && FFrame->HotControl == this) FFrame->HotControl = nullptr;
}

void TSkinControl::RefreshState() {
  if (!Handle) return;
  Focused = GetFocus() == Handle;
  RefreshEnabled();
  Caption = WindowText(Handle);
  Font = reinterpret_cast<HFONT>(SendMessageA(Handle, WM_GETFONT, 0, 0));
  UiState = QueryUiState(Handle);
}

void TSkinControl::DrawFocusCue(HDC dc, const RECT& rect, int inset) {
  if (!ShowsFocusCue()) return;
  RECT cue = rect;
  InflateRect(&cue, -inset, -inset);
  if (cue.right <= cue.left || cue.bottom <= cue.top) return;
  // DrawFocusRect inverts: plain colours and copy mode for a picture that
  // does not depend on what the caption left selected.
  vcl::DcState saved(dc);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &cue);
}

void TSkinControl::RefreshEnabled() {
  if (Handle) Enabled = (GetWindowLongPtrA(Handle, GWL_STYLE) & WS_DISABLED) == 0;
}

std::string TSkinControl::WindowText(HWND window) {
  char text[1000] = {};
  if (window) GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace vex::skin
