// Individual controls: list views with image lists, edits, group boxes, menus, timers.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_icons.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

using namespace vcl;

namespace {
struct ControlTest : testing::Test {
  void SetUp() override {
    form.reset(New<TForm>(nullptr));
    form->SetBounds(50, 50, 400, 300);
  }
  Owned<TForm> form;
};
}  // namespace

TEST_F(ControlTest, ListViewKeepsItsItemsAndReportsSelection) {
  // The same behaviour whether the control holds the items or only their
  // count (owner data, asking for captions and images as it draws).
  for (const bool ownerData : {false, true}) {
    SCOPED_TRACE(ownerData ? "owner data" : "items of its own");
    SetUp();
    auto* images = new TImageList(form.get());
    images->SetSize(32, 32);
    TIcon icon;
    icon.SetHandle(MakeTestIcon(RGB(0, 128, 255)));
    EXPECT_EQ(images->AddIcon(icon), 0);
    EXPECT_EQ(images->AddIcon(icon), 1);
    auto* list = new TListView(form.get());
    list->SetOwnerData(ownerData);
    list->SetBounds(0, 0, 300, 200);
    list->SetParent(form.get());
    list->SetLargeImages(images);
    list->AddItem("a.exe,0", 0);
    list->AddItem("b.dll,3", 1);
    std::vector<std::pair<int, bool>> selections;
    list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
      selections.push_back({item->Index(), selected});
    };
    form->Show();
    EXPECT_EQ(ListView_GetItemCount(list->Handle()), 2);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list->Handle(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
              images->Handle());
    char text[32] = {};
    ListView_GetItemText(list->Handle(), 1, 0, text, sizeof text);
    EXPECT_STREQ(text, "b.dll,3");
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 1;
    ASSERT_TRUE(ListView_GetItem(list->Handle(), &item));
    EXPECT_EQ(item.iImage, 1);
    LVFINDINFOA find{};
    find.flags = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
    find.psz = "B.D";
    EXPECT_EQ(ListView_FindItem(list->Handle(), -1, &find), 1) << "type-ahead";
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Selected()->Caption(), "b.dll,3");
    list->SetItemIndex(0);
    EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {0, true}}));
    // Within an update an owner-data control learns the count at the end.
    list->BeginUpdate();
    list->AddItem("c.dll,1", 1);
    EXPECT_EQ(ListView_GetItemCount(list->Handle()), ownerData ? 2 : 3);
    list->EndUpdate();
    EXPECT_EQ(ListView_GetItemCount(list->Handle()), 3);
    // Changing the image size empties the list and hands the view the new one.
    images->SetSize(16, 16);
    EXPECT_EQ(images->Count(), 0);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list->Handle(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
              images->Handle());
    // Room reserved while empty is a new list the view is handed too.
    images->Reserve(1000);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list->Handle(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
              images->Handle());
    EXPECT_EQ(images->AddIcon(icon), 0);
    list->Clear();
    EXPECT_EQ(ListView_GetItemCount(list->Handle()), 0);
    EXPECT_EQ(list->ItemIndex(), -1);
  }
}

TEST_F(ControlTest, ImageListGivesIconsBack) {
  TImageList images(nullptr);
  images.SetSize(32, 32);
  TIcon icon;
  icon.SetHandle(MakeTestIcon(RGB(255, 0, 0)));
  images.AddIcon(icon);
  TIcon back;
  ASSERT_TRUE(images.GetIcon(0, back));
  EXPECT_EQ(back.Width(), 32);
  EXPECT_FALSE(images.GetIcon(5, back));
}

TEST_F(ControlTest, EditChangeEventsAndText) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText("C:\\Program Files");
  form->HandleNeeded();
  EXPECT_EQ(edit->Text(), "C:\\Program Files");
  SetWindowTextA(edit->Handle(), "D:\\文件夹");
  EXPECT_EQ(edit->Text(), "D:\\文件夹");
  EXPECT_GE(changes, 2);
}

TEST_F(ControlTest, GroupBoxChildrenNotifyThroughIt) {
  auto* group = new TGroupBox(form.get());
  group->SetBounds(10, 10, 200, 120);
  group->SetParent(form.get());
  auto* radio = new TRadioButton(form.get());
  radio->SetBounds(10, 20, 100, 17);
  radio->SetParent(group);
  int clicks = 0;
  radio->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  EXPECT_EQ(GetParent(radio->Handle()), group->Handle());
  SendMessageA(radio->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(radio->Checked());
}

TEST_F(ControlTest, HiddenControlsKeepTheirWindowHidden) {
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetVisible(false);
  auto* button = new TButton(panel);
  button->SetParent(panel);
  form->Show();
  EXPECT_FALSE(IsWindowVisible(panel->Handle()));
  EXPECT_FALSE(IsWindowVisible(button->Handle()));
  panel->Show();
  EXPECT_TRUE(IsWindowVisible(button->Handle()));
}

TEST_F(ControlTest, TabOrderFollowsTheWindowOrder) {
  auto* a = new TButton(form.get());
  auto* b = new TEdit(form.get());
  a->SetParent(form.get());
  b->SetParent(form.get());
  form->HandleNeeded();
  b->SetTabOrder(0);
  EXPECT_EQ(b->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), b->Handle());
  EXPECT_EQ(GetNextDlgTabItem(form->Handle(), b->Handle(), FALSE), a->Handle());
}

TEST_F(ControlTest, MainMenuChangesSendMenuChanged) {
  auto* menu = new TMainMenu(form.get());
  auto* file = new TMenuItem(form.get());
  file->SetCaption("&File");
  auto* open = new TMenuItem(form.get());
  open->SetCaption("&Open");
  open->SetTag(5);
  int opened = 0;
  open->OnClick = [&](TObject* s) { opened += static_cast<TMenuItem*>(s)->Tag(); };
  file->Add(open);
  menu->Items()->Add(file);
  int changes = 0;
  auto saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_MENUCHANGED) ++changes;
    saved(m);
  };
  form->SetMenu(menu);
  EXPECT_EQ(changes, 1);
  form->Show();
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  EXPECT_EQ(GetMenuItemCount(menu->Handle()), 1);
  open->SetEnabled(false);
  EXPECT_EQ(changes, 2);
  open->SetEnabled(true);
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(open->Command(), 0), 0);
  EXPECT_EQ(opened, 5);
  RECT r{};
  GetClientRect(form->Handle(), &r);
  EXPECT_EQ(r.bottom, form->ClientHeight());
  form->WindowProc = saved;
}

TEST_F(ControlTest, TimerTicksThroughTheMessageLoop) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(10);
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 3) timer.SetEnabled(false);
  };
  EXPECT_TRUE(vex::test::PumpUntil([&] { return ticks >= 3; }));
  vex::test::PumpUntil([] { return false; }, std::chrono::milliseconds(40));
  EXPECT_EQ(ticks, 3);
}

namespace {
class Worker : public TThread {
 public:
  explicit Worker(std::atomic<int>& state, bool suspended = true, bool selfFreeing = false)
      : TThread(suspended), state_(state) {
    SetFreeOnTerminate(selfFreeing);
  }
  ~Worker() override { state_ += 10; }

 protected:
  void Execute() override {
    state_ = 1;
    throw Exception("worker failed");
  }

 private:
  std::atomic<int>& state_;
};
}  // namespace

TEST_F(ControlTest, ThreadFreesItselfAndKeepsItsException) {
  std::atomic<int> state{0};
  auto* t = new Worker(state);
  t->SetFreeOnTerminate(true);
  t->Start();
  EXPECT_TRUE(vex::test::PumpUntil([&] { return state.load() == 11; }));

  // Made with New, a thread starts at once.
  std::atomic<int> started{0};
  New<Worker>(started, false, true);
  EXPECT_TRUE(vex::test::PumpUntil([&] { return started.load() == 11; }));

  std::atomic<int> ran{0};
  TThread::CreateAnonymousThread([&] { ran = 1; });
  EXPECT_TRUE(vex::test::PumpUntil([&] { return ran.load() == 1; }));

  std::atomic<int> kept{0};
  Worker waited(kept);  // created suspended
  EXPECT_FALSE(waited.Finished());
  waited.Start();
  waited.WaitFor();
  ASSERT_TRUE(waited.FatalException());
  EXPECT_THROW(std::rethrow_exception(waited.FatalException()), Exception);
}

TEST_F(ControlTest, SpeedButtonsOfAGroupStayExclusive) {
  auto* panel = new TPanel(form.get());
  panel->SetBounds(0, 0, 200, 50);
  panel->SetParent(form.get());
  auto* a = new TSpeedButton(form.get());
  auto* b = new TSpeedButton(form.get());
  a->SetBounds(0, 0, 23, 22);
  b->SetBounds(30, 0, 23, 22);
  for (auto* s : {a, b}) {
    s->SetGroupIndex(1);
    s->SetParent(panel);
  }
  int clicks = 0;
  a->OnClick = b->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  auto click = [&](int x) {
    SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
  };
  click(5);
  EXPECT_TRUE(a->Down());
  click(35);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  click(35);  // without AllowAllUp the down button stays down
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(clicks, 3);
  b->SetEnabled(false);
  click(35);
  EXPECT_EQ(clicks, 3);
}

TEST_F(ControlTest, DoubleBufferedPanelStillPaintsItsWindowlessChildren) {
  auto* panel = new TPanel(form.get());
  panel->SetBounds(0, 0, 100, 60);
  panel->SetDoubleBuffered(true);
  panel->SetColor(clWhite);
  panel->SetBevelOuter(bvNone);
  panel->SetParent(form.get());
  auto* image = new TImage(form.get());
  image->SetBounds(10, 10, 32, 32);
  image->Picture().Bitmap().SetSize(32, 32);
  image->Picture().Bitmap().Canvas().Brush().SetColor(clRed);
  RECT all{0, 0, 32, 32};
  image->Picture().Bitmap().Canvas().FillRect(all);
  image->SetParent(panel);
  form->Show();
  RedrawWindow(panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  // The window may reach the screen a moment after it is shown.
  vex::Pixels px;
  vex::test::PumpUntil([&] {
    px = vex::ReadWindow(panel->Handle());
    return px.At(20, 20) == 0xFF0000u;
  });
  EXPECT_EQ(px.At(20, 20), 0xFF0000u);
  EXPECT_EQ(px.At(60, 40), 0xFFFFFFu);
}

TEST_F(ControlTest, BitBtnGlyphIsKeyedByItsCornerPixel) {
  auto* button = new TBitBtn(form.get());
  button->SetBounds(10, 10, 60, 30);
  button->Glyph().SetSize(16, 16);
  auto& c = button->Glyph().Canvas();
  c.Brush().SetColor(clFuchsia);
  RECT all{0, 0, 16, 16};
  c.FillRect(all);
  c.Brush().SetColor(clGreen);
  RECT dot{4, 4, 12, 12};
  c.FillRect(dot);
  button->SetParent(form.get());
  form->Show();
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  vex::Pixels px;
  vex::test::PumpUntil([&] {
    px = vex::ReadWindow(button->Handle());
    return std::find(px.rgb.begin(), px.rgb.end(), 0x008000u) != px.rgb.end();
  });
  int green = 0, magenta = 0;
  for (int y = 0; y < px.height; ++y) {
    for (int x = 0; x < px.width; ++x) {
      green += px.At(x, y) == 0x008000u;
      magenta += px.At(x, y) == 0xFF00FFu;
    }
  }
  EXPECT_EQ(green, 64);
  EXPECT_EQ(magenta, 0);
}

TEST_F(ControlTest, CommonControlNotificationsComeBackToTheirObjects) {
  auto* track = new TTrackBar(form.get());
  track->SetBounds(0, 0, 150, 40);
  track->SetRange(0, 10);
  track->SetParent(form.get());
  auto* tabs = new TTabControl(form.get());
  tabs->SetBounds(0, 50, 200, 100);
  tabs->SetTabs({"a", "b"});
  tabs->SetParent(form.get());
  auto* combo = new TComboBox(form.get());
  combo->SetBounds(0, 160, 100, 21);
  combo->SetStyle(csDropDownList);
  combo->SetItems({"x", "y"});
  combo->SetParent(form.get());
  int trackChanges = 0, tabChanges = 0, comboChanges = 0;
  track->OnChange = [&](TObject*) { ++trackChanges; };
  tabs->OnChange = [&](TObject*) { ++tabChanges; };
  combo->OnChange = [&](TObject*) { ++comboChanges; };
  form->Show();
  SendMessageA(track->Handle(), TBM_SETPOS, TRUE, 7);
  SendMessageA(form->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 7), reinterpret_cast<LPARAM>(track->Handle()));
  EXPECT_EQ(track->Position(), 7);
  EXPECT_EQ(trackChanges, 1);
  NMHDR hdr{tabs->Handle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(tabChanges, 1);
  EXPECT_LT(tabs->AlignRect().top, 100);
  EXPECT_GT(tabs->AlignRect().top, 0);
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(comboChanges, 1);
  combo->SetItemIndex(1);
  combo->RecreateWnd();
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ControlTest, RecreatedWindowsKeepWhatTheUserEntered) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* box = new TCheckBox(form.get());
  box->SetParent(form.get());
  form->Show();
  SetWindowTextA(edit->Handle(), "typed");
  SendMessageA(box->Handle(), BM_CLICK, 0, 0);
  const HWND before = edit->Handle();
  const RECT client = form->ClientRect();
  form->SetBorderStyle(bsDialog);  // a new window for the form and its children
  EXPECT_NE(edit->Handle(), before);
  EXPECT_EQ(edit->Text(), "typed");
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  RECT r{};
  GetClientRect(form->Handle(), &r);
  EXPECT_EQ(r.right, client.right);  // the client area keeps its size under the new frame
  EXPECT_EQ(r.bottom, client.bottom);
}
