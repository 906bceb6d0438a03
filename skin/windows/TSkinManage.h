#pragma once
// TSkinManage: the one skin manager of the process.  It decides which
// windows of the GUI thread get a skinned frame, with which skin and when:
// a WH_CBT hook on the GUI thread sees windows being created, activated and
// destroyed; the registered TSkinData components switch skinning on and off
// and announce changed skins, which a 250 ms timer carries out once the
// first window has been activated (so a burst of changes is done once).
// It owns every frame and popup-menu skinner and keeps the MDI-maximised
// mode that all frames of an MDI application share.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/TSkinManagerLink.h"
#include "skin/windows/HighContrast.h"
#include "skin/windows/SkinParts.h"
#include "widgets/TObject.h"
#include "widgets/TTimer.h"

namespace vex::skin {

class TSkinData;
class TSkinForm;

class TSkinManage : public TSkinManagerLink {
 public:
  TSkinManage();
  ~TSkinManage() override;

  // What TSkinData asks (TSkinManagerLink).
  void AddSkinData(TSkinData* skin) override;
  void RemoveSkinData(TSkinData* skin) override;
  void SetAction(int code) override;
  void SetChangedSkin(TSkinData* skin) override { FChangedSkin = skin; }
  void ClearAllButtons() override;
  void ClearButtonsOf(TSkinData* skin) override;
  void ReapplySkin(TSkinData* skin) override;
  void DropSkin(TSkinData* skin) override;

  // Attaches a frame to a window that qualifies; true when one was attached.
  bool SkinWindow(HWND window);
  // A framed window about to be shown for the first time: the frame is
  // attached and fitted now, while the window is hidden, so that the window
  // appears skinned and is sized and shaped once instead of after its
  // native look has been shown.
  void SkinBeforeShow(HWND window);
  // Releases the frame of a window; true when there was one.
  bool UnskinWindow(HWND window);
  // Releases the frames of a window and of every window inside it.
  void UnskinWindowTree(HWND window);
  bool IsSkinned(HWND window) const { return FindFrame(window) != nullptr; }
  TSkinForm* FindFrame(HWND window) const;
  void SetMdiMax(bool value);
  HBITMAP PopupBackground(HMENU menu) const;
  void SkinPopupMenu(HWND window);
  void UnskinPopupMenu(HWND window);
  // The skin for a window, built at the window's DPI.
  TSkinData* ChooseSkinData(HWND window) const;
  // The loaded skin for a window (whatever its DPI).
  TSkinData* ChooseLoadedSkin(HWND window) const;
  // The timer's work: carries out FPendingAction.
  void DoPendingAction();
  // The system's colours or settings changed: skinning steps aside for high
  // contrast, or comes back, through the same switch as SetAction 2 and 1.
  void SystemSettingsChanged();
  // High contrast is on and no registered component keeps the skin for it.
  bool StepsAside() const;

  bool FSkinning = false;
  int FActivated = 0;  // 0 until the first activation, 1 after it, 4 while being destroyed
  bool FMdiMax = false;
  HWND FMdiClient = nullptr;
  int FPendingAction = 0;
  bool FWanted = false;  // skinning as the components last asked for it (SetAction 1 or 2)
  TSkinData* FChangedSkin = nullptr;

  const std::vector<TSkinForm*>& Forms() const { return FForms; }
  const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }
  std::size_t PopupCount() const { return FPopupMenus.size(); }
  const std::vector<std::unique_ptr<TPopupSkinner>>& Popups() const { return FPopupMenus; }
  bool TimerEnabled() const { return FTimer && FTimer->Enabled(); }
  bool CbtHookInstalled() const;
  HWND SettingsWatchWindow() const { return FSettingsWatch ? FSettingsWatch->Handle() : nullptr; }

 private:
  void ReleaseFrame(std::size_t index);
  // Action 3 for these frames: kept client sizes, new geometry and buttons,
  // new regions, the skin applied.
  void ReapplyFrames(std::vector<TSkinForm*> frames);
  // Carries out (or, before the first activation, applies) an action.
  void Schedule(int code);
  void SwitchOff();

  vcl::Owned<vcl::TTimer> FTimer;
  std::vector<TSkinForm*> FForms;                          // owned
  std::vector<std::unique_ptr<TPopupSkinner>> FPopupMenus;  // owned
  std::vector<TSkinData*> FSkinDatas;                      // not owned
  std::unique_ptr<TSettingsWatch> FSettingsWatch;
};

// The manager, or null before the first run-time TSkinData.
TSkinManage* SkinManager();
// The Windows version query taken when the manager was made; bit 31 set
// marks the Windows 95/98/Me family.
extern DWORD WinVersion;

// The DPI a window is drawn at (SkinFormDpi.cpp).
int WindowDpi(HWND window);

// The window class name (up to 100 characters).
std::string WindowClassName(HWND window);

}  // namespace vex::skin
