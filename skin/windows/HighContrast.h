#pragma once
// High contrast: a user who turns it on needs the system's own colours, so
// the skin steps aside while it is on (unless a skin component asks to stay)
// and comes back when it goes off.
//
// The flag is read through one replaceable function: a system that cannot
// switch high contrast on (Wine refuses SPI_SETHIGHCONTRAST) is tested with
// a stand-in.  Changes arrive as WM_SETTINGCHANGE / WM_SYSCOLORCHANGE, which
// the system sends to top-level windows only; a hidden top-level window of
// the skin manager hears them whatever is skinned at the moment.
#include <windows.h>

#include <functional>

namespace vex::skin {

using THighContrastQuery = bool (*)();

// SPI_GETHIGHCONTRAST's HCF_HIGHCONTRASTON; false when the query fails.
bool SystemHighContrast();
// What the engine reads; SystemHighContrast unless replaced.
bool HighContrastOn();
// Replaces the query (null puts SystemHighContrast back); the previous one.
THighContrastQuery SetHighContrastQuery(THighContrastQuery query);

// A hidden top-level window that calls `changed` on WM_SETTINGCHANGE and
// WM_SYSCOLORCHANGE.
class TSettingsWatch {
 public:
  explicit TSettingsWatch(std::function<void()> changed);
  ~TSettingsWatch();
  TSettingsWatch(const TSettingsWatch&) = delete;
  TSettingsWatch& operator=(const TSettingsWatch&) = delete;
  HWND Handle() const { return FHandle; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  std::function<void()> FChanged;
  HWND FHandle = nullptr;
};

}  // namespace vex::skin
