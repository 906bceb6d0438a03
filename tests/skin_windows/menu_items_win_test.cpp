// Owner-drawn menu items: pixels per state on memory DCs, separators, the
// frame's drop-down items, the popup-menu components' handlers, and the
// popup-window skinner.
#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

#include "menu_win_support.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/windows/MenuItemDrawing.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/PopupOwnerDraw.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "skin/windows/TSkinPopupMenu.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::test::menus {
namespace {

using skin::TMenuItemFacts;

constexpr COLORREF kSelected = RGB(10, 120, 30), kKey = RGB(255, 0, 255);
constexpr int kW = 160, kH = 21;
const RECT kTextArea{20, 0, kW - 1, kH};

// Separator frame rows: each its own colour; the last row is keyed.
COLORREF SeparatorRow(int y) { return y == 16 ? kKey : RGB(0, 20 + 10 * y, 0); }

// MenuItem frames of 20 x 17: normal (keyed), the separator rows, disabled,
// selected, spare.
void GiveMenuItem(skin::TSkinData& skin) {
  skin.MenuItem = std::make_unique<skin::TDataSkinObject>("MenuItem");
  skin::TDataSkinObject& item = *skin.MenuItem;
  item.Image.SetHandle(MakeFrames(5, 20, 17, [](int k, int, int y) -> COLORREF {
    return k == 1 ? kKey : k == 2 ? SeparatorRow(y) : k == 4 ? kSelected : RGB(128, 128, 128);
  }));
  item.LeftWidth = 8;
  item.TopHeight = 3;
  item.RightWidth = 11;
  item.BottomHeight = 3;
  item.Trans = 1;
}

TMenuItemFacts Item(const std::string& caption, bool enabled = true) {
  TMenuItemFacts item;
  item.caption = caption;
  item.enabled = enabled;
  return item;
}

Pixels Draw(const TMenuItemFacts& item, bool selected, skin::TSkinData& skin, int h = kH) {
  TestCanvas canvas(kW, h, RGB(1, 2, 3));
  skin::DrawMenuItemFacts(canvas.Dc(), RECT{0, 0, kW, h}, item, selected, skin, nullptr);
  return canvas.Read();
}

TEST(MenuItemPixels, EachState) {
  auto skinned = MakeTestSkin();
  GiveMenuItem(*skinned);
  auto plain = MakeTestSkin();  // no MenuItem object
  auto same = MakeTestSkin();   // ButtonShadow equal to MenuText
  GiveMenuItem(*same);
  same->ButtonShadow = same->MenuText;
  const skin::TSkinData& s = *skinned;
  struct Case {
    const char* name;
    skin::TSkinData* skin;
    TMenuItemFacts item;
    bool selected;
    COLORREF back;     // away from the text
    COLORREF text;     // among the caption's pixels
    COLORREF notText;  // never among them
  };
  const Case cases[] = {
      {"normal: the keyed frame 1 over the Menu colour", skinned.get(), Item("WWWW"), false, COLORREF(s.Menu),
       COLORREF(s.MenuText), COLORREF(s.HilightText)},
      {"selected: frame 4, HilightText", skinned.get(), Item("WWWW"), true, kSelected, COLORREF(s.HilightText),
       COLORREF(s.MenuText)},
      {"disabled: ButtonShadow", skinned.get(), Item("WWWW", false), false, COLORREF(s.Menu),
       COLORREF(s.ButtonShadow), COLORREF(s.MenuText)},
      {"disabled, ButtonShadow equal to MenuText: the system's shadow", same.get(), Item("WWWW", false), false,
       COLORREF(s.Menu), GetSysColor(COLOR_BTNSHADOW), COLORREF(same->MenuText)},
      {"no MenuItem object: ButtonFace", plain.get(), Item("WWWW"), false, COLORREF(s.ButtonFace),
       COLORREF(s.MenuText), COLORREF(s.HilightText)},
      {"no MenuItem object, selected: Hilight", plain.get(), Item("WWWW"), true, COLORREF(s.Hilight),
       COLORREF(s.HilightText), COLORREF(s.MenuText)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Pixels p = Draw(c.item, c.selected, *c.skin);
    EXPECT_EQ(p.At(kW - 3, kH / 2), Rgb(c.back));
    EXPECT_GT(CountColour(p, kTextArea, Rgb(c.text)), 0);
    EXPECT_EQ(CountColour(p, kTextArea, Rgb(c.notText)), 0);
  }
}

TEST(MenuItemPixels, SeparatorsFromTheSecondFrame) {
  auto skin = MakeTestSkin();
  GiveMenuItem(*skin);
  TMenuItemFacts line = Item("-");
  line.component = true;
  // 17 high over a 17-pixel image: the whole frame; 10 high: its bottom 10 rows.
  for (const auto& [height, firstRow] : {std::pair{17, 0}, std::pair{10, 7}}) {
    const Pixels p = Draw(line, false, *skin, height);
    for (int y = 0; y < height; ++y) {
      const int row = firstRow + y;
      const COLORREF expected = row == 16 ? COLORREF(skin->Menu) : SeparatorRow(row);  // keyed: the background
      EXPECT_EQ(p.At(kW / 2, y), Rgb(expected)) << height << " high, row " << y;
      EXPECT_EQ(p.At(2, y), Rgb(expected)) << height << " high, left band, row " << y;
    }
  }
  // A drop-down's separator is an etched line 4 pixels down.
  line.component = false;
  const Pixels etched = Draw(line, false, *skin, 8);
  EXPECT_EQ(etched.At(kW / 2, 4), Rgb(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(etched.At(kW / 2, 5), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)));
}

TEST(MenuItemPixels, MarksBoldRightToLeftAndTheCallersDc) {
  auto skin = MakeTestSkin();
  GiveMenuItem(*skin);
  const RECT box{1, 1, 17, 17};
  TMenuItemFacts checked = Item("Check");
  checked.checked = true;
  EXPECT_GT(CountColour(Draw(checked, false, *skin), box, Rgb(GetSysColor(COLOR_BTNTEXT))), 3) << "check mark";
  checked.radio = true;
  EXPECT_GT(CountColour(Draw(checked, false, *skin), box, Rgb(GetSysColor(COLOR_BTNTEXT))), 3) << "bullet";


  auto ink = [&](const TMenuItemFacts& item) {
    const Pixels p = Draw(item, false, *skin);
    return kW * kH - CountColour(p, RECT{0, 0, kW, kH}, Rgb(skin->Menu));
  };
  TMenuItemFacts bold = Item("Properties");
  bold.isDefault = true;
  EXPECT_GT(ink(bold), ink(Item("Properties"))) << "the default item is bold";

  TMenuItemFacts rtl = Item("Right");
  rtl.rightToLeft = true;
  rtl.shortcut = "Ctrl+R";
  const Pixels right = Draw(rtl, false, *skin);
  EXPECT_GT(CountColour(right, RECT{kW / 2, 0, kW, kH}, Rgb(skin->MenuText)), 0) << "caption right aligned";
  EXPECT_GT(CountColour(right, RECT{20, 0, kW / 2, kH}, Rgb(skin->MenuText)), 0) << "shortcut on the left";

  TestCanvas canvas(kW, kH, RGB(0, 0, 0));
  HDC dc = canvas.Dc();
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkMode(dc, OPAQUE);
  HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  skin::DrawMenuItemFacts(dc, RECT{0, 0, kW, kH}, rtl, true, *skin, nullptr);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3)) << "the caller's DC is left as it was";
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

// The frame measures and draws the items the skin made owner-drawn, and
// leaves the application's own owner-drawn items to the application.
TEST(DropDownItems, MeasuredAndDrawnForTheFrame) {
  HMENU sub = MakeMenu({"&Open\tCtrl+O", "-"}, 700);
  AppendMenuA(sub, MF_OWNERDRAW, 710, reinterpret_cast<LPCSTR>(1));
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  HWND window = CreateMenuWindow(menu);
  skin::TSkinForm* frame = WaitForFrame(window);
  ASSERT_NE(frame, nullptr);
  BarOf(*frame)->FOwnerDrawn.MakeOwnerDrawn(sub);
  frame->FDropDown = sub;
  const std::pair<UINT, UINT> heights[] = {{700, 21}, {0, 8}, {710, 17}};  // 4 higher; a separator 8; not ours
  for (const auto& [id, height] : heights) {
    MEASUREITEMSTRUCT m{ODT_MENU, 0, id, 5, 17, 0};
    SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
    EXPECT_EQ(m.itemHeight, height) << id;
  }
  TestCanvas canvas(kW, kH, RGB(1, 2, 3));
  DRAWITEMSTRUCT d{ODT_MENU, 0, 700, ODA_DRAWENTIRE, ODS_SELECTED, reinterpret_cast<HWND>(sub), canvas.Dc(),
                   RECT{0, 0, kW, kH}, 0};
  EXPECT_TRUE(SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)));
  EXPECT_GT(CountColour(canvas.Read(), RECT{kW / 2, 0, kW, kH}, Rgb(vcl::ColorToRGB(Skin().HilightText))), 0)
      << "the shortcut after the tab, right aligned";
  d.itemID = 710;
  EXPECT_FALSE(SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)));
  DestroyWindow(window);
  PumpPending();
}

// ---- popup-menu components -------------------------------------------

bool SkinDraws(vcl::TMenuItem* item) { return item->OnDrawItem.target<skin::TComponentItemDraw>() != nullptr; }

TEST(PopupComponents, TheTagRulesSizesAndSwitchingOff) {
  vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(nullptr));
  auto popup = [&](std::int32_t tag) {
    auto* p = new vcl::TPopupMenu(form.get());
    p->SetTag(tag);
    return p;
  };
  auto add = [&](vcl::TMenuItem* parent, const char* caption, std::int32_t tag = 0) {
    auto* item = new vcl::TMenuItem(form.get());
    item->SetCaption(caption);
    item->SetTag(tag);
    parent->Add(item);
    return item;
  };
  vcl::TPopupMenu* skinned = popup(0);
  vcl::TPopupMenu* disabled = popup(99);
  vcl::TPopupMenu* disabled199 = popup(199);
  vcl::TMenuItem* plain = add(skinned->Items(), "Plain");
  vcl::TMenuItem* child = add(add(skinned->Items(), "Parent"), "Child");
  vcl::TMenuItem* native = add(skinned->Items(), "Native", 999);
  vcl::TMenuItem* own = add(skinned->Items(), "Own");
  vcl::TMenuItem* line = add(skinned->Items(), "-");
  own->OnDrawItem = [](vcl::TObject*, vcl::TCanvas*, const RECT&, bool) {};
  own->OnMeasureItem = [](vcl::TObject*, vcl::TCanvas*, int& w, int& h) { w = 50, h = 30; };
  native->OnDrawItem = [](vcl::TObject*, vcl::TCanvas*, const RECT&, bool) {};
  add(disabled->Items(), "Untouched");
  add(disabled199->Items(), "Untouched too");

  skin::SetPopupOwnerDraw(*form, Skin(), true);
  skin::SetPopupOwnerDraw(*form, Skin(), true);  // again, as a changed skin does: nothing doubles
  EXPECT_TRUE(skinned->OwnerDraw());
  EXPECT_TRUE(SkinDraws(plain) && SkinDraws(child)) << "items at every depth";
  EXPECT_FALSE(native->OnDrawItem) << "Tag 999 loses any draw handler";
  EXPECT_TRUE(own->OnDrawItem && !SkinDraws(own)) << "a draw handler of its own stays";
  EXPECT_FALSE(disabled->OwnerDraw() || disabled199->OwnerDraw()) << "Tag 99 and 199 with DisableTag 99";
  struct Size {
    vcl::TMenuItem* item;
    int w, h, expectedW, expectedH;
  };
  const Size sizes[] = {{plain, 80, 18, 108, 18}, {line, 0, 9, 28, 9}};
  for (const Size& c : sizes) {
    int w = c.w, h = c.h;
    c.item->OnMeasureItem(c.item, nullptr, w, h);
    EXPECT_EQ(w, c.expectedW) << c.item->Caption();
    EXPECT_EQ(h, c.expectedH) << c.item->Caption();
  }

  skin::SetPopupOwnerDraw(*form, Skin(), false);
  EXPECT_FALSE(skinned->OwnerDraw()) << "the switch as it was";
  EXPECT_FALSE(plain->OnDrawItem || plain->OnMeasureItem || child->OnDrawItem);
  int w = 0, h = 0;
  own->OnMeasureItem(own, nullptr, w, h);
  EXPECT_EQ(w, 50) << "the application's own handlers stay";

  auto noPopups = MakeTestSkin();
  noPopups->SkinControls &= ~skin::SkinControlBit(skin::xcPopupMenu);
  skin::SetPopupOwnerDraw(*form, *noPopups, true);
  EXPECT_FALSE(skinned->OwnerDraw() || plain->OnDrawItem) << "a skin that does not skin popup menus";
}

// Switching off puts back what switching on changed, whatever the skin's
// SkinControls, its DisableTag or the component's Tag say by then; an item
// of Tag 999 gets its own draw handler back.
TEST(PopupComponents, SwitchingOffRestoresWhatWasSwitchedWhateverChangedSince) {
  struct Case {
    const char* name;
    std::function<void(skin::TSkinData&, vcl::TPopupMenu&)> change;
  };
  const Case cases[] = {
      {"nothing changed", [](skin::TSkinData&, vcl::TPopupMenu&) {}},
      {"SkinControls without popup menus",
       [](skin::TSkinData& s, vcl::TPopupMenu&) { s.SkinControls &= ~skin::SkinControlBit(skin::xcPopupMenu); }},
      {"DisableTag now the component's Tag", [](skin::TSkinData& s, vcl::TPopupMenu&) { s.DisableTag = 5; }},
      {"the component's Tag now disabled", [](skin::TSkinData&, vcl::TPopupMenu& p) { p.SetTag(99); }},
  };
  for (const Case& c : cases) {
    auto skinData = MakeTestSkin();
    vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(nullptr));
    auto* popup = new vcl::TPopupMenu(form.get());
    popup->SetTag(5);
    auto* plain = new vcl::TMenuItem(form.get());
    plain->SetCaption("Plain");
    popup->Items()->Add(plain);
    auto* native = new vcl::TMenuItem(form.get());
    native->SetCaption("Native");
    native->SetTag(999);
    popup->Items()->Add(native);
    int ownDraws = 0;
    native->OnDrawItem = [&](vcl::TObject*, vcl::TCanvas*, const RECT&, bool) { ++ownDraws; };

    skin::SetPopupOwnerDraw(*form, *skinData, true);
    ASSERT_TRUE(popup->OwnerDraw()) << c.name;
    ASSERT_FALSE(native->OnDrawItem) << c.name << ": the system draws Tag 999 while skinned";
    c.change(*skinData, *popup);
    skin::SetPopupOwnerDraw(*form, *skinData, false);
    EXPECT_FALSE(popup->OwnerDraw()) << c.name;
    EXPECT_FALSE(plain->OnDrawItem) << c.name;
    ASSERT_TRUE(native->OnDrawItem) << c.name << ": the application's handler is back";
    native->OnDrawItem(native, nullptr, RECT{}, false);
    EXPECT_EQ(ownDraws, 1) << c.name;
  }
}

// ---- the popup-window skinner -----------------------------------------

skin::TSkinPopupMenu* SkinnerOf(HWND popup) {
  for (const auto& p : skin::SkinManager()->Popups())
    if (p->Handle() == popup) return dynamic_cast<skin::TSkinPopupMenu*>(p.get());
  return nullptr;
}

HWND CreatePopupWindow(int w, int h) {
  return CreateWindowExA(0, "#32768", nullptr, WS_POPUP, 300, 300, w, h, nullptr, nullptr, nullptr, nullptr);
}

TEST(PopupSkinner, BackgroundBorderAndItsMenu) {
  HWND popup = CreatePopupWindow(120, 80);
  skin::TSkinPopupMenu* skinner = SkinnerOf(popup);
  ASSERT_NE(skinner, nullptr) << "skinned when created";
  EXPECT_EQ(SendMessageA(popup, WM_NCPAINT, 1, 0), 0);
  ASSERT_NE(skinner->Background(), nullptr);
  skin::TDataSkinObject& back = *Skin().MenuBackground;
  skin::OwnedBitmap expected(skin::BuildElement(RECT{0, 0, 120, 80}, back.Image.Handle(), back.Margins(), false,
                                                back.Tile != 0, 1, 1));
  const Pixels reference = ReadBitmap(expected.Get());
  EXPECT_EQ(ReadBitmap(skinner->Background()).rgb, reference.rgb) << "the MenuBackground element, window-sized";
  EXPECT_EQ(skin::WaitingPopup(), skinner) << "it waits for its menu";
  HMENU menu = CreatePopupMenu();
  skin::LinkWaitingPopup(menu);  // the next item drawn names it
  EXPECT_EQ(skinner->MenuHandle(), menu);
  EXPECT_EQ(skin::WaitingPopup(), nullptr);
  EXPECT_EQ(skin::SkinManager()->PopupBackground(menu), skinner->Background());

  // WM_PRINT: the background, then the system's drawing inside the border.
  TestCanvas canvas(120, 80, RGB(1, 2, 3));
  SendMessageA(popup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_NONCLIENT | PRF_CLIENT);
  const Pixels printed = canvas.Read();
  for (POINT p : {POINT{0, 0}, POINT{2, 2}, POINT{119, 79}, POINT{60, 1}, POINT{1, 40}})
    EXPECT_EQ(printed.At(p.x, p.y), reference.At(p.x, p.y)) << "border " << p.x << "," << p.y;
  vcl::RegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetClipRgn(canvas.Dc(), clip.get()), 0) << "the limit is removed again";

  skin::SkinManager()->FSkinning = false;
  HWND other = CreatePopupWindow(60, 40);
  skin::SkinManager()->FSkinning = true;
  EXPECT_EQ(SkinnerOf(other), nullptr) << "not skinned while skinning is off";
  DestroyWindow(other);
  DestroyWindow(popup);
  EXPECT_EQ(SkinnerOf(popup), nullptr) << "freed with its window";
  DestroyMenu(menu);

  auto bare = MakeTestSkin();  // without MenuBackground: the system's look
  HWND plain = CreatePopupWindow(60, 40);
  skin::TSkinPopupMenu own;
  own.Attach(plain, bare.get());
  SendMessageA(plain, WM_NCPAINT, 1, 0);
  EXPECT_EQ(own.Background(), nullptr);
  EXPECT_NE(skin::WaitingPopup(), &own);
  own.Detach();
  DestroyWindow(plain);
}

// A real drop-down on screen.  Under Wine "#32768" windows have no
// non-client area: the WM_NCPAINT they are sent paints the skin's border
// band into the window, where the menu's own painting of the client covers
// it with the system's border; the items, owner-drawn, show the skin (their
// rectangles are then window coordinates: the offset is 0, on Windows the
// 3-pixel border).  WM_PRINT, which Wine's menu procedure does not answer,
// is tested on a window of its own above.
TEST(PopupSkinner, ItemsOfARealDropDown) {
  HMENU sub = MakeMenu({"&One", "&Two"}, 800);
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  HWND window = CreateMenuWindow(menu);
  skin::TSkinForm* frame = WaitForFrame(window);
  ASSERT_NE(frame, nullptr);
  POINT offset{-1, -1};
  std::uint32_t itemPixel = 0, backgroundPixel = 1;
  std::vector<POINT> bandMismatches;
  int ticks = 0;
  LoopScript script([&] {
    HWND popup = VisiblePopup();
    skin::TSkinPopupMenu* skinner = popup ? SkinnerOf(popup) : nullptr;
    // Linked to its menu by the first item drawn.
    if (!skinner || !skinner->MenuHandle() || !skinner->Background() || skin::TrackingState().first) return false;
    offset = skinner->ClientOffset();
    RECT r{};
    GetWindowRect(popup, &r);
    const POINT at{r.right - r.left - 7, 3 + 21 + 10};  // right end of the second item, unselected
    backgroundPixel = ReadBitmap(skinner->Background()).At(at.x, at.y);
    itemPixel = ReadScreen(RECT{r.left + at.x, r.top + at.y, r.left + at.x + 1, r.top + at.y + 1}).At(0, 0);
    if (itemPixel != backgroundPixel && ++ticks < 100) return false;  // on the screen once the loop waits
    // The border band: the skin's, not the system's raised edge (which
    // Wine's menu paints inside the window).
    const int w = r.right - r.left, h = r.bottom - r.top;
    const Pixels background = ReadBitmap(skinner->Background());
    const Pixels onScreen = ReadScreen(r);
    for (POINT p : {POINT{0, 0}, POINT{1, 1}, POINT{w / 2, 0}, POINT{1, h / 2}, POINT{w - 2, h / 2},
                    POINT{w / 2, h - 2}, POINT{w - 1, h - 1}})
      if (onScreen.At(p.x, p.y) != background.At(p.x, p.y)) bandMismatches.push_back(p);
    SavePng(ReadScreen(WindowWithMenus(window)), OutputDir() + "menu-real-dropdown.png");
    EndMenu();
    return true;
  });
  frame->PressMenuButton(*BarOf(*frame)->Button(0));
  EXPECT_TRUE(PumpUntil([&] { return script.Done() && !frame->FTracking; }));
  EXPECT_EQ(itemPixel, backgroundPixel) << "the item lies over its part of the background";
  for (POINT p : bandMismatches) ADD_FAILURE() << "the border band at " << p.x << "," << p.y << " is not the skin's";
  const int border = IsWine() ? 0 : skin::kPopupBorder;  // Wine: no non-client area
  EXPECT_EQ(offset.x, border);
  EXPECT_EQ(offset.y, border);
  DestroyWindow(window);
  PumpPending();
}

// A popup-menu component's context menu on screen, its first item selected.
TEST(PopupSkinner, AContextMenuOfAPopupMenuComponent) {
  vcl::Owned<vcl::TForm> form(vcl::New<vcl::TForm>(vcl::Application));
  form->SetBounds(120, 120, 300, 200);
  auto* popup = new vcl::TPopupMenu(form.get());
  for (const char* caption : {"剪切(&T)", "复制(&C)", "-", "属性(&R)"}) {
    auto* item = new vcl::TMenuItem(form.get());
    item->SetCaption(caption);
    popup->Items()->Add(item);
  }
  popup->Items()->Items(0)->SetShortCut(vcl::scCtrl | 'X');
  popup->Items()->Items(3)->SetDefault(true);
  form->Show();
  ASSERT_NE(WaitForFrame(form->Handle()), nullptr);
  ASSERT_TRUE(popup->OwnerDraw()) << "the frame gave its popup-menu components the skin's items";
  // Frame 4 of the skin's MenuItem image: its right band is copied as it
  // is, its middle rows are one colour.
  const Pixels image = ReadBitmap(Skin().MenuItem->Image.Handle());
  const std::uint32_t frame4 = image.At(4 * (image.width / 5) - 3, image.height / 2);
  std::uint32_t selectedPixel = 0;
  int ticks = 0;
  bool down = false;
  LoopScript script([&] {
    HWND window = VisiblePopup();
    if (!window) return false;
    if (!down) {
      down = PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
      return false;
    }
    if (!(GetMenuState(popup->Handle(), 0, MF_BYPOSITION) & MF_HILITE)) return false;
    RECT r{};
    GetWindowRect(window, &r);
    selectedPixel = ReadScreen(RECT{r.right - 6, r.top + 12, r.right - 5, r.top + 13}).At(0, 0);
    if (selectedPixel != frame4 && ++ticks < 100) return false;
    SavePng(ReadScreen(WindowWithMenus(form->Handle())), OutputDir() + "menu-context.png");
    EndMenu();
    return true;
  });
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  popup->Popup(r.left + 40, r.top + 60);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(selectedPixel, frame4) << "the selected item is drawn from the skin's fourth MenuItem frame";
}

}  // namespace
}  // namespace vex::test::menus
