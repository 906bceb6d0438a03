#include "skin/data/DrawBounds.h"
#include "skin/controls/TSkinTab.h"

#include <commctrl.h>

#include "skin/controls/TSkinUpDown.h"
#include "skin/controls/TabGeometry.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/TSkinData.h"
#include "widgets/Handles.h"

namespace vex::skin {

using controls::TabStrip;

namespace {

controls::Rect Of(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT Of(const controls::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The bitmap turned in place (a new bitmap of swapped sides).
void Turn(vcl::TBitmap& bitmap, void (*turn)(HBITMAP&)) {
  HBITMAP handle = bitmap.ReleaseHandle();
  turn(handle);
  bitmap.SetHandle(handle);
}
void Turn(OwnedBitmap& bitmap, void (*turn)(HBITMAP&)) {
  HBITMAP handle = bitmap.Release();
  turn(handle);
  bitmap.Reset(handle);
}

}  // namespace

TSkinTab::~TSkinTab() { Detach(); }

void TSkinTab::AttachHandle(HWND window, TSkinData* skin, vcl::TCanvas* canvas) {
  TSkinControl::AttachHandle(window, skin, canvas);
  if (!Attached()) return;
  PrepareImages();
  FindTabUpDown();
}

void TSkinTab::ReleaseUpDown() {
  if (TSkinUpDown* upDown = FUpDown) {
    FUpDown = nullptr;
    upDown->Detach();
    upDown->Release();
  }
}

void TSkinTab::Detach() {
  ReleaseUpDown();
  TSkinControl::Detach();
}

void TSkinTab::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareImages();
}

void TSkinTab::ReadTabPosition() {
  TabPosition = controls::TabPositionFromStyle(static_cast<std::uint32_t>(GetWindowLongPtrA(Handle, GWL_STYLE)));
}

void TSkinTab::PrepareImages() {
  ReadTabPosition();
  TDataSkinBorder* tabs = SkinData ? SkinData->Tabs.get() : nullptr;
  if (!tabs || tabs->Image.Empty() || tabs->BorderImage.Empty()) return;
  TabImage.Assign(tabs->Image);
  TabImage.SetPixelFormat(vcl::pf24bit);
  TabBorderImage.Assign(tabs->BorderImage);
  TabBorderImage.SetPixelFormat(vcl::pf24bit);
  switch (TabPosition) {
    case controls::kTabsBottom:
      Turn(TabImage, FlipVertical);
      Turn(TabBorderImage, FlipVertical);
      break;
    case controls::kTabsLeft: Turn(TabBorderImage, RotateLeft); break;
    case controls::kTabsRight: Turn(TabBorderImage, RotateRight); break;
    default: break;
  }
  Pictures().Clear();
}

bool TSkinTab::FindTabUpDown() {
  HWND arrows = FindWindowExA(Handle, nullptr, UPDOWN_CLASSA, nullptr);
  // Arrows made again by the control get a skinner again.
  if (FUpDown && (!FUpDown->Attached() || FUpDown->Handle != arrows)) ReleaseUpDown();
  if (arrows && !FUpDown) {
    FUpDown = new TSkinUpDown(nullptr);
    FUpDown->AttachHandle(arrows, SkinData, Canvas);
  }
  return arrows && (GetWindowLongPtrA(arrows, GWL_STYLE) & WS_VISIBLE);
}

void TSkinTab::DrawTab(HDC dc, const RECT& rect, int frame) {
  TDataSkinBorder& tabs = *SkinData->Tabs;
  DrawSkinFrame(Pictures(), dc, rect, TabImage, tabs.Margins(), tabs.FrameCount, frame, tabs.Tile != 0,
                tabs.Trans != 0);
}

void TSkinTab::DrawTabCaption(HDC dc, const RECT& rect, const std::string& text, int imageIndex, HIMAGELIST images) {
  const UINT format = DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS;
  RECT measured = rect;
  int width = 0, height = 0;
  if (!text.empty()) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT | DT_NOCLIP);
    width = measured.right - measured.left;
    height = measured.bottom - measured.top;
  }
  const controls::TabCaption at = controls::PlaceTabCaption(Of(rect), width, height, imageIndex != -1);
  if (imageIndex != -1) ImageList_Draw(images, imageIndex, dc, at.icon.left, at.icon.top, ILD_TRANSPARENT);
  if (text.empty()) return;
  vcl::DcState saved(dc);
  SetBkMode(dc, TRANSPARENT);
  if (!Enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  RECT place = Of(at.text);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &place, format);
}

void TSkinTab::BlitStrip(HDC dc, const RECT& strip) {
  HWND arrows = FUpDown ? FUpDown->Handle : nullptr;
  RECT window{}, around{};
  GetWindowRect(Handle, &window);
  vcl::DcState saved(dc);
  if (arrows && GetWindowRect(arrows, &around)) {
    OffsetRect(&around, -window.left, -window.top);
    ExcludeClipRect(dc, around.left, around.top, around.right, around.bottom);
  }
  MemoryDc work(WorkBitmap.Get());
  BitBlt(dc, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top, work.Get(), 0, 0, SRCCOPY);
}

void TSkinTab::Draw(HDC dc, const RECT& r) {
  TDataSkinBorder* tabs = SkinData ? SkinData->Tabs.get() : nullptr;
  if (!tabs || tabs->Image.Empty() || !Handle) return;
  RefreshEnabled();
  RECT adjusted = r;
  SendMessageA(Handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
  const TabStrip strip = controls::LayoutTabStrip(Of(r), Of(adjusted), TabPosition);
  const int count = static_cast<int>(SendMessageA(Handle, TCM_GETITEMCOUNT, 0, 0));
  const int selected = static_cast<int>(SendMessageA(Handle, TCM_GETCURFOCUS, 0, 0));
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(Handle, TCM_GETIMAGELIST, 0, 0));
  const int ww = strip.work.width, wh = strip.work.height;
  if (bounds::BitmapFits(ww, wh)) {
    if (SizeOf(WorkBitmap.Get()).width != ww || SizeOf(WorkBitmap.Get()).height != wh) {
      ScreenDc screen;
      WorkBitmap.Reset(CreateCompatibleBitmap(screen.Get(), ww, wh));
    }
    if (!WorkBitmap) return;
    const bool across = TabPosition == controls::kTabsTop || TabPosition == controls::kTabsBottom;
    {
      MemoryDc work(WorkBitmap.Get());
      HDC w = work.Get();
      FillFace(w, RECT{0, 0, ww, wh});
      if (Font) SelectObject(w, Font);
      for (int i = 0; i < count; ++i) {
        char text[80] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        item.iImage = -1;
        SendMessageA(Handle, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        RECT tab{};
        if (!SendMessageA(Handle, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab))) continue;
        const RECT at = Of(controls::TabInStrip(Of(tab), TabPosition, strip, Of(r)));
        const int frame = i == selected ? 2 : 1;
        DrawTab(w, at, frame);
        if (across && Font) SelectObject(w, Font);
        SetTextColor(w, vcl::ColorToRGB(frame == 1 ? tabs->NormalColour2 : tabs->MouseOverColour2));
        if (images)
          DrawTabCaption(w, at, text, item.iImage, images);
        else
          DrawCaption(w, at, DT_CENTER, Enabled, text);
      }
    }
    if (TabPosition == controls::kTabsRight) Turn(WorkBitmap, RotateRight);
    if (TabPosition == controls::kTabsLeft) Turn(WorkBitmap, RotateLeft);
    if (FindTabUpDown()) {
      BlitStrip(dc, Of(strip.strip));
    } else {
      MemoryDc work(WorkBitmap.Get());
      BitBlt(dc, strip.strip.left, strip.strip.top, strip.strip.Width(), strip.strip.Height(), work.Get(), 0, 0,
             SRCCOPY);
    }
  }
  if (!tabs->BorderImage.Empty() && !TabBorderImage.Empty()) {
    const controls::Rect& m = controls::kTabBorderMargins;
    DrawElementBorder(dc, Of(strip.display), TabBorderImage.Handle(), false, 1, 1,
                      RECT{m.left, m.top, m.right, m.bottom});
  }
}

}  // namespace vex::skin
