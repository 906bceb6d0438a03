// Texts of error boxes, settings numbers and dialog filters.
#include <gtest/gtest.h>

#include "widgets/Exceptions.h"
#include "widgets/ProfileText.h"

using namespace vcl;

TEST(ErrorBoxText, FullStopOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(ErrorBoxText("Unable to write to C:\\x\\Setup.ini"), "Unable to write to C:\\x\\Setup.ini.");
  EXPECT_EQ(ErrorBoxText("done."), "done.");
  EXPECT_EQ(ErrorBoxText("what!"), "what!");  // '!' sorts before '.'
  EXPECT_EQ(ErrorBoxText("a-"), "a-");        // '-' too
  EXPECT_EQ(ErrorBoxText("a/"), "a/.");       // '/' sorts after
  EXPECT_EQ(ErrorBoxText(""), "");
  EXPECT_EQ(ErrorBoxText("\xCA\xA7\xB0\xDC"), "\xCA\xA7\xB0\xDC.");  // GBK text
}

TEST(ErrorTexts, MatchTheFileAndSettingsLayers) {
  EXPECT_STREQ(EFOpenError("a.ico", "Not found.").what(), "Cannot open file \"a.ico\". Not found.");
  EXPECT_STREQ(EFCreateError("b.ico", "Denied.").what(), "Cannot create file \"b.ico\". Denied.");
  EXPECT_STREQ(EInvalidGraphic().what(), "Icon image is not valid");
  EXPECT_STREQ(EIniFileException("c:\\Setup.ini").what(), "Unable to write to c:\\Setup.ini");
}

TEST(ParseProfileInt, DecimalAndHexadecimal) {
  EXPECT_EQ(ParseProfileInt("42"), 42);
  EXPECT_EQ(ParseProfileInt("-7"), -7);
  EXPECT_EQ(ParseProfileInt("  +3"), 3);
  EXPECT_EQ(ParseProfileInt("$1F"), 31);
  EXPECT_EQ(ParseProfileInt("0x10"), 16);
  EXPECT_EQ(ParseProfileInt("0XfF"), 255);
  EXPECT_EQ(ParseProfileInt("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseProfileInt("2147483647"), 2147483647);
  EXPECT_EQ(ParseProfileInt("-2147483648"), INT32_MIN);
}

TEST(ParseProfileInt, AnythingElseIsNoNumber) {
  for (const char* bad : {"", " ", "abc", "1a", "12 ", "0x", "$", "--1", "2147483648", "$100000000", "1.5", "１"}) {
    EXPECT_FALSE(ParseProfileInt(bad).has_value()) << bad;
  }
}

TEST(DialogFilterList, BarsBecomeNulsWithADoubleNulEnd) {
  const std::string out = DialogFilterList("Icons|*.ico|All|*.*");
  EXPECT_EQ(out, std::string("Icons\0*.ico\0All\0*.*\0\0", 21));
}
