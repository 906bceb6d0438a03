#include "tests/skin_hostile/SkinMutator.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "skin/data/BmpInfo.h"
#include "skin/data/TProfileText.h"
#include "skin/data/TSkinReader.h"

namespace vex::skin::hostile {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Values = std::span<const std::string_view>;

// ---- the description as sections of keys --------------------------------

struct IniKey {
  std::string key, value;
};
struct IniSection {
  std::string name;
  std::vector<IniKey> keys;
};
using Ini = std::vector<IniSection>;

Ini ParseIni(std::string_view text) {
  Ini ini;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.find(']') != std::string_view::npos) {
      ini.push_back({std::string(line.substr(1, line.find(']') - 1)), {}});
    } else if (!ini.empty()) {
      const std::size_t eq = line.find('=');
      ini.back().keys.push_back({std::string(line.substr(0, eq)),
                                 eq == std::string_view::npos ? std::string() : std::string(line.substr(eq + 1))});
    }
  }
  return ini;
}

std::string WriteIni(const Ini& ini) {
  std::string out;
  for (const IniSection& s : ini) {
    out += "[" + s.name + "]\r\n";
    for (const IniKey& k : s.keys) out += k.key + "=" + k.value + "\r\n";
  }
  return out;
}

IniSection* FindSection(Ini& ini, std::string_view name) {
  for (IniSection& s : ini)
    if (EqualsIgnoreCase(s.name, name)) return &s;
  return nullptr;
}

void SetKey(Ini& ini, std::string_view section, std::string_view key, std::string_view value) {
  IniSection* s = FindSection(ini, section);
  if (!s) {
    ini.push_back({std::string(section), {}});
    s = &ini.back();
  }
  for (IniKey& k : s->keys) {
    if (EqualsIgnoreCase(k.key, key)) {
      k.value = value;
      return;
    }
  }
  s->keys.push_back({std::string(key), std::string(value)});
}

// ---- what a mutation works on ----------------------------------------------

struct Work {
  SeedRandom& rng;
  Ini ini;
  std::vector<PackageMember> members;
  std::vector<std::string> applied;
  std::size_t cutPackageAt = 0;  // 0: whole
  bool dropDescription = false;

  std::size_t Below(std::size_t n) { return rng.Below(n); }
  template <typename T>
  const T& Pick(std::span<const T> items) {
    return rng.Pick(items);
  }
  std::string_view PickValue(Values values) { return values[Below(values.size())]; }
  void Say(std::string_view kind, const std::string& what) { applied.push_back(std::string(kind) + ": " + what); }

  std::vector<std::size_t> Bitmaps() const {
    std::vector<std::size_t> list;
    for (std::size_t i = 0; i < members.size(); ++i)
      if (members[i].name.ends_with(".bmp")) list.push_back(i);
    return list;
  }
};

// ---- section groups and their keys -------------------------------------------

enum class Group { kPersonality, kCaptionButton, kButtons, kObject, kThumb, kFonts };

constexpr std::array<std::string_view, 16> kObjectSections = {
    "MenuItem", "MenuBackground", "Tabs",     "Scrollbar", "HorzScroll",     "VertScroll",
    "HorzScrollThumb", "VertScrollThumb", "Progress", "ToolBars", "Headerbar", "GroupBoxEdge",
    "StatusBarEdges", "SunkEdge", "ComboButton", "ExtraImages"};

bool IsCaptionButton(std::string_view name) {
  const std::string upper = UpperAscii(name);
  return upper.starts_with("BUTTON") && upper != "BUTTONS" && upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

// A section of the group, one the description has where it can.
std::string SectionOf(Work& w, Group group) {
  switch (group) {
    case Group::kPersonality: return "Personality";
    case Group::kButtons: return "Buttons";
    case Group::kFonts: return "Fonts";
    case Group::kThumb: return w.Below(2) ? "HorzScrollThumb" : "VertScrollThumb";
    case Group::kObject: return std::string(w.Pick(std::span<const std::string_view>(kObjectSections)));
    case Group::kCaptionButton: {
      std::vector<std::string> buttons;
      for (const IniSection& s : w.ini)
        if (IsCaptionButton(s.name)) buttons.push_back(s.name);
      if (buttons.empty()) return "Button0";
      return buttons[w.Below(buttons.size())];
    }
  }
  return "Personality";
}

// Values beyond what a sound skin gives, by what the key holds.
constexpr std::string_view kMarginValues[] = {"-2147483648", "-10000", "-1", "0", "1", "10000", "65536",
                                              "2147483647", "$FFFFFFFF", "0x7FFFFFFF"};
constexpr std::string_view kFrameValues[] = {"0", "-1", "1", "10000", "2147483647", "-2147483648", "$80000000"};
constexpr std::string_view kCodeValues[] = {"-2147483648", "-1", "4", "12", "99", "100", "101", "199",
                                            "200", "2000", "2001", "10000", "2147483647", "x"};
constexpr std::string_view kCoordValues[] = {"-2147483648", "-10000", "-1", "0", "10000", "2147483647", "99999999999"};
constexpr std::string_view kFlagValues[] = {"-1", "0", "1", "2", "2147483647", "-2147483648", "yes"};

}  // namespace

std::vector<std::int32_t> HostileIntegers() {
  std::vector<std::int32_t> numbers;
  for (Values values : {Values(kMarginValues), Values(kFrameValues), Values(kCodeValues), Values(kCoordValues),
                        Values(kFlagValues)}) {
    for (std::string_view text : values) {
      const std::optional<std::int32_t> n = ParseProfileInteger(text);
      if (n && std::find(numbers.begin(), numbers.end(), *n) == numbers.end()) numbers.push_back(*n);
    }
  }
  return numbers;
}

namespace {

struct IntegerKey {
  Group group;
  std::string_view key;
  Values values;
};

const IntegerKey kIntegerKeys[] = {
    {Group::kPersonality, "TopFrame", kFrameValues},        {Group::kPersonality, "LeftFrame", kFrameValues},
    {Group::kPersonality, "RightFrame", kFrameValues},      {Group::kPersonality, "BottomFrame", kFrameValues},
    {Group::kPersonality, "TopTopHeight", kMarginValues},   {Group::kPersonality, "TopBotHeight", kMarginValues},
    {Group::kPersonality, "LeftTopHeight", kMarginValues},  {Group::kPersonality, "LeftBotHeight", kMarginValues},
    {Group::kPersonality, "RightTopHeight", kMarginValues}, {Group::kPersonality, "RightBotHeight", kMarginValues},
    {Group::kPersonality, "BottomTopHeight", kMarginValues}, {Group::kPersonality, "BottomBotHeight", kMarginValues},
    {Group::kPersonality, "TopStretch", kFlagValues},       {Group::kPersonality, "LeftStretch", kFlagValues},
    {Group::kPersonality, "TopTrans", kFlagValues},         {Group::kPersonality, "LeftTrans", kFlagValues},
    {Group::kPersonality, "RightTrans", kFlagValues},       {Group::kPersonality, "BottomTrans", kFlagValues},
    {Group::kPersonality, "TextAlignment", kCodeValues},    {Group::kPersonality, "TextShift", kCoordValues},
    {Group::kPersonality, "TextShiftVert", kCoordValues},   {Group::kPersonality, "TextRightClip", kCoordValues},
    {Group::kPersonality, "TXTBackleft", kMarginValues},    {Group::kPersonality, "TXTBackRight", kMarginValues},
    {Group::kPersonality, "Textbackground", kFlagValues},   {Group::kPersonality, "TileMenu", kFlagValues},
    {Group::kPersonality, "TileLeftMenu", kMarginValues},   {Group::kPersonality, "TileRightMenu", kMarginValues},
    {Group::kPersonality, "ActiveTextR", kCoordValues},     {Group::kPersonality, "InactiveTextB", kCoordValues},
    {Group::kCaptionButton, "XCoord", kCoordValues},        {Group::kCaptionButton, "YCoord", kCoordValues},
    {Group::kCaptionButton, "Align", kCodeValues},          {Group::kCaptionButton, "Action", kCodeValues},
    {Group::kCaptionButton, "Visibility", kCodeValues},     {Group::kCaptionButton, "Visibility1", kCodeValues},
    {Group::kCaptionButton, "CombineOp", kCodeValues},      {Group::kCaptionButton, "frame", kFrameValues},
    {Group::kButtons, "LeftWidth", kMarginValues},          {Group::kButtons, "TopHeight", kMarginValues},
    {Group::kButtons, "RightWidth", kMarginValues},         {Group::kButtons, "BottomHeight", kMarginValues},
    {Group::kButtons, "Trans", kFlagValues},                {Group::kButtons, "NormalColour", kCodeValues},
    {Group::kButtons, "PressedColour", kCodeValues},        {Group::kButtons, "MouseOverColour", kCodeValues},
    {Group::kButtons, "RadioButtonFrame", kFrameValues},    {Group::kButtons, "CheckButtonFrame", kFrameValues},
    {Group::kObject, "LeftWidth", kMarginValues},           {Group::kObject, "TopHeight", kMarginValues},
    {Group::kObject, "RightWidth", kMarginValues},          {Group::kObject, "BottomHeight", kMarginValues},
    {Group::kObject, "Trans", kFlagValues},                 {Group::kObject, "Tile", kFlagValues},
    {Group::kObject, "NormalColour", kCodeValues},          {Group::kObject, "MouseOverColour", kCodeValues},
    {Group::kThumb, "FrameCount", kFrameValues},            {Group::kFonts, "FontHeight", kCoordValues},
};

// Margin sets: every band of one object, at once.
struct MarginKeys {
  Group group;
  std::array<std::string_view, 4> keys;  // empty entries are unused
};
const MarginKeys kMarginSets[] = {
    {Group::kPersonality, {"TopTopHeight", "TopBotHeight", "", ""}},
    {Group::kPersonality, {"LeftTopHeight", "LeftBotHeight", "", ""}},
    {Group::kPersonality, {"RightTopHeight", "RightBotHeight", "", ""}},
    {Group::kPersonality, {"BottomTopHeight", "BottomBotHeight", "", ""}},
    {Group::kPersonality, {"TileLeftMenu", "TileRightMenu", "TXTBackleft", "TXTBackRight"}},
    {Group::kButtons, {"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"}},
    {Group::kObject, {"LeftWidth", "TopHeight", "RightWidth", "BottomHeight"}},
};
constexpr std::string_view kBigMargins[] = {"8", "16", "40", "100", "1000", "100000", "2147483647", "-2147483647"};

struct ColourKey {
  Group group;
  std::string_view section;  // for keys outside the groups
  std::string_view key;
};
const ColourKey kColourKeys[] = {
    {Group::kPersonality, "Colours", "WindowText"},    {Group::kPersonality, "Colours", "ButtonFace"},
    {Group::kPersonality, "Colours", "MenuText"},      {Group::kPersonality, "Colours", "Menu"},
    {Group::kPersonality, "Colours", "Hilight"},       {Group::kPersonality, "Colours", "HilightText"},
    {Group::kPersonality, "Colours", "ButtonText"},    {Group::kPersonality, "Colours", "ButtonShadow"},
    {Group::kPersonality, "Colours", "Menubar"},       {Group::kPersonality, "Colours", "MenuBarText"},
    {Group::kPersonality, "Colours", "Scrollbar"},     {Group::kPersonality, "Colours", "TitleTextActive"},
    {Group::kPersonality, "Colour0", "color"},         {Group::kPersonality, "Colour3", "color"},
    {Group::kButtons, "", "NormalColour2"},            {Group::kButtons, "", "MouseOverColour2"},
    {Group::kObject, "", "NormalColour2"},             {Group::kObject, "", "PressedColour2"},
};
const std::string kLongDigits(3000, '9');
const std::string_view kColourTexts[] = {"",       "   ",          "-1 -1 -1", "99999999999 99999999999 99999999999",
                                         "a,b,c",  ",,,,,,,,,,",   "256 512 1024", "1 2 3 4 5 6 7 8",
                                         "\x80\xff\xfe\xa1", kLongDigits, "0x10 $20 30", "1.5 2.5 3.5"};

// Description values that name images.
struct ImageKey {
  Group group;
  std::string_view section;
  std::string_view key;
};
const ImageKey kImageKeys[] = {
    {Group::kPersonality, "", "Top"},         {Group::kPersonality, "", "Left"},
    {Group::kPersonality, "", "Right"},       {Group::kPersonality, "", "Bottom"},
    {Group::kPersonality, "", "MenuBar"},     {Group::kPersonality, "", "TextBack"},
    {Group::kCaptionButton, "", "ButtonImage"}, {Group::kButtons, "", "Bitmap"},
    {Group::kButtons, "", "CheckButton"},     {Group::kButtons, "", "RadioButton"},
    {Group::kObject, "", "Image"},            {Group::kPersonality, "Tabs", "Border"},
    {Group::kPersonality, "MdiControls", "Image"}, {Group::kPersonality, "Progress", "Bitmap"},
};

std::string SectionFor(Work& w, Group group, std::string_view fixed) {
  return fixed.empty() ? SectionOf(w, group) : std::string(fixed);
}

// ---- bitmaps -------------------------------------------------------------------

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

std::optional<BmpInfo> InfoOf(const PackageMember& m) { return ReadBmpInfo(m.data); }

// ---- the mutations -------------------------------------------------------------

void IntegerOutOfRange(Work& w) {
  const IntegerKey& k = w.Pick(std::span<const IntegerKey>(kIntegerKeys));
  const std::string section = SectionOf(w, k.group);
  const std::string_view value = w.PickValue(k.values);
  SetKey(w.ini, section, k.key, value);
  w.Say("integer", section + "." + std::string(k.key) + "=" + std::string(value));
}

void MarginsBeyondImage(Work& w) {
  const MarginKeys& set = w.Pick(std::span<const MarginKeys>(kMarginSets));
  const std::string section = SectionOf(w, set.group);
  const std::string_view value = w.PickValue(kBigMargins);
  for (std::string_view key : set.keys)
    if (!key.empty()) SetKey(w.ini, section, key, value);
  w.Say("margins", section + " bands=" + std::string(value));
}

void ColourGarbled(Work& w) {
  const ColourKey& k = w.Pick(std::span<const ColourKey>(kColourKeys));
  const std::string section = SectionFor(w, k.group, k.section);
  const std::string_view text = w.PickValue(kColourTexts);
  SetKey(w.ini, section, k.key, text);
  w.Say("colour", section + "." + std::string(k.key) + "=\"" + std::string(text.substr(0, 40)) + "\"");
}

// Another picture under an image member's name.
void ImageReplaced(Work& w) {
  const std::vector<std::size_t> bitmaps = w.Bitmaps();
  if (bitmaps.empty()) return;
  PackageMember& m = w.members[bitmaps[w.Below(bitmaps.size())]];
  const BmpInfo own = InfoOf(m).value_or(BmpInfo{8, 8, 24});
  BitmapSpec spec{.width = own.width, .height = own.height};
  std::string what;
  switch (w.Below(14)) {
    case 0:
      spec = {.width = 1, .height = 1};
      what = "1x1";
      break;
    case 1:
      spec = {.width = 2, .height = 2};
      what = "2x2";
      break;
    case 2:
      spec = {.width = 1, .height = 1, .allKey = true};
      what = "1x1 of the key colour";
      break;
    case 3:
      spec.allKey = true;
      what = "all of the key colour";
      break;
    case 4: {
      constexpr int kDepths[] = {1, 4, 8, 16, 32};
      spec.bits = kDepths[w.Below(5)];
      what = std::to_string(spec.bits) + "-bit";
      break;
    }
    case 5:
      spec.topDown = true;
      what = "top-down";
      break;
    case 6: {
      const std::size_t cut = std::array<std::size_t, 6>{0, 1, 14, 30, 54, m.data.size() / 2}[w.Below(6)];
      m.data.resize(std::min(cut, m.data.size()));
      w.Say("image", m.name + " cut to " + std::to_string(m.data.size()) + " bytes");
      return;
    }
    case 7: {
      // Headers claiming a picture far larger than the pixels there.
      m.data = MakeBitmapFile({.width = 2, .height = 2});
      const std::uint32_t sizes[][2] = {{32768, 32768}, {100000, 1}, {1, 100000}, {0x7FFFFFFF, 0x7FFFFFFF}};
      const auto& s = sizes[w.Below(4)];
      Put32(m.data, 18, s[0]);
      Put32(m.data, 22, s[1]);
      w.Say("image", m.name + " header claims " + std::to_string(s[0]) + "x" + std::to_string(s[1]));
      return;
    }
    case 8: {
      spec.bits = 8;
      spec.writePalette = false;
      spec.paletteEntries = w.Below(2) ? 256 : 0xFFFFFFFF;
      what = "8-bit, its palette missing";
      break;
    }
    case 9: {
      spec.bits = w.Below(2) ? 8 : 4;
      spec.compression = spec.bits == 8 ? 1 : 2;  // BI_RLE8, BI_RLE4
      what = "run-length coded with garbage";
      break;
    }
    case 10:
      spec.bits = 16;
      spec.compression = 3;  // BI_BITFIELDS
      what = "bit fields without masks";
      break;
    case 11: {
      m.data = MakeBitmapFile({.width = 4, .height = 4});
      Put32(m.data, 10, 0xFFFFFFF0u);
      w.Say("image", m.name + " pixels beyond the file's end");
      return;
    }
    case 12:
      spec = w.Below(2) ? BitmapSpec{.width = 3000, .height = 1} : BitmapSpec{.width = 1, .height = 3000};
      what = "a long strip";
      break;
    default: {
      m.data = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
      w.Say("image", m.name + " not a bitmap");
      return;
    }
  }
  m.data = MakeBitmapFile(spec);
  if (spec.compression == 1 || spec.compression == 2) {
    for (std::size_t i = 54; i < m.data.size(); ++i) m.data[i] = static_cast<std::uint8_t>(w.rng.Next());
  }
  w.Say("image", m.name + " -> " + std::to_string(spec.width) + "x" + std::to_string(spec.height) + " " + what);
}

void ImageMissing(Work& w) {
  const std::vector<std::size_t> bitmaps = w.Bitmaps();
  if (bitmaps.empty()) return;
  const std::size_t index = bitmaps[w.Below(bitmaps.size())];
  w.Say("image", w.members[index].name + " removed from the package");
  w.members.erase(w.members.begin() + static_cast<std::ptrdiff_t>(index));
}

// A description value naming another image, none, or one not there.
void ImageValue(Work& w) {
  const ImageKey& k = w.Pick(std::span<const ImageKey>(kImageKeys));
  const std::string section = SectionFor(w, k.group, k.section);
  const std::vector<std::size_t> bitmaps = w.Bitmaps();
  std::string value;
  switch (w.Below(6)) {
    case 0: value = "missing.bmp"; break;
    case 1: value = ""; break;
    case 2: value = "SEDGE_BUTTONS.BMP"; break;  // the extension must be lower case
    case 3: value = "skins\\"; break;
    default:
      // Another member's picture: bigger or smaller than what the margins
      // and frame counts were made for.
      if (!bitmaps.empty()) value = "c:\\skins\\" + w.members[bitmaps[w.Below(bitmaps.size())]].name;
      break;
  }
  SetKey(w.ini, section, k.key, value);
  w.Say("image value", section + "." + std::string(k.key) + "=\"" + value + "\"");
}

void Sections(Work& w) {
  if (w.ini.empty()) return;
  const std::size_t index = w.Below(w.ini.size());
  const IniSection chosen = w.ini[index];
  switch (w.Below(5)) {
    case 0:
      w.ini.erase(w.ini.begin() + static_cast<std::ptrdiff_t>(index));
      w.Say("section", chosen.name + " removed");
      break;
    case 1: {
      // A copy first, without one of its keys: the first section of a name counts.
      IniSection copy = chosen;
      if (!copy.keys.empty()) copy.keys.erase(copy.keys.begin() + static_cast<std::ptrdiff_t>(w.Below(copy.keys.size())));
      w.ini.insert(w.ini.begin(), copy);
      w.Say("section", chosen.name + " twice, the first one short of a key");
      break;
    }
    case 2: {
      IniSection copy = chosen;
      copy.name = UpperAscii(copy.name);
      w.ini.push_back(copy);
      w.Say("section", chosen.name + " again as " + copy.name);
      break;
    }
    case 3: {
      // Many caption buttons, each a copy of one the skin has.
      const std::string source = SectionOf(w, Group::kCaptionButton);
      const IniSection* found = FindSection(w.ini, source);
      const IniSection button = found ? *found : IniSection{};  // the list grows below
      const int count = w.Below(2) ? 40 : 150;
      for (int i = 0; i < count; ++i) {
        IniSection copy = button;
        copy.name = "Button" + std::to_string(100 + i);
        w.ini.push_back(copy);
      }
      w.Say("section", std::to_string(count) + " more caption buttons like " + source);
      break;
    }
    default: {
      w.ini.insert(w.ini.begin() + static_cast<std::ptrdiff_t>(index),
                   IniSection{"", {{"", "x"}, {std::string(5000, 'k'), std::string(5000, 'v')}, {"Personality", ""}}});
      w.Say("section", "a nameless section of junk keys before " + chosen.name);
      break;
    }
  }
}

// Members whose names clash with others.
void MemberClash(Work& w) {
  const std::vector<std::size_t> bitmaps = w.Bitmaps();
  if (bitmaps.empty()) return;
  const std::size_t index = bitmaps[w.Below(bitmaps.size())];
  PackageMember copy = w.members[index];
  std::string what;
  switch (w.Below(5)) {
    case 0:
      copy.data = MakeBitmapFile({.width = 1, .height = 1});
      w.members.insert(w.members.begin() + static_cast<std::ptrdiff_t>(index), copy);
      what = copy.name + " twice, a 1x1 picture first";
      break;
    case 1:
      copy.data = MakeBitmapFile({.width = 3, .height = 3, .allKey = true});
      w.members.push_back(copy);
      what = copy.name + " twice, the second one all key";
      break;
    case 2:
      copy.name = UpperAscii(copy.name);
      copy.data = MakeBitmapFile({.width = 2, .height = 2});
      w.members.insert(w.members.begin(), copy);
      what = copy.name + " first, in another letter case";
      break;
    case 3:
      copy.name = "a.ini";
      copy.data.assign({'[', 'P', 'e', 'r', 's', 'o', 'n', 'a', 'l', 'i', 't', 'y', ']'});
      w.members.insert(w.members.begin(), copy);
      what = "a second description before the first";
      break;
    default:
      // A picture whose name contains ".ini" comes first: it is taken for the description.
      copy.name = "skin.ini.bmp";
      w.members.insert(w.members.begin(), copy);
      what = copy.name + " (a picture) first";
      break;
  }
  w.Say("member names", what);
}

void PackageDamaged(Work& w) {
  if (w.Below(2)) {
    w.dropDescription = true;
    w.Say("package", "no description");
  } else {
    w.cutPackageAt = 1 + w.Below(4000);
    w.Say("package", "cut after " + std::to_string(w.cutPackageAt) + " bytes");
  }
}

struct MutationKind {
  std::string_view name;
  int weight;
  void (*apply)(Work&);
};
const MutationKind kKinds[] = {
    {"integer", 30, IntegerOutOfRange}, {"margins", 8, MarginsBeyondImage}, {"colour", 6, ColourGarbled},
    {"image", 14, ImageReplaced},       {"image", 3, ImageMissing},         {"image value", 10, ImageValue},
    {"section", 8, Sections},           {"member names", 6, MemberClash},  {"package", 2, PackageDamaged},
};

}  // namespace

std::uint64_t SeedRandom::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::vector<PackageMember> PackageMembers(std::span<const std::uint8_t> package) {
  TSkinReader reader;
  std::vector<PackageMember> members;
  if (!reader.LoadPackage(package)) return members;
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    const auto data = reader.Member(i);
    members.push_back({reader.Names()[i], Bytes(data.begin(), data.end())});
  }
  return members;
}

std::vector<std::string> MutationKinds() {
  std::vector<std::string> names;
  for (const MutationKind& k : kKinds)
    if (std::find(names.begin(), names.end(), k.name) == names.end()) names.emplace_back(k.name);
  return names;
}

MutatedSkin MutateMembers(const std::vector<PackageMember>& base, std::uint64_t seed) {
  SeedRandom rng(seed);
  Work w{rng, {}, base, {}};
  auto description = std::find_if(w.members.begin(), w.members.end(),
                                  [](const PackageMember& m) { return m.name.find(".ini") != std::string::npos; });
  if (description != w.members.end())
    w.ini = ParseIni(std::string_view(reinterpret_cast<const char*>(description->data.data()), description->data.size()));
  const std::string descriptionName = description != w.members.end() ? description->name : std::string();

  int total = 0;
  for (const MutationKind& k : kKinds) total += k.weight;
  const std::size_t count = 1 + rng.Below(4);
  for (std::size_t i = 0; i < count; ++i) {
    int pick = static_cast<int>(rng.Below(static_cast<std::size_t>(total)));
    for (const MutationKind& k : kKinds) {
      if ((pick -= k.weight) < 0) {
        k.apply(w);
        break;
      }
    }
  }

  // The description goes back into its member (the first of its name).
  for (auto it = w.members.begin(); it != w.members.end(); ++it) {
    if (it->name != descriptionName || descriptionName.empty()) continue;
    if (w.dropDescription) {
      w.members.erase(it);
    } else {
      const std::string text = WriteIni(w.ini);
      it->data.assign(text.begin(), text.end());
    }
    break;
  }
  MutatedSkin out;
  out.members = std::move(w.members);
  out.applied = std::move(w.applied);
  out.cutAt = w.cutPackageAt;
  return out;
}

MutatedSkin MutateSkin(const std::vector<PackageMember>& base, std::uint64_t seed) {
  MutatedSkin out = MutateMembers(base, seed);
  out.package = WritePackage(out.members);
  if (out.cutAt) out.package.resize(std::min(out.package.size(), out.cutAt));
  return out;
}

std::vector<std::uint8_t> MakeBitmapFile(const BitmapSpec& spec) {
  const int bits = spec.bits;
  const std::int64_t paletteNeeded = bits <= 8 ? (std::int64_t{1} << bits) : 0;
  const std::int64_t declared = spec.paletteEntries >= 0 ? spec.paletteEntries : paletteNeeded;
  const std::size_t paletteBytes = spec.writePalette ? static_cast<std::size_t>(paletteNeeded) * 4 : 0;
  const std::size_t stride = (static_cast<std::size_t>(spec.width) * bits + 31) / 32 * 4;
  const std::size_t offset = 14 + 40 + paletteBytes;
  Bytes b(offset + stride * static_cast<std::size_t>(spec.height), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(offset));
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(spec.width));
  Put32(b, 22, static_cast<std::uint32_t>(spec.topDown ? -spec.height : spec.height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint32_t>(bits));
  Put32(b, 30, spec.compression);
  Put32(b, 34, static_cast<std::uint32_t>(stride * spec.height));
  Put32(b, 46, static_cast<std::uint32_t>(declared));
  // Palette: index 0 a dark green, 1 the colour key, the rest greys.
  for (std::size_t i = 0; i * 4 < paletteBytes; ++i) {
    const std::uint32_t bgr = i == 1 ? 0xFF00FF : i == 0 ? 0x305030 : static_cast<std::uint32_t>(i * 0x010101);
    Put32(b, 54 + i * 4, bgr);
  }
  // Pixels: stripes of the key colour every third column (or all key).
  for (int y = 0; y < spec.height; ++y) {
    std::uint8_t* row = b.data() + offset + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < spec.width; ++x) {
      const bool key = spec.allKey || x % 3 == 1;
      const std::size_t at = static_cast<std::size_t>(x);
      switch (bits) {
        case 32: Put32(b, offset + y * stride + at * 4, key ? 0xFF00FF : 0x406080); break;
        case 24:
          row[at * 3] = key ? 0xFF : 0x80;
          row[at * 3 + 1] = key ? 0x00 : 0x60;
          row[at * 3 + 2] = key ? 0xFF : 0x40;
          break;
        case 16: Put16(b, offset + y * stride + at * 2, key ? 0x7C1F : 0x2108); break;
        case 8: row[at] = key ? 1 : 0; break;
        case 4: row[at / 2] |= static_cast<std::uint8_t>((key ? 1 : 0) << (at % 2 ? 0 : 4)); break;
        case 1: row[at / 8] |= static_cast<std::uint8_t>((key ? 1 : 0) << (7 - at % 8)); break;
        default: break;
      }
    }
  }
  return b;
}

}  // namespace vex::skin::hostile
