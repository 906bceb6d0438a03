// A form at another DPI: WM_DPICHANGED lays the 96-dpi design out again at
// the new scale (bounds by their edges, fonts made again at the scaled
// height, AutoSize following), and going back returns every window, font
// and handle count exactly to where it was.  Controls made for a form that
// is already at another DPI are scaled as they are placed.
#include <gtest/gtest.h>

#include <vector>

#include "example_form.h"
#include "widgets/DpiScale.h"
#include "win_test_support.h"

using namespace vcl;

namespace {

SIZE ClientSize(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return {r.right, r.bottom};
}

RECT RectIn(HWND child, HWND parent) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LONG FontHeightOf(HWND w) {
  LOGFONTA lf{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf.lfHeight;
}

// What the system sends when the window reaches a monitor at `dpi`.
void SendDpiChanged(TForm& form, int dpi, POINT topLeft) {
  RECT w{};
  GetWindowRect(form.Handle(), &w);
  RECT suggested{topLeft.x, topLeft.y, topLeft.x + dpi::MulDivRound(w.right - w.left, dpi, form.Dpi()),
                 topLeft.y + dpi::MulDivRound(w.bottom - w.top, dpi, form.Dpi())};
  SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  vex::test::PumpPending();
}

struct Snapshot {
  SIZE client;
  std::vector<RECT> rects;
  std::vector<LONG> fonts;
  bool operator==(const Snapshot& o) const {
    if (client.cx != o.client.cx || client.cy != o.client.cy || fonts != o.fonts || rects.size() != o.rects.size())
      return false;
    for (std::size_t i = 0; i < rects.size(); ++i)
      if (!EqualRect(&rects[i], &o.rects[i])) return false;
    return true;
  }
};

Snapshot Take(TExampleForm& f) {
  Snapshot s{ClientSize(f.Handle()), {}, {}};
  for (TWinControl* c : std::vector<TWinControl*>{f.Panel1, f.Edit1, f.Button1, f.Panel2, f.CheckBox1}) {
    s.rects.push_back(RectIn(c->Handle(), f.Handle()));
    s.fonts.push_back(FontHeightOf(c->Handle()));
  }
  for (TControl* c : std::vector<TControl*>{f.SpeedButton1, f.Label1}) {
    s.rects.push_back(c->BoundsRect());
    s.fonts.push_back(c->Font().Height());
  }
  return s;
}

class DpiForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(New<TExampleForm>(nullptr));
    form->OnDpiChanged = [this](TObject*) { ++dpiChanges; };
    form->Show();
    vex::test::PumpPending();
  }
  Owned<TExampleForm> form;
  int dpiChanges = 0;
};

TEST_F(DpiForm, TheDesignIsLaidOutAtEachDpiTheWindowReaches) {
  TExampleForm& f = *form;
  ASSERT_EQ(f.Dpi(), 96) << "the test prefix is at 96 dpi";
  EXPECT_EQ(dpiChanges, 0) << "nothing to do at the design's own DPI";
  struct Case { int dpi; SIZE client; RECT button, edit; LONG font; } cases[] = {
      {144, {438, 141}, {84, 41, 242, 78}, {84, 2, 386, 33}, -17},
      {120, {365, 118}, {70, 34, 201, 65}, {70, 1, 321, 28}, -14},
      {192, {584, 188}, {112, 54, 322, 104}, {112, 2, 514, 44}, -22},
      {96, {292, 94}, {56, 27, 161, 52}, {56, 1, 257, 22}, -11},
  };
  RECT start{};
  GetWindowRect(f.Handle(), &start);
  int changes = 0;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.dpi);
    SendDpiChanged(f, k.dpi, {start.left + 10, start.top + 10});
    EXPECT_EQ(dpiChanges, ++changes);
    EXPECT_EQ(f.Dpi(), k.dpi);
    EXPECT_EQ(ClientSize(f.Handle()).cx, k.client.cx);
    EXPECT_EQ(ClientSize(f.Handle()).cy, k.client.cy);
    RECT w{};
    GetWindowRect(f.Handle(), &w);
    EXPECT_EQ(w.left, start.left + 10) << "the suggested place";
    const RECT button = RectIn(f.Button1->Handle(), f.Panel1->Handle());
    EXPECT_TRUE(EqualRect(&button, &k.button)) << button.left << "," << button.top << " " << button.right << ","
                                               << button.bottom;
    const RECT edit = RectIn(f.Edit1->Handle(), f.Panel1->Handle());
    EXPECT_TRUE(EqualRect(&edit, &k.edit)) << edit.left << "," << edit.top << " " << edit.right << "," << edit.bottom;
    EXPECT_EQ(FontHeightOf(f.Button1->Handle()), k.font);
    EXPECT_EQ(FontHeightOf(f.Edit1->Handle()), k.font);
    EXPECT_EQ(f.Label1->Font().Height(), k.font) << "a font of the control's own";
    const RECT speed = f.SpeedButton1->BoundsRect();
    EXPECT_EQ(speed.left, dpi::Scale(16, k.dpi));
    EXPECT_EQ(speed.bottom, dpi::Scale(84, k.dpi));
    // AutoSize follows the scaled options panel both ways.
    f.SpeedButton1->Click();
    EXPECT_EQ(ClientSize(f.Handle()).cy, dpi::Scale(193, k.dpi));
    EXPECT_EQ(RectIn(f.CheckBox1->Handle(), f.Panel2->Handle()).left, dpi::Scale(16, k.dpi));
    f.SpeedButton1->Click();
    EXPECT_EQ(ClientSize(f.Handle()).cy, k.client.cy);
    if (k.dpi == 144) vex::test::SaveWindowPng(f.Handle(), "widgets-dpi-144-form");
  }
}

TEST_F(DpiForm, ThereAndBackLeavesLayoutFontsAndHandlesAsTheyWere) {
  TExampleForm& f = *form;
  f.SpeedButton1->Click();  // the options shown: more to lay out
  const Snapshot before = Take(f);
  RECT start{};
  GetWindowRect(f.Handle(), &start);
  const int dpis[] = {144, 120, 168, 240, 192};
  const auto trip = [&](int away) {
    SendDpiChanged(f, away, {start.left + 30, start.top});
    const bool moved = !(Take(f) == before);
    // A second step while away, as across three monitors.
    SendDpiChanged(f, 120, {start.left + 60, start.top});
    SendDpiChanged(f, 96, {start.left, start.top});
    return moved;
  };
  // The system makes things of its own the first time a DPI is met (Wine's
  // per-DPI metrics and fonts); counted from the second round on, a trip
  // that leaves one font or brush behind shows.
  for (int away : dpis) trip(away);
  const DWORD gdi = vex::test::LiveGdiObjects();
  const DWORD user = vex::test::LiveUserObjects();
  const int windows = vex::test::ThreadWindowCount();
  for (int away : dpis) {
    SCOPED_TRACE(away);
    EXPECT_TRUE(trip(away)) << "the layout changed while away";
    EXPECT_TRUE(Take(f) == before);
    RECT back{};
    GetWindowRect(f.Handle(), &back);
    EXPECT_TRUE(EqualRect(&back, &start));
  }
  EXPECT_EQ(vex::test::LiveGdiObjects(), gdi) << "old fonts and brushes released";
  EXPECT_EQ(vex::test::LiveUserObjects(), user);
  EXPECT_EQ(vex::test::ThreadWindowCount(), windows);
}

TEST_F(DpiForm, AControlMadeForAFormAtAnotherDpiIsScaledAsItIsPlaced) {
  TExampleForm& f = *form;
  SendDpiChanged(f, 144, {100, 100});
  auto* late = new TButton(&f);
  late->SetBounds(170, 60, 75, 25);
  late->SetParent(f.Panel1);
  const RECT r = RectIn(late->Handle(), f.Panel1->Handle());
  EXPECT_EQ(r.left, 255);
  EXPECT_EQ(r.top, 90);
  EXPECT_EQ(r.right, 368);
  EXPECT_EQ(r.bottom, 128);
  EXPECT_EQ(FontHeightOf(late->Handle()), -17);
  SendDpiChanged(f, 96, {100, 100});
  const RECT design = RectIn(late->Handle(), f.Panel1->Handle());
  EXPECT_EQ(design.left, 170);
  EXPECT_EQ(design.right, 245);
}

// The up-down control sizes itself in 96-dpi pixels (Wine: 16 wide when it
// is made; aligned to its buddy, 16 taken from the buddy and 2 of overlap)
// whatever the DPI.  Made for a form at another DPI, the arrows and their
// buddy come out where the 96-dpi ones are, scaled.
TEST_F(DpiForm, UpDownArrowsAreLaidOutAsAt96Scaled) {
  TExampleForm& f = *form;
  struct Placed {
    RECT alone, buddy, arrows;
  };
  auto place = [&f]() {
    auto* alone = new TUpDown(&f);
    alone->SetBounds(100, 10, 17, 22);
    alone->SetParent(f.Panel1);
    auto* number = new TEdit(&f);
    number->SetBounds(140, 10, 50, 21);
    number->SetParent(f.Panel1);
    auto* arrows = new TUpDown(&f);
    arrows->SetBounds(190, 10, 17, 21);
    arrows->SetParent(f.Panel1);
    arrows->SetAssociate(number);
    HWND panel = f.Panel1->Handle();
    Placed p{RectIn(alone->Handle(), panel), RectIn(number->Handle(), panel), RectIn(arrows->Handle(), panel)};
    delete arrows;
    delete number;
    delete alone;
    return p;
  };
  const Placed at96 = place();
  ASSERT_LT(at96.buddy.right, 190) << "the control takes room from its buddy";
  for (int dpi : {144, 192}) {
    SCOPED_TRACE(dpi);
    SendDpiChanged(f, dpi, {100, 100});
    const Placed scaled = place();
    auto expectScaled = [dpi](const RECT& got, const RECT& design, const char* what) {
      EXPECT_EQ(got.left, dpi::Scale(design.left, dpi)) << what;
      EXPECT_EQ(got.top, dpi::Scale(design.top, dpi)) << what;
      EXPECT_EQ(got.right, dpi::Scale(design.right, dpi)) << what;
      EXPECT_EQ(got.bottom, dpi::Scale(design.bottom, dpi)) << what;
    };
    expectScaled(scaled.alone, at96.alone, "arrows alone");
    expectScaled(scaled.buddy, at96.buddy, "buddy");
    expectScaled(scaled.arrows, at96.arrows, "arrows beside their buddy");
    SendDpiChanged(f, 96, {100, 100});
  }
}

}  // namespace
