// Popup menus, owner-drawn items and keyboard messages that belong to the form.
#include <gtest/gtest.h>

#include "recorder.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

using namespace vcl;

namespace {
int gMenuTicks = 0;
bool gDrawn = false;
void CALLBACK ChooseSecondItem(HWND, UINT, UINT_PTR id, DWORD) {
  ++gMenuTicks;
  if (!gDrawn && gMenuTicks < 100) return;
  KillTimer(nullptr, id);
  // The menu's own loop reads keys from the queue.
  HWND menuWindow = FindWindowA("#32768", nullptr);
  PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}
}  // namespace

TEST(PopupMenu, OwnerDrawnItemsAreMeasuredDrawnAndChosen) {
  Owned<TForm> form(New<TForm>(nullptr));
  form->Show();
  auto* popup = new TPopupMenu(form.get());
  popup->SetOwnerDraw(true);
  std::vector<std::string> measured, drawn;
  int chosen = 0;
  for (const char* caption : {"&One", "&Two"}) {
    auto* item = new TMenuItem(form.get());
    item->SetCaption(caption);
    item->OnMeasureItem = [&, item](TObject* s, TCanvas* c, int& w, int& h) {
      EXPECT_EQ(s, item);
      EXPECT_NE(c, nullptr);
      measured.push_back(item->Caption());
      w = 120;
      h = 20;
    };
    item->OnDrawItem = [&, item](TObject*, TCanvas* c, const RECT& r, bool) {
      drawn.push_back(item->Caption());
      c->Brush().SetColor(clYellow);
      c->FillRect(r);
      gDrawn = true;
    };
    item->OnClick = [&, item](TObject*) { chosen = item->MenuIndex() + 1; };
    popup->Items()->Add(item);
  }
  gMenuTicks = 0;
  gDrawn = false;
  SetTimer(nullptr, 0, 30, ChooseSecondItem);
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  popup->Popup(r.left + 20, r.top + 40);
  EXPECT_EQ(measured, (std::vector<std::string>{"&One", "&Two"}));
  EXPECT_GE(drawn.size(), 2u);
  EXPECT_EQ(chosen, 2);
}

// A draw handler's canvas gives the DC back as it came, except for what the
// handler clipped away: that stays clipped for what the system draws after
// the item (a submenu's arrow).
TEST(PopupMenu, WhatADrawHandlerClipsAwayStaysClipped) {
  Owned<TForm> form(New<TForm>(nullptr));
  auto* item = new TMenuItem(form.get());
  item->SetCaption("&More");
  item->OnDrawItem = [](TObject*, TCanvas* c, const RECT& r, bool) {
    SetTextColor(c->Handle(), RGB(1, 2, 3));
    ExcludeClipRect(c->Handle(), r.right - 10, r.top, r.right, r.bottom);
  };
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 100, 20);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SetTextColor(dc, RGB(9, 9, 9));
  const DRAWITEMSTRUCT d{ODT_MENU, 0, item->Command(), ODA_DRAWENTIRE, 0, nullptr, dc, {0, 0, 100, 20},
                         reinterpret_cast<ULONG_PTR>(item)};
  ASSERT_TRUE(TMenuItem::DispatchDrawItem(d));
  EXPECT_FALSE(PtVisible(dc, 95, 10));
  EXPECT_TRUE(PtVisible(dc, 50, 10));
  EXPECT_EQ(GetTextColor(dc), RGB(9, 9, 9));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST(PopupMenu, ItemsCarryTheirSettingsIntoTheSystemMenu) {
  TPopupMenu popup(nullptr);
  auto* a = new TMenuItem(&popup);
  a->SetCaption("Default");
  a->SetDefault(true);
  a->SetChecked(true);
  auto* line = new TMenuItem(&popup);
  line->SetCaption("-");
  auto* b = new TMenuItem(&popup);
  b->SetCaption("Off");
  b->SetEnabled(false);
  b->SetShortCut(scCtrl | 'O');
  popup.Items()->Add(a);
  popup.Items()->Add(line);
  popup.Items()->Add(b);
  HMENU h = popup.Handle();
  ASSERT_EQ(GetMenuItemCount(h), 3);
  EXPECT_EQ(GetMenuState(h, 0, MF_BYPOSITION) & (MF_CHECKED | MFS_DEFAULT), static_cast<UINT>(MF_CHECKED | MFS_DEFAULT));
  EXPECT_TRUE(GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_TRUE(GetMenuState(h, 2, MF_BYPOSITION) & MF_GRAYED);
  char text[64] = {};
  GetMenuStringA(h, 2, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Off\tCtrl+O");
  EXPECT_EQ(popup.Items()->Handle(), h);
  EXPECT_EQ(a->Parent()->Handle(), h);
  // Changing an item rebuilds the same menu handle.
  b->SetVisible(false);
  EXPECT_EQ(popup.Handle(), h);
  EXPECT_EQ(GetMenuItemCount(h), 2);
}

TEST(FormKeys, AltCharacterReachesTheFormAsDialogChar) {
  Owned<TForm> form(New<TForm>(nullptr));
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->Show();
  std::vector<Seen> log;
  int claimed = 0;
  auto saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_DIALOGCHAR) {
      log.push_back({form.get(), m.Msg, m.WParam});
      if (m.WParam == 'f') {
        m.Result = 1;  // a menu bar would claim it
        return;
      }
    }
    saved(m);
  };
  auto editSaved = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SYSCHAR) ++claimed;
    editSaved(m);
  };
  PostMessageA(edit->Handle(), WM_SYSCHAR, 'f', 0x20000000);
  PostMessageA(edit->Handle(), WM_SYSCHAR, 'x', 0x20000000);
  Application->ProcessMessages();
  form->WindowProc = saved;
  edit->WindowProc = editSaved;
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].wParam, static_cast<WPARAM>('f'));
  EXPECT_EQ(claimed, 1);  // only the unclaimed one reached the edit
}

TEST(FormKeys, MenuShortCutsClickTheirItems) {
  Owned<TForm> form(New<TForm>(nullptr));
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* menu = new TMainMenu(form.get());
  auto* file = new TMenuItem(form.get());
  file->SetCaption("&File");
  auto* open = new TMenuItem(form.get());
  open->SetCaption("&Open");
  open->SetShortCut(scAlt | 'O');
  int opened = 0;
  open->OnClick = [&](TObject*) { ++opened; };
  file->Add(open);
  menu->Items()->Add(file);
  form->SetMenu(menu);
  form->Show();
  PostMessageA(edit->Handle(), WM_SYSKEYDOWN, 'O', 0x20000000);
  PostMessageA(edit->Handle(), WM_SYSKEYDOWN, 'P', 0x20000000);
  Application->ProcessMessages();
  EXPECT_EQ(opened, 1);
  open->SetEnabled(false);
  PostMessageA(edit->Handle(), WM_SYSKEYDOWN, 'O', 0x20000000);
  Application->ProcessMessages();
  EXPECT_EQ(opened, 1);
}

TEST(FormKeys, TabMovesTheFocusInTabOrder) {
  Owned<TForm> form(New<TForm>(nullptr));
  auto* first = new TEdit(form.get());
  auto* second = new TButton(form.get());
  auto* third = new TEdit(form.get());
  for (auto* c : std::initializer_list<TWinControl*>{first, second, third}) c->SetParent(form.get());
  third->SetTabOrder(0);  // third, first, second
  form->Show();
  third->SetFocus();
  auto tab = [&] {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Application->ProcessMessages();
  };
  tab();
  EXPECT_TRUE(first->Focused());
  tab();
  EXPECT_TRUE(second->Focused());
  tab();
  EXPECT_TRUE(third->Focused());
}

TEST(FormKeys, TabWalksIntoAndOutOfPanels) {
  Owned<TForm> form(New<TForm>(nullptr));
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  auto* inner1 = new TEdit(form.get());
  auto* inner2 = new TButton(form.get());
  inner1->SetParent(panel);
  inner2->SetParent(panel);
  auto* outer = new TEdit(form.get());
  outer->SetParent(form.get());
  form->Show();
  inner1->SetFocus();
  auto tab = [&] {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Application->ProcessMessages();
  };
  tab();
  EXPECT_TRUE(inner2->Focused());
  tab();
  EXPECT_TRUE(outer->Focused());
  tab();
  EXPECT_TRUE(inner1->Focused());
}
