// Owner-drawn menu items: sizes, pixels per state on memory DCs, separators,
// the popup-menu components' handlers, and the popup-window skinner.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu_win_support.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/windows/MenuItemDrawing.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/PopupOwnerDraw.h"
#include "skin/windows/SkinParts.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/TSkinMenuBar.h"
#include "skin/windows/TSkinPopupMenu.h"
#include "widgets/Vcl.h"
#include "win_test_support.h"

namespace vex::test::menus {
namespace {

using skin::TMenuItemFacts;

constexpr COLORREF kSelected = RGB(10, 120, 30);
constexpr COLORREF kUnkeyedNormal = RGB(90, 90, 140);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr int kW = 160, kH = 21;

// Separator frame rows: each its own colour; the last row is keyed.
COLORREF SeparatorRow(int y) { return y == 16 ? kKey : RGB(0, 20 + 10 * y, 0); }

// MenuItem frames of 20 x 17: normal keyed (or flat without key), the
// separator rows, disabled, selected, spare.
void GiveMenuItem(skin::TSkinData& skin, bool keyed) {
  skin.MenuItem = std::make_unique<skin::TDataSkinObject>("MenuItem");
  skin::TDataSkinObject& item = *skin.MenuItem;
  item.Image.SetHandle(MakeFrames(5, 20, 17, [keyed](int k, int, int y) -> COLORREF {
    switch (k) {
      case 1: return keyed ? kKey : kUnkeyedNormal;
      case 2: return SeparatorRow(y);
      case 4: return kSelected;
      default: return RGB(128, 128, 128);
    }
  }));
  item.LeftWidth = 8;
  item.TopHeight = 3;
  item.RightWidth = 11;
  item.BottomHeight = 3;
  item.Trans = keyed ? 1 : 0;
}

Pixels Draw(const TMenuItemFacts& item, bool selected, skin::TSkinData& skin, int w = kW, int h = kH) {
  TestCanvas canvas(w, h, RGB(1, 2, 3));
  skin::DrawMenuItemFacts(canvas.Dc(), RECT{0, 0, w, h}, item, selected, skin, nullptr);
  return canvas.Read();
}

TMenuItemFacts Caption(const std::string& text) {
  TMenuItemFacts item;
  item.caption = text;
  return item;
}

const RECT kTextArea{20, 0, kW - 1, kH};

TEST(MenuItemPixels, EachStateFromTheMenuItemFrames) {
  auto skin = MakeTestSkin();
  GiveMenuItem(*skin, true);
  TMenuItemFacts disabled = Caption("WWWW");
  disabled.enabled = false;
  struct Case {
    const char* name;
    TMenuItemFacts item;
    bool selected;
    vcl::TColor back;     // away from the text
    vcl::TColor text;     // present among the caption's pixels
    vcl::TColor notText;  // absent from them
  };
  const Case cases[] = {
      {"normal: the keyed frame 1 over the Menu colour", Caption("WWWW"), false, skin->Menu, skin->MenuText,
       skin->HilightText},
      {"selected: frame 4, HilightText", Caption("WWWW"), true, static_cast<vcl::TColor>(kSelected),
       skin->HilightText, skin->MenuText},
      {"disabled: ButtonShadow", disabled, false, skin->Menu, skin->ButtonShadow, skin->MenuText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Pixels p = Draw(c.item, c.selected, *skin);
    EXPECT_EQ(p.At(kW - 3, kH / 2), Rgb(vcl::ColorToRGB(c.back)));
    EXPECT_GT(CountColour(p, kTextArea, Rgb(vcl::ColorToRGB(c.text))), 0);
    EXPECT_EQ(CountColour(p, kTextArea, Rgb(vcl::ColorToRGB(c.notText))), 0);
  }
  // The skin's ButtonShadow would not look disabled when it is its MenuText.
  skin->ButtonShadow = skin->MenuText;
  const Pixels same = Draw(disabled, false, *skin);
  EXPECT_GT(CountColour(same, kTextArea, Rgb(GetSysColor(COLOR_BTNSHADOW))), 0);
  EXPECT_EQ(CountColour(same, kTextArea, Rgb(skin->MenuText)), 0);

  auto opaque = MakeTestSkin();
  GiveMenuItem(*opaque, false);
  EXPECT_EQ(Draw(Caption("x"), false, *opaque).At(kW - 3, kH / 2), Rgb(kUnkeyedNormal)) << "no colour key";
  Draw(Caption("Save"), true, *skin);
}

TEST(MenuItemPixels, WithoutAMenuItemObjectItemsArePlain) {
  auto skin = MakeTestSkin();
  EXPECT_EQ(Draw(Caption("WWWW"), false, *skin).At(kW - 3, 2), Rgb(skin->ButtonFace));
  const Pixels selected = Draw(Caption("WWWW"), true, *skin);
  EXPECT_EQ(selected.At(kW - 3, 2), Rgb(skin->Hilight));
  EXPECT_GT(CountColour(selected, kTextArea, Rgb(skin->HilightText)), 0) << "the content all the same";
}

TEST(MenuItemPixels, SeparatorsFromTheSecondFrame) {
  auto skin = MakeTestSkin();
  GiveMenuItem(*skin, true);
  TMenuItemFacts line = Caption("-");
  line.component = true;
  struct Case {
    const char* name;
    int height, firstRow;
  };
  const Case cases[] = {
      {"a 17-pixel item over a 17-pixel image: the whole frame", 17, 0},
      {"a 10-pixel item: the bottom 10 rows", 10, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Pixels p = Draw(line, false, *skin, kW, c.height);
    for (int y = 0; y < c.height; ++y) {
      const int row = c.firstRow + y;
      const COLORREF expected = row == 16 ? skin->Menu : SeparatorRow(row);  // the keyed row shows the background
      EXPECT_EQ(p.At(kW / 2, y), Rgb(expected)) << "row " << y;
      EXPECT_EQ(p.At(2, y), Rgb(expected)) << "left band, row " << y;
    }
  }
  // A drop-down's separator is an etched line 4 pixels down.
  line.component = false;
  const Pixels etched = Draw(line, false, *skin, kW, 8);
  EXPECT_EQ(etched.At(kW / 2, 4), Rgb(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(etched.At(kW / 2, 5), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(etched.At(kW / 2, 2), Rgb(skin->Menu));
}

TEST(MenuItemPixels, CheckMarksImagesBoldAndRightToLeft) {
  auto skin = MakeTestSkin();
  GiveMenuItem(*skin, true);
  const RECT box{1, 1, 17, 17};
  const std::uint32_t mark = Rgb(GetSysColor(COLOR_BTNTEXT));

  TMenuItemFacts checked = Caption("Check");
  checked.checked = true;
  EXPECT_GT(CountColour(Draw(checked, false, *skin), box, mark), 3) << "check mark";
  checked.radio = true;
  EXPECT_GT(CountColour(Draw(checked, false, *skin), box, mark), 3) << "radio bullet";
  EXPECT_EQ(CountColour(Draw(Caption("Check"), false, *skin), box, mark), 0) << "unchecked";

  vcl::TImageList images(nullptr);
  images.SetSize(16, 16);
  vcl::TIcon icon;
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = MakeFrames(1, 16, 16, [](int, int, int) { return RGB(200, 30, 30); });
  // Opaque only in its middle 8 x 8: the box shows around it.
  WORD maskBits[16];
  for (int y = 0; y < 16; ++y) maskBits[y] = y >= 4 && y < 12 ? 0x0FF0 : 0xFFFF;  // bytes: high, low
  info.hbmMask = CreateBitmap(16, 16, 1, 1, maskBits);
  icon.SetHandle(CreateIconIndirect(&info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  images.AddIcon(icon);
  TMenuItemFacts withImage = Caption("Image");
  withImage.images = &images;
  withImage.imageIndex = 0;
  const Pixels plainImage = Draw(withImage, false, *skin);
  EXPECT_EQ(plainImage.At(9, 9), Rgb(RGB(200, 30, 30))) << "the image at the box's corner";
  EXPECT_EQ(plainImage.At(2, 2), Rgb(skin->Menu)) << "no box when unchecked";
  withImage.checked = true;
  const Pixels checkedImage = Draw(withImage, false, *skin);
  EXPECT_EQ(checkedImage.At(1, 1), Rgb(GetSysColor(COLOR_BTNSHADOW))) << "sunk in";
  EXPECT_EQ(checkedImage.At(9, 9), Rgb(RGB(200, 30, 30)));
  withImage.imageIndex = 5;
  EXPECT_NE(Draw(withImage, false, *skin).At(9, 9), Rgb(RGB(200, 30, 30))) << "an index past the list: a check mark";

  // Bold strokes cover more of the text area (whatever the smoothing).
  auto ink = [&](const TMenuItemFacts& item) {
    const Pixels p = Draw(item, false, *skin);
    return p.width * p.height - CountColour(p, RECT{0, 0, kW, kH}, Rgb(skin->Menu));
  };
  TMenuItemFacts normal = Caption("Properties");
  TMenuItemFacts bold = normal;
  bold.isDefault = true;
  EXPECT_GT(ink(bold), ink(normal)) << "the default item is bold";

  TMenuItemFacts rtl = Caption("Right");
  rtl.rightToLeft = true;
  rtl.shortcut = "Ctrl+R";
  const Pixels right = Draw(rtl, false, *skin);
  const std::uint32_t text = Rgb(skin->MenuText);
  EXPECT_GT(CountColour(right, RECT{kW / 2, 0, kW, kH}, text), 0) << "caption right aligned";
  EXPECT_GT(CountColour(right, RECT{20, 0, kW / 2, kH}, text), 0) << "shortcut on the left";
  const Pixels left = Draw(Caption("Right"), false, *skin);
  EXPECT_EQ(CountColour(left, RECT{kW / 2, 0, kW, kH}, text), 0);
}

TEST(MenuItemPixels, TheCallersDcIsLeftAsItWas) {
  auto skin = MakeTestSkin();
  GiveMenuItem(*skin, true);
  TestCanvas canvas(kW, kH, RGB(0, 0, 0));
  HDC dc = canvas.Dc();
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  SetBkMode(dc, OPAQUE);
  HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  TMenuItemFacts item = Caption("&Open");
  item.shortcut = "Ctrl+O";
  item.checked = true;
  skin::DrawMenuItemFacts(dc, RECT{0, 0, kW, kH}, item, true, *skin, nullptr);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

// ---- popup-menu components -------------------------------------------

class TComponentsForm : public vcl::TForm {
 public:
  explicit TComponentsForm(vcl::TComponent* owner) : vcl::TForm(owner) {}
  vcl::TPopupMenu* AddPopup(std::int32_t tag) {
    auto* popup = new vcl::TPopupMenu(this);
    popup->SetTag(tag);
    return popup;
  }
  vcl::TMenuItem* AddItem(vcl::TMenuItem* parent, const char* caption, std::int32_t tag = 0) {
    auto* item = new vcl::TMenuItem(this);
    item->SetCaption(caption);
    item->SetTag(tag);
    parent->Add(item);
    return item;
  }
};

bool HasSkinDraw(vcl::TMenuItem* item) { return item->OnDrawItem.target<skin::TComponentItemDraw>() != nullptr; }
bool HasSkinMeasure(vcl::TMenuItem* item) {
  return item->OnMeasureItem.target<skin::TComponentItemMeasure>() != nullptr;
}

TEST(PopupComponents, TheTagRulesAndSwitchingOff) {
  vcl::Owned<TComponentsForm> form(vcl::New<TComponentsForm>(nullptr));
  vcl::TPopupMenu* skinned = form->AddPopup(0);
  vcl::TPopupMenu* disabled = form->AddPopup(99);
  vcl::TPopupMenu* disabled199 = form->AddPopup(199);
  vcl::TMenuItem* plain = form->AddItem(skinned->Items(), "Plain");
  vcl::TMenuItem* parent = form->AddItem(skinned->Items(), "Parent");
  vcl::TMenuItem* child = form->AddItem(parent, "Child");
  vcl::TMenuItem* native = form->AddItem(skinned->Items(), "Native", 999);
  vcl::TMenuItem* own = form->AddItem(skinned->Items(), "Own");
  int ownDraws = 0;
  own->OnDrawItem = [&](vcl::TObject*, vcl::TCanvas*, const RECT&, bool) { ++ownDraws; };
  native->OnDrawItem = [](vcl::TObject*, vcl::TCanvas*, const RECT&, bool) {};
  vcl::TMenuItem* untouched = form->AddItem(disabled->Items(), "Untouched");
  form->AddItem(disabled199->Items(), "Untouched too");

  skin::SetPopupOwnerDraw(*form, Skin(), true);
  EXPECT_TRUE(skinned->OwnerDraw());
  EXPECT_TRUE(HasSkinDraw(plain) && HasSkinMeasure(plain));
  EXPECT_TRUE(HasSkinDraw(child) && HasSkinMeasure(child)) << "items at every depth";
  EXPECT_FALSE(native->OnDrawItem) << "Tag 999 loses any draw handler";
  EXPECT_FALSE(HasSkinDraw(own));
  own->OnDrawItem(own, nullptr, RECT{}, false);
  EXPECT_EQ(ownDraws, 1) << "an item with a draw handler of its own keeps it";
  EXPECT_FALSE(disabled->OwnerDraw()) << "Tag 99 with DisableTag 99";
  EXPECT_FALSE(disabled199->OwnerDraw()) << "Tag 199: modulo 100";
  EXPECT_FALSE(untouched->OnDrawItem);

  // Applied again (a changed skin): nothing doubles.
  skin::SetPopupOwnerDraw(*form, Skin(), true);
  EXPECT_TRUE(HasSkinMeasure(plain));
  EXPECT_FALSE(plain->OnMeasureItem.target<skin::TComponentItemMeasure>()->previous) << "not wrapped twice";

  skin::SetPopupOwnerDraw(*form, Skin(), false);
  EXPECT_FALSE(skinned->OwnerDraw()) << "the switch as it was";
  EXPECT_FALSE(plain->OnDrawItem);
  EXPECT_FALSE(plain->OnMeasureItem);
  EXPECT_FALSE(child->OnDrawItem);
  ASSERT_TRUE(own->OnDrawItem) << "the application's own handler stays";

  // Without popup menus among the skin's control kinds nothing is touched.
  auto noPopups = MakeTestSkin();
  noPopups->SkinControls &= ~skin::SkinControlBit(skin::xcPopupMenu);
  skin::SetPopupOwnerDraw(*form, *noPopups, true);
  EXPECT_FALSE(skinned->OwnerDraw());
  EXPECT_FALSE(plain->OnDrawItem);
}

TEST(PopupComponents, MeasuringAComponentItem) {
  vcl::Owned<TComponentsForm> form(vcl::New<TComponentsForm>(nullptr));
  vcl::TPopupMenu* popup = form->AddPopup(0);
  vcl::TMenuItem* item = form->AddItem(popup->Items(), "Item");
  vcl::TMenuItem* line = form->AddItem(popup->Items(), "-");
  vcl::TMenuItem* own = form->AddItem(popup->Items(), "Own");
  own->OnMeasureItem = [](vcl::TObject*, vcl::TCanvas*, int& w, int& h) {
    w = 50;
    h = 30;
  };
  skin::SetPopupOwnerDraw(*form, Skin(), true);
  struct Case {
    vcl::TMenuItem* item;
    int w, h, expectedW, expectedH;
  };
  const Case cases[] = {
      {item, 80, 18, 108, 18},
      {line, 0, 9, 28, 9},
      {own, 80, 18, 78, 30},  // its own handler first, then the glyph box
  };
  for (const Case& c : cases) {
    int w = c.w, h = c.h;
    c.item->OnMeasureItem(c.item, nullptr, w, h);
    EXPECT_EQ(w, c.expectedW) << c.item->Caption();
    EXPECT_EQ(h, c.expectedH) << c.item->Caption();
  }
  skin::SetPopupOwnerDraw(*form, Skin(), false);
  int w = 0, h = 0;
  own->OnMeasureItem(own, nullptr, w, h);
  EXPECT_EQ(w, 50) << "its own measure handler is back";
}

// ---- the frame's drop-down items --------------------------------------

TEST(DropDownItems, MeasuredAndDrawnForTheFrame) {
  HMENU sub = MakeMenu({"&Open\tCtrl+O", "-", "Two"}, 700);
  AppendMenuA(sub, MF_OWNERDRAW, 710, reinterpret_cast<LPCSTR>(1));  // the application's own
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  HWND window = CreateMenuWindow(menu);
  skin::TSkinForm* frame = WaitForFrame(window);
  ASSERT_NE(frame, nullptr);
  skin::TSkinMenuBar& bar = *BarOf(*frame);
  bar.FOwnerDrawn.MakeOwnerDrawn(sub);
  frame->FDropDown = sub;

  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, skin::MenuFont());
  RECT text{0, 0, 0, 0};
  DrawTextA(screen, "&OpenCtrl+O", -1, &text, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  struct Case {
    const char* name;
    UINT id;
    UINT expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {"caption and shortcut + 26, 4 higher", 700, static_cast<UINT>(text.right + 26), 21},
      {"a separator is 8 high", 0, 26, 8},
      {"an item the application draws is its own", 710, 5, 17},
  };
  for (const Case& c : cases) {
    MEASUREITEMSTRUCT m{};
    m.CtlType = ODT_MENU;
    m.itemID = c.id;
    m.itemWidth = 5;
    m.itemHeight = 17;
    SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
    EXPECT_EQ(m.itemWidth, c.expectedWidth) << c.name;
    EXPECT_EQ(m.itemHeight, c.expectedHeight) << c.name;
  }

  TestCanvas canvas(kW, kH, RGB(1, 2, 3));
  DRAWITEMSTRUCT d{};
  d.CtlType = ODT_MENU;
  d.itemID = 700;
  d.hwndItem = reinterpret_cast<HWND>(sub);
  d.hDC = canvas.Dc();
  d.rcItem = RECT{0, 0, kW, kH};
  d.itemState = ODS_SELECTED;
  EXPECT_TRUE(SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d)));
  const Pixels drawn = canvas.Read();
  EXPECT_NE(drawn.At(kW - 3, kH / 2), Rgb(RGB(1, 2, 3))) << "drawn by the skin";
  EXPECT_GT(CountColour(drawn, RECT{kW / 2, 0, kW, kH}, Rgb(vcl::ColorToRGB(Skin().HilightText))), 0)
      << "the shortcut after the tab, right aligned";
  d.itemID = 710;
  EXPECT_FALSE(SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d))) << "the application's own item";
  bar.FOwnerDrawn.Restore();
  DestroyWindow(window);
  PumpPending();
}

// ---- the popup-window skinner -----------------------------------------

skin::TSkinPopupMenu* SkinnerOf(HWND popup) {
  for (const auto& p : skin::SkinManager()->Popups())
    if (p->Handle() == popup) return dynamic_cast<skin::TSkinPopupMenu*>(p.get());
  return nullptr;
}

TEST(PopupSkinner, BackgroundBorderAndItsMenu) {
  ASSERT_NE(Skin().MenuBackground, nullptr);
  HWND popup = CreateWindowExA(0, "#32768", nullptr, WS_POPUP, 300, 300, 120, 80, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(popup, nullptr);
  skin::TSkinPopupMenu* skinner = SkinnerOf(popup);
  ASSERT_NE(skinner, nullptr) << "skinned when created";
  EXPECT_EQ(skinner->Background(), nullptr);

  EXPECT_EQ(SendMessageA(popup, WM_NCPAINT, 1, 0), 0);
  ASSERT_NE(skinner->Background(), nullptr);
  const skin::BitmapSize size = skin::SizeOf(skinner->Background());
  EXPECT_EQ(size.width, 120);
  EXPECT_EQ(size.height, 80);
  skin::TDataSkinObject& back = *Skin().MenuBackground;
  skin::OwnedBitmap expected(skin::BuildElement(RECT{0, 0, 120, 80}, back.Image.Handle(), back.Margins(), false,
                                                back.Tile != 0, 1, 1));
  const Pixels built = ReadBitmap(skinner->Background()), reference = ReadBitmap(expected.Get());
  EXPECT_EQ(built.rgb, reference.rgb) << "the MenuBackground element at the window's size";
  EXPECT_EQ(skin::WaitingPopup(), skinner) << "it waits for its menu";

  // The next item drawn names the menu.
  HMENU menu = CreatePopupMenu();
  skin::LinkWaitingPopup(menu);
  EXPECT_EQ(skinner->MenuHandle(), menu);
  EXPECT_EQ(skin::WaitingPopup(), nullptr);
  EXPECT_EQ(skin::SkinManager()->PopupBackground(menu), skinner->Background());

  // WM_PRINT: the background, then the system's drawing inside the border.
  TestCanvas canvas(120, 80, RGB(1, 2, 3));
  SendMessageA(popup, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_NONCLIENT | PRF_CLIENT);
  const Pixels printed = canvas.Read();
  for (POINT p : {POINT{0, 0}, POINT{2, 2}, POINT{119, 79}, POINT{60, 1}, POINT{1, 40}})
    EXPECT_EQ(printed.At(p.x, p.y), reference.At(p.x, p.y)) << "border " << p.x << "," << p.y;
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(canvas.Dc(), clip), 0) << "the limit is removed again";
  DeleteObject(clip);

  // While skinning is off every message goes to the window's own procedure.
  skin::SkinManager()->FSkinning = false;
  HWND other = CreateWindowExA(0, "#32768", nullptr, WS_POPUP, 300, 300, 60, 40, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  skin::SkinManager()->FSkinning = true;
  EXPECT_EQ(SkinnerOf(other), nullptr) << "not skinned while skinning is off";
  DestroyWindow(other);
  DestroyWindow(popup);
  EXPECT_EQ(SkinnerOf(popup), nullptr) << "freed with its window";
  DestroyMenu(menu);
}

TEST(PopupSkinner, ASkinWithoutMenuBackgroundLeavesTheSystemsLook) {
  auto bare = MakeTestSkin();
  HWND popup = CreateWindowExA(0, "#32768", nullptr, WS_POPUP, 300, 300, 60, 40, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  skin::TSkinPopupMenu skinner;
  skinner.Attach(popup, bare.get());
  SendMessageA(popup, WM_NCPAINT, 1, 0);
  EXPECT_EQ(skinner.Background(), nullptr);
  EXPECT_NE(skin::WaitingPopup(), &skinner);
  skinner.Detach();
  DestroyWindow(popup);
}

// A real drop-down on screen.  Under Wine "#32768" windows have no
// non-client area: the WM_NCPAINT they are sent paints the skin's border
// band into the window, where the menu's own painting of the client covers
// it with the system's border; the items, owner-drawn, show the skin (the
// item rectangles are then window coordinates: the offset is 0, on Windows
// the 3-pixel border).  WM_PRINT, which Wine's menu procedure does not
// answer, is tested on a window of its own above.
TEST(PopupSkinner, ItemsOfARealDropDown) {
  HMENU sub = MakeMenu({"&One", "&Two"}, 800);
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&File");
  HWND window = CreateMenuWindow(menu);
  skin::TSkinForm* frame = WaitForFrame(window);
  ASSERT_NE(frame, nullptr);
  bool hasBackground = false;
  POINT offset{-1, -1};
  std::uint32_t itemPixel = 0, backgroundPixel = 0;
  int ticks = 0;
  LoopScript script([&] {
    HWND popup = VisiblePopup();
    if (!popup || skin::TrackingState().first) return false;
    skin::TSkinPopupMenu* skinner = SkinnerOf(popup);
    if (!skinner || !skinner->MenuHandle()) return false;  // linked by the first item drawn
    hasBackground = skinner->Background() != nullptr;
    offset = skinner->ClientOffset();
    // A point near the right end of the second (unselected) item, in the
    // popup window.
    RECT r{};
    GetWindowRect(popup, &r);
    const POINT at{r.right - r.left - 3 - 4, 3 + 21 + 10};
    if (hasBackground) backgroundPixel = ReadBitmap(skinner->Background()).At(at.x, at.y);
    itemPixel = ReadScreen(RECT{r.left + at.x, r.top + at.y, r.left + at.x + 1, r.top + at.y + 1}).At(0, 0);
    // What is drawn reaches the screen when the menu loop next waits.
    if (itemPixel != backgroundPixel && ++ticks < 100) return false;
    SavePng(ReadScreen(WindowWithMenus(window)), OutputDir() + "menu-real-dropdown.png");
    EndMenu();
    return true;
  });
  frame->PressMenuButton(*BarOf(*frame)->Button(0));
  EXPECT_TRUE(PumpUntil([&] { return script.Done() && !frame->FTracking; }));
  EXPECT_TRUE(hasBackground) << "the skinner built the background at WM_NCPAINT";
  EXPECT_EQ(itemPixel, backgroundPixel) << "the item lies over its part of the background";
  if (IsWine()) {
    EXPECT_EQ(offset.x, 0) << "Wine: no non-client area";
    EXPECT_EQ(offset.y, 0);
  } else {
    EXPECT_EQ(offset.x, skin::kPopupBorder);
    EXPECT_EQ(offset.y, skin::kPopupBorder);
  }
  DestroyWindow(window);
  PumpPending();
}

class TContextForm : public vcl::TForm {
 public:
  explicit TContextForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    SetCaption("context");
    SetBounds(120, 120, 0, 0);
    SetClientSize(300, 160);
    Popup1 = new vcl::TPopupMenu(this);
    for (const char* caption : {"剪切(&T)", "复制(&C)", "-", "属性(&R)"}) {
      auto* item = new vcl::TMenuItem(this);
      item->SetCaption(caption);
      Popup1->Items()->Add(item);
    }
    Popup1->Items()->Items(0)->SetShortCut(vcl::scCtrl | 'X');
    Popup1->Items()->Items(3)->SetDefault(true);
  }
  vcl::TPopupMenu* Popup1;
};

TEST(PopupSkinner, AContextMenuOfAPopupMenuComponent) {
  vcl::Owned<TContextForm> form(vcl::New<TContextForm>(vcl::Application));
  form->Show();
  skin::TSkinForm* frame = WaitForFrame(form->Handle());
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(form->Popup1->OwnerDraw()) << "the frame gave its popup-menu components the skin's items";
  HMENU menu = form->Popup1->Handle();
  // Frame 4 of the skin's MenuItem image: its right band is copied as it
  // is, its middle rows are one colour.
  const Pixels image = ReadBitmap(Skin().MenuItem->Image.Handle());
  const int frameWidth = image.width / 5;
  const std::uint32_t frame4 = image.At(4 * frameWidth - 3, image.height / 2);
  bool selectedFirst = false;
  int ticks = 0;
  std::uint32_t selectedPixel = 0;
  LoopScript script([&] {
    HWND popup = VisiblePopup();
    if (!popup) return false;
    if (!selectedFirst) {
      PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
      selectedFirst = true;
      return false;
    }
    if (!(GetMenuState(menu, 0, MF_BYPOSITION) & MF_HILITE)) return false;
    // Near the right end of the first item, in its middle rows.
    RECT r{};
    GetWindowRect(popup, &r);
    const POINT at{r.right - 3 - 3, r.top + 3 + 9};
    selectedPixel = ReadScreen(RECT{at.x, at.y, at.x + 1, at.y + 1}).At(0, 0);
    if (selectedPixel != frame4 && ++ticks < 100) return false;  // not on the screen yet
    SavePng(ReadScreen(WindowWithMenus(form->Handle())), OutputDir() + "menu-context.png");
    EndMenu();
    return true;
  });
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  form->Popup1->Popup(r.left + 40, r.top + 60);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(selectedPixel, frame4)
      << "the selected item is drawn from the skin's fourth MenuItem frame";
}

}  // namespace
}  // namespace vex::test::menus
