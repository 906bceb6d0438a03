// The program's texts are written in UTF-8 and must reach Win32 as GBK.
#include <gtest/gtest.h>

#include <string>

TEST(TextEncoding, ChineseLiteralsAreGbkBytes) {
  const std::string folder = "文件夹";
  EXPECT_EQ(folder, std::string("\xCE\xC4\xBC\xFE\xBC\xD0"));
  const std::string restored = "文件夹图标还原成功";
  EXPECT_EQ(restored, std::string("\xCE\xC4\xBC\xFE\xBC\xD0\xCD\xBC\xB1\xEA\xBB\xB9\xD4\xAD\xB3\xC9\xB9\xA6"));
}

TEST(TextEncoding, AsciiStaysAscii) {
  EXPECT_EQ(std::string("Vexilov3.0"), std::string("\x56\x65\x78\x69\x6C\x6F\x76\x33\x2E\x30"));
}
