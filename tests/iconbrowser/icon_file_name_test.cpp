#include <gtest/gtest.h>

#include <set>

#include "iconbrowser/IconFileName.h"

using vex::iconbrowser::FreeIconPath;
using vex::iconbrowser::LocalDateTime;
using vex::iconbrowser::MakeIconFileName;

TEST(IconFileName, NumbersWithoutLeadingZeros) {
  EXPECT_EQ(MakeIconFileName({2005, 7, 3, 9, 5, 42}), "2005_7_3_9_5_42.ico");
  EXPECT_EQ(MakeIconFileName({2026, 12, 31, 0, 0, 0}), "2026_12_31_0_0_0.ico");
  EXPECT_EQ(MakeIconFileName({2026, 1, 10, 23, 59, 59}), "2026_1_10_23_59_59.ico");
}

TEST(IconFileName, FreeNameIsUsedAsItIs) {
  const auto none = [](const std::string&) { return false; };
  EXPECT_EQ(FreeIconPath("C:\\Vexilo\\MyIcons\\", "2005_7_3_9_5_42.ico", none),
            "C:\\Vexilo\\MyIcons\\2005_7_3_9_5_42.ico");
}

// Two saves in one second must not replace the icon a folder may already use.
TEST(IconFileName, TakenNamesGetACounterBeforeTheExtension) {
  std::set<std::string> taken{"D:\\My\\2005_7_3_9_5_42.ico"};
  const auto exists = [&](const std::string& p) { return taken.count(p) > 0; };
  EXPECT_EQ(FreeIconPath("D:\\My\\", "2005_7_3_9_5_42.ico", exists), "D:\\My\\2005_7_3_9_5_42_2.ico");
  taken.insert("D:\\My\\2005_7_3_9_5_42_2.ico");
  taken.insert("D:\\My\\2005_7_3_9_5_42_3.ico");
  EXPECT_EQ(FreeIconPath("D:\\My\\", "2005_7_3_9_5_42.ico", exists), "D:\\My\\2005_7_3_9_5_42_4.ico");
}

TEST(IconFileName, CounterLooksOnlyAtTheNameNotTheFolder) {
  // A dot in the folder must not be taken for the extension.
  const auto firstTaken = [](const std::string& p) { return p == "C:\\v1.0\\MyIcons\\a.ico"; };
  EXPECT_EQ(FreeIconPath("C:\\v1.0\\MyIcons\\", "a.ico", firstTaken), "C:\\v1.0\\MyIcons\\a_2.ico");
}
