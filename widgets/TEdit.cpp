#include "widgets/TEdit.h"

namespace vcl {

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = "EDIT";
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  p.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (FReadOnly) p.Style |= ES_READONLY;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateWndDone() {
  if (FMaxLength > 0) SendMessageA(Handle(), EM_LIMITTEXT, FMaxLength, 0);
}

void TEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

void TEdit::SetMaxLength(int length) {
  FMaxLength = length;
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, length, 0);
}

void TEdit::SelectAll() {
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == EN_CHANGE) Change();
    m.Result = 0;
    return;
  }
  if (m.Msg == CM_TEXTCHANGED && !HandleAllocated()) Change();
  TWinControl::WndProc(m);
}

}  // namespace vcl
