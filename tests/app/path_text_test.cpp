// Paths in GBK: separators found per character, the .ico rule, quoting.
#include <gtest/gtest.h>

#include "app/IniValue.h"
#include "app/PathText.h"

namespace vex::app {
namespace {

// 0x81 0x5C is one GBK character whose trail byte is '\'.
constexpr char kTrailBackslash[] = "\x81\x5c";

TEST(PathText, TrailByteBackslashIsNotADelimiter) {
  const std::string path = std::string("D:\\icons\\") + kTrailBackslash + ".ico";
  EXPECT_EQ(FileNamePart(path), std::string(kTrailBackslash) + ".ico");
  EXPECT_EQ(DirectoryPart(path), "D:\\icons\\");
  const std::string dir = std::string("C:\\") + kTrailBackslash + "\\vexilo.exe";
  EXPECT_EQ(DirectoryPart(dir), std::string("C:\\") + kTrailBackslash + "\\");
}

TEST(PathText, NamePartAfterDriveColonOrWithoutDirectory) {
  EXPECT_EQ(FileNamePart("C:a.ico"), "a.ico");
  EXPECT_EQ(FileNamePart("a.ico"), "a.ico");
  EXPECT_EQ(DirectoryPart("a.ico"), "");
  EXPECT_EQ(FileNamePart("D:\\x\\"), "");
}

// The shell and the file functions take '/' for a separator too: a name part
// that kept one could climb out of the folder it is appended to.
TEST(PathText, SlashEndsTheDirectoryPartAsBackslashDoes) {
  const struct {
    const char* path;
    const char* name;
    const char* directory;
  } cases[] = {
      {"C:\\src\\d1\\d2\\a/../../x.ico", "x.ico", "C:\\src\\d1\\d2\\a/../../"},
      {"C:/icons/x.ico", "x.ico", "C:/icons/"},
      {"a/x.ico", "x.ico", "a/"},
      {"D:\\x/", "", "D:\\x/"},
      {"C:x/y.ico", "y.ico", "C:x/"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
    EXPECT_EQ(DirectoryPart(c.path), c.directory) << c.path;
  }
  // '/' is never a trail byte: after a lead byte it is still a separator.
  EXPECT_EQ(FileNamePart("C:\\d\\\x81/..\x81/x.ico"), "x.ico");
  EXPECT_EQ(FileNamePart("C:\\d\\\x81\\x.ico"), "\x81\\x.ico");
}

TEST(PathText, PlainFileNamesStayInTheirFolder) {
  const struct {
    const char* name;
    bool plain;
  } cases[] = {
      {"x.ico", true},          {"..ico", true},      {"\x81\x5c.ico", true},  // trail byte '\'
      {"", false},              {".", false},         {"..", false},
      {"a/b.ico", false},       {"a\\b.ico", false}, {"c:x.ico", false},
      {"x?.ico", false},        {"x*.ico", false},    {"x|.ico", false},
      {"\"x\".ico", false},    {"<x>.ico", false},   {"x\t.ico", false},
      {"\x81/..ico", false},    {"\x81:x.ico", false},  // no trail bytes: real separators
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name;
}

TEST(PathText, NumberedNamesGoBeforeTheExtension) {
  EXPECT_EQ(NumberedFileName("x.ico", 2), "x_2.ico");
  EXPECT_EQ(NumberedFileName("a.b.ico", 3), "a.b_3.ico");
  EXPECT_EQ(NumberedFileName("noext", 2), "noext_2");
}

TEST(PathText, IcoTestIsCaseSensitiveAndUsesTheLastDot) {
  EXPECT_TRUE(IsIcoFile("D:\\a.b\\x.ico"));
  EXPECT_TRUE(IsIcoFile("x.tar.ico"));
  EXPECT_FALSE(IsIcoFile("D:\\x.ICO"));
  EXPECT_FALSE(IsIcoFile("D:\\x.Ico"));
  EXPECT_FALSE(IsIcoFile("D:\\x.ico.dll"));
  EXPECT_FALSE(IsIcoFile("D:\\dir.ico\\shell32"));
  EXPECT_FALSE(IsIcoFile(""));
}

TEST(PathText, CaseBlindCompareLeavesTwoByteCharactersAlone) {
  EXPECT_TRUE(StartsWithNoCase("C:\\VEXILO\\x", "c:\\vexilo"));
  // 0x81 0x41 and 0x81 0x61 are different characters, although their trail
  // bytes are 'A' and 'a'.
  EXPECT_FALSE(EqualsNoCase("\x81\x41", "\x81\x61"));
  EXPECT_FALSE(StartsWithNoCase("C:", "C:\\"));
}

TEST(PathText, QuotingForCommandLines) {
  EXPECT_EQ(QuoteIfBlank("D:\\Photos"), "D:\\Photos");
  EXPECT_EQ(QuoteIfBlank("D:\\My Photos"), "\"D:\\My Photos\"");
  // A trailing backslash would escape the closing quote.
  EXPECT_EQ(QuoteIfBlank("D:\\My Photos\\"), "\"D:\\My Photos\\\\\"");
}

TEST(IniValue, IntegersDecimalAndHexadecimal) {
  EXPECT_EQ(ParseIniInteger("0x1A", 0), 26);
  EXPECT_EQ(ParseIniInteger("0X1a", 0), 26);
  EXPECT_EQ(ParseIniInteger("-3", 0), -3);
  EXPECT_EQ(ParseIniInteger("+7", 0), 7);
  EXPECT_EQ(ParseIniInteger("0xFFFFFFFF", 0), -1);
  EXPECT_EQ(ParseIniInteger("2147483647", 0), 2147483647);
  EXPECT_EQ(ParseIniInteger("-2147483648", 0), -2147483647 - 1);
}

TEST(IniValue, AnythingElseGivesTheDefault) {
  for (const char* text : {"", "abc", "0x", "1.5", "12abc", "0x1G", "2147483648", "0x100000000", "-", " 1"})
    EXPECT_EQ(ParseIniInteger(text, 42), 42) << '"' << text << '"';
  EXPECT_EQ(ParseIniInteger("0", 42), 0);
}

TEST(IniValue, BooleansAreNonZeroNumbers) {
  EXPECT_TRUE(ParseIniBool("abc", true));
  EXPECT_FALSE(ParseIniBool("abc", false));
  EXPECT_TRUE(ParseIniBool("2", false));
  EXPECT_TRUE(ParseIniBool("0x10", false));
  EXPECT_FALSE(ParseIniBool("0", true));
  EXPECT_TRUE(ParseIniBool("", true));
}

}  // namespace
}  // namespace vex::app
