// Creating and destroying a form with every control must not leak window
// system objects.
#include <gtest/gtest.h>

#include "demo_form.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

using namespace vcl;

namespace {
int Windows() {
  int n = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* count = reinterpret_cast<int*>(p);
        ++*count;
        EnumChildWindows(
            w, [](HWND, LPARAM q) -> BOOL { return ++*reinterpret_cast<int*>(q), TRUE; }, p);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&n));
  return n;
}
}  // namespace

TEST(Lifetime, HundredFormsWithEveryControlLeakNothing) {
  auto cycle = [] {
    auto* f = New<TDemoForm>(nullptr);
    f->Show();
    vex::test::PumpPending();
    f->Free();
    vex::test::PumpPending();
  };
  cycle();  // classes registered, caches filled
  const DWORD gdi0 = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user0 = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const int windows0 = Windows();
  for (int i = 0; i < 100; ++i) cycle();
  const DWORD gdi1 = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user1 = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, windows %d -> %d\n", gdi0, gdi1, user0, user1,
              windows0, Windows());
  EXPECT_LE(gdi1, gdi0 + 5);
  EXPECT_LE(user1, user0 + 5);
  EXPECT_EQ(Windows(), windows0);
}
