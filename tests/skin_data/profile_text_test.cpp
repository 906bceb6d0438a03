// The in-memory INI reader must match what the Windows profile functions
// return for the same text, rule by rule.
#include <gtest/gtest.h>

#include <string>

#include "skin/data/SkinDescription.h"
#include "skin/data/TProfileText.h"

namespace vex::skin {
namespace {

TEST(ProfileText, SectionAndKeyNamesIgnoreLetterCase) {
  const TProfileText ini("[ToolBars]\r\nImage=sedge_tools.bmp\r\n[MdiControls]\r\nimage=sedge_mdicontrols.bmp\r\n");
  EXPECT_EQ(ini.ReadString("Toolbars", "Image"), "sedge_tools.bmp");
  EXPECT_EQ(ini.ReadString("MDICONTROLS", "IMAGE"), "sedge_mdicontrols.bmp");
  EXPECT_TRUE(ini.HasSection("toolbars"));
}

TEST(ProfileText, FirstSectionAndFirstKeyOfANameWin) {
  const TProfileText ini("[A]\nk=1\nK=2\n[b]\nx=3\n[a]\nk=4\nonly=5\n");
  EXPECT_EQ(ini.ReadString("a", "k"), "1");
  // Keys of a repeated section are not merged into the first.
  EXPECT_EQ(ini.ReadString("A", "only", "none"), "none");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"A", "b"}));
}

TEST(ProfileText, BlanksAndOnePairOfQuotesAreStripped) {
  const TProfileText ini(
      "[s]\n  spaced  =  \t value with  inner  blanks \t \ndq=\"quoted\"\nsq= 'single' \n"
      "twice=\"\"x\"\"\nmixed=\"open'\nlone=\"\nempty=\nbare\n");
  EXPECT_EQ(ini.ReadString("s", "spaced"), "value with  inner  blanks");
  EXPECT_EQ(ini.ReadString("s", "dq"), "quoted");
  EXPECT_EQ(ini.ReadString("s", "sq"), "single");
  EXPECT_EQ(ini.ReadString("s", "twice"), "\"x\"");
  EXPECT_EQ(ini.ReadString("s", "mixed"), "\"open'");
  EXPECT_EQ(ini.ReadString("s", "lone"), "\"");
  // Present but empty is not missing: the default is not used.
  EXPECT_EQ(ini.ReadString("s", "empty", "def"), "");
  EXPECT_EQ(ini.ReadString("s", "bare", "def"), "");
  EXPECT_EQ(ini.ReadString("s", "missing", "def"), "def");
  EXPECT_EQ(ini.ReadString("nosuch", "empty", "def"), "def");
}

TEST(ProfileText, ValuesAreCutTo2047Characters) {
  const std::string longValue(5000, 'v');
  const TProfileText ini("[s]\nk=" + longValue + "\nq=\"" + std::string(2047, 'w') + "\"\n");
  EXPECT_EQ(ini.ReadString("s", "k"), std::string(2047, 'v'));
  EXPECT_EQ(ini.ReadString("s", "q"), std::string(2047, 'w'));
}

TEST(ProfileText, LineEndsAndLinesOutsideSections) {
  const TProfileText ini("orphan=1\r[s]\rk=cr\r\nj=crlf\nl=lf");
  EXPECT_EQ(ini.ReadString("s", "k"), "cr");
  EXPECT_EQ(ini.ReadString("s", "j"), "crlf");
  EXPECT_EQ(ini.ReadString("s", "l"), "lf");
  EXPECT_EQ(ini.ReadString("s", "orphan", "none"), "none");
}

TEST(ProfileText, ValueKeepsTextAfterAFurtherEqualsSign) {
  const TProfileText ini("[s]\nk = a=b \n");
  EXPECT_EQ(ini.ReadString("s", "k"), "a=b");
}

TEST(ProfileText, IntegersDecimalDollarAndZeroX) {
  const TProfileText ini(
      "[s]\ndec=145\nneg=-7\nplus=+3\ndollar=$1F\nzerox=0x1f\nupper=0X10\nallbits=$FFFFFFFF\n"
      "words=12 px\nempty=\nfloat=1.5\nbig=2147483648\nmin=-2147483648\nhexbig=$100000000\nhexonly=$\n"
      "quoted=\"42\"\n");
  EXPECT_EQ(ini.ReadInteger("s", "dec", 0), 145);
  EXPECT_EQ(ini.ReadInteger("s", "neg", 0), -7);
  EXPECT_EQ(ini.ReadInteger("s", "plus", 0), 3);
  EXPECT_EQ(ini.ReadInteger("s", "dollar", 0), 31);
  EXPECT_EQ(ini.ReadInteger("s", "zerox", 0), 31);
  EXPECT_EQ(ini.ReadInteger("s", "upper", 0), 16);
  EXPECT_EQ(ini.ReadInteger("s", "allbits", 0), -1);
  EXPECT_EQ(ini.ReadInteger("s", "min", 0), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("s", "quoted", 0), 42);
  for (const char* bad : {"words", "empty", "float", "big", "hexbig", "hexonly", "missing"})
    EXPECT_EQ(ini.ReadInteger("s", bad, 99), 99) << bad;
}

TEST(ColourText, ThreeNumbersGiveRedGreenBlue) {
  EXPECT_EQ(ParseColourText("189 195 158", 0), PlainColour(189, 195, 158));
  EXPECT_EQ(ParseColourText("  40 40 40  ", 0), PlainColour(40, 40, 40));
  EXPECT_EQ(ParseColourText("255,0,255", 0), PlainColour(255, 0, 255));
}

TEST(ColourText, EverySeparatorCharacterMovesToTheNextField) {
  EXPECT_EQ(ParseColourText("40  40 40", 0), PlainColour(40, 0, 40));
  EXPECT_EQ(ParseColourText("1, 2, 3", 0), PlainColour(1, 0, 2));
  EXPECT_EQ(ParseColourText("-5 6 7", 0), PlainColour(0, 5, 6));
}

TEST(ColourText, PendingDigitsAtTheEndCountOnlyForTheThirdField) {
  EXPECT_EQ(ParseColourText("10 20", 0x123), PlainColour(10, 0, 0));
  EXPECT_EQ(ParseColourText("77", 0x123), PlainColour(0, 0, 0));
  EXPECT_EQ(ParseColourText("1 2 3 4", 0), PlainColour(1, 2, 3));
  EXPECT_EQ(ParseColourText("1 2 3 ", 0), PlainColour(1, 2, 3));  // trimmed first
}

TEST(ColourText, NumbersAreTakenModulo256AndUnconvertibleOnesSkipped) {
  EXPECT_EQ(ParseColourText("256 257 511", 0), PlainColour(0, 1, 255));
  EXPECT_EQ(ParseColourText("99999999999 5 6", 0), PlainColour(0, 5, 6));
}

TEST(ColourText, EmptyTextGivesTheDefault) {
  EXPECT_EQ(ParseColourText("", SystemColour(15)), SystemColour(15));
  EXPECT_EQ(ParseColourText(" \t ", SystemColour(15)), SystemColour(15));
  // Not empty, no digits: black.
  EXPECT_EQ(ParseColourText("none", SystemColour(15)), PlainColour(0, 0, 0));
}

TEST(SkinImageMemberName, FileNamePartEndingInLowerCaseBmp) {
  EXPECT_EQ(SkinImageMemberName("sedge_dialog.bmp"), "sedge_dialog.bmp");
  EXPECT_EQ(SkinImageMemberName("C:\\skins\\sedge\\sedge_dialog.bmp"), "sedge_dialog.bmp");
  EXPECT_EQ(SkinImageMemberName("c:sedge_dialog.bmp"), "sedge_dialog.bmp");
  EXPECT_EQ(SkinImageMemberName("sedge_dialog.BMP"), "");
  EXPECT_EQ(SkinImageMemberName("sedge_dialog.bmp.png"), "");
  EXPECT_EQ(SkinImageMemberName("folder\\"), "");
  EXPECT_EQ(SkinImageMemberName(""), "");
  // Forward slashes are not folder separators here.
  EXPECT_EQ(SkinImageMemberName("a/b.bmp"), "a/b.bmp");
}

}  // namespace
}  // namespace vex::skin
