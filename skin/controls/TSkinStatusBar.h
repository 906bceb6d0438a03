#pragma once
// TSkinStatusBar: a status bar painted wholly by the skinner: each panel
// (or the one simple panel) from the skin's StatusBarEdges frames (1
// lowered, 2 raised, 3 flat), or with plain one-pixel 3D frames in the
// skin's colours when the skin has no edges, and its text.  Panels take
// their bevel from the control's drawing flags and their alignment from
// the tabs in front of their text.
#include <string>

#include "skin/controls/TSkinControl.h"

namespace vex::skin {

// Panel `index` of a status bar (SB_SIMPLEID for the simple text): its text
// in the system code page and, in `flags`, its drawing flags (SBT_*).  An
// owner-drawn panel has no text.
std::string StatusPanelText(HWND bar, int index, unsigned& flags);

class TSkinStatusBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(vcl::TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  // One panel at `rect` of the buffer `dc` with its caption (a blank when
  // the text is empty); `bevel` is controls::kPanelLowered ... kPanelFlat.
  void DrawEdgePanel(HDC dc, const RECT& rect, unsigned format, const std::string& text, int bevel);
  void DrawBevelPanel(HDC dc, const RECT& rect, unsigned format, const std::string& text, int bevel);

 private:
  bool HasEdges() const;
  std::string SimpleText() const;
};

}  // namespace vex::skin
