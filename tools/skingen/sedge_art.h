#pragma once
// The images of the sedge skin, one drawing function each.  Sizes follow what
// the skin description says about them (margins, frame counts) and what the
// painters expect of each frame.
#include <vector>

#include "sedge_kit.h"

namespace sedge {

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

}  // namespace sedge
