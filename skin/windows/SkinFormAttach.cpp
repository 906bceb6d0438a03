// TSkinForm: attaching to a window and detaching from it.

#include <windows.h>

#include <cstddef>

#include "skin/data/BitmapHelpers.h"
#include "skin/data/GdiScope.h"
#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/SkinMessages.h"
#include "skin/windows/TNCObject.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/TSkinManage.h"
#include "skin/windows/UiState.h"
#include "skin/windows/WindowSubclass.h"
#include "widgets/TForm.h"
#include "widgets/WindowDpi.h"

namespace vex::skin {
namespace {

// The caption font of the system's non-client metrics.  The structure is
// taken without the padded-border field, which older systems reject.
HFONT CreateCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return nullptr;
  return CreateFontIndirectA(&metrics.lfCaptionFont);
}

HWND FindMdiClient(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClassName(child) == "MDIClient") return child;
  }
  return nullptr;
}

HBITMAP CopyBitmap(HBITMAP source) {
  const BitmapSize size = SizeOf(source);
  if (size.width <= 0 || size.height <= 0) return nullptr;
  ScreenDc screen;
  OwnedBitmap copy(CreateCompatibleBitmap(screen.Get(), size.width, size.height));
  if (!copy) return nullptr;
  MemoryDc from(source), to(copy.Get());
  BitBlt(to.Get(), 0, 0, size.width, size.height, from.Get(), 0, 0, SRCCOPY);
  return copy.Release();
}

}  // namespace

TSkinForm::TSkinForm() : vcl::TComponent(nullptr) {}

TSkinForm::~TSkinForm() {
  Detach();
  ClearButtons();
  FreeControlSkinners();
}

void TSkinForm::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  vcl::TComponent::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FSkinData) FSkinData = nullptr;
}

void TSkinForm::Release() {
  if (FMessageDepth > 0) {
    FFreeWhenDone = true;
    return;
  }
  Free();
}

void TSkinForm::AttachForm(TSkinData* skin, vcl::TForm* form) {
  FForm = form;
  form->SetAutoScroll(false);
  FOldWindowProc = form->WindowProc;
  form->WindowProc = [this](vcl::TMessage& m) { FormWindowProc(m); };
  AttachWindow(skin);
  FOldColor = form->Color();
  if (FSkinData) {
    form->SetColor(FSkinData->ButtonFace);
    MenuLayer().SetPopupOwnerDraw(*form, *FSkinData, true);
  }
}

void TSkinForm::AttachWindow(TSkinData* skin) {
  if (FAttached || !FHandle) return;
  FAttached = true;
  FSkinData = skin;
  if (skin) FreeNotification(skin);
  FCaptionFont.reset(CreateCaptionFont());

  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(FHandle, GWL_EXSTYLE);
  FSystemMenu = GetSystemMenu(FHandle, FALSE);
  MakeSmallIcon();

  RECT window{}, client{};
  GetWindowRect(FHandle, &window);
  GetClientRect(FHandle, &client);
  FNativeFrame = {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
  FNativeIcons = ((style & WS_SYSMENU) || FSystemMenu ? 8u : 0u) | (style & WS_MINIMIZEBOX ? 2u : 0u) |
                 (style & WS_MAXIMIZEBOX ? 1u : 0u);
  ReadWindowState();
  FUiState = QueryUiState(FHandle);

  FMdiKind = 0;
  if (HWND mdiClient = FindMdiClient(FHandle)) {
    FMdiKind = 1;
    FClientWnd = mdiClient;
    if (TSkinManage* manager = SkinManager()) manager->FMdiClient = mdiClient;
  }
  if (exStyle & WS_EX_MDICHILD) FMdiKind = 2;

  if ((exStyle & WS_EX_WINDOWEDGE) || (style & WS_THICKFRAME))
    FBorderKind = 0;
  else if ((style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION)
    FBorderKind = 2;
  else
    FBorderKind = 3;

  // A child window's "menu" is its id.
  FNativeMenu = (style & WS_CHILD) ? nullptr : GetMenu(FHandle);
  if (FNativeMenu && !IsMdiChild()) {
    FMenuBar = MenuLayer().CreateMenuBar(*this);
    if (FMenuBar) {
      // The bar's height at the window's own DPI: SM_CYMENU alone answers
      // for the system's DPI, not a per-monitor window's.
      FMenuHeight = vcl::SystemMetricForDpi(SM_CYMENU, WindowDpi(FHandle));
      FMenuBar->Build();
      if (!FMenuBar->HasButtons()) {
        FMenuBar.reset();  // no items: the window keeps its native bar
        FMenuHeight = 0;
      }
    }
  }

  FSubclassed = TSubclass::Install(FHandle, TSubclassKind::kFrame, FrameSubclassProc, this);
  TSkinManage* manager = SkinManager();
  if (!(IsMdiChild() && manager && manager->FMdiMax)) SetNativeIcons(false);
  if (IsMdiFrame()) SubclassClient();
  BuildGeometry();
  if (FForm)
    ControlLayer().SkinFormControls(*this, *FForm);
  else
    ControlLayer().SkinChildWindows(*this);
  RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  // Children the client has already (skinning switched on again) are not
  // announced again: they are skinned with their frame.
  if (IsMdiFrame() && manager) {
    for (HWND child = GetWindow(FClientWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_MDICHILD) manager->SkinWindow(child);
    }
  }
}

void TSkinForm::MakeSmallIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  ScreenDc screen;
  FSmallIcon.reset(CreateCompatibleBitmap(screen.Get(), cx, cy));
  if (!FSmallIcon) return;
  MemoryDc dc(FSmallIcon.get());
  {
    vcl::BrushHandle key(CreateSolidBrush(kSkinKey));
    const RECT all{0, 0, cx, cy};
    FillRect(dc.Get(), &all, key.get());
  }
  auto icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  if (icon) {
    HICON copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
    if (!copy) copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, 0));
    DrawIconEx(dc.Get(), 0, 0, copy ? copy : icon, cx, cy, 0, nullptr, DI_NORMAL);
    if (copy) DestroyIcon(copy);
    return;
  }
  // No icon of its own: the skin's fallback icon, or that of a main skin.
  vcl::TBitmap* fallback = FSkinData && !FSkinData->DefaultIcon.Empty() ? &FSkinData->DefaultIcon : nullptr;
  if (!fallback) {
    if (TSkinManage* manager = SkinManager()) {
      for (TSkinData* s : manager->SkinDatas()) {
        if (s->SkinFormtype == sfMainform && !s->DefaultIcon.Empty()) fallback = &s->DefaultIcon;
      }
    }
  }
  if (!fallback) return;
  MemoryDc from(fallback->Handle());
  BitBlt(dc.Get(), 0, 0, cx, cy, from.Get(), 0, 0, SRCCOPY);
}

void TSkinForm::FreeControlSkinners() {
  HotControl = nullptr;
  std::vector<TFrameSkinner*> skinners;
  skinners.swap(ControlSkinners);
  for (TFrameSkinner* s : skinners) {
    s->Detach();
    s->Release();
  }
}

void TSkinForm::Detach() {
  if (!FAttached) return;
  FAttached = false;
  const bool dying = FSkinState == kSkinReleasing;
  SetHoverTicking(false);
  SetNativeIcons(true);
  if (FForm && FOldWindowProc) {
    FForm->WindowProc = FOldWindowProc;
    FOldWindowProc = nullptr;
  }
  if (FSubclassed) {
    TSubclass::Remove(FHandle, TSubclassKind::kFrame);
    FSubclassed = false;
  }
  FreeControlSkinners();
  if (FForm) {
    if (FSkinData) MenuLayer().SetPopupOwnerDraw(*FForm, *FSkinData, false);
    if (!dying) FForm->SetColor(FOldColor);
  }
  if (FMenuBar) {
    FMenuBar->RestoreNativeMenu();
    FMenuBar.reset();
  }
  UnsubclassClient();
  DropPictures();
  FHotObject = nullptr;
  // A window on its way out is neither resized nor reshaped: its size
  // messages would reach code that is tearing itself down.
  if (dying || !IsWindow(FHandle)) return;
  RECT r{};
  GetWindowRect(FHandle, &r);
  const frame::Size size = frame::NativeWindowSize({r.right - r.left, r.bottom - r.top},
                                                   {FNativeFrame.cx, FNativeFrame.cy}, Bands());
  POINT origin{r.left, r.top};
  if (IsMdiChild()) {
    TSkinManage* manager = SkinManager();
    HWND client = manager && manager->FMdiClient ? manager->FMdiClient : GetParent(FHandle);
    ScreenToClient(client, &origin);
  } else if (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_CHILD) {
    ScreenToClient(GetParent(FHandle), &origin);
  }
  SetWindowPos(FHandle, nullptr, origin.x, origin.y, size.width, size.height,
               SWP_NOACTIVATE | SWP_NOZORDER | SWP_FRAMECHANGED);
  SetWindowRgn(FHandle, nullptr, TRUE);
  FHasRegion = false;
}

void TSkinForm::SetNativeIcons(bool on) {
  TSkinManage* manager = SkinManager();
  if (IsMdiChild() && manager && manager->FMdiMax && !on) return;
  if (!IsWindow(FHandle)) return;
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  LONG_PTR wanted = style & ~static_cast<LONG_PTR>(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  if (on) {
    if (FNativeIcons & 8) wanted |= WS_SYSMENU;
    if (FNativeIcons & 2) wanted |= WS_MINIMIZEBOX;
    if (FNativeIcons & 1) wanted |= WS_MAXIMIZEBOX;
  }
  if (wanted != style) SetWindowLongPtrA(FHandle, GWL_STYLE, wanted);
}

void TSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(FHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: FWindowState = 2; break;
    case SW_SHOWMAXIMIZED: FWindowState = 1; break;
    default: FWindowState = 0; break;
  }
}

frame::WindowFacts TSkinForm::Facts() {
  frame::WindowFacts f;
  f.maximized = FWindowState == 1;
  f.active = FActive;
  f.systemMenu = (FNativeIcons & 8) != 0;
  f.minimizeBox = (FNativeIcons & 2) != 0;
  f.maximizeBox = (FNativeIcons & 1) != 0;
  f.borderKind = FBorderKind;
  f.menuHeight = FMenuHeight;
  f.mdiChildMaximized = IsMdiFrame() && MdiChildMaximized();
  return f;
}

// Caption buttons are made for the skin's caption-button list; an icon button
// takes its size from the window's small icon.
void TSkinForm::BuildGeometry() {
  if (!FSkinData || FSkinData->NoSkin) return;
  DropPictures();
  if (FBorderKind == 2) {
    FLeftWidth = FTopHeight = FRightWidth = FBottomHeight = 0;
    FMenuHeight = 0;
  } else {
    FTopHeight = frame::FrameExtent(FSkinData->Top.Image.Height(), FSkinData->Top.FrameCount);
    FLeftWidth = frame::FrameExtent(FSkinData->Left.Image.Width(), FSkinData->Left.FrameCount);
    FRightWidth = frame::FrameExtent(FSkinData->Right.Image.Width(), FSkinData->Right.FrameCount);
    FBottomHeight = frame::FrameExtent(FSkinData->Bottom.Image.Height(), FSkinData->Bottom.FrameCount);
  }
  ClearButtons();
  for (const auto& skinButton : FSkinData->SysButtons) {
    if (frame::IsIconAction(skinButton->Action)) {
      if (skinButton->Image.Empty()) skinButton->Image.SetHandle(CopyBitmap(FSmallIcon.get()));
      if (FSkinData->DefaultIcon.Empty()) FSkinData->DefaultIcon.SetHandle(CopyBitmap(FSmallIcon.get()));
      skinButton->FrameCount = 1;
    }
    FButtons.push_back(std::make_unique<TWinSysButton>(this, skinButton.get()));
  }
}

void TSkinForm::ClearButtons() {
  FTitle.valid = FSpareTitle.valid = false;
  FHotObject = nullptr;
  FButtons.clear();
}

}  // namespace vex::skin
