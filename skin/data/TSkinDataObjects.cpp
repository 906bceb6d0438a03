// TSkinData: turning a read description into skin objects with bitmaps.
#include <optional>

#include "skin/data/BmpFile.h"
#include "skin/data/BmpInfo.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/TProfileText.h"
#include "skin/data/TSkinData.h"
#include "skin/data/TSkinReader.h"

namespace vex::skin {
namespace {

vcl::TColor Colour(std::uint32_t value) { return static_cast<vcl::TColor>(value); }

// Columns [x, x + width) of `source`, loaded from `file`, as a bitmap of
// their own.  Cut from the file when it is of the usual kind: that costs a
// copy, where drawing on bitmaps costs device contexts.
void CopyColumns(std::span<const std::uint8_t> file, vcl::TBitmap& source, int x, int width, vcl::TBitmap& dest) {
  dest.SetHandle(nullptr);
  if (source.Empty() || width <= 0) return;
  if (const std::vector<std::uint8_t> cut = CutBmpColumns(file, x, width); !cut.empty()) {
    try {
      dest.LoadFromMemory(cut);
      return;
    } catch (const std::exception&) {
      dest.SetHandle(nullptr);
    }
  }
  vcl::TBitmap part(width, source.Height());
  BitBlt(part.Canvas().Handle(), 0, 0, width, source.Height(), source.Canvas().Handle(), x, 0, SRCCOPY);
  dest.Assign(part);
}

}  // namespace

bool TSkinData::ReadDescription(const TSkinReader& reader) {
  std::vector<std::uint8_t> text;
  std::string memberName;
  // A package without a description cannot be read: it is refused like a
  // damaged one and the skin stays as it was.
  if (!reader.ExtractFirstMatch(".ini", text, memberName)) return false;
  const TProfileText ini(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));

  auto imageSize = [&](const std::string& value) -> std::optional<ImageSize> {
    const std::optional<std::size_t> index = IndexOfImage(reader, value);
    if (!index) return std::nullopt;
    const std::optional<BmpInfo> info = ReadBmpInfo(reader.Member(*index));
    if (!info) return std::nullopt;
    return ImageSize{info->width, info->height};
  };
  const SkinDescription d = ReadSkinDescription(ini, imageSize);
  // The caption buttons of the windows drawn with this component point at
  // the caption-button objects about to be replaced.
  if (TSkinManagerLink* link = SkinManagerLink()) link->ClearButtonsOf(this);
  FDrawnImages.clear();

  struct ReaderScope {
    const TSkinReader*& slot;
    ~ReaderScope() { slot = nullptr; }
  } scope{FReader};
  FReader = &reader;

  auto fill = [&](TDataSkinObject& o, const SkinObjectDesc& s) {
    o.Name = s.Name;
    o.LeftWidth = s.LeftWidth;
    o.TopHeight = s.TopHeight;
    o.RightWidth = s.RightWidth;
    o.BottomHeight = s.BottomHeight;
    o.Trans = s.Trans;
    o.Tile = s.Tile;
    o.FrameCount = s.FrameCount;
    o.NormalColour = s.NormalColour;
    o.MouseOverColour = s.MouseOverColour;
    o.PressedColour = s.PressedColour;
    o.NormalColour2 = Colour(s.NormalColour2);
    o.MouseOverColour2 = Colour(s.MouseOverColour2);
    o.PressedColour2 = Colour(s.PressedColour2);
    LoadSkinBitmap(o.Image, s.Image);
  };
  auto optional = [&](std::unique_ptr<TDataSkinObject>& slot, const std::optional<SkinObjectDesc>& s) {
    slot.reset();
    if (!s) return;
    slot = std::make_unique<TDataSkinObject>(s->Name);
    fill(*slot, *s);
  };

  SkinName = d.SkinName;
  for (auto [object, desc] : {std::pair{&Left, &d.Left}, {&Right, &d.Right}, {&Top, &d.Top}, {&Bottom, &d.Bottom}})
    fill(*object, *desc);

  const SkinColours& c = d.Colours;
  WindowText = Colour(c.WindowText);
  ButtonFace = Colour(c.ButtonFace);
  ScrollbarColour = Colour(c.Scrollbar);
  HilightText = Colour(c.HilightText);
  Hilight = Colour(c.Hilight);
  Menubar = Colour(c.Menubar);
  Menu = Colour(c.Menu);
  MenuText = Colour(c.MenuText);
  ButtonText = Colour(c.ButtonText);
  ButtonHilight = Colour(c.ButtonHilight);
  Buttonlight = Colour(c.Buttonlight);
  ButtonShadow = Colour(c.ButtonShadow);
  ButtonDkShadow = Colour(c.ButtonDkShadow);
  MenuBarText = Colour(c.MenuBarText);
  TitleTextActive = Colour(c.TitleTextActive);
  TitleTextInactive = Colour(c.TitleTextInactive);
  ColourTable.clear();
  for (std::uint32_t entry : d.ColourTable) ColourTable.push_back(Colour(entry));

  SysButtons.clear();
  vcl::TBitmap mdiImage;
  LoadSkinBitmap(mdiImage, d.MdiImage);
  const std::optional<std::size_t> mdiIndex = IndexOfImage(reader, d.MdiImage);
  const std::span<const std::uint8_t> mdiFile = mdiIndex ? reader.Member(*mdiIndex) : std::span<const std::uint8_t>{};
  for (const SysButtonDesc& s : d.SysButtons) {
    auto button = std::make_unique<TDataSkinSysButton>(s.Name);
    fill(*button, s);
    button->Action = s.Action;
    button->Align = s.Align;
    button->Xcoord = s.Xcoord;
    button->Ycoord = s.Ycoord;
    button->CombineOp = s.CombineOp;
    button->Visibility = s.Visibility;
    button->Visibility1 = s.Visibility1;
    if (s.MdiIndex >= 0) {
      CopyColumns(mdiFile, mdiImage, s.MdiColumn, s.MdiWidth, button->Image);
      // Its frames of the strip drawn for a DPI, when the package has one.
      RememberDrawnImages(button->Image, d.MdiImage);
      if (auto drawn = FDrawnImages.find(&button->Image); drawn != FDrawnImages.end()) {
        drawn->second.first = kMdiFramesPerButton * s.MdiIndex;
        drawn->second.count = kMdiFramesPerButton;
        drawn->second.of = kMdiFrames;
      }
    }
    SysButtons.push_back(std::move(button));
  }
  FDrawnImages.erase(&mdiImage);  // the MDI buttons are cut from it, then it goes

  fill(Buttons, d.Buttons);
  LoadSkinBitmap(Buttons.CheckImage, d.Buttons.CheckImage);
  LoadSkinBitmap(Buttons.RadioImage, d.Buttons.RadioImage);
  Buttons.RadioButtonFrame = d.Buttons.RadioButtonFrame;
  Buttons.CheckButtonFrame = d.Buttons.CheckButtonFrame;

  fill(Title, d.Title);
  Title.TextAlignment = d.Title.TextAlignment;
  Title.Textbackground = d.Title.Textbackground;
  Title.FontHeight = d.Title.FontHeight;
  Title.TXTBackleft = d.Title.TXTBackleft;
  Title.TXTBackRight = d.Title.TXTBackRight;
  Title.ActiveText = Colour(d.Title.ActiveText);
  Title.InActiveText = Colour(d.Title.InActiveText);

  optional(Progress, d.Progress);
  optional(MenuBar, d.MenuBar);
  optional(GroupBoxEdge, d.GroupBoxEdge);
  optional(Toolbars, d.Toolbars);
  Tabs.reset();
  if (d.Tabs) {
    Tabs = std::make_unique<TDataSkinBorder>(d.Tabs->Name);
    fill(*Tabs, *d.Tabs);
    LoadSkinBitmap(Tabs->BorderImage, d.Tabs->BorderImage);
  }
  optional(StatusBarEdges, d.StatusBarEdges);
  optional(ComboButton, d.ComboButton);
  optional(SunkEdge, d.SunkEdge);
  optional(ExtraImages, d.ExtraImages);
  optional(Headerbar, d.Headerbar);
  optional(MenuItem, d.MenuItem);
  optional(MenuBackground, d.MenuBackground);
  optional(Scrollbar, d.Scrollbar);
  optional(HorzScroll, d.HorzScroll);
  optional(VertScroll, d.VertScroll);
  optional(HorzScrollThumb, d.HorzScrollThumb);
  optional(VertScrollThumb, d.VertScrollThumb);

  FaceBrush.reset(CreateSolidBrush(vcl::ColorToRGB(ButtonFace)));
  NoSkin = false;
  return true;
}

}  // namespace vex::skin
