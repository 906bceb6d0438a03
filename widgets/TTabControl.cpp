#include "widgets/TTabControl.h"

#include <commctrl.h>

namespace vcl {

TTabControl::TTabControl(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 289, 193);
  SetTabStop(true);
  SetParentColor(true);
}

void TTabControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = WC_TABCONTROLA;
  p.ExStyle |= WS_EX_CONTROLPARENT;
}

void TTabControl::CreateWndDone() {
  for (std::size_t i = 0; i < FTabs.size(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(FTabs[i].c_str());
    SendMessageA(Handle(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  if (FTabIndex >= 0) SendMessageA(Handle(), TCM_SETCURSEL, FTabIndex, 0);
}

void TTabControl::DestroyWnd() { FTabIndex = TabIndex(); }

void TTabControl::SetTabs(const std::vector<std::string>& tabs) {
  FTabs = tabs;
  if (FTabIndex >= static_cast<int>(tabs.size())) FTabIndex = tabs.empty() ? -1 : 0;
  if (FTabIndex < 0 && !tabs.empty()) FTabIndex = 0;
  if (HandleAllocated()) {
    SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
    CreateWndDone();
    Realign();
  }
}

int TTabControl::TabIndex() const {
  auto* self = const_cast<TTabControl*>(this);
  if (!self->HandleAllocated()) return FTabIndex;
  return static_cast<int>(SendMessageA(self->Handle(), TCM_GETCURSEL, 0, 0));
}

void TTabControl::SetTabIndex(int index) {
  FTabIndex = index;
  if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, index, 0);
}

RECT TTabControl::AlignRect() {
  RECT r = ClientRect();
  if (HandleAllocated()) SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

bool TTabControl::EraseBackground(HDC dc) {
  RECT r{};
  GetClientRect(Handle(), &r);
  FillRect(dc, &r, BackgroundBrush());
  return true;
}

void TTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
    if (hdr->code == static_cast<UINT>(TCN_SELCHANGE) && OnChange) OnChange(this);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace vcl
