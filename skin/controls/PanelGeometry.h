#pragma once
// The arithmetic of skinned status bars and list headers, free of Win32 so
// that it is tested natively: which edge frame a status panel shows and how
// its text is aligned, and where a header item's caption goes.
#include <string>

#include "skin/controls/ControlGeometry.h"

namespace vex::skin::controls {

// Frames of the status bar's edge image, and the bevels of panels.
inline constexpr int kPanelLowered = 1;
inline constexpr int kPanelRaised = 2;
inline constexpr int kPanelFlat = 3;

// A panel's caption keeps this far from its left and right edges.
inline constexpr int kPanelTextInset = 3;

// The bevel of a panel from the drawing flags a status bar reports with its
// text: SBT_NOBORDERS (0x100) flat, SBT_POPOUT (0x200) raised, otherwise
// lowered.
int StatusPanelBevel(unsigned textFlags);

// A status panel's text as the control keeps it: one leading tab centres
// the rest, two align it right (DT_CENTER 1, DT_RIGHT 2, else DT_LEFT 0).
struct PanelText {
  std::string text;
  unsigned format = 0;
};
PanelText SplitPanelText(const std::string& stored);

// A header item's caption alignment from the low byte of its format
// (HDF_RIGHT 1, HDF_CENTER 2): DT_RIGHT, DT_CENTER or DT_LEFT.
unsigned HeaderTextFormat(int itemFormat);

// Where a header caption measured as textWidth x textHeight goes in the
// item's rectangle: vertically centred; centred sideways, or 4 pixels in
// from the item's left or right edge.
Rect PlaceHeaderCaption(const Rect& item, int textWidth, int textHeight, unsigned format);

}  // namespace vex::skin::controls
