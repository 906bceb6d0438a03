// TSkinData at another DPI: a copy of the loaded skin whose images, margins
// and description values are scaled once, when a window first asks for that
// DPI, so that every painter works unchanged on a skin that happens to be
// larger.  Painting then costs what it costs at 96 dpi: no scaling per paint.
#include <algorithm>
#include <span>

#include "skin/data/BmpFile.h"
#include "skin/data/BmpInfo.h"
#include "skin/data/SkinDescription.h"
#include "skin/data/SkinScaling.h"
#include "skin/data/TSkinData.h"
#include "skin/data/TSkinReader.h"

namespace vex::skin {
namespace {

using scaling::Pixels;

// Every object's FrameCount says how its image is cut (the description sets
// the counts the painters use); frames lie side by side except for the top
// and bottom frames, the title's TextBack and the menu bar, which are
// stacked.  Cutting where the painters cut keeps frames from bleeding.

Pixels ReadPixels(vcl::TBitmap& bitmap) {
  Pixels p;
  if (bitmap.Empty() || bitmap.Width() <= 0 || bitmap.Height() <= 0) return p;
  p.width = bitmap.Width();
  p.height = bitmap.Height();
  p.data.resize(static_cast<std::size_t>(p.width) * p.height);
  // The skin's images are DIB sections of 24 or 32 bits: read in place.
  const vcl::TPixelFormat format = bitmap.PixelFormat();
  if (format == vcl::pf24bit || format == vcl::pf32bit) {
    const int step = format == vcl::pf32bit ? 4 : 3;
    bool direct = true;
    for (int y = 0; y < p.height && direct; ++y) {
      const auto* row = static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
      direct = row != nullptr;
      for (int x = 0; direct && x < p.width; ++x, row += step)
        p.data[static_cast<std::size_t>(y) * p.width + x] =
            row[0] | static_cast<std::uint32_t>(row[1]) << 8 | static_cast<std::uint32_t>(row[2]) << 16;
    }
    if (direct) return p;
  }
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = p.width;
  bi.bmiHeader.biHeight = -p.height;  // rows from the top
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  HBITMAP handle = bitmap.Handle();
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, handle, 0, static_cast<UINT>(p.height), p.data.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != p.height) return Pixels{};
  for (std::uint32_t& px : p.data) px &= 0xFFFFFF;  // BGRA in memory reads as 0x00RRGGBB
  return p;
}

// Made as a bitmap file and loaded like a package member: no device context.
void WritePixels(const Pixels& p, vcl::TBitmap& into) {
  into.SetHandle(nullptr);
  if (p.width <= 0 || p.height <= 0) return;
  try {
    into.LoadFromMemory(EncodeBmp24(p.width, p.height, p.data));
  } catch (const std::exception&) {
    into.SetHandle(nullptr);
  }
  // A fresh image: no see-through settings left from a skin loaded before.
  into.SetTransparentColor(vcl::clDefault);
  into.SetTransparent(false);
}

// A picture the package draws for a scale, as a fresh image (no
// see-through settings left from a skin loaded before); empty when it is
// not a bitmap.
void LoadDrawn(std::span<const std::uint8_t> bytes, vcl::TBitmap& into) {
  try {
    into.LoadFromMemory(bytes);
  } catch (const std::exception&) {
    into.SetHandle(nullptr);
  }
  into.SetTransparentColor(vcl::clDefault);
  into.SetTransparent(false);
}

void CopyBitmap(vcl::TBitmap& from, vcl::TBitmap& into) {
  if (from.Empty()) {
    into.SetHandle(nullptr);
    return;
  }
  into.Assign(from);
}

}  // namespace

TSkinData* TSkinData::AtDpi(int dpi) {
  if (FSource) return FSource->AtDpi(dpi);
  if (dpi <= 0 || dpi == scaling::kBaseDpi || NoSkin) return this;
  std::unique_ptr<TSkinData>& kept = FScaled[dpi];
  if (!kept) {
    kept.reset(new TSkinData(ScaledCopyTag{}, this, dpi));
    BuildScaledCopy(*kept);
  }
  // What the engine reads besides the pictures follows the loaded skin.
  kept->DisableTag = DisableTag;
  kept->SkinControls = SkinControls;
  kept->SkinFormtype = SkinFormtype;
  return kept.get();
}

bool TSkinData::IsOrMade(const TSkinData* skin) const {
  if (skin == this) return true;
  for (const auto& [dpi, copy] : FScaled)
    if (copy.get() == skin) return true;
  return false;
}

void TSkinData::RefreshScaledCopies() {
  for (auto& [dpi, copy] : FScaled) BuildScaledCopy(*copy);
}

void TSkinData::RememberDrawnImages(const vcl::TBitmap& bitmap, const std::string& value) {
  FDrawnImages.erase(&bitmap);
  // Only pictures of the package FDrawnPackage holds can be found again.
  if (!FReader || FReader != FDrawnPackage.get()) return;
  for (const scaling::DrawnScale& s : scaling::kDrawnScales) {
    const std::optional<std::size_t> index = IndexOfImage(*FReader, value, s.percent);
    if (!index || FReader->Sizes()[*index] <= 0) continue;
    FDrawnImages[&bitmap].members[s.dpi] = *index;
  }
}

void TSkinData::BuildScaledCopy(TSkinData& c) {
  const int dpi = c.FDpi;
  auto px = [dpi](int value) { return scaling::AtDpi(value, dpi); };

  // An image cut into cols × rows cells, each scaled on its own.  A picture
  // the package draws for this scale wins when its cells have the size the
  // scaled margins expect; an image too small to cut is kept as it is.
  auto image = [&](vcl::TBitmap& from, vcl::TBitmap& into, int cols, int rows) {
    cols = std::max(1, cols);
    rows = std::max(1, rows);
    if (from.Empty() || !scaling::CanCut(from.Width(), from.Height(), cols, rows)) {
      CopyBitmap(from, into);
      return;
    }
    const int wantW = px(from.Width() / cols) * cols, wantH = px(from.Height() / rows) * rows;
    auto drawn = FDrawnImages.find(&from);
    if (drawn != FDrawnImages.end() && FDrawnPackage) {
      std::vector<int> available;
      for (const auto& [d, member] : drawn->second.members) available.push_back(d);
      if (const int use = scaling::PickDrawnDpi(dpi, available)) {
        std::span<const std::uint8_t> picture = FDrawnPackage->Member(drawn->second.members[use]);
        std::vector<std::uint8_t> columns;
        if (const DrawnImage& d = drawn->second; d.of > 0) {
          const std::optional<BmpInfo> info = ReadBmpInfo(picture);
          const int frame = info ? info->width / d.of : 0;
          columns = CutBmpColumns(picture, frame * d.first, frame * d.count);
          picture = columns;
        }
        // Drawn for this very DPI: the picture is the image, loaded straight
        // into it (no pixels read back and written again, no second copy).
        if (use == dpi) {
          LoadDrawn(picture, into);
          if (!into.Empty() && into.Width() == wantW && into.Height() == wantH) return;
        }
        vcl::TBitmap made;
        LoadDrawn(picture, made);
        if (!made.Empty()) {
          Pixels p = ReadPixels(made);
          if (use != dpi) p = scaling::ScaleCells(p, cols, rows, dpi, use);
          if (p.width == wantW && p.height == wantH) {
            WritePixels(p, into);
            return;
          }
        }
      }
    }
    const Pixels scaled = scaling::ScaleCells(ReadPixels(from), cols, rows, dpi, scaling::kBaseDpi);
    if (scaled.width <= 0) {
      CopyBitmap(from, into);
      return;
    }
    WritePixels(scaled, into);
  };
  auto object = [&](TDataSkinObject& from, TDataSkinObject& into, int cols, int rows) {
    into.Name = from.Name;
    into.LeftWidth = px(from.LeftWidth);
    into.TopHeight = px(from.TopHeight);
    into.RightWidth = px(from.RightWidth);
    into.BottomHeight = px(from.BottomHeight);
    into.Trans = from.Trans;
    into.Tile = from.Tile;
    into.FrameCount = from.FrameCount;
    into.NormalColour = from.NormalColour;
    into.MouseOverColour = from.MouseOverColour;
    into.PressedColour = from.PressedColour;
    into.NormalColour2 = from.NormalColour2;
    into.MouseOverColour2 = from.MouseOverColour2;
    into.PressedColour2 = from.PressedColour2;
    image(from.Image, into.Image, cols, rows);
  };
  auto optional = [&](std::unique_ptr<TDataSkinObject>& from, std::unique_ptr<TDataSkinObject>& into, int cols,
                      int rows) {
    into.reset();
    if (!from) return;
    into = std::make_unique<TDataSkinObject>(from->Name);
    object(*from, *into, cols, rows);
  };
  auto frames = [](const TDataSkinObject& o) { return std::max(1, o.FrameCount); };

  c.NoSkin = true;
  c.SkinName = SkinName;
  c.WindowText = WindowText;
  c.TitleTextActive = TitleTextActive;
  c.TitleTextInactive = TitleTextInactive;
  c.ButtonFace = ButtonFace;
  c.ButtonText = ButtonText;
  c.ButtonHilight = ButtonHilight;
  c.Buttonlight = Buttonlight;
  c.ButtonShadow = ButtonShadow;
  c.ButtonDkShadow = ButtonDkShadow;
  c.HilightText = HilightText;
  c.Hilight = Hilight;
  c.Menubar = Menubar;
  c.MenuBarText = MenuBarText;
  c.MenuText = MenuText;
  c.Menu = Menu;
  c.ScrollbarColour = ScrollbarColour;
  c.ColourTable = ColourTable;

  // Left and right frames lie side by side, top and bottom stacked.
  object(Left, c.Left, frames(Left), 1);
  object(Right, c.Right, frames(Right), 1);
  object(Top, c.Top, 1, frames(Top));
  object(Bottom, c.Bottom, 1, frames(Bottom));

  c.SysButtons.clear();
  for (const auto& b : SysButtons) {
    auto button = std::make_unique<TDataSkinSysButton>(b->Name);
    object(*b, *button, frames(*b), 1);
    // The description empties the picture of a button showing the window's
    // icon (Action 3 or 11); a frame puts its own small icon there, at its
    // own size, so the copy's button stays empty for its frames to fill.
    if (b->Action == 3 || b->Action == 11) button->Image.SetHandle(nullptr);
    button->Action = b->Action;
    button->Align = b->Align;
    button->Xcoord = px(b->Xcoord);
    button->Ycoord = px(b->Ycoord);
    button->CombineOp = b->CombineOp;
    button->Visibility = b->Visibility;
    button->Visibility1 = b->Visibility1;
    c.SysButtons.push_back(std::move(button));
  }

  object(Buttons, c.Buttons, frames(Buttons), 1);
  image(Buttons.CheckImage, c.Buttons.CheckImage, Buttons.CheckButtonFrame, 1);
  image(Buttons.RadioImage, c.Buttons.RadioImage, Buttons.RadioButtonFrame, 1);
  c.Buttons.RadioButtonFrame = Buttons.RadioButtonFrame;
  c.Buttons.CheckButtonFrame = Buttons.CheckButtonFrame;

  // The title keeps its text shifts and clip in the margins.
  object(Title, c.Title, 1, frames(Title));
  c.Title.TextAlignment = Title.TextAlignment;
  c.Title.Textbackground = Title.Textbackground;
  c.Title.FontHeight = px(Title.FontHeight);
  c.Title.TXTBackleft = px(Title.TXTBackleft);
  c.Title.TXTBackRight = px(Title.TXTBackRight);
  c.Title.ActiveText = Title.ActiveText;
  c.Title.InActiveText = Title.InActiveText;

  optional(MenuBar, c.MenuBar, 1, MenuBar ? frames(*MenuBar) : 1);
  c.Tabs.reset();
  if (Tabs) {
    c.Tabs = std::make_unique<TDataSkinBorder>(Tabs->Name);
    object(*Tabs, *c.Tabs, frames(*Tabs), 1);
    image(Tabs->BorderImage, c.Tabs->BorderImage, 1, 1);
  }
  for (auto [from, into] : {std::pair{&Progress, &c.Progress}, {&GroupBoxEdge, &c.GroupBoxEdge},
                            {&Toolbars, &c.Toolbars}, {&StatusBarEdges, &c.StatusBarEdges}, {&ComboButton, &c.ComboButton},
                            {&SunkEdge, &c.SunkEdge}, {&ExtraImages, &c.ExtraImages}, {&Headerbar, &c.Headerbar},
                            {&HorzScrollThumb, &c.HorzScrollThumb}, {&VertScrollThumb, &c.VertScrollThumb},
                            {&MenuItem, &c.MenuItem}, {&MenuBackground, &c.MenuBackground}, {&Scrollbar, &c.Scrollbar},
                            {&HorzScroll, &c.HorzScroll}, {&VertScroll, &c.VertScroll}})
    optional(*from, *into, *from ? frames(**from) : 1, 1);

  c.FaceBrush.reset(CreateSolidBrush(vcl::ColorToRGB(ButtonFace)));
  c.NoSkin = NoSkin;
}

}  // namespace vex::skin
