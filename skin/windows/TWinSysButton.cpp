// Caption objects: the mouse reactions every non-client object shares, and
// the caption buttons drawn from the skin.
#include "skin/data/DrawBounds.h"
#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/SkinMessages.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinForm.h"

namespace vex::skin {

void TNCObject::MouseDown() {
  if (FForm->FHotObject && FForm->FHotObject != this) FForm->FHotObject->MouseLeave();
  if (!FVisible) return;
  FForm->FHotObject = this;
  FState = kObjectPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!FVisible) return;
  FState = kObjectHot;
  Paint();
}

void TNCObject::MouseMove() {
  if (FForm->FHotObject == this) return;
  if (FForm->FHotObject) FForm->FHotObject->MouseLeave();
  if (!FVisible) return;
  FForm->FHotObject = this;
  FState = kObjectHot;
  Paint();
}

// An invisible object does nothing, so it may stay the hot object until the
// next full paint clears it.
void TNCObject::MouseLeave() {
  if (!FVisible) return;
  FForm->FHotObject = nullptr;
  FState = kObjectNormal;
  Paint();
}

TWinSysButton::TWinSysButton(TSkinForm* form, TDataSkinSysButton* skinButton)
    : TNCObject(form), FSkinButton(skinButton) {}

namespace {

bool IsMdiButton(const TDataSkinSysButton& b) { return b.Visibility == 100; }

}  // namespace

void TWinSysButton::DrawFrame(HDC dc, int frame) {
  TDataSkinSysButton& b = *FSkinButton;
  if (frame::IsIconAction(b.Action)) {
    DrawFrameImage(dc, FRect, FForm->FSmallIcon.get(), true, 1);
    return;
  }
  // An image with fewer frames than the state asks for shows its last one.
  DrawFrameImage(dc, FRect, b.Image.Handle(), true, frame::ButtonFrame(frame, b.FrameCount));
}

// Straight onto the window: the title as painted before its buttons, then the
// state's frame, composed off screen so the button never flickers.  The MDI
// buttons sit on the menu bar, which keeps no such copy; they are drawn over
// what is shown.
void TWinSysButton::Paint() {
  TDataSkinSysButton& b = *FSkinButton;
  if (b.Image.Empty()) return;
  const int frame = IsMdiButton(b) && FState == kObjectHot ? 4 : FState;
  HDC dc = GetWindowDC(FForm->Handle());
  if (!dc) return;
  const int w = FRect.right - FRect.left, h = FRect.bottom - FRect.top;
  if (!IsMdiButton(b) && FForm->FTitle.back && bounds::BitmapFits(w, h)) {
    ScreenDc screen;
    OwnedBitmap work(CreateCompatibleBitmap(screen.Get(), w, h));
    {
      MemoryDc to(work.Get()), back(FForm->FTitle.back.get());
      BitBlt(to.Get(), 0, 0, w, h, back.Get(), FRect.left, FRect.top, SRCCOPY);
      const RECT saved = FRect;
      FRect = RECT{0, 0, w, h};
      DrawFrame(to.Get(), frame);
      FRect = saved;
      BitBlt(dc, FRect.left, FRect.top, w, h, to.Get(), 0, 0, SRCCOPY);
    }
  } else {
    DrawFrame(dc, frame);
  }
  ReleaseDC(FForm->Handle(), dc);
}

void TWinSysButton::DoButtonAction(POINT screen) {
  const int action = FSkinButton->Action;
  switch (frame::CommandFor(action)) {
    case frame::ButtonCommand::kClose:
      FForm->HoverStop();
      PostMessageA(FForm->Handle(), WM_CLOSE, 0, 0);
      break;
    case frame::ButtonCommand::kMaximize: FForm->Maximize(); break;
    case frame::ButtonCommand::kMinimize: FForm->Minimize(); break;
    case frame::ButtonCommand::kSystemMenu: FForm->ShowSystemMenu(screen); break;
    case frame::ButtonCommand::kMdiMinimize: FForm->MdiCommand(SC_MINIMIZE); break;
    case frame::ButtonCommand::kMdiRestore: FForm->MdiCommand(SC_RESTORE); break;
    case frame::ButtonCommand::kMdiClose: FForm->MdiCommand(SC_CLOSE); break;
    case frame::ButtonCommand::kPost:
      PostMessageA(FForm->Handle(), WM_SKINBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TSkinForm::LayoutButtons() {
  const frame::WindowFacts facts = Facts();
  frame::FrameFacts frameFacts;
  frameFacts.windowWidth = FWidth;
  frameFacts.textRect = frame::Rect{FTextRect.left, FTextRect.top, FTextRect.right, FTextRect.bottom};
  frameFacts.bands = Bands();
  frameFacts.menuBarLeftWidth = FSkinData && FSkinData->MenuBar ? FSkinData->MenuBar->LeftWidth : 0;
  for (auto& button : FButtons) {
    TDataSkinSysButton& b = *button->FSkinButton;
    button->FVisible = frame::ButtonVisible(b.Visibility, b.Visibility1, b.Action, facts);
    if (!button->FVisible || b.Image.Empty()) continue;
    const frame::ButtonPlaceInput input{b.Align, b.Xcoord, b.Ycoord, frame::FrameExtent(b.Image.Width(), b.FrameCount),
                                        b.Image.Height()};
    const frame::Rect r = frame::PlaceButton(input, frameFacts);
    button->FRect = RECT{r.left, r.top, r.right, r.bottom};
  }
}

void TSkinForm::DrawButtons(HDC dc) {
  const frame::WindowFacts facts = Facts();
  for (auto& button : FButtons) {
    TDataSkinSysButton& b = *button->FSkinButton;
    button->FVisible = frame::ButtonVisible(b.Visibility, b.Visibility1, b.Action, facts);
    if (!button->FVisible || b.Image.Empty() || IsMdiButton(b)) continue;
    button->DrawFrame(dc, FActive || b.FrameCount < 4 ? 1 : 4);
  }
}

TNCObject* TSkinForm::ButtonAt(POINT p) {
  for (auto& button : FButtons) {
    if (button->FVisible && button->FSkinButton->Action >= 0 && PtInRect(&button->FRect, p)) return button.get();
  }
  return nullptr;
}

bool TSkinForm::IsMaximizeButton(const TNCObject* object) const {
  for (const auto& button : FButtons)
    if (button.get() == object) return frame::CommandFor(button->FSkinButton->Action) == frame::ButtonCommand::kMaximize;
  return false;
}

}  // namespace vex::skin
