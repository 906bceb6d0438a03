#include "skin/windows/TSkinManage.h"

#include <algorithm>
#include <cctype>

#include "skin/data/TSkinData.h"
#include "skin/windows/ScratchBitmap.h"
#include "skin/windows/SkinMessages.h"
#include "skin/windows/TSkinForm.h"
#include "skin/windows/WindowSubclass.h"
#include "widgets/TApplication.h"
#include "widgets/TForm.h"

namespace vex::skin {

DWORD WinVersion = 0;

namespace {

std::unique_ptr<TSkinManage>& Instance() {
  static std::unique_ptr<TSkinManage> instance;
  return instance;
}

HHOOK gCbtHook = nullptr;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

vcl::TForm* FindFormObject(HWND window) {
  if (!vcl::Application) return nullptr;
  for (int i = 0; i < vcl::Application->FormCount(); ++i) {
    vcl::TForm* form = vcl::Application->Forms(i);
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return nullptr;
}

// Watches a new framed window until it is first shown.  WM_SHOWWINDOW comes
// while the window is still hidden.
LRESULT ShowWatchProc(void*, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = TSubclass::CallOld(window, TSubclassKind::kShowWatch, msg, wParam, lParam);
  if (msg == WM_SHOWWINDOW && wParam) {
    TSubclass::Remove(window, TSubclassKind::kShowWatch);
    if (TSkinManage* manager = SkinManager()) {
      try {
        manager->SkinBeforeShow(window);
      } catch (...) {
        // The window is shown as it is; activation tries again.
      }
    }
  }
  return result;
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = SkinManager();
  if (code < 0 || !manager || manager->FActivated == 4) return CallNextHookEx(gCbtHook, code, wParam, lParam);
  const auto window = reinterpret_cast<HWND>(wParam);
  try {
    switch (code) {
      case HCBT_CREATEWND: {
        const std::string name = WindowClassName(window);
        const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        // The system's own size boxes would sit over the skinned frame; any
        // other scroll bar is a control its dialog relies on.
        if (name == "ScrollBar" && cs && (cs->style & (SBS_SIZEBOX | SBS_SIZEGRIP)) &&
            manager->IsSkinned(cs->hwndParent))
          return 10;
        if (name == "#32768") {
          manager->SkinPopupMenu(window);
        } else if (manager->FSkinning && cs && !(cs->style & WS_CHILD) && (cs->style & WS_CAPTION) == WS_CAPTION) {
          TSubclass::Install(window, TSubclassKind::kShowWatch, ShowWatchProc, nullptr);
        }
        break;
      }
      case HCBT_DESTROYWND:
        manager->UnskinPopupMenu(window);
        manager->UnskinWindowTree(window);
        break;
      case HCBT_ACTIVATE:
        if (manager->FActivated == 0) manager->FActivated = 1;
        manager->SkinWindow(window);
        break;
      default:
        break;
    }
  } catch (...) {
    // The hook never keeps a window from being created, activated or destroyed.
  }
  return CallNextHookEx(gCbtHook, code, wParam, lParam);
}

TSkinManagerLink* CreateSkinManager() {
  if (!Instance()) Instance() = std::make_unique<TSkinManage>();
  return Instance().get();
}

// Linking the skinned-window layer in is what makes the first TSkinData
// create the manager.
const bool gRegistered = (SetSkinManagerFactory(&CreateSkinManager), true);

}  // namespace

TSkinManage* SkinManager() { return Instance().get(); }

bool TSkinManage::CbtHookInstalled() const { return gCbtHook != nullptr; }

std::string WindowClassName(HWND window) {
  char name[101] = {};
  if (!window || !GetClassNameA(window, name, sizeof name)) return {};
  return name;
}

TSkinManage::TSkinManage() {
  (void)gRegistered;
  StartScratchBitmap();
  FTimer.reset(new vcl::TTimer(nullptr));
  FTimer->SetEnabled(false);
  FTimer->SetInterval(250);
  FTimer->OnTimer = [this](vcl::TObject*) { DoPendingAction(); };
  WinVersion = GetVersion();
  FSettingsWatch = std::make_unique<TSettingsWatch>([this] { SystemSettingsChanged(); });
  gCbtHook = SetWindowsHookExA(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
}

TSkinManage::~TSkinManage() {
  FActivated = 4;
  FTimer.reset();
  FSettingsWatch.reset();
  if (gCbtHook) UnhookWindowsHookEx(gCbtHook);
  gCbtHook = nullptr;
  while (!FForms.empty()) ReleaseFrame(FForms.size() - 1);
  for (auto& popup : FPopupMenus) popup->Detach();
  FPopupMenus.clear();
  FSkinDatas.clear();
  if (SkinManagerLink() == this) SetSkinManagerLink(nullptr);
}

void TSkinManage::AddSkinData(TSkinData* skin) { FSkinDatas.push_back(skin); }

// Windows painted with a skin that goes away go back to their own look.
void TSkinManage::RemoveSkinData(TSkinData* skin) {
  FSkinDatas.erase(std::remove(FSkinDatas.begin(), FSkinDatas.end(), skin), FSkinDatas.end());
  if (FChangedSkin == skin) FChangedSkin = nullptr;
  for (std::size_t i = FForms.size(); i-- > 0;) {
    TSkinForm* frame = FForms[i];
    if (!frame->SkinData() || frame->SkinData()->Source() != skin) continue;
    frame->Detach();
    FForms.erase(FForms.begin() + static_cast<std::ptrdiff_t>(i));
    frame->Release();
  }
  for (std::size_t i = FPopupMenus.size(); i-- > 0;) {
    if (!FPopupMenus[i]->SkinData() || FPopupMenus[i]->SkinData()->Source() != skin) continue;
    FPopupMenus[i]->Detach();
    FPopupMenus.erase(FPopupMenus.begin() + static_cast<std::ptrdiff_t>(i));
  }
  // It may have been the one that kept the skin in high contrast.
  SystemSettingsChanged();
}

void TSkinManage::SetAction(int code) {
  if (code == 1 || code == 2) FWanted = code == 1;
  Schedule(code);
}

void TSkinManage::Schedule(int code) {
  FPendingAction = code;
  if (FActivated != 0) {
    FTimer->SetEnabled(true);  // a burst of changes is carried out once, the last one winning
  } else if (code == 1 || code == 2) {
    FSkinning = code == 1 && !StepsAside();  // windows get their frames as they are activated
  }
}

bool TSkinManage::StepsAside() const {
  for (const TSkinData* s : FSkinDatas)
    if (s->KeepInHighContrast) return false;
  return HighContrastOn();
}

void TSkinManage::SystemSettingsChanged() {
  if (!FWanted || FActivated == 4) return;
  const bool wanted = !StepsAside();
  // Where skinning is heading: a switch still waiting for the timer counts.
  const bool pending = TimerEnabled() && (FPendingAction == 1 || FPendingAction == 2);
  const bool heading = pending ? FPendingAction == 1 : FSkinning;
  if (wanted != heading) Schedule(wanted ? 1 : 2);
}

void TSkinManage::ClearAllButtons() {
  for (TSkinForm* frame : FForms) frame->ClearButtons();
}

void TSkinManage::ClearButtonsOf(TSkinData* skin) {
  for (TSkinForm* frame : FForms)
    if (frame->SkinData() == skin) frame->ClearButtons();
}

// The steps of action 3 for the windows of one component.
void TSkinManage::ReapplySkin(TSkinData* skin) {
  std::vector<TSkinForm*> frames;
  for (TSkinForm* frame : FForms)
    if (frame->SkinData() == skin) frames.push_back(frame);
  ReapplyFrames(std::move(frames));
}

void TSkinManage::ReapplyFrames(std::vector<TSkinForm*> frames) {
  if (frames.empty()) return;
  // Each step sends the windows messages; a handler may destroy a window
  // whose frame is further down the list.
  TFramesHeld held(frames);
  auto each = [&](auto step) {
    for (TSkinForm* frame : frames)
      if (!TFramesHeld::Released(frame)) step(frame);
  };
  each([](TSkinForm* frame) { frame->KeepClientSize(); });
  each([](TSkinForm* frame) {
    frame->ClearButtons();
    frame->BuildGeometry();
  });
  each([](TSkinForm* frame) { frame->DropRegion(); });
  each([](TSkinForm* frame) { frame->ApplySkin(); });
}

void TSkinManage::DropSkin(TSkinData* skin) {
  for (std::size_t i = FForms.size(); i-- > 0;) {
    if (i >= FForms.size()) continue;
    TSkinForm* frame = FForms[i];
    if (frame->SkinData() != skin) continue;
    const HWND window = frame->Handle();
    frame->Detach();
    FForms.erase(FForms.begin() + static_cast<std::ptrdiff_t>(i));
    frame->Release();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  for (std::size_t i = FPopupMenus.size(); i-- > 0;) {
    if (FPopupMenus[i]->SkinData() != skin) continue;
    FPopupMenus[i]->Detach();
    FPopupMenus.erase(FPopupMenus.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void TSkinManage::DoPendingAction() {
  FTimer->SetEnabled(false);
  switch (FPendingAction) {
    case 1:
      if (StepsAside()) {
        SwitchOff();
        break;
      }
      FSkinning = true;
      if (vcl::Application) {
        for (int i = vcl::Application->FormCount() - 1; i >= 0; --i) {
          if (i >= vcl::Application->FormCount()) continue;
          vcl::TForm* form = vcl::Application->Forms(i);
          try {
            SkinWindow(form->Handle());
          } catch (...) {
            // A form whose window cannot be made stays as it is.
          }
        }
      }
      // Dialogs and message boxes that are up now (left native by high
      // contrast, or by skinning switched off) would otherwise wait for
      // their next activation.  Only windows with a caption: popup menus,
      // tooltips and the like are never framed.
      EnumThreadWindows(
          GetCurrentThreadId(),
          [](HWND window, LPARAM self) -> BOOL {
            const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
            if (IsWindowVisible(window) && (style & WS_CAPTION) == WS_CAPTION && WindowClassName(window) != "#32768")
              reinterpret_cast<TSkinManage*>(self)->SkinWindow(window);
            return TRUE;
          },
          reinterpret_cast<LPARAM>(this));
      break;
    case 2:
      SwitchOff();
      break;
    case 3: {
      ReapplyFrames(FForms);
      if (TSkinData* changed = FChangedSkin) {
        FChangedSkin = nullptr;
        changed->SkinChanged();
      }
      break;
    }
    default:
      break;
  }
}

void TSkinManage::SwitchOff() {
  FSkinning = false;
  for (std::size_t i = FForms.size(); i-- > 0;) {
    if (i >= FForms.size()) continue;
    TSkinForm* frame = FForms[i];
    const HWND window = frame->Handle();
    frame->Detach();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    FForms.erase(FForms.begin() + static_cast<std::ptrdiff_t>(i));
    frame->Release();
  }
}

TSkinForm* TSkinManage::FindFrame(HWND window) const {
  if (!window) return nullptr;
  for (TSkinForm* frame : FForms) {
    if (frame->Handle() == window) return frame;
  }
  return nullptr;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  TSkinData* loaded = ChooseLoadedSkin(window);
  return loaded ? loaded->AtDpi(WindowDpi(window)) : nullptr;
}

TSkinData* TSkinManage::ChooseLoadedSkin(HWND window) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* s : FSkinDatas) {
    auto* owner = dynamic_cast<vcl::TWinControl*>(s->Owner());
    if (s->SkinFormtype == sfOnlyThisForm && owner && owner->HandleAllocated() && owner->Handle() == window)
      chosen = s;
  }
  if (chosen) return chosen;
  const std::string name = Lower(WindowClassName(window));
  if (name == "tmessageform" || name == "#32770") {
    for (TSkinData* s : FSkinDatas)
      if (s->SkinFormtype == sfDialog) chosen = s;
    if (chosen) return chosen;
  }
  for (TSkinData* s : FSkinDatas)
    if (s->SkinFormtype == sfMainform) chosen = s;
  if (chosen) return chosen;
  return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!FSkinning || !window || !IsWindow(window)) return false;
  vcl::TForm* form = FindFormObject(window);
  if (IsSkinned(window)) return false;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  if ((style & WS_CHILD) && Lower(WindowClassName(GetParent(window))) != "mdiclient") return false;
  RECT r{};
  GetWindowRect(window, &r);
  if (static_cast<long long>(r.right - r.left) * (r.bottom - r.top) == 0) return false;
  if (form && form->Tag() == 99) return false;  // fixed: not the DisableTag property
  const std::string name = WindowClassName(window);
  if (name == "TApplication") return false;
  for (TSkinData* s : FSkinDatas) {
    if (s->SkinFormtype != sfMainform) continue;
    if (!s->CanSkinForm(name)) return false;
    break;
  }
  TSkinData* skin = ChooseSkinData(window);
  if (!skin || skin->NoSkin) return false;

  auto* frame = new TSkinForm;
  frame->FHandle = window;
  FForms.push_back(frame);
  if (form)
    frame->AttachForm(skin, form);
  else
    frame->AttachWindow(skin);
  PostMessageA(window, WM_SKINACTIVATE, 0, 1000);
  return true;
}

void TSkinManage::SkinBeforeShow(HWND window) {
  if (FActivated == 4 || IsWindowVisible(window) || !SkinWindow(window)) return;
  if (TSkinForm* frame = FindFrame(window)) frame->FitBeforeShow();
}

void TSkinManage::ReleaseFrame(std::size_t index) {
  TSkinForm* frame = FForms[index];
  frame->FSkinState = kSkinReleasing;
  frame->Detach();
  FForms.erase(FForms.begin() + static_cast<std::ptrdiff_t>(index));
  frame->Release();
}

bool TSkinManage::UnskinWindow(HWND window) {
  for (std::size_t i = 0; i < FForms.size(); ++i) {
    if (FForms[i]->Handle() != window) continue;
    ReleaseFrame(i);
    return true;
  }
  return false;
}

void TSkinManage::UnskinWindowTree(HWND window) {
  // Windows that go with their parent get no hook call of their own.
  for (std::size_t i = FForms.size(); i-- > 0;) {
    if (i >= FForms.size()) continue;
    const HWND handle = FForms[i]->Handle();
    if (handle == window || IsChild(window, handle)) ReleaseFrame(i);
  }
}

void TSkinManage::SetMdiMax(bool value) {
  if (value == FMdiMax) return;
  FMdiMax = value;
  const std::vector<TSkinForm*> frames = FForms;
  TFramesHeld held(frames);
  for (TSkinForm* frame : frames) {
    if (TFramesHeld::Released(frame) || !frame->IsMdiChild()) continue;
    if (value) {
      if (frame->FHasRegion) frame->DropRegion();
      frame->SetNativeIcons(true);
    } else if (frame->FWindowState == 2) {
      frame->SetNativeIcons(true);
    } else {
      frame->FWindowState = 0;
      frame->BuildRegion();
      frame->SetNativeIcons(false);
      if (!frame->FHasRegion) frame->FrameChanged();
    }
  }
}

HBITMAP TSkinManage::PopupBackground(HMENU menu) const {
  for (const auto& popup : FPopupMenus) {
    if (popup->MenuHandle() == menu) return popup->Background();
  }
  return nullptr;
}

void TSkinManage::SkinPopupMenu(HWND window) {
  if (!FSkinning) return;
  for (const auto& popup : FPopupMenus)
    if (popup->Handle() == window) return;
  TSkinData* skin = ChooseSkinData(window);
  if (!skin || skin->NoSkin) return;
  std::unique_ptr<TPopupSkinner> popup = MenuLayer().CreatePopupSkinner();
  if (!popup) return;
  popup->Attach(window, skin);
  FPopupMenus.push_back(std::move(popup));
}

void TSkinManage::UnskinPopupMenu(HWND window) {
  for (std::size_t i = 0; i < FPopupMenus.size(); ++i) {
    if (FPopupMenus[i]->Handle() != window) continue;
    FPopupMenus[i]->Detach();
    FPopupMenus.erase(FPopupMenus.begin() + static_cast<std::ptrdiff_t>(i));
    return;
  }
}

}  // namespace vex::skin
