// Skinned windows at the display's DPI.  Run in the ordinary test prefix
// (96 dpi: nothing changes) and, through scripts/wine-dpi, in prefixes whose
// LogPixels is 144 and 192: the frame's bands and caption buttons in
// proportion, a message box skinned at scale, and a WM_DPICHANGED round trip
// that leaves the frame and the handle counts where they were.  Screenshots
// go to the test output as dpi<N>-*.png.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "skin/controls/ControlGeometry.h"
#include "skin/data/SkinScaling.h"
#include "skin/windows/MenuItemDrawing.h"
#include "skin/windows/PopupOwnerDraw.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinMenuBar.h"
#include "widgets/TButton.h"
#include "widgets/TCheckBox.h"
#include "widgets/TForm.h"
#include "widgets/TImageList.h"
#include "widgets/TMenu.h"
#include "widgets/TRadioButton.h"
#include "widgets/Vcl.h"
#include "widgets/WindowDpi.h"
#include "skin_window_fixture.h"
#include "win_test_support.h"

namespace vex::skin::test {
namespace {

using scaling::AtDpi;

// The DPI the prefix was made for (scripts/wine-dpi), 96 without one.
int PrefixDpi() {
  const char* dpi = std::getenv("VEXILO_TEST_DPI");
  return dpi && *dpi ? std::atoi(dpi) : 96;
}

std::string Shot(int dpi, const char* what) { return "dpi" + std::to_string(dpi) + "-" + what; }

// WM_DPICHANGED as the system sends it when the window moves from `from` to
// a monitor at `to`: the suggested rectangle is the window's scaled (or
// `exact`).  Returns the window's rectangle before the move.
RECT MoveToDpi(HWND h, int from, int to, const RECT* exact = nullptr) {
  RECT now{};
  GetWindowRect(h, &now);
  RECT suggested = exact ? *exact
                         : RECT{now.left, now.top, now.left + scaling::Scale(now.right - now.left, to, from),
                                now.top + scaling::Scale(now.bottom - now.top, to, from)};
  SendMessageA(h, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
  vex::test::PumpPending();
  return now;
}

class SkinAtDisplayDpi : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = MakeSkin(EmbeddedStream());
    ASSERT_TRUE(WaitSkinning(true));
  }
  std::unique_ptr<TSkinData> skin;
};

TWinSysButton* ButtonWithAction(TSkinForm& frame, int action) {
  for (auto& b : frame.FButtons)
    if (b->FSkinButton->Action == action && b->FVisible) return b.get();
  return nullptr;
}

// The sedge frame at 96 dpi: title 28 high, sides and bottom from its
// images; close 33, maximise 63, minimise 93 pixels from the right edge,
// 24 x 24 at y 3.
void ExpectSedgeFrameAt(TSkinForm& frame, TSkinData& loaded, int dpi) {
  EXPECT_EQ(frame.SkinData(), loaded.AtDpi(dpi));
  EXPECT_EQ(frame.FTopHeight, AtDpi(28, dpi));
  EXPECT_EQ(frame.FLeftWidth, AtDpi(loaded.Left.Image.Width() / loaded.Left.FrameCount, dpi));
  EXPECT_EQ(frame.FBottomHeight, AtDpi(loaded.Bottom.Image.Height() / loaded.Bottom.FrameCount, dpi));
  const int width = WindowSize(frame.Handle()).cx;
  const struct {
    int action, fromRight;
  } buttons[] = {{0, 33}, {2, 93}};
  for (const auto& b : buttons) {
    TWinSysButton* button = ButtonWithAction(frame, b.action);
    ASSERT_NE(button, nullptr) << b.action;
    EXPECT_EQ(button->FRect.left, width - AtDpi(b.fromRight, dpi)) << b.action;
    EXPECT_EQ(button->FRect.top, AtDpi(3, dpi)) << b.action;
    EXPECT_EQ(button->FRect.right - button->FRect.left, AtDpi(24, dpi)) << b.action;
    EXPECT_EQ(button->FRect.bottom - button->FRect.top, AtDpi(24, dpi)) << b.action;
  }
}

TEST_F(SkinAtDisplayDpi, TheWindowReportsThePrefixDpi) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(WindowDpi(w.Handle()), PrefixDpi());
}

TEST_F(SkinAtDisplayDpi, FrameAndCaptionButtonsAreInProportion) {
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, RECT{60, 60, 60 + AtDpi(360, PrefixDpi()), 60 + AtDpi(200, PrefixDpi())});
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  const int dpi = WindowDpi(w.Handle());
  ExpectSedgeFrameAt(*frame, *skin, dpi);
  if (dpi != 96) {
    EXPECT_NE(frame->SkinData(), skin.get());
    EXPECT_EQ(frame->SkinData()->Source(), skin.get());
  } else {
    EXPECT_EQ(frame->SkinData(), skin.get()) << "at 96 dpi the loaded skin itself paints";
  }
  vex::test::SaveWindowPng(w.Handle(), Shot(dpi, "frame"));
}

TEST_F(SkinAtDisplayDpi, AMessageBoxIsSkinnedAtScale) {
  LogWindow owner(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(ShowSkinned(owner.Handle()), nullptr);
  static TSkinData* loaded;
  static int seenTop, seenDpi;
  static bool seenSkin;
  loaded = skin.get();
  seenTop = seenDpi = -1;
  seenSkin = false;
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM data) -> BOOL {
          char name[16] = {};
          GetClassNameA(w, name, sizeof name);
          if (IsWindowVisible(w) && std::string(name) == "#32770") *reinterpret_cast<HWND*>(data) = w;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    TSkinForm* frame = box ? FrameOf(box) : nullptr;
    if (!frame || frame->FSkinState != kSkinActive) return;
    KillTimer(nullptr, id);
    seenDpi = WindowDpi(box);
    seenTop = frame->FTopHeight;
    seenSkin = frame->SkinData() == loaded->AtDpi(seenDpi);
    vex::test::SaveWindowPng(box, Shot(seenDpi, "message-box"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxA(owner.Handle(), "文件夹图标改变成功", "Vexilo", MB_OK);
  ASSERT_GT(seenDpi, 0) << "the message box was never skinned";
  EXPECT_EQ(seenDpi, PrefixDpi());
  EXPECT_TRUE(seenSkin);
  EXPECT_EQ(seenTop, AtDpi(28, seenDpi));
}

TEST_F(SkinAtDisplayDpi, MovingToAnotherDpiAndBackRestoresTheFrame) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  HWND h = w.Handle();
  const int dpi = WindowDpi(h);
  const int other = dpi == 192 ? 96 : 192;
  RECT before{};
  GetWindowRect(h, &before);
  const SIZE client = ClientSize(h);
  auto change = [&](int to, RECT suggested) {
    SendMessageA(h, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    vex::test::PumpPending();
  };
  // One trip first: the other DPI's skin is built once and kept.
  change(other, RECT{before.left, before.top, before.left + scaling::Scale(before.right - before.left, other, dpi),
                     before.top + scaling::Scale(before.bottom - before.top, other, dpi)});
  change(dpi, before);
  const DWORD gdi = vex::test::LiveGdiObjects(), user = vex::test::LiveUserObjects();

  change(other, RECT{before.left, before.top, before.left + scaling::Scale(before.right - before.left, other, dpi),
                     before.top + scaling::Scale(before.bottom - before.top, other, dpi)});
  ExpectSedgeFrameAt(*frame, *skin, other);
  vex::test::SaveWindowPng(h, Shot(dpi, ("moved-to-" + std::to_string(other)).c_str()));

  change(dpi, before);
  ExpectSedgeFrameAt(*frame, *skin, dpi);
  RECT after{};
  GetWindowRect(h, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(ClientSize(h).cx, client.cx);
  EXPECT_EQ(ClientSize(h).cy, client.cy);
  EXPECT_EQ(skin->ScaledCount(), dpi == 96 || other == 96 ? 1u : 2u) << "nothing is built again for a DPI already in use";
  // Wine's GetGuiResources answers 0: the test support counts them.
  EXPECT_LE(vex::test::LiveGdiObjects(), gdi + 2);
  EXPECT_LE(vex::test::LiveUserObjects(), user);
  EXPECT_EQ(FrameOf(h), frame);
}

// The menu bar's height follows the window's DPI, not the system's: the
// system's own bar height at that DPI (within a pixel of SM_CYMENU scaled,
// as Windows and Wine round font heights their own way), the client area
// starting right under it, and the height back exactly on the way back.
// Its captions are written in the menu font at that DPI: their buttons
// grow and shrink with it.
TEST_F(SkinAtDisplayDpi, TheMenuBarTakesItsHeightAtTheWindowsDpi) {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "&File");
  AppendMenuA(bar, MF_STRING, 201, "&Help");
  LogWindow w(WS_OVERLAPPEDWINDOW);
  HWND h = w.Handle();
  SetMenu(h, bar);
  TSkinForm* frame = ShowSkinned(h);
  ASSERT_NE(frame, nullptr);
  ASSERT_GT(frame->FMenuHeight, 0) << "the skin draws the bar";
  const int dpi = WindowDpi(h), other = dpi == 192 ? 96 : 192;
  const int atDpi = frame->FMenuHeight;
  EXPECT_NEAR(atDpi, MulDiv(GetSystemMetrics(SM_CYMENU), dpi, vcl::SystemDpi()), 1);
  auto clientTop = [h] {
    RECT window{};
    GetWindowRect(h, &window);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    return origin.y - window.top;
  };
  EXPECT_EQ(clientTop(), frame->FTopHeight + atDpi);
  auto buttonWidth = [frame] {
    frame->PaintFrame();
    auto* menuBar = dynamic_cast<TSkinMenuBar*>(frame->FMenuBar.get());
    return menuBar && menuBar->Count() > 1 ? menuBar->Button(1)->FRect.right - menuBar->Button(1)->FRect.left : 0;
  };
  const int widthAtDpi = buttonWidth();
  ASSERT_GT(widthAtDpi, 0);

  const RECT before = MoveToDpi(h, dpi, other);
  EXPECT_NEAR(frame->FMenuHeight, MulDiv(GetSystemMetrics(SM_CYMENU), other, vcl::SystemDpi()), 1);
  EXPECT_NE(frame->FMenuHeight, atDpi);
  EXPECT_EQ(clientTop(), frame->FTopHeight + frame->FMenuHeight);
  if (other > dpi)
    EXPECT_GT(buttonWidth(), widthAtDpi) << "the caption in the font at " << other << " dpi";
  else
    EXPECT_LT(buttonWidth(), widthAtDpi) << "the caption in the font at " << other << " dpi";
  vex::test::SaveWindowPng(h, Shot(dpi, ("menu-bar-at-" + std::to_string(other)).c_str()));

  MoveToDpi(h, other, dpi, &before);
  EXPECT_EQ(frame->FMenuHeight, atDpi);
  EXPECT_EQ(clientTop(), frame->FTopHeight + atDpi);
  EXPECT_EQ(buttonWidth(), widthAtDpi);
}

// The ink of a drop-down item's content: where two drawings of the item,
// one with `facts` and one without caption or check mark, differ.  Both lie
// over the same background and MenuItem frame.
struct Ink {
  int markWidth = 0, markHeight = 0;  // in the glyph box at the left
  int textHeight = 0;                 // right of it
};

// The pixels (0x00RRGGBB) of an item w x h drawn with `facts`, its picture
// saved as `shot` when one is named.  `systemSees`, when given, gets what is
// left for the system to draw over afterwards: the pixels once the whole DC
// has been filled with 0x0000FF, as the item left its clipping.
std::vector<std::uint32_t> DrawnItem(TSkinData& skin, const TMenuItemFacts& facts, int w, int h,
                                     const std::string& shot, std::vector<std::uint32_t>* systemSees = nullptr) {
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DrawMenuItemFacts(dc, RECT{0, 0, w, h}, facts, false, skin, nullptr);
  GdiFlush();
  if (!shot.empty()) vex::test::SaveBitmapPng(bitmap, shot);
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + static_cast<std::size_t>(w) * h);
  if (systemSees) {
    vcl::BrushHandle blue(CreateSolidBrush(RGB(0, 0, 255)));
    const RECT all{0, 0, w, h};
    FillRect(dc, &all, blue.get());
    GdiFlush();
    systemSees->assign(first, first + static_cast<std::size_t>(w) * h);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return pixels;
}

Ink InkOf(TSkinData& skin, const TMenuItemFacts& facts, int w, int h, int glyphRight, const std::string& shot) {
  auto draw = [&](const TMenuItemFacts& f) { return DrawnItem(skin, f, w, h, &f == &facts ? shot : std::string()); };
  TMenuItemFacts blank = facts;
  blank.caption = " ";
  blank.checked = false;
  const std::vector<std::uint32_t> a = draw(facts), b = draw(blank);
  RECT mark{w, h, -1, -1}, text{w, h, -1, -1};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (a[static_cast<std::size_t>(y) * w + x] == b[static_cast<std::size_t>(y) * w + x]) continue;
      RECT& r = x < glyphRight ? mark : text;
      r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
               std::max<LONG>(r.bottom, y + 1)};
    }
  return Ink{std::max<int>(0, mark.right - mark.left), std::max<int>(0, mark.bottom - mark.top),
             std::max<int>(0, text.bottom - text.top)};
}

int SystemFontHeight() {
  HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, GetStockObject(SYSTEM_FONT));
  TEXTMETRICA tm{};
  GetTextMetricsA(screen, &tm);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return static_cast<int>(tm.tmHeight);
}

// The drop-downs of a window moved to a monitor of another DPI are measured
// and drawn at that DPI, not at the system's: the item heights, the caption's
// font and the check mark grow and shrink with the window, and come back
// exactly on the way back.  (The system menu's items are the system's own:
// only its background is the skin's.)
TEST_F(SkinAtDisplayDpi, DropDownItemsFollowTheWindowsDpi) {
  HMENU sub = CreatePopupMenu();
  AppendMenuA(sub, MF_STRING, 700, "&Open\tCtrl+O");
  AppendMenuA(sub, MF_SEPARATOR, 0, nullptr);
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  LogWindow w(WS_OVERLAPPEDWINDOW);
  HWND h = w.Handle();
  SetMenu(h, bar);
  TSkinForm* frame = ShowSkinned(h);
  ASSERT_NE(frame, nullptr);
  const int dpi = WindowDpi(h), other = dpi == 192 ? 96 : 192;
  struct Seen {
    int height = 0, separator = 0, width = 0;
    Ink ink;
  };
  auto look = [&](const char* when) {
    Seen seen;
    auto* menuBar = dynamic_cast<TSkinMenuBar*>(frame->FMenuBar.get());
    if (!menuBar) return seen;
    menuBar->FOwnerDrawn.MakeOwnerDrawn(sub);  // as when the drop-down opens
    frame->FDropDown = sub;
    // Wine proposes the dialog base unit's height (at the system's DPI).
    const UINT proposed = HIWORD(GetDialogBaseUnits());
    MEASUREITEMSTRUCT item{ODT_MENU, 0, 700, proposed, proposed, 0};
    SendMessageA(h, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
    MEASUREITEMSTRUCT line{ODT_MENU, 0, 0, proposed, proposed, 0};
    SendMessageA(h, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&line));
    seen.height = static_cast<int>(item.itemHeight);
    seen.width = static_cast<int>(item.itemWidth);
    seen.separator = static_cast<int>(line.itemHeight);
    TMenuItemFacts facts;
    facts.caption = "&Hg";
    facts.checked = true;
    const int at = frame->SkinData()->Dpi();
    seen.ink = InkOf(*frame->SkinData(), facts, AtDpi(160, at), seen.height, AtDpi(18, at),
                     Shot(dpi, ("drop-down-item-" + std::string(when) + "-" + std::to_string(at)).c_str()));
    return seen;
  };
  const Seen home = look("home");
  ASSERT_GT(home.height, 0);
  ASSERT_GT(home.ink.textHeight, 0);
  ASSERT_GT(home.ink.markHeight, 0);
  {
    // At the system's DPI too the check mark is the 96-dpi one, larger.
    TMenuItemFacts facts;
    facts.caption = "&Hg";
    facts.checked = true;
    const Ink at96 = InkOf(*frame->SkinData()->AtDpi(96), facts, 160, 20, 18, Shot(dpi, "drop-down-item-at-96"));
    EXPECT_NEAR(home.ink.markHeight, AtDpi(at96.markHeight, dpi), 1);
  }
  // Wine's proposal is its dialog base unit, which above 96 dpi it scales
  // twice (62 at 192 dpi): the item is as high as the system font (the unit
  // it stands for) and 4 design pixels, 20 at 96 dpi and about twice that at
  // 192, as the items of popup-menu components.
  const int proposed = SystemFontHeight();
  EXPECT_EQ(home.height, proposed + AtDpi(4, dpi));
  EXPECT_NEAR(home.height, AtDpi(20, dpi), 1) << "(Wine; Windows's fonts may differ)";
  EXPECT_EQ(home.separator, AtDpi(8, dpi));

  const RECT before = MoveToDpi(h, dpi, other);
  ASSERT_EQ(frame->SkinData()->Dpi(), other);
  const Seen moved = look("moved");
  // The proposed height is the system's; the item is as high as at `other`.
  EXPECT_NEAR(moved.height, MulDiv(proposed, other, vcl::SystemDpi()) + AtDpi(4, other), 1);
  EXPECT_EQ(moved.separator, AtDpi(8, other));
  const double ratio = static_cast<double>(other) / dpi;
  auto expectScaled = [ratio](int now, int was, const char* what) {
    EXPECT_NEAR(now, was * ratio, was * ratio * 0.2 + 1) << what << " (was " << was << ")";
  };
  expectScaled(moved.width, home.width, "item width");
  expectScaled(moved.ink.textHeight, home.ink.textHeight, "caption ink height");
  expectScaled(moved.ink.markWidth, home.ink.markWidth, "check mark width");
  expectScaled(moved.ink.markHeight, home.ink.markHeight, "check mark height");

  MoveToDpi(h, other, dpi, &before);
  const Seen back = look("back");
  EXPECT_EQ(back.height, home.height);
  EXPECT_EQ(back.separator, home.separator);
  EXPECT_EQ(back.width, home.width);
  EXPECT_EQ(back.ink.textHeight, home.ink.textHeight);
  EXPECT_EQ(back.ink.markWidth, home.ink.markWidth);
}

// A drop-down item's image (16 x 16 in its list) fills the glyph box at the
// window's DPI, as at 96 only larger.  The arrow of an item that opens a
// submenu is drawn by the system after the item, at 96 dpi's size: at
// another DPI the item draws it at scale (as many rows as the 7 of 96 dpi
// scale to) and keeps the system out of the item's right end; at 96 dpi the
// system's arrow is left as it is.
TEST_F(SkinAtDisplayDpi, ItemImagesAndSubmenuArrowsGrowWithTheWindowsDpi) {
  LogWindow w(WS_OVERLAPPEDWINDOW);
  TSkinForm* frame = ShowSkinned(w.Handle());
  ASSERT_NE(frame, nullptr);
  TSkinData& skinAtDpi = *frame->SkinData();
  const int dpi = skinAtDpi.Dpi();
  vcl::Owned<vcl::TImageList> images(new vcl::TImageList(nullptr));
  images->SetSize(16, 16);
  {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP red = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::fill_n(static_cast<std::uint32_t*>(bits), 16 * 16, 0x00FF0000u);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);  // all 0: every pixel shows
    ASSERT_GE(ImageList_Add(images->Handle(), red, mask), 0);
    DeleteObject(mask);
    DeleteObject(red);
  }
  TMenuItemFacts facts;
  facts.caption = "&More";
  facts.images = images.get();
  facts.imageIndex = 0;
  facts.submenu = true;
  const int width = AtDpi(160, dpi), height = AtDpi(20, dpi), arrowColumns = width - AtDpi(10, dpi);
  std::vector<std::uint32_t> systemSees;
  const std::vector<std::uint32_t> pixels =
      DrawnItem(skinAtDpi, facts, width, height, "dpi" + std::to_string(dpi) + "-menu-item-glyphs", &systemSees);
  // The bounding box of `colour` (0xRRGGBB) in the columns from `left` on.
  auto inkBox = [&](const std::vector<std::uint32_t>& in, std::uint32_t colour, int left) {
    RECT box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
      for (int x = left; x < width; ++x)
        if ((in[static_cast<std::size_t>(y) * width + x] & 0xFFFFFFu) == colour)
          box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                     std::max<LONG>(box.bottom, y + 1)};
    return box;
  };
  const RECT red = inkBox(pixels, 0xFF0000u, 0);
  EXPECT_EQ(red.right - red.left, AtDpi(16, dpi));
  EXPECT_EQ(red.bottom - red.top, AtDpi(16, dpi));
  EXPECT_EQ(red.left, AtDpi(1, dpi)) << "at the glyph box's corner";
  EXPECT_EQ(red.top, AtDpi(1, dpi));

  const std::uint32_t ink = vcl::ColorToRGB(skinAtDpi.MenuText);
  const RECT arrow = inkBox(pixels, (ink & 0xFF) << 16 | (ink & 0xFF00) | (ink >> 16 & 0xFF), arrowColumns);
  const RECT open = inkBox(systemSees, 0x0000FFu, arrowColumns);
  if (dpi == 96) {
    EXPECT_EQ(arrow.bottom, 0) << "the system's arrow";
    EXPECT_EQ(open.right - open.left, width - arrowColumns) << "open to the system";
  } else {
    EXPECT_EQ(arrow.bottom - arrow.top, 2 * AtDpi(4, dpi) - 1);
    EXPECT_EQ(open.bottom, 0) << "the system's 96-dpi arrow is kept out";
  }
}

// A form's popup-menu components draw their items with the skin at the
// window's DPI, also after a move to another one and back.
TEST_F(SkinAtDisplayDpi, PopupComponentsDrawWithTheSkinAtTheWindowsDpi) {
  vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(vcl::Application));
  auto* popup = new vcl::TPopupMenu(form.get());
  auto* item = new vcl::TMenuItem(form.get());
  item->SetCaption("&Open");
  popup->Items()->Add(item);
  form->Show();
  TSkinForm* frame = ShowSkinned(form->Handle());
  ASSERT_NE(frame, nullptr);
  auto drawnWith = [item]() -> const TSkinData* {
    const auto* draw = item->OnDrawItem.target<TComponentItemDraw>();
    return draw ? draw->skin : nullptr;
  };
  const int dpi = WindowDpi(form->Handle()), other = dpi == 192 ? 96 : 192;
  EXPECT_EQ(drawnWith(), skin->AtDpi(dpi));
  for (int to : {other, dpi}) {
    MoveToDpi(form->Handle(), to == other ? dpi : other, to);
    EXPECT_EQ(drawnWith(), skin->AtDpi(to)) << to;
  }
}

std::size_t DifferentPixels(const Pixels& a, const Pixels& b) {
  if (a.width != b.width || a.height != b.height) return std::max(a.rgb.size(), b.rgb.size()) + 1;
  std::size_t n = 0;
  for (std::size_t i = 0; i < a.rgb.size(); ++i) n += a.rgb[i] != b.rgb[i];
  return n;
}

// After a move to another DPI every part of the window is painted at the new
// size right away: the frame, the caption buttons' glyphs and the controls'
// glyphs on screen are what a complete repaint of the window draws; and back
// at the first DPI the window looks exactly as before the trip.
void ExpectNoStalePixels(HWND h, const std::string& name) {
  const int dpi = WindowDpi(h), other = dpi == 192 ? 96 : 192;
  SetCursorPos(0, 0);  // no hover look anywhere
  vex::test::PumpPending();
  const Pixels home = vex::test::SettledWindow(h);
  auto repaintAll = [h] {
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };

  const RECT before = MoveToDpi(h, dpi, other);
  const Pixels moved = vex::test::SettledWindow(h);
  vex::test::SaveWindowPng(h, Shot(dpi, (name + "-moved-to-" + std::to_string(other)).c_str()));
  repaintAll();
  EXPECT_EQ(DifferentPixels(moved, vex::test::SettledWindow(h)), 0u)
      << name << ": stale pixels right after the move to " << other;

  MoveToDpi(h, other, dpi, &before);
  const Pixels back = vex::test::SettledWindow(h);
  vex::test::SaveWindowPng(h, Shot(dpi, (name + "-moved-back").c_str()));
  EXPECT_EQ(DifferentPixels(back, home), 0u) << name << ": back at " << dpi;
  repaintAll();
  EXPECT_EQ(DifferentPixels(back, vex::test::SettledWindow(h)), 0u)
      << name << ": stale pixels right after the move back";
}

// A plain window, whose controls keep their places and fonts (its program
// lays nothing out again): their skinned glyphs follow the DPI all the same.
TEST_F(SkinAtDisplayDpi, AMoveToAnotherDpiLeavesNoStalePixels) {
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, RECT{60, 60, 60 + AtDpi(320, PrefixDpi()), 60 + AtDpi(180, PrefixDpi())});
  HWND h = w.Handle();
  const int dpi = WindowDpi(h);
  CreateWindowExA(0, "BUTTON", "Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, AtDpi(10, dpi), AtDpi(10, dpi),
                  AtDpi(120, dpi), AtDpi(24, dpi), h, nullptr, nullptr, nullptr);
  CreateWindowExA(0, "BUTTON", "Radio", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, AtDpi(10, dpi), AtDpi(40, dpi),
                  AtDpi(120, dpi), AtDpi(24, dpi), h, nullptr, nullptr, nullptr);
  ASSERT_NE(ShowSkinned(h), nullptr);
  ExpectNoStalePixels(h, "glyphs-window");
}

// A box with its text on the left has the glyph at the right edge, where
// the button's own box is drawn: no column of that box shows beside the
// skin's glyph at any scale (at 150% its white edge did).
TEST_F(SkinAtDisplayDpi, NothingOfTheNativeBoxShowsBesideARightHandGlyph) {
  LogWindow w(WS_OVERLAPPEDWINDOW, 0, RECT{60, 60, 60 + AtDpi(320, PrefixDpi()), 60 + AtDpi(120, PrefixDpi())});
  HWND h = w.Handle();
  const int dpi = WindowDpi(h);
  HWND box = CreateWindowExA(0, "BUTTON", "Left text", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_LEFTTEXT,
                             AtDpi(10, dpi), AtDpi(10, dpi), AtDpi(150, dpi), AtDpi(17, dpi), h, nullptr, nullptr,
                             nullptr);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  TSkinForm* frame = ShowSkinned(h);
  ASSERT_NE(frame, nullptr);
  const Pixels shot = vex::test::SettledWindow(box);
  const TDataSkinButton& buttons = frame->SkinData()->Buttons;
  const int gw = buttons.CheckImage.Width() / std::max(1, buttons.CheckButtonFrame);
  const controls::Rect glyph =
      controls::BoxGlyphRect({0, 0, shot.width, shot.height}, gw, buttons.CheckImage.Height(), true);
  ASSERT_LE(glyph.right, shot.width);
  const std::uint32_t face = shot.At(shot.width - 1, 0);
  int shown = 0;
  for (int x = glyph.right; x < shot.width; ++x)
    for (int y = 0; y < shot.height; ++y) shown += shot.At(x, y) != face;
  EXPECT_EQ(shown, 0) << "pixels right of the glyph (" << glyph.right << " to " << shot.width << ") at " << dpi;
  vex::test::SaveWindowPng(box, Shot(dpi, "check-box-text-on-the-left"));
}

// A form lays its 96-dpi design out again at the new DPI.
TEST_F(SkinAtDisplayDpi, AFormMovedToAnotherDpiLeavesNoStalePixels) {
  vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(vcl::Application));
  form->SetBounds(60, 60, 0, 0);
  form->SetClientSize(300, 120);
  form->SetCaption("Glyphs");
  auto* button = new vcl::TButton(form.get());
  button->SetBounds(8, 8, 90, 25);
  button->SetCaption("Apply");
  button->SetParent(form.get());
  auto* check = new vcl::TCheckBox(form.get());
  check->SetBounds(110, 12, 170, 17);
  check->SetCaption("Check");
  check->SetChecked(true);
  check->SetParent(form.get());
  auto* radio = new vcl::TRadioButton(form.get());
  radio->SetBounds(110, 40, 170, 17);
  radio->SetCaption("Radio");
  radio->SetParent(form.get());
  form->Show();
  TSkinForm* frame = ShowSkinned(form->Handle());
  ASSERT_NE(frame, nullptr);
  ExpectNoStalePixels(form->Handle(), "glyphs-form");

  // At the other DPI the button's own box (drawn for the system's DPI) shows
  // nowhere around the skin's glyph, and the whole caption is written after
  // the glyph, none of it under it.
  HWND h = form->Handle();
  const int dpi = WindowDpi(h), other = dpi == 192 ? 96 : 192;
  const RECT before = MoveToDpi(h, dpi, other);
  const Pixels shot = vex::test::SettledWindow(check->Handle());
  const int w = shot.width, ch = shot.height;
  const TDataSkinButton& buttons = frame->SkinData()->Buttons;
  const int gw = buttons.CheckImage.Width() / std::max(1, buttons.CheckButtonFrame), gh = buttons.CheckImage.Height();
  const RECT glyph{gw <= 14 ? (14 - gw) / 2 : 0, (ch - gh) / 2, (gw <= 14 ? (14 - gw) / 2 : 0) + gw, (ch - gh) / 2 + gh};
  const std::uint32_t face = shot.At(w - 1, ch / 2);
  int left = w, right = -1;
  for (int y = 0; y < ch; ++y)
    for (int x = 0; x < w; ++x) {
      const POINT p{x, y};
      if (shot.At(x, y) == face || PtInRect(&glyph, p))
        continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  HDC screen = GetDC(nullptr);
  const HGDIOBJ oldFont =
      SelectObject(screen, reinterpret_cast<HFONT>(SendMessageA(check->Handle(), WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(screen, "Check", 5, &extent);
  SelectObject(screen, oldFont);
  ReleaseDC(nullptr, screen);
  EXPECT_GE(left, glyph.right) << "nothing beside or under the glyph but the caption after it";
  EXPECT_GE(right - left + 1, extent.cx - AtDpi(3, other)) << "the whole caption shows";
  vex::test::SaveWindowPng(check->Handle(), Shot(dpi, ("check-box-at-" + std::to_string(other)).c_str()));
  MoveToDpi(h, other, dpi, &before);
}

}  // namespace
}  // namespace vex::skin::test
