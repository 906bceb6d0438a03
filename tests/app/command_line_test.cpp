// The folder taken from the program's command line.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace vex::app {
namespace {

constexpr char kProgram[] = "C:\\Program Files\\Vexilo\\vexilo.exe";

std::string Folder(const std::string& line) { return FolderFromCommandLine(line, kProgram); }

TEST(CommandLine, ExplorerVerbFormGivesTheQuotedFolder) {
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\" \"D:\\My Photos\\2024 trip\""), "D:\\My Photos\\2024 trip");
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\" \"D:\\\""), "D:\\");
}

TEST(CommandLine, QuotedProgramWithUnquotedFolderKeepsTheWholeFolder) {
  // The quote-counting rule cut this to "D:\Phot".
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\" D:\\Photos"), "D:\\Photos");
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\" D:\\My Photos"), "D:\\My Photos");
}

TEST(CommandLine, UnquotedFullProgramPathIsSkippedWithoutRegardToCase) {
  EXPECT_EQ(Folder("C:\\Program Files\\Vexilo\\vexilo.exe D:\\My Folder"), "D:\\My Folder");
  EXPECT_EQ(Folder("c:\\PROGRAM FILES\\vexilo\\VEXILO.EXE D:\\My Folder"), "D:\\My Folder");
}

TEST(CommandLine, ShortProgramNameFromAConsoleEndsAtTheFirstBlank) {
  // Typed in a console: the line does not start with the full path.
  EXPECT_EQ(Folder("vexilo D:\\My Folder"), "D:\\My Folder");
  EXPECT_EQ(Folder("vexilo.exe   \"D:\\My Folder\""), "D:\\My Folder");
}

TEST(CommandLine, UnquotedFolderKeepsItsBlanksAsTheyStand) {
  EXPECT_EQ(Folder("vexilo D:\\a  b "), "D:\\a  b ");
}

TEST(CommandLine, UnterminatedQuoteRunsToTheEnd) {
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\" \"D:\\My Photos"), "D:\\My Photos");
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe"), "");
}

TEST(CommandLine, QuotedFolderStopsAtItsClosingQuote) {
  EXPECT_EQ(Folder("vexilo \"D:\\x\" trailing words"), "D:\\x");
  EXPECT_EQ(Folder("vexilo \"\""), "");
}

TEST(CommandLine, NoFolderGivesEmpty) {
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\""), "");
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\"   "), "");
  EXPECT_EQ(Folder("vexilo"), "");
  EXPECT_EQ(Folder(""), "");
}

TEST(CommandLine, GbkFolderNamesSurviveWhole) {
  // "精选图标": its bytes include none of the separators, but trail bytes are
  // above 0x40 and must not be folded or split.
  EXPECT_EQ(Folder("\"C:\\Program Files\\Vexilo\\vexilo.exe\" \"D:\\精选图标\""), "D:\\精选图标");
  EXPECT_EQ(Folder("vexilo D:\\\x81\x5c dir"), "D:\\\x81\x5c dir");
}

TEST(CommandLine, ParametersAreCountedAfterTheProgramToken) {
  EXPECT_FALSE(HasCommandLineParameters("\"C:\\Program Files\\Vexilo\\vexilo.exe\""));
  EXPECT_FALSE(HasCommandLineParameters("\"C:\\Program Files\\Vexilo\\vexilo.exe\"  \t"));
  EXPECT_FALSE(HasCommandLineParameters("vexilo.exe"));
  EXPECT_TRUE(HasCommandLineParameters("vexilo.exe D:\\x"));
  EXPECT_TRUE(HasCommandLineParameters("\"C:\\Program Files\\Vexilo\\vexilo.exe\" \"D:\\x\""));
  // The runtime cuts an unquoted program name at the first blank, so the
  // rest of an unquoted path with blanks counts as parameters.
  EXPECT_TRUE(HasCommandLineParameters("C:\\Program Files\\Vexilo\\vexilo.exe"));
}

}  // namespace
}  // namespace vex::app
