// TSkinForm: the MDI client of a skinned MDI frame.  The client announces
// its children (they are skinned when it refreshes the frame's menu), never
// shows scroll bars, and never puts a native menu on the frame.

#include <windows.h>

#include "skin/windows/SkinMessages.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/WindowSubclass.h"

namespace vex::skin {

LRESULT ClientSubclassProc(void* data, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  return TSkinForm::Dispatch(data, &TSkinForm::ClientWndProc, msg, wParam, lParam);
}

void TSkinForm::SubclassClient() {
  if (FClientSubclassed || !FClientWnd) return;
  FClientSubclassed = TSubclass::Install(FClientWnd, TSubclassKind::kMdiClient, ClientSubclassProc, this);
}

void TSkinForm::UnsubclassClient() {
  if (!FClientSubclassed) return;
  TSubclass::Remove(FClientWnd, TSubclassKind::kMdiClient);
  FClientSubclassed = false;
}

void TSkinForm::ClientWndProc(vcl::TMessage& m) {
  auto passOn = [&] { m.Result = TSubclass::CallOld(FClientWnd, TSubclassKind::kMdiClient, m.Msg, m.WParam, m.LParam); };
  TSkinManage* manager = SkinManager();
  switch (m.Msg) {
    case WM_NCCALCSIZE: {
      const LONG_PTR style = GetWindowLongPtrA(FClientWnd, GWL_STYLE);
      const LONG_PTR plain = style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL);
      if (plain != style) SetWindowLongPtrA(FClientWnd, GWL_STYLE, plain);
      passOn();
      return;
    }
    case WM_MDICREATE:
      passOn();
      FNewChild = reinterpret_cast<HWND>(m.Result);
      // The client refreshes the menu while it creates the child, before
      // this returns: the newest child is skinned here, not one refresh late.
      if (FNewChild && manager && manager->SkinWindow(FNewChild)) PostMessageA(FHandle, WM_SKINNCPAINT, 0, 0);
      return;
    case WM_MDIDESTROY:
      if (manager) manager->UnskinWindow(reinterpret_cast<HWND>(m.WParam));
      passOn();
      if (manager && IsWindow(FHandle)) manager->SetMdiMax(MdiChildMaximized());
      return;
    case WM_MDISETMENU:
      // Not the client's business: the frame keeps its own (skinned) menu.
      m.Result = SendMessageA(FHandle, m.Msg, m.WParam, m.LParam);
      return;
    case WM_MDIREFRESHMENU:
      if (FNewChild && manager) {
        manager->SkinWindow(FNewChild);
        PostMessageA(FHandle, WM_SKINNCPAINT, 0, 0);
      }
      passOn();
      return;
    default:
      passOn();
      return;
  }
}

}  // namespace vex::skin
