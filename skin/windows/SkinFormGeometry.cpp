// TSkinForm: the window's size under the skinned frame and its region.
#include <utility>

#include "skin/data/DrawBounds.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/TSkinForm.h"
#include "widgets/TForm.h"

namespace vex::skin {
namespace {

// The region of a rendered side: its colour-keyed pixels cut away (pure
// magenta, and magenta one step off in any channel).
HRGN KeyedRegion(HBITMAP picture, int x, int y) {
  if (!picture) return nullptr;
  return RegionFromBitmap(picture, x, y, 1, 1, 1, kSkinKey);
}

void AddRect(HRGN region, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  vcl::RegionHandle piece(CreateRectRgn(left, top, right, bottom));
  CombineRgn(region, region, piece.get(), RGN_OR);
}

void AddRegion(HRGN region, HRGN piece) {
  if (!piece) return;
  CombineRgn(region, region, piece, RGN_OR);
  DeleteObject(piece);
}

}  // namespace

void TSkinForm::FitToSkin(bool withMenu) {
  const bool keep = std::exchange(FKeepClient, false);
  if (FWindowState == 1) {
    FrameChanged();
    return;
  }
  RECT client{};
  GetClientRect(FHandle, &client);
  if (keep) {
    client.right = FKeptClient.cx;
    client.bottom = FKeptClient.cy;
  }
  const frame::Size size = frame::SkinnedWindowSize({client.right, client.bottom}, Bands(), withMenu);
  SetWindowPos(FHandle, nullptr, 0, 0, size.width, size.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinForm::KeepClientSize() {
  RECT client{};
  FKeepClient = GetClientRect(FHandle, &client) != FALSE;
  FKeptClient = {client.right, client.bottom};
}

void TSkinForm::FrameChanged() {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinForm::BuildRegion() {
  if (!FSkinData) return;
  RECT r{};
  GetWindowRect(FHandle, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0 || MdiChildAside()) return;
  if (w == FRegionSize.cx && h == FRegionSize.cy && !IsMdiChild() && FSkinState != kSkinApplying) return;

  const TSkinData& s = *FSkinData;
  const frame::BorderTrans trans{s.Left.Trans == 1, s.Right.Trans == 1, s.Top.Trans == 1, s.Bottom.Trans == 1};
  const bool anyTrans = trans.left || trans.right || trans.top || trans.bottom;
  vcl::RegionHandle region(CreateRectRgn(0, 0, anyTrans ? 0 : w, anyTrans ? 0 : h));
  if (anyTrans) {
    FRegionSize = {w, h};
    AddRect(region.get(), FLeftWidth, FTopHeight, w - FRightWidth, h - FBottomHeight);
    if (FBorderKind != 2) {
      const frame::RegionPlan plan = frame::PlanRegion(trans, {w, h}, Bands());
      if (plan.leftKeyed) {
        AddRegion(region.get(), KeyedRegion(CachedBorder(fsLeft, FLeftWidth, h), 0, 0));
      } else {
        AddRect(region.get(), 0, 0, FLeftWidth, h);
      }
      if (plan.rightKeyed) {
        AddRegion(region.get(), KeyedRegion(CachedBorder(fsRight, FRightWidth, h), w - FRightWidth, 0));
      } else {
        AddRect(region.get(), w - FRightWidth, 0, w, h);
      }
      const int inner = w - FLeftWidth - FRightWidth;
      if (plan.bottomKeyed) {
        AddRegion(region.get(), KeyedRegion(CachedBorder(fsBottom, inner, FBottomHeight), FLeftWidth, h - FBottomHeight));
      } else {
        AddRect(region.get(), FLeftWidth, h - FBottomHeight, w - FRightWidth, h);
      }
      if (plan.topKeyed) {
        // The title as painted, so that caption text and buttons count too;
        // composed at this width first, or the region would keep the
        // corners of the width before a resize.
        FWindowRect = r;
        FWidth = w;
        FHeight = h;
        const bool composed = ComposeTitle();
        OwnedBitmap top;
        if (composed && FTitle.size.cx == w && bounds::BitmapFits(inner, FTopHeight)) {
          ScreenDc screen;
          top.Reset(CreateCompatibleBitmap(screen.Get(), inner, FTopHeight));
          MemoryDc to(top.Get()), from(FTitle.bitmap.get());
          BitBlt(to.Get(), 0, 0, inner, FTopHeight, from.Get(), FLeftWidth, 0, SRCCOPY);
        }
        AddRegion(region.get(), KeyedRegion(top ? top.Get() : CachedBorder(fsTop, inner, FTopHeight), FLeftWidth, 0));
      } else {
        AddRect(region.get(), FLeftWidth, 0, w - FRightWidth, FTopHeight);
      }
    }
  }
  // The window owns the region from here on.  Only the frame is painted
  // again: the client area looks the same whatever the region's corners, and
  // repainting it (and every control) at each step of a resize would make
  // the window flicker.
  if (SetWindowRgn(FHandle, region.get(), FALSE)) {
    region.release();
    FHasRegion = true;
    if (FSkinState == kSkinActive || FSkinState == kSkinApplying) PaintFrame();
  }
}

void TSkinForm::DropRegion() {
  if (!FHasRegion) return;
  FTitle = TTitlePicture{};
  FSpareTitle = TTitlePicture{};
  SetWindowRgn(FHandle, nullptr, FALSE);
  FHasRegion = false;
}

void TSkinForm::ApplySkin() {
  if (FForm && FSkinData) {
    FForm->SetColor(FSkinData->ButtonFace);
    for (int i = 0; i < FForm->ComponentCount(); ++i) {
      if (auto* owned = dynamic_cast<vcl::TForm*>(FForm->Components(i))) owned->SetColor(FSkinData->ButtonFace);
    }
  }
  for (TFrameSkinner* skinner : ControlSkinners) skinner->SkinChanged();
  DropPictures();
  FSkinState = kSkinApplying;
  if (FForm && FSkinData) MenuLayer().SetPopupOwnerDraw(*FForm, *FSkinData, true);
  FitToSkin(true);
  BuildRegion();
  FSkinState = kSkinActive;
}

bool TSkinForm::MdiChildMaximized() {
  if (!IsMdiFrame() || !FClientWnd) return false;
  BOOL maximized = FALSE;
  const auto active = reinterpret_cast<HWND>(
      SendMessageA(FClientWnd, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

}  // namespace vex::skin
