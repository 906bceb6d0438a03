// TSkinHeader on a list view's header, drawn on memory DCs: the width the
// columns leave is the skin's header frame, and a right-aligned caption ends
// 4 pixels in from its item's right edge.
#include <windows.h>
#include <commctrl.h>

#include "controls_fixture.h"
#include "skin/controls/TSkinHeader.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"

namespace vex::skin::test {
namespace {

// Frame 1 of the skin's header bar as an item of `size` shows it.
Pixels HeaderFrame(SIZE size) {
  TDataSkinObject& bar = *Skin().Headerbar;
  OwnedBitmap element(BuildElement(RECT{0, 0, size.cx, size.cy}, bar.Image.Handle(), bar.Margins(), false,
                                   bar.Tile != 0, bar.FrameCount, 1));
  Canvas canvas(size.cx, size.cy, 0);
  MemoryDc from(element.Get());
  BitBlt(canvas.Dc(), 0, 0, size.cx, size.cy, from.Get(), 0, 0, SRCCOPY);
  return canvas.Read();
}

void AddColumn(HWND list, int index, const char* text, int width, int format) {
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  c.fmt = format;
  c.cx = width;
  c.pszText = const_cast<char*>(text);
  SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&c));
}

TEST(HeaderPainting, NarrowColumnsLeaveTheSkinsFrameAndARightCaptionEndsFourPixelsIn) {
  ASSERT_TRUE(Skin().Headerbar && !Skin().Headerbar->Image.Empty());
  SkinnedForm f;
  HWND list = f.RawChild(WC_LISTVIEWA, LVS_REPORT, 10, 10, 260, 120);
  // (A list view keeps its first column left-aligned.)
  AddColumn(list, 0, "Kind", 70, LVCFMT_LEFT);
  AddColumn(list, 1, "Size", 90, LVCFMT_RIGHT);
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  // The header skinner joins the frame's skinners itself.
  auto* s = new TSkinHeader(f.frame);
  s->AttachHandle(header, &Skin(), &f.frame->Canvas());
  const Pixels p = DrawOffscreen(*s);
  RECT first{}, second{};
  SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageA(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  ASSERT_LT(second.right, p.width) << "the columns are narrower than the header";

  const Pixels rest = HeaderFrame({p.width - second.right, p.height});
  int wrong = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = second.right; x < p.width; ++x) wrong += p.At(x, y) != rest.At(x - second.right, y);
  EXPECT_EQ(wrong, 0) << "the rest of the width is the header frame";

  // The caption's last column of ink, against the bare frame of the item.
  const RECT& right = second;
  const Pixels bare = HeaderFrame({right.right - right.left, right.bottom - right.top});
  int lastInk = -1;
  for (int y = 0; y < p.height; ++y)
    for (int x = right.left; x < right.right; ++x)
      if (p.At(x, y) != bare.At(x - right.left, y)) lastInk = (std::max)(lastInk, x);
  ASSERT_GE(lastInk, 0) << "a caption was drawn";
  EXPECT_GE(lastInk, right.right - 4 - 3);
  EXPECT_LT(lastInk, right.right - 4);
}

}  // namespace
}  // namespace vex::skin::test
