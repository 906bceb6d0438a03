#include "skin/data/SkinDescription.h"

#include <algorithm>

namespace vex::skin {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Reads the description in the program's order; members are the steps.
class Reader {
 public:
  Reader(const TProfileText& ini, const ImageSizeFn& imageSize) : ini_(ini), imageSize_(imageSize) {}

  SkinDescription Read() {
    d_.SkinName = ini_.ReadString("TitlebarSkin", "SkinName");
    ReadBorder(d_.Left, "Left", FrameLayout::kSideBySide);
    ReadBorder(d_.Right, "Right", FrameLayout::kSideBySide);
    ReadBorder(d_.Top, "Top", FrameLayout::kStacked);
    ReadBorder(d_.Bottom, "Bottom", FrameLayout::kStacked);
    ReadColours();
    ReadColourTable();
    ReadSysButtons();
    ReadButtons();
    ReadTitle();
    ReadProgress();
    ReadMenuBar();
    ReadOptional(d_.GroupBoxEdge, "GroupBoxEdge");
    ReadOptional(d_.Toolbars, "Toolbars");
    ReadTabs();
    ReadOptional(d_.StatusBarEdges, "StatusBarEdges");
    ReadOptional(d_.ComboButton, "ComboButton");
    ReadOptional(d_.SunkEdge, "SunkEdge");
    ReadOptional(d_.ExtraImages, "ExtraImages");
    ReadOptional(d_.Headerbar, "Headerbar");
    ReadOptional(d_.MenuItem, "MenuItem");
    ReadOptional(d_.MenuBackground, "MenuBackground");
    ReadOptional(d_.Scrollbar, "Scrollbar");
    ReadOptional(d_.HorzScroll, "HorzScroll");
    ReadOptional(d_.VertScroll, "VertScroll");
    ReadOptional(d_.HorzScrollThumb, "HorzScrollThumb");
    ReadOptional(d_.VertScrollThumb, "VertScrollThumb");
    SetFrameCounts();
    return std::move(d_);
  }

 private:
  std::int32_t Int(std::string_view section, std::string_view key, std::int32_t def) const {
    return ini_.ReadInteger(section, key, def);
  }
  std::string Str(std::string_view section, std::string_view key) const { return ini_.ReadString(section, key); }
  std::uint32_t Colour(std::string_view section, std::string_view key, std::uint32_t def) const {
    return ParseColourText(Str(section, key), def);
  }
  std::optional<ImageSize> Size(const std::string& value) const {
    if (value.empty() || !imageSize_) return std::nullopt;
    return imageSize_(value);
  }

  void ReadBorder(BorderDesc& b, const std::string& side, FrameLayout layout) {
    b = BorderDesc{};
    b.Name = side;
    b.Layout = layout;
    const std::int32_t first = Int("Personality", side + "TopHeight", 0);
    const std::int32_t second = Int("Personality", side + "BotHeight", 0);
    if (layout == FrameLayout::kSideBySide) {  // Left, Right
      b.TopHeight = first;
      b.BottomHeight = second;
    } else {  // Top, Bottom
      b.LeftWidth = first;
      b.RightWidth = second;
    }
    b.FrameCount = Int("Personality", side + "Frame", 1);
    b.Tile = Int("Personality", side + "Stretch", 1);
    b.Trans = Int("Personality", side + "Trans", 1);
    b.Image = Str("Personality", side);
  }

  void ReadColours() {
    SkinColours& c = d_.Colours;
    c.WindowText = Colour("Colours", "WindowText", SystemColour(8));
    c.ButtonFace = Colour("Colours", "ButtonFace", SystemColour(15));
    c.Scrollbar = Colour("Colours", "Scrollbar", SystemColour(0));
    c.HilightText = Colour("Colours", "HilightText", SystemColour(14));
    c.Hilight = Colour("Colours", "Hilight", SystemColour(13));
    c.Menubar = Colour("Colours", "Menubar", c.ButtonFace);
    c.Menu = Colour("Colours", "Menu", SystemColour(4));
    c.MenuText = Colour("Colours", "MenuText", Colour("Colours", "ButtonFace", SystemColour(7)));
    c.ButtonText = Colour("Colours", "ButtonText", SystemColour(18));
    c.ButtonHilight = Colour("Colours", "ButtonHilight", SystemColour(20));
    c.Buttonlight = Colour("Colours", "Buttonlight", SystemColour(20));
    c.ButtonShadow = Colour("Colours", "ButtonShadow", SystemColour(16));
    c.ButtonDkShadow = Colour("Colours", "ButtonDkShadow", SystemColour(16));
    c.MenuBarText = Colour("Colours", "MenuBarText", SystemColour(4));
    c.TitleTextActive = Colour("Colours", "TitleTextActive", SystemColour(9));
    // The same key again; only the default differs.
    c.TitleTextInactive = Colour("Colours", "TitleTextActive", SystemColour(19));
  }

  void ReadColourTable() {
    for (const std::string& s : ini_.SectionNames()) {
      const std::string upper = UpperAscii(s);
      if (upper.starts_with("COLOUR") && upper != "COLOURS") d_.ColourTable.push_back(Colour(s, "color", SystemColour(8)));
    }
  }

  void ReadSysButtons() {
    for (const std::string& s : ini_.SectionNames()) {
      const std::string upper = UpperAscii(s);
      if (!upper.starts_with("BUTTON") || upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX")
        continue;
      // A title bar holds a handful; a description with hundreds would make
      // every skinned window slow to build and paint.
      if (d_.SysButtons.size() == kMaxCaptionButtons) break;
      SysButtonDesc b;
      b.Name = upper;
      b.Action = Int(s, "Action", 0);
      b.Align = Int(s, "Align", 0);
      b.Xcoord = Int(s, "Xcoord", 0);
      b.Ycoord = Int(s, "Ycoord", 0);
      b.Visibility = Int(s, "Visibility", 0);
      b.Visibility1 = Int(s, "Visibility1", 0);
      b.CombineOp = Int(s, "CombineOp", -1);
      b.FrameCount = Int(s, "frame", 0);
      b.Image = Str(s, "ButtonImage");
      if (b.FrameCount == 0) {
        b.FrameCount = 6;
        if (const auto size = Size(b.Image); size && size->width > 0 && size->height > 0) {
          b.FrameCount = static_cast<double>(size->width) / size->height <= 3.8 ? 3 : 6;
          if (b.Action < 0) b.FrameCount = 6;
        }
        if (b.Action == 3 || b.Action == 11) b.Image.clear();
      }
      d_.SysButtons.push_back(std::move(b));
    }
    d_.MdiImage = Str("MDICONTROLS", "Image");
    const auto mdi = Size(d_.MdiImage);
    for (int i = 0; i < 3; ++i) {
      SysButtonDesc b;
      b.Name = "MDICONTROLS";
      b.Action = 7 + i;
      b.Align = 100;
      b.Visibility = 100;
      b.Visibility1 = 0;
      b.FrameCount = 4;
      b.MdiIndex = i;
      if (mdi && mdi->width > 0) {
        const std::int32_t w = mdi->width / kMdiFrames;
        b.MdiColumn = w * kMdiFramesPerButton * i;
        b.MdiWidth = w * kMdiFramesPerButton;
        b.Xcoord = (w + 4) * (3 - i);
      }
      d_.SysButtons.push_back(std::move(b));
    }
  }

  void ReadTextColours(SkinObjectDesc& o, std::string_view section) {
    o.NormalColour2 = Colour(section, "NormalColour2", d_.Colours.ButtonText);
    o.MouseOverColour2 = Colour(section, "MouseOverColour2", d_.Colours.ButtonText);
    o.PressedColour2 = Colour(section, "PressedColour2", d_.Colours.ButtonText);
  }

  void ReadButtons() {
    ButtonDesc& b = d_.Buttons;
    b = ButtonDesc{};
    b.Name = "Buttons";
    b.LeftWidth = Int("Buttons", "LeftWidth", 0);
    b.RightWidth = Int("Buttons", "RightWidth", 0);
    b.TopHeight = Int("Buttons", "TopHeight", 0);
    b.BottomHeight = Int("Buttons", "BottomHeight", 0);
    b.Trans = Int("Buttons", "Trans", 0);
    b.Image = Str("Buttons", "Bitmap");
    b.CheckImage = Str("Buttons", "CheckButton");
    b.RadioImage = Str("Buttons", "RadioButton");
    b.NormalColour = Int("Buttons", "NormalColour", -1);
    b.MouseOverColour = Int("Buttons", "MouseOverColour", -1);
    b.PressedColour = Int("Buttons", "PressedColour", -1);
    b.RadioButtonFrame = Int("Buttons", "RadioButtonFrame", 0);
    b.CheckButtonFrame = Int("Buttons", "CheckButtonFrame", 0);
    ReadTextColours(b, "Buttons");
  }

  std::uint32_t TitleColour(const std::string& prefix) const {
    const std::int32_t r = Int("Personality", prefix + "R", -1);
    const std::int32_t g = Int("Personality", prefix + "G", -1);
    const std::int32_t b = Int("Personality", prefix + "B", -1);
    return (r >= 0 && g >= 0 && b >= 0) ? PlainColour(r % 256, g % 256, b % 256) : kNoColour;
  }

  void ReadTitle() {
    TitleDesc& t = d_.Title;
    t = TitleDesc{};
    t.Name = "Title";
    t.Layout = FrameLayout::kStacked;
    t.Image = Str("Personality", "TextBack");
    t.LeftWidth = Int("Personality", "TextShift", 0);
    t.TopHeight = Int("Personality", "TextShiftVert", 0);
    t.RightWidth = Int("Personality", "TextRightClip", 0);
    t.TextAlignment = Int("Personality", "TextAlignment", 0);
    t.Textbackground = Int("Personality", "Textbackground", 0);
    t.TXTBackleft = Int("Personality", "TXTBackleft", 0);
    t.TXTBackRight = Int("Personality", "TXTBackRight", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    t.ActiveText = TitleColour("ActiveText");
    t.InActiveText = TitleColour("InActiveText");
  }

  void ReadMargins(SkinObjectDesc& o, std::string_view section) {
    o.LeftWidth = Int(section, "LeftWidth", 0);
    o.RightWidth = Int(section, "RightWidth", 0);
    o.TopHeight = Int(section, "TopHeight", 0);
    o.BottomHeight = Int(section, "BottomHeight", 0);
    o.Trans = Int(section, "Trans", 0);
    o.Tile = Int(section, "Tile", 0);
  }

  void ReadProgress() {
    d_.Progress.reset();
    const std::string image = Str("Progress", "Bitmap");
    if (image.empty()) return;
    SkinObjectDesc o;
    o.Name = "Progress";
    o.Image = image;
    ReadMargins(o, "Progress");
    d_.Progress = std::move(o);
  }

  void ReadMenuBar() {
    d_.MenuBar.reset();
    const std::string image = Str("Personality", "menuBar");
    if (image.empty()) return;
    SkinObjectDesc o;
    o.Name = "MenuBar";
    o.Image = image;
    o.Layout = FrameLayout::kStacked;
    o.Tile = Int("Personality", "TileMenu", 0);
    o.LeftWidth = Int("Personality", "TileLeftMenu", 1);
    o.RightWidth = Int("Personality", "TileRightMenu", 1);
    d_.MenuBar = std::move(o);
  }

  template <typename T>
  bool ReadOptional(std::optional<T>& slot, std::string_view section) {
    slot.reset();
    const std::string image = Str(section, "Image");
    if (image.empty()) return false;
    T o;
    o.Name = std::string(section);
    o.Image = image;
    ReadMargins(o, section);
    o.NormalColour = Int(section, "NormalColour", -1);
    o.MouseOverColour = Int(section, "MouseOverColour", -1);
    o.PressedColour = Int(section, "PressedColour", -1);
    ReadTextColours(o, section);
    slot = std::move(o);
    return true;
  }

  void ReadTabs() {
    if (ReadOptional(d_.Tabs, "Tabs")) d_.Tabs->BorderImage = Str("Tabs", "Border");
  }

  std::int32_t SmallImageFrames(const std::string& image) const {
    const ImageSize size = Size(image).value_or(ImageSize{});
    const std::int32_t unit = size.height < 16 ? 13 : 16;
    return std::max(size.width / unit, 4);
  }

  void SetFrameCounts() {
    auto set = [](auto& o, std::int32_t n) {
      if (o) o->FrameCount = n;
    };
    d_.Buttons.FrameCount = 5;
    d_.Title.FrameCount = 2;
    set(d_.Progress, 2);
    set(d_.MenuBar, 2);
    set(d_.GroupBoxEdge, 2);
    set(d_.Toolbars, 5);
    set(d_.Tabs, 5);
    set(d_.ExtraImages, 5);
    set(d_.Headerbar, 5);
    set(d_.MenuItem, 5);
    set(d_.StatusBarEdges, 3);
    set(d_.ComboButton, 4);
    set(d_.SunkEdge, 4);
    set(d_.HorzScroll, 4);
    set(d_.VertScroll, 4);
    set(d_.MenuBackground, 1);
    set(d_.Scrollbar, 23);
    set(d_.HorzScrollThumb, Int("HorzScrollThumb", "FrameCount", 3));
    set(d_.VertScrollThumb, Int("VertScrollThumb", "FrameCount", 3));
    if (d_.Buttons.RadioButtonFrame == 0) d_.Buttons.RadioButtonFrame = SmallImageFrames(d_.Buttons.RadioImage);
    if (d_.Buttons.CheckButtonFrame == 0) d_.Buttons.CheckButtonFrame = SmallImageFrames(d_.Buttons.CheckImage);
  }

  const TProfileText& ini_;
  const ImageSizeFn& imageSize_;
  SkinDescription d_;
};

}  // namespace

SkinDescription ReadSkinDescription(const TProfileText& ini, const ImageSizeFn& imageSize) {
  return Reader(ini, imageSize).Read();
}

std::uint32_t ParseColourText(std::string_view text, std::uint32_t def) {
  text = TrimBlanks(text);
  if (text.empty()) return def;
  std::int32_t fields[3] = {0, 0, 0};
  int field = 0;  // 0-based index of the current field
  std::string digits;
  auto store = [&] {
    if (!digits.empty() && field < 3) {
      // A number too large for 32 bits does not convert and is skipped.
      if (const auto v = ParseProfileInteger(digits)) fields[field] = *v;
    }
    digits.clear();
  };
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits.push_back(c);
    } else {
      store();
      ++field;
    }
  }
  if (field == 2) store();
  return PlainColour(fields[0] % 256, fields[1] % 256, fields[2] % 256);
}

std::string SkinImageMemberName(std::string_view value) {
  const std::size_t cut = value.find_last_of("\\:");
  const std::string_view file = cut == std::string_view::npos ? value : value.substr(cut + 1);
  if (file.empty()) return {};
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || file.substr(dot) != ".bmp") return {};
  return std::string(file);
}

std::vector<const SkinObjectDesc*> SkinDescription::Objects() const {
  std::vector<const SkinObjectDesc*> list = {&Left, &Right, &Top, &Bottom};
  for (const SysButtonDesc& b : SysButtons) list.push_back(&b);
  list.push_back(&Buttons);
  list.push_back(&Title);
  for (const auto* o : {&Progress, &MenuBar, &GroupBoxEdge, &Toolbars}) {
    if (*o) list.push_back(&**o);
  }
  if (Tabs) list.push_back(&*Tabs);
  for (const auto* o : {&StatusBarEdges, &ComboButton, &SunkEdge, &ExtraImages, &Headerbar, &MenuItem, &MenuBackground,
                        &Scrollbar, &HorzScroll, &VertScroll, &HorzScrollThumb, &VertScrollThumb}) {
    if (*o) list.push_back(&**o);
  }
  return list;
}

std::vector<FramedImage> ScaledImages(const SkinDescription& d) {
  std::vector<FramedImage> list;
  auto add = [&list](const std::string& value, std::int32_t frames, FrameLayout layout) {
    const std::string member = SkinImageMemberName(value);
    if (member.empty()) return;
    for (const FramedImage& seen : list)
      if (seen.member == member) return;
    list.push_back({member, frames, layout == FrameLayout::kStacked});
  };
  for (const SkinObjectDesc* o : d.Objects()) {
    bool mdi = false;
    for (const SysButtonDesc& b : d.SysButtons) mdi = mdi || (&b == o && b.MdiIndex >= 0);
    if (!mdi) add(o->Image, o->FrameCount, o->Layout);
  }
  // The MDI buttons are cut from one strip: the strip is drawn for a scale.
  add(d.MdiImage, kMdiFrames, FrameLayout::kSideBySide);
  add(d.Buttons.CheckImage, d.Buttons.CheckButtonFrame, FrameLayout::kSideBySide);
  add(d.Buttons.RadioImage, d.Buttons.RadioButtonFrame, FrameLayout::kSideBySide);
  if (d.Tabs) add(d.Tabs->BorderImage, 1, FrameLayout::kSideBySide);
  return list;
}

}  // namespace vex::skin
