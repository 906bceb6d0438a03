// What reaches a control's WindowProc, and in which order.
#include <windowsx.h>

#include <gtest/gtest.h>

#include <memory>

#include "example_form.h"
#include "recorder.h"
#include "win_test_support.h"

using namespace vcl;

namespace {

class MessageSequence : public testing::Test {
 protected:
  void SetUp() override {
    form.reset(New<TForm>(nullptr));
    form->SetName("Form");
    form->SetBounds(100, 100, 300, 200);
  }
  template <class T>
  T* Add(const char* name, int l, int t, int w, int h, TWinControl* parent = nullptr) {
    auto* c = new T(form.get());
    c->SetName(name);
    c->SetBounds(l, t, w, h);
    c->SetParent(parent ? parent : form.get());
    return c;
  }
  Owned<TForm> form;
};

}  // namespace

TEST_F(MessageSequence, ReplacedWindowProcSeesEveryMessageAndTheRestoredOneWorksAgain) {
  auto* button = Add<TButton>("Button", 10, 10, 80, 25);
  form->Show();
  std::vector<Seen> log;
  {
    Recorder rec(button, log);
    SendMessageA(button->Handle(), WM_USER + 7, 1, 2);
    button->Perform(WM_USER + 8);
    button->SetEnabled(false);
    button->SetCaption("x");
  }
  // Sent messages, Perform and the framework's own notifications all pass through.
  auto has = [&](UINT msg) { return std::any_of(log.begin(), log.end(), [&](const Seen& s) { return s.msg == msg; }); };
  EXPECT_TRUE(has(WM_USER + 7));
  EXPECT_TRUE(has(WM_USER + 8));
  EXPECT_TRUE(has(CM_ENABLEDCHANGED));
  EXPECT_TRUE(has(WM_SETTEXT));
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));  // the old method still did its work
  // Restored: nothing more is logged, and the control still behaves.
  const auto before = log.size();
  button->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(button->Handle()));
  EXPECT_EQ(log.size(), before);
  char text[16] = {};
  GetWindowTextA(button->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "x");
}

TEST_F(MessageSequence, AHookThatSwallowsAMessageStopsIt) {
  auto* button = Add<TButton>("Button", 10, 10, 80, 25);
  form->Show();
  auto saved = button->WindowProc;
  button->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_ENABLEDCHANGED) return;  // a skinner that keeps it
    saved(m);
  };
  button->SetEnabled(false);
  EXPECT_TRUE(IsWindowEnabled(button->Handle()));
  button->WindowProc = saved;
}

TEST_F(MessageSequence, ParentPaintReachesWindowlessControlWithItsDc) {
  auto* panel = Add<TPanel>("Panel", 0, 0, 200, 100);
  auto* image = Add<TImage>("Image", 20, 30, 32, 32, panel);
  form->Show();
  vex::test::PumpPending();
  std::vector<Seen> log;
  HDC seenDc = nullptr;
  POINT origin{};
  auto saved = image->WindowProc;
  image->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_PAINT) {
      log.push_back({image, m.Msg, m.WParam});
      seenDc = reinterpret_cast<HDC>(m.WParam);
      GetViewportOrgEx(seenDc, &origin);
    }
    saved(m);
  };
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  UpdateWindow(panel->Handle());
  image->WindowProc = saved;
  EXPECT_SEQUENCE(log, {{image, WM_PAINT, 0}});
  EXPECT_NE(seenDc, nullptr);
  EXPECT_EQ(origin.x, 20);  // the DC's origin is the control's top-left corner
  EXPECT_EQ(origin.y, 30);
}

TEST_F(MessageSequence, MovingTheMouseAcrossControlsSendsLeaveThenEnter) {
  auto* panel = Add<TPanel>("Panel", 0, 0, 200, 100);
  auto* speed = Add<TSpeedButton>("Speed", 10, 10, 23, 22, panel);
  auto* edit = Add<TEdit>("Edit", 60, 10, 100, 21, panel);
  form->Show();
  std::vector<Seen> log;
  const std::vector<UINT> filter{CM_MOUSEENTER, CM_MOUSELEAVE};
  Recorder r1(panel, log, filter), r2(speed, log, filter), r3(edit, log, filter);
  SendMessageA(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));  // over the speed button
  SendMessageA(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 60));   // the bare panel
  SendMessageA(edit->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));     // into the edit
  SendMessageA(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(16, 16));  // back to the speed button
  EXPECT_SEQUENCE(log, {{speed, CM_MOUSEENTER, 0},
                        {speed, CM_MOUSELEAVE, 0},
                        {panel, CM_MOUSEENTER, 0},
                        {panel, CM_MOUSELEAVE, 0},
                        {edit, CM_MOUSEENTER, 0},
                        {edit, CM_MOUSELEAVE, 0},
                        {speed, CM_MOUSEENTER, 0}});
  log.clear();
  SendMessageA(panel->Handle(), WM_MOUSELEAVE, 0, 0);  // the mouse left the window
  EXPECT_SEQUENCE(log, {{speed, CM_MOUSELEAVE, 0}});
}

TEST_F(MessageSequence, CommandNamingAButtonClicksItWhateverItsId) {
  auto* button = Add<TButton>("Button", 10, 10, 80, 25);
  int clicks = 0;
  button->OnClick = [&](TObject* s) {
    EXPECT_EQ(s, button);
    ++clicks;
  };
  form->HandleNeeded();
  std::vector<Seen> log;
  Recorder rec(button, log, {CN_COMMAND});
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button->Handle()));
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(4321, BN_CLICKED), reinterpret_cast<LPARAM>(button->Handle()));
  EXPECT_EQ(clicks, 2);
  EXPECT_SEQUENCE(log, {{button, CN_COMMAND, 0}, {button, CN_COMMAND, 0}});
  // A real click goes the same way (BM_CLICK makes the button notify its parent).
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 3);
}

TEST_F(MessageSequence, ScrollBarNotificationsComeBackAsCnMessages) {
  auto* hbar = Add<TScrollBar>("HBar", 10, 10, 150, 17);
  auto* vbar = new TScrollBar(form.get());
  vbar->SetName("VBar");
  vbar->SetKind(sbVertical);
  vbar->SetBounds(200, 10, 17, 100);
  vbar->SetParent(form.get());
  hbar->SetParams(5, 0, 50);
  hbar->SetLargeChange(10);
  form->HandleNeeded();
  std::vector<Seen> log;
  Recorder r1(hbar, log, {CN_HSCROLL, CN_VSCROLL}), r2(vbar, log, {CN_HSCROLL, CN_VSCROLL});
  int changes = 0;
  hbar->OnChange = [&](TObject*) { ++changes; };
  SendMessageA(form->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(hbar->Handle()));
  SendMessageA(form->Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(hbar->Handle()));
  SendMessageA(form->Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(vbar->Handle()));
  SendMessageA(form->Handle(), WM_HSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(hbar->Handle()));
  EXPECT_SEQUENCE(log, {{hbar, CN_HSCROLL, 0}, {hbar, CN_HSCROLL, 0}, {vbar, CN_VSCROLL, 0}, {hbar, CN_HSCROLL, 0}});
  EXPECT_EQ(hbar->Position(), 16);
  EXPECT_EQ(GetScrollPos(hbar->Handle(), SB_CTL), 16);
  EXPECT_EQ(vbar->Position(), 1);
  EXPECT_EQ(changes, 2);
}

TEST_F(MessageSequence, ClickOnAWindowlessControlReachesOnClickAndOnDblClick) {
  auto* panel = Add<TPanel>("Panel", 0, 0, 200, 100);
  auto* image = Add<TImage>("Image", 20, 30, 32, 32, panel);
  int clicks = 0, dbl = 0;
  image->OnClick = [&](TObject*) { ++clicks; };
  image->OnDblClick = [&](TObject*) { ++dbl; };
  form->Show();
  std::vector<Seen> log;
  Recorder rec(image, log, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK});
  const LPARAM at = MAKELPARAM(25, 35);
  SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, at);
  SendMessageA(panel->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(dbl, 1);
  EXPECT_EQ(log.size(), 4u);
  // A press that is released outside the control is no click.
  SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 90));
  EXPECT_EQ(clicks, 1);
}

TEST_F(MessageSequence, CheckBoxSetFromCodeClicksOnlyOnChange) {
  auto* box = Add<TCheckBox>("Box", 10, 10, 150, 17);
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  box->SetChecked(false);
  EXPECT_EQ(clicks, 0);
  box->SetChecked(true);  // before the window exists
  EXPECT_EQ(clicks, 1);
  form->HandleNeeded();
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  box->SetChecked(true);
  EXPECT_EQ(clicks, 1);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageA(box->Handle(), BM_CLICK, 0, 0);  // the user
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 3);
}

TEST_F(MessageSequence, RadioButtonsClearTheirSiblings) {
  auto* a = Add<TRadioButton>("A", 10, 10, 100, 17);
  auto* b = Add<TRadioButton>("B", 10, 30, 100, 17);
  int aClicks = 0, bClicks = 0;
  a->OnClick = [&](TObject*) { ++aClicks; };
  b->OnClick = [&](TObject*) { ++bClicks; };
  form->HandleNeeded();
  a->SetChecked(true);
  SendMessageA(b->Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_EQ(SendMessageA(a->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(aClicks, 1);
  EXPECT_EQ(bClicks, 1);
}

TEST_F(MessageSequence, EnabledChangedGoesThroughWindowProcForWindowlessControlsToo) {
  auto* speed = Add<TSpeedButton>("Speed", 10, 10, 23, 22);
  std::vector<Seen> log;
  Recorder rec(speed, log, {CM_ENABLEDCHANGED});
  speed->SetEnabled(false);
  speed->SetEnabled(false);
  speed->SetEnabled(true);
  EXPECT_SEQUENCE(log, {{speed, CM_ENABLEDCHANGED, 0}, {speed, CM_ENABLEDCHANGED, 0}});
}

TEST_F(MessageSequence, WindowsHaveTheFrameworkClassNames) {
  auto* panel = Add<TPanel>("Panel", 0, 0, 200, 100);
  std::vector<std::pair<TWinControl*, const char*>> expect = {
      {Add<TButton>("b", 0, 0, 10, 10, panel), "TButton"},     {Add<TBitBtn>("bb", 0, 0, 10, 10, panel), "TBitBtn"},
      {Add<TEdit>("e", 0, 0, 10, 10, panel), "TEdit"},         {Add<TMemo>("m", 0, 0, 10, 10, panel), "TMemo"},
      {Add<TCheckBox>("c", 0, 0, 10, 10, panel), "TCheckBox"}, {Add<TRadioButton>("r", 0, 0, 10, 10, panel), "TRadioButton"},
      {Add<TGroupBox>("g", 0, 0, 10, 10, panel), "TGroupBox"}, {Add<TScrollBar>("s", 0, 0, 10, 10, panel), "TScrollBar"},
      {Add<TListView>("l", 0, 0, 10, 10, panel), "TListView"}, {panel, "TPanel"},
      {Add<TComboBox>("cb", 0, 0, 10, 10, panel), "TComboBox"},
      {Add<TProgressBar>("pb", 0, 0, 10, 10, panel), "TProgressBar"},
      {Add<TTrackBar>("tb", 0, 0, 10, 10, panel), "TTrackBar"},
      {Add<TUpDown>("ud", 0, 0, 10, 10, panel), "TUpDown"},
      {Add<TStatusBar>("sb", 0, 0, 10, 10, panel), "TStatusBar"},
      {Add<TTabControl>("tc", 0, 0, 10, 10, panel), "TTabControl"},
      {form.get(), "TForm"}};
  Owned<TExampleForm> example(New<TExampleForm>(nullptr));
  expect.push_back({example.get(), "TExampleForm"});
  for (auto& [control, name] : expect) {
    char cls[64] = {};
    GetClassNameA(control->Handle(), cls, sizeof cls);
    EXPECT_STREQ(cls, name);
  }
  if (Application) {
    char cls[64] = {};
    GetClassNameA(Application->Handle(), cls, sizeof cls);
    EXPECT_STREQ(cls, "TApplication");
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());
  }
}
