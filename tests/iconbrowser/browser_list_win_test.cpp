// The icon browser's list, its confirm and cancel paths, driven through the
// window's messages inside its modal loop.
#include <gtest/gtest.h>

#include "browser_fixture.h"

using namespace vex::test;

namespace {
// Up, with the folder read to the end.
bool WindowShown(TFormIconExplorer& f) {
  return IsWindowVisible(f.Handle()) && !f.Reading() && f.ListView1->ItemCount() > 0;
}
}  // namespace

TEST_F(BrowserTest, WindowIsTheOwnerlessBrowserWithItsLayout) {
  TFormIconExplorer& f = Form();
  char cls[64] = {};
  GetClassNameA(f.Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "TFormIconExplorer");
  EXPECT_EQ(f.Caption(), "图标浏览");
  RECT r;
  GetWindowRect(f.Handle(), &r);
  EXPECT_EQ(r.right - r.left, 275);
  EXPECT_EQ(r.bottom - r.top, 233);
  // Control sizes as the window shows them.
  struct Expected { vcl::TWinControl* control; int width, height; } sizes[] = {
      {f.Panel1, 267, 99}, {f.GroupBox1, 153, 95}, {f.GroupBox2, 105, 95}, {f.ScrollBar1, 19, 81}, {f.Button1, 77, 25}};
  for (const auto& e : sizes) {
    RECT c;
    GetWindowRect(H(e.control), &c);
    EXPECT_EQ(c.right - c.left, e.width) << e.control->Name();
    EXPECT_EQ(c.bottom - c.top, e.height) << e.control->Name();
  }
  EXPECT_EQ(GetWindowLongA(H(f.ScrollBar1), GWL_STYLE) & SBS_VERT, SBS_VERT);
  EXPECT_FALSE(f.Button1->Enabled());
  EXPECT_TRUE(f.RadioButton2->Checked());
  EXPECT_EQ(f.ScrollBar1->Position(), 16);
  EXPECT_EQ(f.OpenDialog1->InitialDir, program.Path() + "\\精选图标\\");
  EXPECT_NE(f.FFolderIcon.Handle(), nullptr);
  EXPECT_FALSE(f.FAccepted);
  EXPECT_EQ(f.FResultIndex, 0);
}

TEST_F(BrowserTest, ListsExecutablesThenLibrariesAndCancelReturnsFalse) {
  TFormIconExplorer& f = Form();
  std::vector<std::string> captions;
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] {
        for (int i = 0; i < f.ListView1->ItemCount(); ++i) captions.push_back(f.ListView1->Items(i)->Caption());
        ClickCancel();
      }),
  });
  EXPECT_FALSE(f.Execute(target.Path()));
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(captions, (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  ASSERT_EQ(f.Sources().size(), 5u);
  const int expected[] = {0, 1, 2, 0, 1};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.Sources()[i].index, expected[i]) << i;
    EXPECT_EQ(f.Sources()[i].file, target.File(i < 3 ? "three.exe" : "two.dll")) << i;
  }
  EXPECT_EQ(f.ImageList1->Count(), 5);
}

TEST_F(BrowserTest, OkInIconModeReturnsTheLibraryWithItsFullPath) {
  TFormIconExplorer& f = Form();
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] {
        Select(4);
        PostMessageA(H(f.RadioButton1), BM_CLICK, 0, 0);
      }),
      [&] { return f.RadioButton1->Checked() && f.Button1->Enabled(); },
      Do([&] { ClickOk(); }),
  });
  EXPECT_TRUE(f.Execute(target.Path()));
  EXPECT_EQ(f.FResultFile, target.File("two.dll"));
  EXPECT_EQ(f.FResultIndex, 1);
  EXPECT_FALSE(IsWindowVisible(f.Handle()));
}

TEST_F(BrowserTest, ClosingByTheCaptionKeepsThePreviousOutcome) {
  TFormIconExplorer& f = Form();
  {
    ModalScript ok({[&] { return WindowShown(f); }, Do([&] {
                      Select(1);
                      f.RadioButton1->SetChecked(true);
                      ClickOk();
                    })});
    ASSERT_TRUE(f.Execute(target.Path()));
  }
  {
    ModalScript close({[&] { return WindowShown(f); }, Do([&] { PostMessageA(f.Handle(), WM_CLOSE, 0, 0); })});
    EXPECT_TRUE(f.Execute(target.Path()));
  }
  EXPECT_EQ(f.FResultFile, target.File("three.exe"));
  EXPECT_EQ(f.FResultIndex, 1);
  {
    ModalScript cancel({[&] { return WindowShown(f); }, Do([&] { ClickCancel(); })});
    EXPECT_FALSE(f.Execute(target.Path()));
  }
}

TEST_F(BrowserTest, OkWithoutSelectionDoesNothingAndFilesAddedTwiceListTwice) {
  TFormIconExplorer& f = Form();
  int before = 0;
  ModalScript script({
      [&] { return WindowShown(f); },
      Do([&] {
        before = f.ListView1->ItemCount();
        f.LoadIconsFromFile(vex::test::Fixture("icons2.dll"));
        f.LoadIconsFromFile(vex::test::Fixture("icons2.dll"));
        f.LoadIconsFromFile(target.File("none.exe"));
        f.LoadIconsFromFile(target.File("missing.dll"));
        f.LoadIconsFromFile(program.File("Folder.ico"));
        SendMessageA(H(f.Button1), WM_COMMAND, 0, 0);  // nothing: disabled, nothing selected
        f.Button1->SetEnabled(true);
        SendMessageA(H(f.Button1), BM_CLICK, 0, 0);  // enabled but still nothing selected
      }),
      [&] { return !f.Reading(); },  // the files are read on a worker
      Do([&] { ClickCancel(); }),
  });
  EXPECT_FALSE(f.Execute(target.Path()));
  EXPECT_EQ(before, 5);
  ASSERT_EQ(f.ListView1->ItemCount(), 10);
  EXPECT_EQ(f.ListView1->Items(9)->Caption(), "9");
  EXPECT_EQ(f.Sources()[7].file, vex::test::Fixture("icons2.dll"));
  EXPECT_EQ(f.Sources()[7].index, 0);
  EXPECT_EQ(f.Sources()[9].file, program.File("Folder.ico"));
}

TEST_F(BrowserTest, EachExecuteRebuildsTheListFromTheFolder) {
  TFormIconExplorer& f = Form();
  {
    ModalScript s({[&] { return WindowShown(f); }, Do([&] { ClickCancel(); })});
    f.Execute(target.Path());
  }
  TempFolder empty;
  ModalScript s({[&] { return IsWindowVisible(f.Handle()) != FALSE; }, Do([&] { ClickCancel(); })});
  EXPECT_FALSE(f.Execute(empty.Path()));
  EXPECT_EQ(f.ListView1->ItemCount(), 0);
  EXPECT_EQ(f.ImageList1->Count(), 0);
}
