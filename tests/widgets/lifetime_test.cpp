// Creating and destroying a form with every control must not leak window
// system objects.
#include <gtest/gtest.h>

#include "demo_form.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

using namespace vcl;

namespace {

// GetGuiResources counts for us on Windows; Wine answers 0, but there a
// handle's low word indexes the process's handle tables and a handle with a
// zero high word matches any generation, so probing every index counts what
// is alive (icons own GDI bitmaps there, so they show in the GDI count).
DWORD GdiObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  DWORD n = 0;
  for (UINT_PTR i = 1; i < 0x10000; ++i) n += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
  return n;
}

DWORD UserObjects() {
  if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return n;
  // Window handles are shared by every process on the desktop (other tests
  // run beside this one); menus answer only in their own process.
  DWORD n = 0, pid = 0;
  for (UINT_PTR i = 1; i < 0x10000; ++i) {
    const auto w = reinterpret_cast<HWND>(i);
    if (IsWindow(w) && GetWindowThreadProcessId(w, &pid) && pid == GetCurrentProcessId()) ++n;
    else if (IsMenu(reinterpret_cast<HMENU>(i))) ++n;
  }
  return n;
}

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
  const DWORD gdi0 = GdiObjects();
  const DWORD user0 = UserObjects();
  const int windows0 = Windows();
  const DWORD start = GetTickCount();
  for (int i = 0; i < 100; ++i) cycle();
  std::printf("create, show, free of the demo form: %.1f ms per cycle\n", (GetTickCount() - start) / 100.0);
  const DWORD gdi1 = GdiObjects();
  const DWORD user1 = UserObjects();
  std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, windows %d -> %d\n", gdi0, gdi1, user0, user1,
              windows0, Windows());
  // A leak of one object per cycle would show as 100.
  EXPECT_LE(gdi1, gdi0 + 3);
  EXPECT_LE(user1, user0 + 3);
  EXPECT_GT(gdi0, 0u);
  EXPECT_EQ(Windows(), windows0);
}

// Figures only: what a message costs on its way through the window procedure
// and a replaced WindowProc.
TEST(Lifetime, MessageDispatchCost) {
  Owned<TForm> form(New<TForm>(nullptr));
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  form->HandleNeeded();
  auto saved = button->WindowProc;
  int seen = 0;
  button->WindowProc = [&](TMessage& m) {
    ++seen;
    saved(m);
  };
  constexpr int kCount = 20000;
  LARGE_INTEGER f, t0, t1, t2;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t0);
  for (int i = 0; i < kCount; ++i) SendMessageA(button->Handle(), WM_USER + 1, 0, 0);
  QueryPerformanceCounter(&t1);
  for (int i = 0; i < kCount; ++i) button->Perform(WM_USER + 1);
  QueryPerformanceCounter(&t2);
  button->WindowProc = saved;
  const double us = 1e6 / static_cast<double>(f.QuadPart) / kCount;
  std::printf("SendMessage through a hooked WindowProc: %.2f us; Perform: %.2f us\n",
              static_cast<double>(t1.QuadPart - t0.QuadPart) * us, static_cast<double>(t2.QuadPart - t1.QuadPart) * us);
  EXPECT_EQ(seen, 2 * kCount);
}
