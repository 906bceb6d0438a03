#include "widgets/TComboBox.h"

namespace vcl {

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
  FClickEvents = false;
}

void TComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = "COMBOBOX";
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  p.Style |= kStyles[FStyle] | CBS_AUTOHSCROLL | WS_VSCROLL;
  // The window's height includes the dropped-down list.
  if (FStyle != csSimple) p.Height = Height() + FDropDownCount * 16;
}

void TComboBox::CreateWndDone() {
  for (const auto& item : FItems) SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (FItemIndex >= 0) SendMessageA(Handle(), CB_SETCURSEL, FItemIndex, 0);
}

void TComboBox::DestroyWnd() { FItemIndex = ItemIndex(); }

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  RecreateWnd();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  Clear();
  for (const auto& i : items) AddItem(i);
}

int TComboBox::AddItem(const std::string& item) {
  FItems.push_back(item);
  if (HandleAllocated()) SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  return static_cast<int>(FItems.size()) - 1;
}

void TComboBox::Clear() {
  FItems.clear();
  FItemIndex = -1;
  if (HandleAllocated()) SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::ItemIndex() const {
  auto* self = const_cast<TComboBox*>(this);
  if (!self->HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(self->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(FItems.size())) index = -1;
  FItemIndex = index;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, index, 0);
}

void TComboBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    const WORD code = HIWORD(m.WParam);
    if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) {
      if (OnChange) OnChange(this);
    }
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
