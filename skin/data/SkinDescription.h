// The skin description (the package's .ini member) read into plain structs:
// every skin object with its section's keys, defaults and frame count, the
// colours and the caption buttons, in the order Vexilo reads them.  No Win32
// here: images are kept as the description's values (see
// SkinImageMemberName), and the few rules that depend on an image's size ask
// an ImageSizeFn.  The Win32 skin data builds its bitmaps and skin objects
// from this model; `vexskin check` checks it against the package.
//
// Field names are the skin objects' field names.  Colour values: 0x00BBGGRR
// for a plain colour, 0xFF000000 + index for a Windows system colour,
// kNoColour for none.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/TProfileText.h"

namespace vex::skin {

// The MDI buttons' strip: minimise, restore and close, four frames each.
inline constexpr int kMdiFramesPerButton = 4;
inline constexpr int kMdiFrames = 3 * kMdiFramesPerButton;

inline constexpr std::uint32_t kNoColour = 0x1FFFFFFF;
constexpr std::uint32_t SystemColour(int index) { return 0xFF000000u | static_cast<std::uint32_t>(index); }
constexpr std::uint32_t PlainColour(int r, int g, int b) {
  return static_cast<std::uint32_t>(r & 255) | static_cast<std::uint32_t>(g & 255) << 8 |
         static_cast<std::uint32_t>(b & 255) << 16;
}

// Colour text such as "189 195 158": decimal numbers split by any other
// characters, each separator moving on to the next field (so two blanks in a
// row leave a field at 0); digits still pending at the end count only for
// the third field.  An empty (or all-blank) text gives `def`.
std::uint32_t ParseColourText(std::string_view text, std::uint32_t def);

// The member an image value names: the text after the last "\" or ":", when
// it ends in ".bmp" (lower case).  Empty when the value names no image.
std::string SkinImageMemberName(std::string_view value);

// How a painter cuts an object's image into its state frames.
enum class FrameLayout { kSideBySide, kStacked };

struct SkinObjectDesc {
  std::string Name;
  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  std::string Image;  // the description's value; empty: no image
  std::int32_t Trans = 0;
  std::int32_t Tile = 0;
  std::int32_t FrameCount = 1;
  std::int32_t NormalColour = -1;
  std::int32_t MouseOverColour = -1;
  std::int32_t PressedColour = -1;
  std::uint32_t NormalColour2 = 0;
  std::uint32_t MouseOverColour2 = 0;
  std::uint32_t PressedColour2 = 0;
  FrameLayout Layout = FrameLayout::kSideBySide;  // not a key: what the painters expect
};

// The four frame borders and Tabs.  For the borders, Tile holds the side's
// "Stretch" key (1 = stretch).
struct BorderDesc : SkinObjectDesc {
  std::string BorderImage;  // Tabs: key Border
};

struct ButtonDesc : SkinObjectDesc {
  std::string CheckImage;
  std::string RadioImage;
  std::int32_t RadioButtonFrame = 0;
  std::int32_t CheckButtonFrame = 0;
};

// LeftWidth, TopHeight and RightWidth hold TextShift, TextShiftVert and
// TextRightClip; Image is the TextBack image.
struct TitleDesc : SkinObjectDesc {
  std::int32_t TextAlignment = 0;
  std::int32_t Textbackground = 0;
  std::int32_t FontHeight = 14;
  std::int32_t TXTBackleft = 0;
  std::int32_t TXTBackRight = 0;
  std::uint32_t ActiveText = kNoColour;
  std::uint32_t InActiveText = kNoColour;
};

struct SysButtonDesc : SkinObjectDesc {
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t Xcoord = 0;
  std::int32_t Ycoord = 0;
  std::int32_t CombineOp = -1;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
  // -1 for a button of a BUTTON* section (its image is Image); 0, 1, 2 for
  // the three MDI buttons, whose image is the columns
  // [MdiColumn, MdiColumn + MdiWidth) of SkinDescription::MdiImage: frames
  // kMdiFramesPerButton × MdiIndex on of the strip's kMdiFrames.
  int MdiIndex = -1;
  std::int32_t MdiColumn = 0;
  std::int32_t MdiWidth = 0;
};

struct SkinColours {
  std::uint32_t WindowText = SystemColour(8);
  std::uint32_t ButtonFace = SystemColour(15);
  std::uint32_t Scrollbar = SystemColour(0);
  std::uint32_t HilightText = SystemColour(14);
  std::uint32_t Hilight = SystemColour(13);
  std::uint32_t Menubar = SystemColour(15);
  std::uint32_t Menu = SystemColour(4);
  std::uint32_t MenuText = SystemColour(7);
  std::uint32_t ButtonText = SystemColour(18);
  std::uint32_t ButtonHilight = SystemColour(20);
  std::uint32_t Buttonlight = SystemColour(20);
  std::uint32_t ButtonShadow = SystemColour(16);
  std::uint32_t ButtonDkShadow = SystemColour(16);
  std::uint32_t MenuBarText = SystemColour(4);
  std::uint32_t TitleTextActive = SystemColour(9);
  std::uint32_t TitleTextInactive = SystemColour(19);
};

inline constexpr std::size_t kMaxCaptionButtons = 32;

struct SkinDescription {
  std::string SkinName;
  BorderDesc Left, Right, Top, Bottom;
  SkinColours Colours;
  std::vector<std::uint32_t> ColourTable;
  // BUTTON* sections in file order (the first kMaxCaptionButtons), then the 3 MDI buttons.
  std::vector<SysButtonDesc> SysButtons;
  std::string MdiImage;                   // key Image of section MDICONTROLS
  ButtonDesc Buttons;
  TitleDesc Title;
  std::optional<SkinObjectDesc> Progress, MenuBar, GroupBoxEdge, Toolbars;
  std::optional<BorderDesc> Tabs;
  std::optional<SkinObjectDesc> StatusBarEdges, ComboButton, SunkEdge, ExtraImages, Headerbar, MenuItem,
      MenuBackground, Scrollbar, HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb;

  // Every object that is present, in reading order (borders, caption
  // buttons, Buttons, Title, Progress, MenuBar, then the optional objects).
  std::vector<const SkinObjectDesc*> Objects() const;
};

// An image as the painters cut it into state frames.
struct FramedImage {
  std::string member;
  std::int32_t frames = 1;
  bool stacked = false;
};
// Every image of `d` that the program scales frame by frame at another DPI,
// so that a picture drawn for 150% or 200% may stand in for it: the objects'
// images, the check box and radio images, the tab pages' border and the MDI
// buttons' strip (of kMdiFrames frames: each button takes its columns of the
// strip drawn for a scale), once each by member name.
std::vector<FramedImage> ScaledImages(const SkinDescription& d);

struct ImageSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};
// The size of the image a description value names; nullopt (an empty image
// to the program) when it names none or it cannot be loaded.
using ImageSizeFn = std::function<std::optional<ImageSize>(const std::string& value)>;

SkinDescription ReadSkinDescription(const TProfileText& ini, const ImageSizeFn& imageSize);

}  // namespace vex::skin
