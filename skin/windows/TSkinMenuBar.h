#pragma once
// TSkinMenuBar: the skinned menu bar of a frame.  It takes the window's
// native menu off the window, paints the band the frame reserves below the
// title from the skin's MenuBar image, and shows one TMenuBtn per top-level
// item.  Pressing a button opens its drop-down (MenuTracking.cpp).
//   TSkinMenuBar.cpp   building from the menu, painting the band
//   TMenuBtn.cpp       a button's look in its states, caption drawing
//   MenuTracking.cpp   opening and tracking drop-downs, the message filter
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/windows/OwnerDrawnItems.h"
#include "skin/windows/SkinParts.h"
#include "skin/windows/TNCObject.h"
#include "widgets/Handles.h"

namespace vcl {
class TMainMenu;
}

namespace vex::skin {

class TSkinData;
class TSkinForm;
class TSkinMenuBar;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TSkinForm* form, TSkinMenuBar* bar, TSkinData* skin, int index);
  // The button's column of the band: background, outline when hot or
  // pressed, caption; straight onto the window.
  void Paint() override;

  TSkinMenuBar* FBar;
  TSkinData* FSkinData;
  int FIndex;
  std::string FCaption;  // "&" before the accelerator
  bool FEnabled = true;
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
};

class TSkinMenuBar : public TMenuBarPart {
 public:
  explicit TSkinMenuBar(TSkinForm& frame);
  ~TSkinMenuBar() override;

  void Build() override;
  void Paint(HDC dc, const RECT& band) override;
  TNCObject* MenuButtonAt(POINT p) override;
  bool HasButtons() const override { return !FButtons.empty(); }
  void RestoreNativeMenu() override;

  int Count() const { return static_cast<int>(FButtons.size()); }
  TMenuBtn* Button(int index) const;
  int IndexOf(const TNCObject* button) const;

  std::vector<std::unique_ptr<TMenuBtn>> FButtons;
  vcl::TMainMenu* FMainMenu = nullptr;
  RECT FBarRect{};
  TSkinData* FSkinData = nullptr;
  TSkinForm* FFrame = nullptr;
  vcl::BitmapHandle FBackground;  // the band as last painted, without captions
  int FCount = 0;
  bool FPainting = false;
  HMENU FMenu = nullptr;
  // Items of the drop-downs the skin made owner-drawn.
  TOwnerDrawnItems FOwnerDrawn;
};

// Draws `caption` ("&" marking the accelerator) centred in `rect` with the
// DC's font, transparent; a disabled caption in the system's button shadow.
// `hidePrefix`: the accelerator is not underlined (the window's UI state
// hides access keys until Alt is pressed, as a native menu bar does).
void DrawMenuCaption(HDC dc, const RECT& rect, const std::string& caption, COLORREF colour, bool enabled,
                     bool hidePrefix = false);

}  // namespace vex::skin
