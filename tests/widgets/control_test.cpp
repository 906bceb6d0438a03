// Individual controls: list views with image lists, edits, group boxes, menus, timers.
#include <gtest/gtest.h>

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
  auto* images = new TImageList(form.get());
  images->SetSize(32, 32);
  TIcon icon;
  icon.SetHandle(MakeTestIcon(RGB(0, 128, 255)));
  EXPECT_EQ(images->AddIcon(icon), 0);
  EXPECT_EQ(images->AddIcon(icon), 1);
  auto* list = new TListView(form.get());
  list->SetBounds(0, 0, 300, 200);
  list->SetParent(form.get());
  list->SetLargeImages(images);
  list->AddItem("a.exe,0", 0);
  list->AddItem("b.dll,3", 1);
  std::vector<std::pair<int, bool>> selections;
  list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) { selections.push_back({item->Index(), selected}); };
  form->Show();
  EXPECT_EQ(ListView_GetItemCount(list->Handle()), 2);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list->Handle(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
            images->Handle());
  list->SetItemIndex(1);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Selected()->Caption(), "b.dll,3");
  list->SetItemIndex(0);
  EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {0, true}}));
  // Changing the image size empties the list and hands the view the new one.
  images->SetSize(16, 16);
  EXPECT_EQ(images->Count(), 0);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(list->Handle(), LVM_GETIMAGELIST, LVSIL_NORMAL, 0)),
            images->Handle());
  list->Clear();
  EXPECT_EQ(ListView_GetItemCount(list->Handle()), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
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
  explicit Worker(std::atomic<int>& state) : state_(state) {}
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

  std::atomic<int> ran{0};
  TThread::CreateAnonymousThread([&] { ran = 1; });
  EXPECT_TRUE(vex::test::PumpUntil([&] { return ran.load() == 1; }));

  std::atomic<int> kept{0};
  Worker waited(kept);
  waited.Start();
  waited.WaitFor();
  ASSERT_TRUE(waited.FatalException());
  EXPECT_THROW(std::rethrow_exception(waited.FatalException()), Exception);
}
