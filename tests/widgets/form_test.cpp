// Forms: events, AutoSize, modal loops, and errors that reach the message loop.
#include <gtest/gtest.h>

#include <string>

#include "example_form.h"
#include "win_test_support.h"

using namespace vcl;

namespace {

int ClientHeightOf(TForm* f) {
  RECT r{};
  GetClientRect(f->Handle(), &r);
  return r.bottom;
}

// What a message box showed, read by a timer while the box's own loop runs.
struct BoxSeen {
  bool found = false;
  std::string caption, text;
  int buttons = 0;
  bool stopIcon = false;
};
BoxSeen gBox;

BOOL CALLBACK CountButtons(HWND child, LPARAM param) {
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) ++*reinterpret_cast<int*>(param);
  return TRUE;
}

BOOL CALLBACK FindBox(HWND w, LPARAM) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !IsWindowVisible(w)) return TRUE;
  gBox.found = true;
  char buf[512] = {};
  GetWindowTextA(w, buf, sizeof buf);
  gBox.caption = buf;
  GetDlgItemTextA(w, 0xFFFF, buf, sizeof buf);
  gBox.text = buf;
  EnumChildWindows(w, CountButtons, reinterpret_cast<LPARAM>(&gBox.buttons));
  // The icon control holds the system's shared stop icon.
  HICON stop = LoadIconA(nullptr, IDI_HAND);
  for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0)) == stop) gBox.stopIcon = true;
  }
  PostMessageA(w, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK CloseBoxTimer(HWND, UINT, UINT_PTR id, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), FindBox, 0);
  if (gBox.found) KillTimer(nullptr, id);
}

}  // namespace

TEST(Form, CreateShowAndDestroyEventsRunOnceInOrder) {
  std::string order;
  auto* f = new TForm(nullptr);
  f->OnCreate = [&](TObject*) { order += "C"; };
  f->OnShow = [&](TObject*) { order += "S"; };
  f->OnDestroy = [&](TObject*) { order += "D"; };
  f->AfterConstruction();
  f->Show();
  f->Hide();
  f->Show();
  EXPECT_TRUE(IsWindowVisible(f->Handle()));
  f->Free();
  EXPECT_EQ(order, "CSSD");
}

TEST(Form, ClientSizeBorderIconsAndCaption) {
  Owned<TExampleForm> f(New<TExampleForm>(nullptr));
  EXPECT_EQ(f->created, 1);
  f->Show();
  EXPECT_EQ(f->shown, 1);
  RECT r{};
  GetClientRect(f->Handle(), &r);
  EXPECT_EQ(r.right, 292);
  EXPECT_EQ(r.bottom, 94);
  const LONG style = GetWindowLongA(f->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  char text[32] = {};
  GetWindowTextA(f->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Example");
  EXPECT_EQ(Application->FindForm(f->Handle()), f.get());
}

TEST(Form, AutoSizeGrowsAndShrinksByThePanelHeight) {
  Owned<TExampleForm> f(New<TExampleForm>(nullptr));
  f->Show();
  EXPECT_EQ(ClientHeightOf(f.get()), 94);
  RECT before{};
  GetWindowRect(f->Handle(), &before);
  f->SpeedButton1->Click();
  EXPECT_TRUE(f->Panel2->Visible());
  EXPECT_EQ(f->SpeedButton1->Caption(), "↑");
  EXPECT_EQ(ClientHeightOf(f.get()), 193);
  RECT after{};
  GetWindowRect(f->Handle(), &after);
  EXPECT_EQ((after.bottom - after.top) - (before.bottom - before.top), 99);
  EXPECT_EQ(f->Panel2->Top(), 94);
  f->SpeedButton1->Click();
  EXPECT_EQ(ClientHeightOf(f.get()), 94);
  EXPECT_EQ(f->SpeedButton1->Caption(), "↓");
  EXPECT_EQ(f->Panel1->Width(), 292);
}

TEST(Form, AutoSizeBeforeTheWindowExists) {
  Owned<TExampleForm> f(New<TExampleForm>(nullptr));
  f->Panel2->SetVisible(true);
  EXPECT_EQ(f->ClientHeight(), 193);
  f->Show();
  EXPECT_EQ(ClientHeightOf(f.get()), 193);
}

TEST(Form, ShowModalReturnsAfterCloseAndReenablesTheOtherWindows) {
  Owned<TExampleForm> owner(New<TExampleForm>(nullptr));
  owner->Show();
  Owned<TForm> dialog(New<TForm>(nullptr));
  bool ownerDisabledMeanwhile = false;
  dialog->OnShow = [&](TObject*) {
    // Closing from inside the modal loop, the way a button handler would.
    PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0);
  };
  dialog->OnClose = [&](TObject*, TCloseAction&) { ownerDisabledMeanwhile = !IsWindowEnabled(owner->Handle()); };
  const TModalResult result = dialog->ShowModal();
  EXPECT_EQ(result, mrCancel);
  EXPECT_TRUE(ownerDisabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  EXPECT_FALSE(dialog->Modal());
}

TEST(Form, ButtonWithModalResultEndsTheModalLoop) {
  Owned<TForm> dialog(New<TForm>(nullptr));
  auto* ok = new TButton(dialog.get());
  ok->SetParent(dialog.get());
  ok->SetModalResult(mrOk);
  dialog->OnShow = [&](TObject*) { PostMessageA(ok->Handle(), BM_CLICK, 0, 0); };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  // And it can be shown modally again.
  EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST(Form, ExceptionInAClickHandlerShowsTheStopBoxAndTheProgramGoesOn) {
  Owned<TExampleForm> f(New<TExampleForm>(nullptr));
  f->Show();
  int after = 0;
  f->Button1->OnClick = [&](TObject*) {
    if (after++ == 0) throw EIniFileException("C:\\Vexilo\\Setup.ini");
  };
  gBox = {};
  SetTimer(nullptr, 0, 20, CloseBoxTimer);
  // Dispatched through the message loop like a real click.
  PostMessageA(f->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(f->Button1->Handle()));
  ASSERT_TRUE(vex::test::PumpUntil([] { return gBox.found; }));
  EXPECT_EQ(gBox.text, "Unable to write to C:\\Vexilo\\Setup.ini.");
  EXPECT_EQ(gBox.caption, Application->Title());
  EXPECT_EQ(gBox.buttons, 1);
  EXPECT_TRUE(gBox.stopIcon);
  vex::test::PumpPending();
  // The program carries on: the next click runs normally.
  SendMessageA(f->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(after, 2);
  EXPECT_TRUE(IsWindow(f->Handle()));
}

TEST(Form, ExceptionInOnCreateIsShownAndTheFormStillExists) {
  gBox = {};
  SetTimer(nullptr, 0, 20, CloseBoxTimer);
  auto* f = new TForm(nullptr);
  f->OnCreate = [](TObject*) { throw EFOpenError("x.ico", "File not found."); };
  f->AfterConstruction();
  EXPECT_TRUE(gBox.found);
  EXPECT_EQ(gBox.text, "Cannot open file \"x.ico\". File not found.");
  f->Show();
  EXPECT_TRUE(IsWindowVisible(f->Handle()));
  f->Free();
}

TEST(Form, CloseHidesASecondaryFormAndQueryCanRefuse) {
  Owned<TForm> f(New<TForm>(nullptr));
  f->Show();
  bool allow = false;
  f->OnCloseQuery = [&](TObject*, bool& can) { can = allow; };
  f->Close();
  EXPECT_TRUE(f->Visible());
  allow = true;
  SendMessageA(f->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(f->Visible());
  EXPECT_TRUE(IsWindow(f->Handle()));
}

TEST(Form, FormsAreListedInCreationOrder) {
  const int before = Application->FormCount();
  Owned<TForm> a(New<TForm>(nullptr));
  Owned<TForm> b(New<TForm>(nullptr));
  ASSERT_EQ(Application->FormCount(), before + 2);
  EXPECT_EQ(Application->Forms(before), a.get());
  EXPECT_EQ(Application->Forms(before + 1), b.get());
  a.reset();
  EXPECT_EQ(Application->FormCount(), before + 1);
}
