#pragma once
// The arithmetic of a skinned frame, free of Win32 so that it is tested
// natively: where the caption text goes, which caption buttons show and
// where, what a caption button does, and the window sizes that keep a
// client area unchanged under the skin's frame.  The Win32 frame code feeds
// it the window's facts and draws where it says.
#include <cstdint>

namespace vex::skin::frame {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  void Offset(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Thickness of the skinned frame sides and the menu band below the title.
struct Bands {
  int left = 0, top = 0, right = 0, bottom = 0, menu = 0;
};

// ---- caption text -------------------------------------------------------

// The title object's text keys.
struct TitleText {
  int alignment = 0;   // 0 shifted from the left, 1 centred, 2 right-aligned
  int shift = 0;       // TextShift
  int shiftVert = 0;   // TextShiftVert
  int rightClip = 0;   // TextRightClip
  int backLeft = 0;    // TXTBackleft
  int backRight = 0;   // TXTBackRight
};

struct CaptionPlace {
  Rect textRect;  // the text with its background, window coordinates
  Rect drawRect;  // where the text itself is drawn (inside the end caps)
};

// Places a caption measured as textWidth x textHeight in the title band
// `bar`.  Right-aligned text ends at the clip line, so that it stays clear
// of the buttons the clip keeps room for.
CaptionPlace PlaceCaption(const Rect& bar, int textWidth, int textHeight, const TitleText& title);

// ---- caption buttons ----------------------------------------------------

// What the window is, as the visibility codes ask it.
struct WindowFacts {
  bool maximized = false;
  bool active = true;
  bool systemMenu = false;
  bool minimizeBox = false;
  bool maximizeBox = false;
  int borderKind = 0;           // 0 thick or edged frame, 2 popup without caption, 3 other
  bool mdiChildMaximized = false;  // an MDI frame whose active child is maximised
  int menuHeight = 0;
};

// Visibility of a caption button with these codes and this action.
bool ButtonVisible(int visibility, int visibility1, int action, const WindowFacts& facts);

struct ButtonPlaceInput {
  int align = 0;
  int xcoord = 0;
  int ycoord = 0;
  int width = 0;   // one frame of the image
  int height = 0;
};
struct FrameFacts {
  int windowWidth = 0;
  Rect textRect;         // the caption's place at this paint
  Bands bands;
  int menuBarLeftWidth = 0;  // the MenuBar object's LeftWidth (0 without one)
};
Rect PlaceButton(const ButtonPlaceInput& button, const FrameFacts& frame);

// Icon buttons (the window icon that opens the system menu).
inline bool IsIconAction(int action) { return action == 3 || action == 11; }

enum class ButtonCommand { kClose, kMaximize, kMinimize, kSystemMenu, kMdiMinimize, kMdiRestore, kMdiClose, kPost };
ButtonCommand CommandFor(int action);

// Frame of a caption button image to draw, clamped to the frames it has.
int ButtonFrame(int wanted, int frameCount);

// ---- sizes --------------------------------------------------------------

// The window size that keeps `client` under the skinned frame.
Size SkinnedWindowSize(Size client, const Bands& bands, bool withMenu);
// The window size that keeps the client area of a skinned window of size
// `window` under the native frame, `nativeFrame` being how much wider and
// higher than its client the window was natively.
Size NativeWindowSize(Size window, Size nativeFrame, const Bands& bands);
// The client rectangle of a skinned window at (x, y) of size cx x cy.
Rect SkinnedClientRect(int x, int y, int cx, int cy, const Bands& bands);

// Which band of the frame needs a keyed region piece (the other bands are
// plain rectangles); a side needs some thickness for a shape to matter.
struct RegionPlan {
  bool leftKeyed = false, rightKeyed = false, topKeyed = false, bottomKeyed = false;
  bool AnyKeyed() const { return leftKeyed || rightKeyed || topKeyed || bottomKeyed; }
};
struct BorderTrans {
  bool left = false, right = false, top = false, bottom = false;
};
RegionPlan PlanRegion(const BorderTrans& trans, Size window, const Bands& bands);

// One frame of an image of `total` pixels cut into `frameCount` frames;
// a count below 1 counts as 1.
int FrameExtent(int total, int frameCount);

}  // namespace vex::skin::frame
