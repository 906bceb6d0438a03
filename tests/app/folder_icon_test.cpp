// Applying, restoring and reading a folder's Desktop.ini, on the in-memory platform.
#include <gtest/gtest.h>

#include <map>

#include "FakePlatform.h"
#include "app/EAppError.h"
#include "app/TFolderIcon.h"

namespace vex::app {
namespace {

using test::FakePlatform;

constexpr char kIni[] = "D:\\Photos\\Desktop.ini";

class FolderIconTest : public ::testing::Test {
 protected:
  FolderIconTest() { P.Folders.insert("E:\\icons"); P.Files["E:\\icons\\star.ico"] = "ICON"; }
  std::string Ini() { return P.Files.at(kIni); }
  FakePlatform P;
  TFolderIcon F{P};
};

TEST_F(FolderIconTest, ReferenceFormWritesIndexBeforeFileThenHidesAndMarks) {
  F.Apply("D:\\Photos", {"C:\\Windows\\system32\\shell32.dll", 41}, false);
  EXPECT_EQ(Ini(), "[.ShellClassInfo]\r\nIconIndex=41\r\nIconFile=C:\\Windows\\system32\\shell32.dll\r\n");
  EXPECT_EQ(P.Started, (std::vector<std::string>{"attrib +h D:\\Photos\\Desktop.ini", "attrib +s D:\\Photos"}));
  EXPECT_EQ(P.Notified, std::vector<std::string>{"D:\\Photos"});
}

TEST_F(FolderIconTest, IcoFileIsAppliedWithIndexZeroWhateverTheReferenceSays) {
  F.Apply("D:\\Photos", {"E:\\icons\\star.ico", 5}, false);
  EXPECT_EQ(P.ReadIni(kIni, ".ShellClassInfo", "IconIndex", ""), "0");
  EXPECT_EQ(P.ReadIni(kIni, ".ShellClassInfo", "IconFile", ""), "E:\\icons\\star.ico");
  EXPECT_FALSE(P.FileExists("D:\\Photos\\star.ico"));
}

TEST_F(FolderIconTest, CopyFormCopiesTheIcoAndNamesItRelatively) {
  F.Apply("D:\\Photos", {"E:\\icons\\star.ico", 5}, true);
  EXPECT_EQ(P.Files.at("D:\\Photos\\star.ico"), "ICON");
  EXPECT_EQ(Ini(), "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=./star.ico\r\n");
  EXPECT_EQ(P.Started, (std::vector<std::string>{"attrib +h D:\\Photos\\Desktop.ini", "attrib +h D:\\Photos\\star.ico",
                                                 "attrib +s D:\\Photos"}));
}

TEST_F(FolderIconTest, CopyOptionLeavesLibrariesAndCapitalIcoNamesWhereTheyAre) {
  P.Files["E:\\icons\\BIG.ICO"] = "ICON";
  F.Apply("D:\\Photos", {"C:\\Windows\\system32\\shell32.dll", 3}, true);
  EXPECT_EQ(P.ReadIni(kIni, ".ShellClassInfo", "IconIndex", ""), "3");
  F.Apply("D:\\Photos", {"E:\\icons\\BIG.ICO", 2}, true);
  EXPECT_EQ(P.ReadIni(kIni, ".ShellClassInfo", "IconIndex", ""), "2");
  EXPECT_EQ(P.ReadIni(kIni, ".ShellClassInfo", "IconFile", ""), "E:\\icons\\BIG.ICO");
  EXPECT_FALSE(P.FileExists("D:\\Photos\\BIG.ICO"));
}

TEST_F(FolderIconTest, ReapplyingACopiedIconOntoItselfStillNamesIt) {
  F.Apply("D:\\Photos", {"E:\\icons\\star.ico", 0}, true);
  const TIconReference read = F.Read("D:\\Photos");
  EXPECT_EQ(read, (TIconReference{"D:\\Photos\\star.ico", 0}));
  F.Apply("D:\\Photos", read, true);  // the copy onto itself fails, harmlessly
  EXPECT_EQ(P.ReadIni(kIni, ".ShellClassInfo", "IconFile", ""), "./star.ico");
  EXPECT_EQ(P.Files.at("D:\\Photos\\star.ico"), "ICON");
}

// An IconFile read from someone else's Desktop.ini, copied with the copy
// option on: the copy lands in the target folder under the name part, never
// where "/.." would lead.
TEST_F(FolderIconTest, CopyNeverLeavesTheTargetFolder) {
  const struct {
    const char* source;
    const char* copyName;  // empty: nothing copied, the icon is named where it lies
  } cases[] = {
      {"C:\\src\\d1\\d2\\a/../../x.ico", "x.ico"},
      {"C:\\src\\d1\\d2\\a/..\\..\\x.ico", "x.ico"},
      {"C:/src/x.ico", "x.ico"},
      {"C:\\src\\\x81/../x.ico", "x.ico"},
      {"C:\\src\\x?.ico", ""},
  };
  for (const auto& c : cases) {
    FakePlatform p;
    p.Files[c.source] = "ICON";
    TFolderIcon f{p};
    f.Apply("D:\\Photos", {c.source, 0}, true);
    for (const auto& [path, bytes] : p.Files) {
      if (path == c.source || path == kIni) continue;
      EXPECT_EQ(path, std::string("D:\\Photos\\") + c.copyName) << c.source << ": a copy at " << path;
    }
    const std::string named = p.ReadIni(kIni, ".ShellClassInfo", "IconFile", "");
    EXPECT_EQ(named, *c.copyName ? std::string("./") + c.copyName : std::string(c.source)) << c.source;
  }
}

// The folder holds a file of the icon's name already: it is the user's and
// stays; the copy takes the first free numbered name, or a name that holds
// these very bytes already.
TEST_F(FolderIconTest, CopyNeverReplacesAnotherFileOfTheSameName) {
  const struct {
    const char* name;
    std::map<std::string, std::string> there;  // files in D:\Photos before
    const char* used;
  } cases[] = {
      {"nothing there", {}, "star.ico"},
      {"the same icon there", {{"star.ico", "ICON"}}, "star.ico"},
      {"another file there", {{"star.ico", "MINE"}}, "star_2.ico"},
      {"two others there", {{"star.ico", "MINE"}, {"star_2.ico", "ALSO"}}, "star_3.ico"},
      {"an earlier copy numbered", {{"star.ico", "MINE"}, {"star_2.ico", "ICON"}}, "star_2.ico"},
  };
  for (const auto& c : cases) {
    FakePlatform p;
    p.Folders.insert("E:\\icons");
    p.Files["E:\\icons\\star.ico"] = "ICON";
    for (const auto& [name, bytes] : c.there) p.Files["D:\\Photos\\" + name] = bytes;
    TFolderIcon f{p};
    f.Apply("D:\\Photos", {"E:\\icons\\star.ico", 0}, true);
    for (const auto& [name, bytes] : c.there) EXPECT_EQ(p.Files.at("D:\\Photos\\" + name), bytes) << c.name << ": " << name;
    EXPECT_EQ(p.Files.at(std::string("D:\\Photos\\") + c.used), "ICON") << c.name;
    EXPECT_EQ(p.ReadIni(kIni, ".ShellClassInfo", "IconFile", ""), std::string("./") + c.used) << c.name;
    EXPECT_EQ(p.Started.at(1), std::string("attrib +h D:\\Photos\\") + c.used) << c.name;
  }
}

// A copy that fails leaves no entry naming a file that is not there.
TEST_F(FolderIconTest, AnIconThatCannotBeCopiedIsNamedWhereItLies) {
  F.Apply("D:\\Photos", {"E:\\icons\\gone.ico", 4}, true);
  EXPECT_EQ(Ini(), "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=E:\\icons\\gone.ico\r\n");
  EXPECT_FALSE(P.FileExists("D:\\Photos\\gone.ico"));
}

TEST_F(FolderIconTest, BlanksAreQuotedForAttribButNotInTheIniPath) {
  F.Apply("D:\\My Photos", {"E:\\icons\\star.ico", 0}, true);
  EXPECT_TRUE(P.FileExists("D:\\My Photos\\Desktop.ini"));
  EXPECT_EQ(P.Started, (std::vector<std::string>{"attrib +h \"D:\\My Photos\\Desktop.ini\"",
                                                 "attrib +h \"D:\\My Photos\\star.ico\"",
                                                 "attrib +s \"D:\\My Photos\""}));
}

TEST_F(FolderIconTest, OtherSectionsAndKeysSurviveAnApply) {
  P.Files[kIni] = "[.ShellClassInfo]\r\nLocalizedResourceName=Holiday\r\nIconFile=old.ico\r\n[ViewState]\r\nMode=4\r\n";
  F.Apply("D:\\Photos", {"E:\\icons\\star.ico", 0}, false);
  EXPECT_EQ(Ini(),
            "[.ShellClassInfo]\r\nLocalizedResourceName=Holiday\r\nIconFile=E:\\icons\\star.ico\r\nIconIndex=0\r\n"
            "[ViewState]\r\nMode=4\r\n");
}

TEST_F(FolderIconTest, StaleIconResourceIsDroppedSoTheNewIconShows) {
  P.Files[kIni] = "[.ShellClassInfo]\r\nIconResource=C:\\old.dll,3\r\n";
  F.Apply("D:\\Photos", {"E:\\icons\\star.ico", 0}, false);
  EXPECT_EQ(Ini(), "[.ShellClassInfo]\r\nIconIndex=0\r\nIconFile=E:\\icons\\star.ico\r\n");
}

TEST_F(FolderIconTest, FailedWriteRaisesAndStopsTheApply) {
  try {
    F.Apply("Q:\\missing", {"E:\\icons\\star.ico", 0}, false);
    FAIL() << "no error";
  } catch (const EAppError& e) {
    EXPECT_STREQ(e.what(), "Unable to write to Q:\\missing\\Desktop.ini");
  }
  EXPECT_TRUE(P.Started.empty());
  EXPECT_TRUE(P.Notified.empty());
}

TEST_F(FolderIconTest, RestoreDeletesAFileThatHeldOnlyTheIcon) {
  F.Apply("D:\\Photos", {"E:\\icons\\star.ico", 0}, true);
  P.Notified.clear();
  EXPECT_TRUE(F.Restore("D:\\Photos"));
  EXPECT_FALSE(P.FileExists(kIni));
  EXPECT_TRUE(P.FileExists("D:\\Photos\\star.ico"));  // a copied icon stays
  EXPECT_EQ(P.Notified, std::vector<std::string>{"D:\\Photos"});
}

TEST_F(FolderIconTest, RestoreKeepsEverythingElseTheFileHolds) {
  P.Files[kIni] = "[.ShellClassInfo]\r\nLocalizedResourceName=Holiday\r\niconfile=a.ico\r\nIconIndex=2\r\n"
                  "IconResource=b.dll,1\r\n[Other]\r\nX=1\r\n";
  EXPECT_TRUE(F.Restore("D:\\Photos"));
  EXPECT_EQ(Ini(), "[.ShellClassInfo]\r\nLocalizedResourceName=Holiday\r\n[Other]\r\nX=1\r\n");
}

TEST_F(FolderIconTest, RestoreDeletesWhenOnlyEmptySectionsRemain) {
  P.Files[kIni] = "; written by hand\r\n[.ShellClassInfo]\r\nIconResource=b.dll,1\r\n[Empty]\r\n";
  EXPECT_TRUE(F.Restore("D:\\Photos"));
  EXPECT_FALSE(P.FileExists(kIni));
}

TEST_F(FolderIconTest, RestoreWithoutIconKeysTouchesNothing) {
  const std::string text = "[.ShellClassInfo]\r\nLocalizedResourceName=Holiday\r\n";
  P.Files[kIni] = text;
  EXPECT_FALSE(F.Restore("D:\\Photos"));
  EXPECT_EQ(Ini(), text);
  EXPECT_FALSE(F.Restore("D:\\My Photos"));  // no Desktop.ini at all
  EXPECT_TRUE(P.Notified.empty());
}

TEST_F(FolderIconTest, RestoreOfAFileThatCannotBeChangedReportsNothing) {
  P.Files[kIni] = "[.ShellClassInfo]\r\nIconFile=a.ico\r\n";
  P.ReadOnlyFiles.insert(kIni);
  EXPECT_FALSE(F.Restore("D:\\Photos"));
  EXPECT_TRUE(P.FileExists(kIni));
}

TEST_F(FolderIconTest, ReadResolvesDotSlashAndKeepsOtherTextsAsTheyAre) {
  P.Files[kIni] = "[.ShellClassInfo]\r\nIconFile=./a.ico\r\nIconIndex=0x1A\r\n";
  EXPECT_EQ(F.Read("D:\\Photos"), (TIconReference{"D:\\Photos\\a.ico", 26}));
  P.Files[kIni] = "[.ShellClassInfo]\r\nIconFile=bare.ico\r\nIconIndex=seven\r\n";
  EXPECT_EQ(F.Read("D:\\Photos"), (TIconReference{"bare.ico", 0}));
  P.Files[kIni] = "[.ShellClassInfo]\r\nIconFile=x./a.ico\r\n";
  EXPECT_EQ(F.Read("D:\\Photos").File, "x./a.ico");
  EXPECT_EQ(F.Read("D:\\My Photos"), TIconReference{});
}

TEST_F(FolderIconTest, DriveRootKeepsItsBackslash) {
  EXPECT_EQ(TFolderIcon::DesktopIniPath("D:\\"), "D:\\\\Desktop.ini");
}

}  // namespace
}  // namespace vex::app
