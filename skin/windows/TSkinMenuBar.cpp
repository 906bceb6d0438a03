// TSkinMenuBar: building the buttons from the window's menu and painting
// the band.  The band is composed in the shared scratch bitmap and copied in
// one transfer; a copy without captions stays in FBackground, which a button
// repaints its column from.
#include "skin/data/DrawBounds.h"
#include "skin/windows/TSkinMenuBar.h"

#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/MenuGeometry.h"
#include "skin/windows/MenuText.h"
#include "skin/windows/MenuTracking.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "widgets/TForm.h"
#include "widgets/TMenu.h"

namespace vex::skin {
namespace {

// The `index`-th item of a main menu as the native menu shows it (hidden
// items have no native item).
vcl::TMenuItem* VisibleItem(vcl::TMainMenu* menu, int index) {
  if (!menu) return nullptr;
  vcl::TMenuItem* root = menu->Items();
  for (int i = 0, seen = 0; i < root->Count(); ++i) {
    vcl::TMenuItem* item = root->Items(i);
    if (!item->Visible()) continue;
    if (seen++ == index) return item;
  }
  return nullptr;
}

SIZE CaptionExtent(HDC dc, const std::string& caption) {
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

TSkinMenuBar::TSkinMenuBar(TSkinForm& frame) : FSkinData(frame.SkinData()), FFrame(&frame) {
  if (vcl::TForm* form = frame.Form()) FMainMenu = form->Menu();
}

TSkinMenuBar::~TSkinMenuBar() { ForgetMenuBar(this); }

TMenuBtn* TSkinMenuBar::Button(int index) const {
  return index >= 0 && index < Count() ? FButtons[static_cast<std::size_t>(index)].get() : nullptr;
}

int TSkinMenuBar::IndexOf(const TNCObject* button) const {
  for (int i = 0; i < Count(); ++i) {
    if (FButtons[static_cast<std::size_t>(i)].get() == button) return i;
  }
  return -1;
}

void TSkinMenuBar::Build() {
  const HWND window = FFrame->Handle();
  HMENU menu = GetMenu(window);
  vcl::TForm* form = FFrame->Form();
  if (form) FMainMenu = form->Menu();
  // A form's changed menu items come without the menu on the window (the bar
  // took it): the form's menu, or for a foreign window the one taken before.
  if (!menu) menu = form ? (FMainMenu ? FMainMenu->Handle() : nullptr) : (FMenu && IsMenu(FMenu) ? FMenu : nullptr);
  FOwnerDrawn.Restore();
  FMenu = menu;
  if (FFrame->FHotObject && IndexOf(FFrame->FHotObject) >= 0) FFrame->FHotObject = nullptr;
  FButtons.clear();
  FCount = menu ? GetMenuItemCount(menu) : 0;
  if (FCount <= 0) {
    FCount = 0;
    return;
  }
  for (int i = 0; i < FCount; ++i) {
    auto button = std::make_unique<TMenuBtn>(FFrame, this, FSkinData, i);
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mi);
    button->FSubMenu = mi.hSubMenu;
    button->FEnabled = (mi.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    button->FVisible = true;
    button->FCommand = mi.wID;
    button->FCaption = MenuItemText(menu, static_cast<UINT>(i), true);
    if (button->FCaption.empty()) {
      if (vcl::TMenuItem* item = VisibleItem(FMainMenu, i)) {
        button->FCaption = item->Caption();
        button->FEnabled = item->Enabled();
        button->FSubMenu = item->Count() > 0 ? item->Handle() : nullptr;
      }
    }
    FButtons.push_back(std::move(button));
  }
  SetMenu(window, nullptr);
}

void TSkinMenuBar::RestoreNativeMenu() {
  FOwnerDrawn.Restore();
  if (FMenu && IsMenu(FMenu) && IsWindow(FFrame->Handle())) SetMenu(FFrame->Handle(), FMenu);
}

void TSkinMenuBar::Paint(HDC dc, const RECT& band) {
  TScratchBitmap* scratch = ScratchBitmap();
  const int w = band.right - band.left, h = band.bottom - band.top;
  if (!scratch || !FSkinData || w <= 0 || h <= 0) return;
  scratch->SetSize(w, h);
  HDC work = scratch->Dc();
  const RECT all{0, 0, w, h};
  const TDataSkinObject* bar = FSkinData->MenuBar.get();
  if (bar && !bar->Image.Empty()) {
    const int frame = FFrame->FActive ? 1 : 2;
    const RECT margins{bar->LeftWidth, 0, bar->RightWidth, 0};
    HBITMAP image = const_cast<TDataSkinObject*>(bar)->Image.Handle();
    if (bar->Tile == 1)
      DrawElement(work, all, image, true, false, false, 2, frame, margins);
    else
      DrawStrip(work, all, image, true, false, 2, frame, margins);
  } else {
    vcl::BrushHandle fill(CreateSolidBrush(vcl::ColorToRGB(FSkinData->Menubar)));
    FillRect(work, &all, fill.get());
  }
  const int firstX = menu::FirstButtonX(bar != nullptr, bar ? bar->LeftWidth : 0, w);

  FBarRect = band;
  {
    ScreenDc screen;
    if (!FBackground || SizeOf(FBackground.get()).width != w || SizeOf(FBackground.get()).height != h)
      FBackground.reset(bounds::BitmapFits(w, h) ? CreateCompatibleBitmap(screen.Get(), w, h) : nullptr);
    if (FBackground) {
      MemoryDc copy(FBackground.get());
      BitBlt(copy.Get(), 0, 0, w, h, work, 0, 0, SRCCOPY);
    }
  }

  {
    vcl::DcState state(work);
    SelectObject(work, MenuFont(false, FSkinData->Dpi()));
    SetBkMode(work, TRANSPARENT);
    FPainting = true;
    std::vector<int> widths;
    widths.reserve(FButtons.size());
    for (const auto& button : FButtons) widths.push_back(CaptionExtent(work, button->FCaption).cx);
    const frame::Rect bandRect{band.left, band.top, band.right, band.bottom};
    const std::vector<frame::Rect> rects = menu::LayoutButtons(bandRect, firstX, widths);
    // A band painted while a drop-down is open keeps its button pressed.
    const int open = OpenButtonIndex(this);
    vcl::BrushHandle outline(CreateSolidBrush(vcl::ColorToRGB(FSkinData->ButtonHilight)));
    for (std::size_t i = 0; i < FButtons.size(); ++i) {
      TMenuBtn& button = *FButtons[i];
      const frame::Rect& r = rects[i];
      button.FRect = RECT{r.left, r.top, r.right, r.bottom};
      const RECT local{r.left - band.left, r.top - band.top, r.right - band.left, r.bottom - band.top};
      if (static_cast<int>(i) == open) FrameRect(work, &local, outline.get());
      const vcl::TColor colour = button.FEnabled ? FSkinData->MenuBarText : FSkinData->ButtonShadow;
      DrawMenuCaption(work, local, button.FCaption, vcl::ColorToRGB(colour), button.FEnabled,
                      FFrame->HidesAccessKeys());
    }
    FPainting = false;
  }

  // A maximised MDI child's minimise, restore and close buttons sit in the band.
  if (FFrame->IsMdiFrame() && FFrame->MdiChildMaximized()) {
    for (const auto& sys : FFrame->FButtons) {
      TDataSkinSysButton& b = *sys->FSkinButton;
      if (b.Visibility != 100 || b.Image.Empty() || !sys->FVisible) continue;
      RECT r = sys->FRect;
      OffsetRect(&r, -band.left, -band.top);
      DrawFrameImage(work, r, b.Image.Handle(), true, 1);
    }
    TSkinManage* manager = SkinManager();
    if (manager && !manager->FMdiMax) manager->SetMdiMax(true);
  }
  scratch->CopyTo(dc, band.left, band.top);
}

TNCObject* TSkinMenuBar::MenuButtonAt(POINT p) {
  std::vector<frame::Rect> rects;
  std::vector<menu::BarButton> facts;
  rects.reserve(FButtons.size());
  facts.reserve(FButtons.size());
  for (const auto& button : FButtons) {
    const RECT& r = button->FRect;
    rects.push_back(frame::Rect{r.left, r.top, r.right, r.bottom});
    facts.push_back(menu::BarButton{button->FCaption, button->FEnabled});
  }
  return Button(menu::ButtonAt(rects, facts, p.x, p.y));
}

}  // namespace vex::skin
