// Creating and destroying a form with every control must not leak window
// system objects.
#include <gtest/gtest.h>

#include "demo_form.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

using namespace vcl;

namespace {
using vex::test::LiveGdiObjects;
using vex::test::LiveUserObjects;
using vex::test::ThreadWindowCount;
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
  const DWORD gdi0 = LiveGdiObjects();
  const DWORD user0 = LiveUserObjects();
  const int windows0 = ThreadWindowCount();
  const DWORD start = GetTickCount();
  for (int i = 0; i < 100; ++i) cycle();
  std::printf("create, show, free of the demo form: %.1f ms per cycle\n", (GetTickCount() - start) / 100.0);
  const DWORD gdi1 = LiveGdiObjects();
  const DWORD user1 = LiveUserObjects();
  std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, windows %d -> %d\n", gdi0, gdi1, user0, user1,
              windows0, ThreadWindowCount());
  // A leak of one object per cycle would show as 100.
  EXPECT_LE(gdi1, gdi0 + 3);
  EXPECT_LE(user1, user0 + 3);
  EXPECT_GT(gdi0, 0u);
  EXPECT_EQ(ThreadWindowCount(), windows0);
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
