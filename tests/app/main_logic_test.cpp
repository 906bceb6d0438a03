// The main window's handlers over a recording view and the in-memory platform.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "FakePlatform.h"
#include "app/AppTexts.h"
#include "app/EAppError.h"
#include "app/TMainLogic.h"
#include "app/TShellVerb.h"

namespace vex::app {
namespace {

using test::FakePlatform;

constexpr char kSetup[] = "C:\\Vexilo\\Setup.ini";

// Plays the window: check boxes run their click handler only on a change, as
// the real ones do; dialogs answer from queued replies.
class FakeView final : public TMainView {
 public:
  std::function<void()> OnMenuClick, OnCopyClick;
  std::string Folder;
  bool Menu = true, Copy = false, Options = false;
  std::string OptionsCaption = text::kOptionsShow;
  std::deque<std::string> BrowseReplies;  // "" = cancel
  std::vector<std::string> BrowseTitles;
  std::deque<TIconReference> BrowserReplies;  // File "" = cancel
  std::vector<std::string> BrowserFolders;
  std::vector<std::string> Messages, Errors, Urls;
  std::vector<TIconReference> Painted;
  bool PaintThrows = false;

  std::string FolderText() override { return Folder; }
  void SetFolderText(const std::string& t) override { Folder = t; }
  bool MenuChecked() override { return Menu; }
  void SetMenuChecked(bool c) override {
    if (c == Menu) return;
    Menu = c;
    OnMenuClick();
  }
  bool CopyChecked() override { return Copy; }
  void SetCopyChecked(bool c) override {
    if (c == Copy) return;
    Copy = c;
    OnCopyClick();
  }
  bool OptionsVisible() override { return Options; }
  void SetOptionsVisible(bool v) override { Options = v; }
  void SetOptionsButtonCaption(const std::string& c) override { OptionsCaption = c; }
  bool BrowseForFolder(const std::string& title, std::string& folder) override {
    BrowseTitles.push_back(title);
    const std::string reply = BrowseReplies.empty() ? "" : BrowseReplies.front();
    if (!BrowseReplies.empty()) BrowseReplies.pop_front();
    folder = reply;
    return !reply.empty();
  }
  bool ExecuteIconBrowser(const std::string& folder, TIconReference& chosen) override {
    BrowserFolders.push_back(folder);
    const TIconReference reply = BrowserReplies.empty() ? TIconReference{} : BrowserReplies.front();
    if (!BrowserReplies.empty()) BrowserReplies.pop_front();
    chosen = reply;
    return !reply.File.empty();
  }
  void ShowMessage(const std::string& t) override { Messages.push_back(t); }
  void ShowError(const std::string& t) override { Errors.push_back(t); }
  void PaintIcon(const TIconReference& icon) override {
    Painted.push_back(icon);
    if (PaintThrows) throw EAppError("Icon image is not valid");
  }
  void OpenUrl(const std::string& url) override { Urls.push_back(url); }
};

class MainLogicTest : public ::testing::Test {
 protected:
  MainLogicTest() {
    V.OnMenuClick = [this] { L.CheckBox1Click(); };
    V.OnCopyClick = [this] { L.CheckBox2Click(); };
    P.Folders.insert("E:\\icons");
    P.Files["E:\\icons\\star.ico"] = "ICON";
  }
  std::string Ini(const std::string& folder, const char* key) {
    return P.ReadIni(folder + "\\Desktop.ini", ".ShellClassInfo", key, "<none>");
  }
  FakePlatform P;
  FakeView V;
  TMainLogic L{V, P};
};

TEST_F(MainLogicTest, FirstStartWithoutSetupIniLeavesTheRegistryAlone) {
  L.FormCreate("\"C:\\Vexilo\\vexilo.exe\"");
  EXPECT_TRUE(V.Menu);
  EXPECT_FALSE(V.Copy);
  EXPECT_TRUE(P.Registry.empty());
  EXPECT_FALSE(P.FileExists(kSetup));
  EXPECT_EQ(V.Folder, "");
  EXPECT_TRUE(V.Painted.empty());
  EXPECT_EQ(L.Chosen(), TIconReference{});
}

TEST_F(MainLogicTest, MenuOffRemovesTheVerbAtEveryStart) {
  P.Files[kSetup] = "[Reg]\r\nMenu=0\r\n";
  P.Registry[{TRegRoot::CurrentUser, kVerbKey}] = kVerbText;
  P.Registry[{TRegRoot::CurrentUser, kVerbCommandKey}] = "x";
  L.FormCreate("vexilo");
  EXPECT_FALSE(V.Menu);
  EXPECT_TRUE(P.Registry.empty());
  EXPECT_EQ(P.Files.at(kSetup), "[Reg]\r\nMenu=0\r\n");  // not written back
}

TEST_F(MainLogicTest, CopyOnRewritesBothSettingsAtStart) {
  P.Files[kSetup] = "[Copy]\r\nCopy=1\r\n";
  L.FormCreate("vexilo");
  EXPECT_TRUE(V.Copy);
  EXPECT_EQ(P.ReadIni(kSetup, "Reg", "Menu", ""), "1");
  EXPECT_EQ(P.ReadIni(kSetup, "Copy", "Copy", ""), "1");
}

TEST_F(MainLogicTest, OddSettingValuesReadAsTheirNumbersOrDefaults) {
  P.Files[kSetup] = "[Reg]\r\nMenu=abc\r\n[Copy]\r\nCopy=2\r\n";
  L.LoadSettings();
  EXPECT_TRUE(V.Menu);
  EXPECT_TRUE(V.Copy);
}

TEST_F(MainLogicTest, WritingTheSettingsKeepsTheSkinChoiceAndTheRestOfTheFile) {
  P.Files[kSetup] = "; mine\r\n[Skin]\r\nFile=heron.skn\r\n[Copy]\r\nCopy=1\r\n";
  L.FormCreate("vexilo");  // Copy=1 writes both settings back at once
  V.Copy = false;
  L.FormDestroy();
  EXPECT_EQ(P.ReadIni(kSetup, "Skin", "File", "?"), "heron.skn");
  EXPECT_EQ(P.ReadIni(kSetup, "Copy", "Copy", "?"), "0");
  EXPECT_EQ(P.Files.at(kSetup).rfind("; mine\r\n[Skin]\r\nFile=heron.skn\r\n", 0), 0u);
}

TEST_F(MainLogicTest, SettingsThatCannotBeWrittenAreReportedAndStartUpGoesOn) {
  P.Folders.erase("C:\\Vexilo");  // program folder without write access
  P.Files[kSetup] = "[Copy]\r\nCopy=1\r\n";
  P.Folders.insert("D:\\Photos");
  L.FormCreate("vexilo D:\\Photos");
  EXPECT_EQ(V.Errors, std::vector<std::string>{"Unable to write to C:\\Vexilo\\Setup.ini"});
  EXPECT_EQ(V.Folder, "D:\\Photos");
}

TEST_F(MainLogicTest, TogglingTheMenuOptionWritesAndRemovesTheUserVerb) {
  P.DeniedRoots = {TRegRoot::ClassesRoot, TRegRoot::LocalMachine};  // a standard user
  V.SetMenuChecked(false);
  V.SetMenuChecked(true);
  EXPECT_EQ(P.Registry.at({TRegRoot::CurrentUser, kVerbKey}), "Vexilo(&I)");
  EXPECT_EQ(P.Registry.at({TRegRoot::CurrentUser, kVerbCommandKey}), "\"C:\\Vexilo\\vexilo.exe\" \"%l\"");
  V.SetMenuChecked(false);
  EXPECT_TRUE(P.Registry.empty());
}

TEST_F(MainLogicTest, RemovingTheVerbAlsoClearsAMachineWideOne) {
  P.Registry[{TRegRoot::ClassesRoot, kMachineVerbKey}] = kVerbText;
  P.Registry[{TRegRoot::ClassesRoot, std::string(kMachineVerbKey) + "\\command"}] = "old";
  V.SetMenuChecked(false);
  EXPECT_TRUE(P.Registry.empty());
}

TEST_F(MainLogicTest, TickingTheMenuOptionAgainFollowsAMovedProgram) {
  V.SetMenuChecked(false);
  V.SetMenuChecked(true);
  P.Program = "D:\\Tools\\vexilo.exe";
  V.SetMenuChecked(false);
  V.SetMenuChecked(true);
  EXPECT_EQ(P.Registry.at({TRegRoot::CurrentUser, kVerbCommandKey}), "\"D:\\Tools\\vexilo.exe\" \"%l\"");
}

TEST_F(MainLogicTest, MenuChangeReachesSetupIniOnlyAtTheNextSave) {
  V.SetMenuChecked(false);
  EXPECT_FALSE(P.FileExists(kSetup));
  V.SetCopyChecked(true);
  EXPECT_EQ(P.ReadIni(kSetup, "Reg", "Menu", ""), "0");
  V.Menu = true;
  L.FormDestroy();
  EXPECT_EQ(P.Files.at(kSetup), "[Reg]\r\nMenu=1\r\n[Copy]\r\nCopy=1\r\n");
}

TEST_F(MainLogicTest, CommandLineFolderIsShownWithItsIcon) {
  P.Folders.insert("D:\\My Photos");
  P.Files["D:\\My Photos\\Desktop.ini"] = "[.ShellClassInfo]\r\nIconFile=./a.ico\r\nIconIndex=0\r\n";
  L.FormCreate("\"C:\\Vexilo\\vexilo.exe\" \"D:\\My Photos\"");
  EXPECT_EQ(V.Folder, "D:\\My Photos");
  EXPECT_EQ(V.Painted, (std::vector<TIconReference>{{"D:\\My Photos\\a.ico", 0}}));
  EXPECT_EQ(L.Chosen(), (TIconReference{"D:\\My Photos\\a.ico", 0}));
}

TEST_F(MainLogicTest, BrokenIconAtStartKeepsTheReferenceAndOpensTheWindow) {
  P.Files["D:\\Photos\\Desktop.ini"] = "[.ShellClassInfo]\r\nIconFile=E:\\bad.ico\r\n";
  V.PaintThrows = true;
  EXPECT_NO_THROW(L.FormCreate("vexilo D:\\Photos"));
  EXPECT_EQ(L.Chosen().File, "E:\\bad.ico");
}

TEST_F(MainLogicTest, ApplyWithoutFolderOrIconAsksForBoth) {
  V.BrowseReplies = {"D:\\Photos"};
  V.BrowserReplies = {{"E:\\icons\\star.ico", 0}};
  L.Button1Click();
  EXPECT_EQ(V.BrowseTitles, std::vector<std::string>{text::kBrowseChangeTitle});
  EXPECT_EQ(V.Folder, "D:\\Photos");
  EXPECT_EQ(V.BrowserFolders, std::vector<std::string>{"D:\\Photos"});
  EXPECT_EQ(Ini("D:\\Photos", "IconFile"), "E:\\icons\\star.ico");
  EXPECT_EQ(V.Messages, std::vector<std::string>{text::kApplied});
  EXPECT_EQ(V.Painted.back(), (TIconReference{"E:\\icons\\star.ico", 0}));
}

TEST_F(MainLogicTest, ApplyStopsQuietlyWhenADialogIsCancelled) {
  L.Button1Click();  // folder dialog cancelled
  EXPECT_TRUE(V.BrowserFolders.empty());
  V.Folder = "D:\\Photos";
  L.Button1Click();  // icon browser cancelled
  EXPECT_FALSE(P.FileExists("D:\\Photos\\Desktop.ini"));
  EXPECT_TRUE(V.Messages.empty());
}

TEST_F(MainLogicTest, ApplyToAnotherFolderReusesTheLastIconWithoutAsking) {
  P.Folders.insert("D:\\My Photos");
  P.Files["D:\\Photos\\Desktop.ini"] = "[.ShellClassInfo]\r\nIconFile=C:\\x.dll\r\nIconIndex=4\r\n";
  L.FormCreate("vexilo D:\\Photos");
  V.Folder = "D:\\My Photos";
  L.Button1Click();
  EXPECT_TRUE(V.BrowserFolders.empty());
  EXPECT_EQ(Ini("D:\\My Photos", "IconFile"), "C:\\x.dll");
  EXPECT_EQ(Ini("D:\\My Photos", "IconIndex"), "4");
}

TEST_F(MainLogicTest, ApplyThatCannotWriteRaisesWithoutSuccessMessage) {
  V.Folder = "Q:\\nowhere";
  V.BrowserReplies = {{"E:\\icons\\star.ico", 0}};
  EXPECT_THROW(L.Button1Click(), EAppError);
  EXPECT_TRUE(V.Messages.empty());
}

TEST_F(MainLogicTest, RestoreReportsOnlyWhenIconKeysWereRemoved) {
  V.Folder = "D:\\Photos";
  L.BitBtn1Click();
  EXPECT_TRUE(V.Messages.empty());
  EXPECT_EQ(V.Painted, std::vector<TIconReference>{TIconReference{}});  // picture cleared
  P.Files["D:\\Photos\\Desktop.ini"] = "[.ShellClassInfo]\r\nIconFile=a.ico\r\nInfoTip=Holiday\r\n";
  L.BitBtn1Click();
  EXPECT_EQ(V.Messages, std::vector<std::string>{text::kRestored});
  EXPECT_EQ(P.Files.at("D:\\Photos\\Desktop.ini"), "[.ShellClassInfo]\r\nInfoTip=Holiday\r\n");
}

TEST_F(MainLogicTest, RestoreAfterRestoreMakesTheNextApplyOpenTheBrowser) {
  P.Files["D:\\Photos\\Desktop.ini"] = "[.ShellClassInfo]\r\nIconFile=E:\\icons\\star.ico\r\n";
  L.FormCreate("vexilo D:\\Photos");
  L.BitBtn1Click();
  EXPECT_EQ(L.Chosen(), TIconReference{});
  L.Button1Click();
  EXPECT_EQ(V.BrowserFolders, std::vector<std::string>{"D:\\Photos"});
}

TEST_F(MainLogicTest, RestoreWithEmptyFolderBrowsesButKeepsTheEditEmpty) {
  P.Files["D:\\Photos\\Desktop.ini"] = "[.ShellClassInfo]\r\nIconFile=a.ico\r\n";
  V.BrowseReplies = {"D:\\Photos"};
  L.BitBtn1Click();
  EXPECT_EQ(V.BrowseTitles, std::vector<std::string>{text::kBrowseRestoreTitle});
  EXPECT_EQ(V.Folder, "");
  EXPECT_FALSE(P.FileExists("D:\\Photos\\Desktop.ini"));
  L.BitBtn1Click();  // cancelled: nothing happens
  EXPECT_EQ(V.Painted.size(), 1u);
}

TEST_F(MainLogicTest, BrowsingForAFolderLeavesThePictureAndReferenceAlone) {
  P.Files["D:\\Photos\\Desktop.ini"] = "[.ShellClassInfo]\r\nIconFile=C:\\x.dll\r\nIconIndex=1\r\n";
  L.FormCreate("vexilo D:\\Photos");
  V.BrowseReplies = {"D:\\My Photos"};
  L.SpeedButton2Click();
  EXPECT_EQ(V.Folder, "D:\\My Photos");
  EXPECT_EQ(V.Painted.size(), 1u);
  EXPECT_EQ(L.Chosen().File, "C:\\x.dll");
}

TEST_F(MainLogicTest, PictureClickOpensTheBrowserEvenWithoutFolder) {
  V.BrowserReplies = {{"C:\\x.dll", 7}};
  L.Image1Click();
  EXPECT_EQ(V.BrowserFolders, std::vector<std::string>{""});
  EXPECT_EQ(L.Chosen(), (TIconReference{"C:\\x.dll", 7}));
  EXPECT_EQ(V.Painted.back(), L.Chosen());
  L.Image1Click();  // cancelled: the choice stays
  EXPECT_EQ(L.Chosen(), (TIconReference{"C:\\x.dll", 7}));
  EXPECT_EQ(P.Files.size(), 1u);  // nothing written until apply
}

TEST_F(MainLogicTest, OptionsToggleTwiceReturnsToTheStart) {
  L.SpeedButton1Click();
  EXPECT_TRUE(V.Options);
  EXPECT_EQ(V.OptionsCaption, text::kOptionsHide);
  L.SpeedButton1Click();
  EXPECT_FALSE(V.Options);
  EXPECT_EQ(V.OptionsCaption, text::kOptionsShow);
}

TEST_F(MainLogicTest, DownloadLinkOpensTheDownloadPage) {
  L.Label1Click();
  EXPECT_EQ(V.Urls, std::vector<std::string>{"https://vexilo.example/download"});
}

}  // namespace
}  // namespace vex::app
