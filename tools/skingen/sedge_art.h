#pragma once
// The images of the sedge skin, one drawing function each.  Sizes follow what
// the skin description says about them (margins, frame counts) and what the
// painters expect of each frame.
#include <vector>

#include "art_kit.h"

namespace sedge {

using namespace skinart;

// The description's own colours.
inline constexpr Rgba kFace = Rgb(189, 195, 158);
inline constexpr Rgba kText = Rgb(40, 40, 40);
inline constexpr Rgba kTitleInk = Rgb(88, 102, 68);
inline constexpr Rgba kTitleInkInactive = Rgb(109, 126, 83);
// Shades of the face colour.
inline constexpr Rgba kFaceLight = Rgb(222, 226, 204);
inline constexpr Rgba kFaceHi = Rgb(244, 246, 234);
inline constexpr Rgba kShadow = Rgb(143, 152, 114);
inline constexpr Rgba kDkShadow = Rgb(94, 104, 72);
inline constexpr Rgba kMenu = Rgb(236, 239, 224);
inline constexpr Rgba kTrack = Rgb(214, 219, 190);
// Accents: hot and pressed states carry white text on sedge green; close is brick.
inline constexpr Rgba kOliveLight = Rgb(134, 154, 104);
inline constexpr Rgba kOlive = Rgb(110, 128, 84);
inline constexpr Rgba kOliveDark = Rgb(80, 94, 60);
inline constexpr Rgba kBrick = Rgb(172, 88, 64);
inline constexpr Rgba kBrickDark = Rgb(134, 62, 44);
// Disabled look.
inline constexpr Rgba kMuted = Rgb(208, 211, 196);
inline constexpr Rgba kMutedLine = Rgb(166, 171, 152);
inline constexpr Rgba kMutedInk = Rgb(150, 156, 136);

// Frame geometry shared with sedge.ini: keep the two in step.
inline constexpr int kTitleHeight = 28;    // top border frame height
inline constexpr int kSideWidth = 4;       // left and right border frame width
inline constexpr int kBottomHeight = 4;    // bottom border frame height
inline constexpr int kTopLeftBand = 5;     // TopTopHeight
inline constexpr int kTopRightBand = 145;  // TopBotHeight
inline constexpr int kSideTopBand = 38;    // LeftTopHeight, RightTopHeight
inline constexpr int kSideBottomBand = 10; // LeftBotHeight, RightBotHeight

extern const std::vector<const char*> kCloseGlyph, kMaxGlyph, kRestoreGlyph, kMinGlyph;

// Window frame (sedge_frame_art.cpp).
SkinImage DrawBodyTop();
SkinImage DrawBodyBottom();
SkinImage DrawBodySide(bool right);
SkinImage DrawMenuBar();
SkinImage DrawCaptionButton(const char* name, const std::vector<const char*>& glyph, bool isClose);
SkinImage DrawMdiControls();

// Controls (sedge_control_art.cpp).
SkinImage DrawDialog();
SkinImage DrawButtons();
SkinImage DrawCheckBox();
SkinImage DrawRadio();
SkinImage DrawProgress();
SkinImage DrawGroupBoxEdge();
SkinImage DrawGroupBox();
SkinImage DrawTools();
SkinImage DrawStatus();
SkinImage DrawHeader();

// Tabs, combo boxes, menus and scroll bars (sedge_item_art.cpp).
SkinImage DrawTabBorder();
SkinImage DrawTabs();
SkinImage DrawComboButton();
SkinImage DrawSunkEdge();
SkinImage DrawComboArrow();
SkinImage DrawMenuItem();
SkinImage DrawMenuBack();
SkinImage DrawArrows();
SkinImage DrawScrollTrack(bool vertical);
SkinImage DrawScrollThumb(bool vertical);

// All 32 images in package order.
std::vector<SkinImage> DrawSedge();

// The sample windows of the preview sheet (sedge_samples.cpp).
Raster RenderSamples(const std::vector<SkinImage>& images);

}  // namespace sedge
