#pragma once
// The images of the heron skin: a thick slate frame whose sides, title and
// bottom are stretched, a lifted bottom rail cut out with the colour key, a
// caption plate behind centred text, an amber accent.  One drawing function
// per image; sizes follow heron.ini (margins, frame counts) and what the
// painters expect of each frame.
#include <vector>

#include "art_kit.h"

namespace heron {

using namespace skinart;

// Frame geometry shared with heron.ini: keep the two in step.
inline constexpr int kTitleHeight = 32;     // top border frame height
inline constexpr int kSideWidth = 8;        // left and right border frame width
inline constexpr int kBottomHeight = 8;     // bottom border frame height
inline constexpr int kTopBand = 8;          // TopTopHeight, TopBotHeight
inline constexpr int kSideTopBand = 32;     // LeftTopHeight, RightTopHeight: the title's ends
inline constexpr int kSideBottomBand = 12;  // LeftBotHeight, RightBotHeight: the corner posts
inline constexpr int kBottomBand = 16;      // BottomTopHeight, BottomBotHeight: the rail's ends
inline constexpr int kBottomLift = 3;       // key rows under the middle of the rail
inline constexpr int kPlateLeft = 20;       // TXTBackleft: the window icon sits on it
inline constexpr int kPlateRight = 26;      // TXTBackRight: the application's button sits on it
inline constexpr int kCaptionButton = 22;   // close, maximise, restore, minimise
inline constexpr int kAppButton = 18;       // the application's own caption button

// The description's colours.
inline constexpr Rgba kFace = Rgb(222, 227, 234);
inline constexpr Rgba kText = Rgb(28, 36, 48);
inline constexpr Rgba kMenuText = Rgb(84, 98, 120);  // also ButtonShadow
inline constexpr Rgba kTitleText = Rgb(240, 244, 250);
inline constexpr Rgba kMenu = Rgb(246, 248, 251);
// The slate of the frame.
inline constexpr Rgba kRim = Rgb(22, 32, 46);
inline constexpr Rgba kSlateHi = Rgb(104, 130, 162);
inline constexpr Rgba kSlate = Rgb(60, 82, 110);
inline constexpr Rgba kSlateDark = Rgb(46, 64, 88);
inline constexpr Rgba kSlateInner = Rgb(30, 42, 58);
// Steel: selected and pressed states, with white text.
inline constexpr Rgba kSteelLight = Rgb(132, 160, 194);
inline constexpr Rgba kSteel = Rgb(84, 112, 148);
inline constexpr Rgba kSteelDark = Rgb(56, 80, 112);
// Amber: the hot look and the accent line; coral: close.
inline constexpr Rgba kAmberLight = Rgb(252, 222, 160);
inline constexpr Rgba kAmber = Rgb(236, 170, 64);
inline constexpr Rgba kAmberDark = Rgb(190, 124, 34);
inline constexpr Rgba kCoral = Rgb(214, 84, 68);
inline constexpr Rgba kCoralDark = Rgb(160, 50, 40);
// Light shades of the face.
inline constexpr Rgba kFaceHi = Rgb(250, 251, 253);
inline constexpr Rgba kFaceLight = Rgb(238, 241, 246);
inline constexpr Rgba kLine = Rgb(150, 162, 180);
inline constexpr Rgba kLineDark = Rgb(104, 118, 140);
inline constexpr Rgba kTrack = Rgb(206, 213, 222);
// Disabled look.
inline constexpr Rgba kMuted = Rgb(212, 216, 222);
inline constexpr Rgba kMutedLine = Rgb(176, 182, 192);
inline constexpr Rgba kMutedInk = Rgb(150, 157, 168);

// Window frame (heron_frame_art.cpp).
SkinImage DrawBodyTop();
SkinImage DrawBodyBottom();
SkinImage DrawBodySide(bool right);
SkinImage DrawTextBack();
SkinImage DrawMenuBar();
SkinImage DrawMdiControls();

// Caption buttons (heron_caption_art.cpp).
enum class CaptionGlyph { kClose, kMaximise, kRestore, kMinimise };
SkinImage DrawCaptionButton(const char* name, CaptionGlyph glyph);
SkinImage DrawAppButton();

// Controls (heron_control_art.cpp).
SkinImage DrawButtons();
SkinImage DrawCheckBox();
SkinImage DrawRadio();
SkinImage DrawProgress();
SkinImage DrawGroupBoxEdge();
SkinImage DrawTools();

// Tabs, fields, menus and scroll bars (heron_item_art.cpp).
SkinImage DrawTabBorder();
SkinImage DrawTabs();
SkinImage DrawComboButton();
SkinImage DrawSunkEdge();
SkinImage DrawComboArrow();
SkinImage DrawMenuBack();
SkinImage DrawArrows();
SkinImage DrawScrollTrack(bool vertical);
SkinImage DrawScrollThumb(bool vertical);

// Every image in package order.
std::vector<SkinImage> DrawHeron();

// The sample windows of the preview sheet (heron_samples.cpp).
Raster RenderSamples(const std::vector<SkinImage>& images);

}  // namespace heron
