// GBK bytes from the source must decode to the right characters in code page 936.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WinText, CodePageIs936) { EXPECT_EQ(GetACP(), 936u); }

TEST(WinText, ChineseTitleArrivesByteExact) {
  HWND w = CreateWindowA("STATIC", "文件夹图标还原成功", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  wchar_t wide[64] = {};
  GetWindowTextW(w, wide, 64);
  EXPECT_STREQ(wide, L"\u6587\u4EF6\u5939\u56FE\u6807\u8FD8\u539F\u6210\u529F");
  char narrow[64] = {};
  GetWindowTextA(w, narrow, 64);
  EXPECT_STREQ(narrow, "文件夹图标还原成功");
  DestroyWindow(w);
}
