#pragma once
// TSkinData: the component that gives every window of the program a skin.  It
// owns a skin package, decodes it, reads its description in memory and keeps
// the skin objects and colours the skinned windows and controls paint from.
//
// Loading follows a form's stored design: BeginLoading, the stored
// properties (Active is only recorded), the stored SkinStream (which loads
// the skin at once), then Loaded.  The main window does, in its design step:
//   SkinData1 = new vex::skin::TSkinData(this);
//   SkinData1->BeginLoading();
//   SkinData1->SetActive(true);
//   SkinData1->ReadSkinStreamResource(GetModuleHandleA(nullptr));
//   SkinData1->Loaded();
// with the skin embedded by vexilo_embed_skin(vexilo) (cmake/VexiloSkin.cmake).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/data/TDataSkinObject.h"
#include "skin/data/TSkinManagerLink.h"
#include "widgets/Handles.h"
#include "widgets/TComponent.h"

namespace vex::skin {

class TSkinReader;

enum TSkinControlType {
  xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar,
  xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox, xcStatusBar, xcTab
};
// A set of control kinds, bit k for kind k.
using TSkinControls = std::uint32_t;
inline constexpr TSkinControls kAllSkinControls = 0x1FFFF;
constexpr TSkinControls SkinControlBit(TSkinControlType kind) { return TSkinControls{1} << kind; }

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };

// Resource name (type RCDATA) under which an executable stores its skin the
// way a form stores SkinStream: a 32-bit length, then the package.
inline constexpr const char* kSkinStreamResource = "SKINSTREAM";

class TSkinData : public vcl::TComponent {
 public:
  using TOnFormSkin = std::function<void(vcl::TObject* Sender, const std::string& aName, bool& DoSkin)>;
  using TNotifyEvent = std::function<void(vcl::TObject* Sender)>;

  explicit TSkinData(vcl::TComponent* AOwner);
  ~TSkinData() override;

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  std::int32_t DisableTag = 99;
  // Keep the skin while the system's high contrast is on (by default the
  // skin steps aside for it).  Set before Loaded, as a stored design would.
  bool KeepInHighContrast = false;
  TSkinControls SkinControls = kAllSkinControls;
  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& path);
  // "(Good)" at design time with a package stored, otherwise "(none)".
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype = sfMainform;
  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;

  // The stored design.  ReadSkinStream takes a signed 32-bit little-endian
  // length N and N package bytes; N <= 0 changes nothing.  Outside design
  // time the skin is loaded at once.
  void BeginLoading() { FLoading = true; }
  bool Loading() const { return FLoading; }
  void ReadSkinStream(std::span<const std::uint8_t> stored);
  std::vector<std::uint8_t> WriteSkinStream() const;
  // ReadSkinStream from an RCDATA resource of `module`; false when it has none.
  bool ReadSkinStreamResource(HMODULE module, const char* name = kSkinStreamResource);
  // At run time: the stored package again (after a skin file), applied to
  // every skinned window as a new skin file is.  False when it cannot be read.
  bool UseSkinStream(std::span<const std::uint8_t> stored);
  void Loaded();

  bool Designing() const { return FDesigning; }
  void SetDesigning(bool value) { FDesigning = value; }

  bool LoadSkin();
  // Fills `bitmap` from the package member a description value names (the
  // file name after the last "\" or ":", ending in ".bmp"); empty otherwise.
  // Only while LoadSkin reads the package.
  void LoadSkinBitmap(vcl::TBitmap& bitmap, const std::string& value);
  bool CanSkinForm(const std::string& className);
  void SkinChanged();

  const std::vector<std::uint8_t>& Package() const { return FPackage; }

  // The skin at `dpi`: this skin itself at 96 dpi (and while no skin is
  // read); otherwise a copy with every image, margin and pixel value of the
  // description scaled, built the first time that DPI is asked for and kept.
  // A new skin loaded later refreshes the kept copies in place, so windows
  // painting with one keep a valid skin.  Images the package draws for 150%
  // or 200% ("name@150.bmp", "name@200.bmp") are used instead of scaling.
  TSkinData* AtDpi(int dpi);
  // The skin a copy was made from; a loaded skin is its own source.
  TSkinData* Source() { return FSource ? FSource : this; }
  const TSkinData* Source() const { return FSource ? FSource : this; }
  int Dpi() const { return FDpi; }
  // Whether `skin` is this skin or one of its kept copies (compares only:
  // `skin` may be a pointer to a skin already gone).
  bool IsOrMade(const TSkinData* skin) const;
  // How many DPIs have a kept copy.
  std::size_t ScaledCount() const { return FScaled.size(); }

  // State read by the skinned windows and controls.
  bool NoSkin = true;
  std::string SkinName;
  vcl::TColor WindowText = vcl::clWindowText, TitleTextActive = vcl::clCaptionText,
              TitleTextInactive = vcl::SystemColor(COLOR_INACTIVECAPTIONTEXT), ButtonFace = vcl::clBtnFace,
              ButtonText = vcl::clBtnText, ButtonHilight = vcl::clBtnHighlight, Buttonlight = vcl::clBtnHighlight,
              ButtonShadow = vcl::clBtnShadow, ButtonDkShadow = vcl::clBtnShadow, HilightText = vcl::clHighlightText,
              Hilight = vcl::clHighlight, Menubar = vcl::clBtnFace, MenuBarText = vcl::clMenu,
              MenuText = vcl::clMenuText, Menu = vcl::clMenu;
  // The description's colour Scrollbar (the skin object of that name is below).
  vcl::TColor ScrollbarColour = vcl::clScrollBar;
  std::vector<vcl::TColor> ColourTable;
  vcl::BrushHandle FaceBrush;
  vcl::TBitmap DefaultIcon;

  TDataSkinButton Buttons{"Buttons"};
  TDataSkinBorder Left{"Left"}, Right{"Right"}, Top{"Top"}, Bottom{"Bottom"};
  TDataSkinTitle Title{"Title"};
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  std::unique_ptr<TDataSkinObject> MenuBar, Progress, GroupBoxEdge, Toolbars;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges, ComboButton, SunkEdge, ExtraImages, Headerbar, MenuItem,
      MenuBackground, Scrollbar, HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb;

 private:
  struct ScaledCopyTag {};
  TSkinData(ScaledCopyTag, TSkinData* source, int dpi);
  bool ReadDescription(const TSkinReader& reader);
  // LoadSkin without telling the skinned windows (the callers that switch
  // skins tell them themselves).
  bool ReadPackage();
  // Takes the package of a stored stream; false when its length is damaged.
  bool TakeStream(std::span<const std::uint8_t> stored);
  // After a successful reload: the windows drawn with this component follow.
  void Reapply();
  // Fills `copy` (made for copy.FDpi) from this skin.
  void BuildScaledCopy(TSkinData& copy);
  void RefreshScaledCopies();
  // Notes which members of the package draw the image a description value
  // names at the scales a package may carry.
  void RememberDrawnImages(const vcl::TBitmap& bitmap, const std::string& value);

  TSkinData* FSource = nullptr;  // set on a scaled copy
  int FDpi = 96;
  std::map<int, std::unique_ptr<TSkinData>> FScaled;
  // Images the package draws for a DPI, by the bitmap loaded from the
  // member they stand in for: DPI -> member of FDrawnPackage.  The decoded
  // package is kept while it has such images, so that loading a skin copies
  // none of them and a copy at a DPI takes its pictures straight from it.
  // An image cut from a strip (the MDI buttons) takes the same columns of
  // the strip drawn for the DPI: frames [first, first + count) of `of`.
  struct DrawnImage {
    std::map<int, std::size_t> members;
    int first = 0, count = 0, of = 0;  // `of` 0: the whole picture
  };
  std::map<const vcl::TBitmap*, DrawnImage> FDrawnImages;
  std::shared_ptr<const TSkinReader> FDrawnPackage;

  bool FActive = false;
  bool FLoading = false;
  bool FDesigning = false;
  bool FRegistered = false;
  std::string FSkinFile;
  std::vector<std::uint8_t> FPackage;
  const TSkinReader* FReader = nullptr;  // while LoadSkin runs
};

// Where the skin layer's one message (a package of another version) goes:
// by default a plain message box with the application's title.
void SetSkinMessageHandler(std::function<void(const std::string&)> handler);

}  // namespace vex::skin
