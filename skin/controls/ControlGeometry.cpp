#include "skin/controls/ControlGeometry.h"

#include <algorithm>
#include <cstdint>

#include "skin/data/SkinScaling.h"
#include "widgets/ButtonLayout.h"

namespace vex::skin::controls {

int PushButtonFrame(bool pressed, bool hot, bool focused, bool enabled) {
  if (!enabled) return 3;
  if (pressed) return 2;
  return hot || focused ? 4 : 1;
}

int ComboButtonFrame(bool pressed, bool hot, bool focused, bool enabled) {
  if (pressed) return 2;
  if (hot || focused) return 4;
  return enabled ? 1 : 3;
}

int BitButtonFrame(bool focused, bool pressed, bool hot, bool enabled) {
  int frame = focused ? 4 : 1;
  if (pressed)
    frame = 2;
  else if (hot)
    frame = 4;
  return enabled ? frame : 3;
}

int SpeedButtonFrame(bool pressed, bool hot, bool enabled, bool down) {
  if (down) return 2;
  if (!enabled) return 3;
  if (pressed) return 2;
  return hot ? 4 : 1;
}

int SpeedGlyphFrame(int stateFrame, int numGlyphs) {
  static constexpr int kGlyphOf[] = {1, 1, 3, 2, 1};
  const int glyph = stateFrame >= 1 && stateFrame <= 4 ? kGlyphOf[stateFrame] : 1;
  return numGlyphs < glyph ? 1 : glyph;
}

ButtonInk ButtonTextInk(int stateFrame, bool enabled) {
  if (!enabled) return ButtonInk::kShadow;
  switch (stateFrame) {
    case 1: return ButtonInk::kNormalColour;
    case 2: return ButtonInk::kPressedColour;
    case 4: return ButtonInk::kMouseOverColour;
    default: return ButtonInk::kButtonText;
  }
}

int CheckBoxFrame(unsigned buttonState, bool disabled) {
  if (disabled) return 3;
  if (buttonState & 1) return 2;
  return buttonState & 2 ? 4 : 1;
}

int RadioButtonFrame(bool checked, bool disabled) { return (checked ? 2 : 1) + (disabled ? 2 : 0); }

Rect PlaceCaption(const Rect& r, int textWidth, int textHeight, unsigned format) {
  Rect place{r.left, r.top, r.left + textWidth, r.top + textHeight};
  const int down = (r.Height() - textHeight) / 2 - 1;
  // DT_CENTER centres; DT_RIGHT (a status panel's) ends at the right edge.
  const unsigned align = format & 0xFFFF;
  const int right = align == 1 ? (r.Width() - textWidth) / 2 : align == 2 ? r.Width() - textWidth : 0;
  place.Offset(right, down);
  return place;
}

Rect BoxGlyphRect(const Rect& r, int glyphWidth, int glyphHeight, bool leftText) {
  constexpr int kBand = 14;
  const int top = r.top + (r.Height() - glyphHeight) / 2;
  int left;
  if (leftText) {
    const int right = glyphWidth <= kBand ? r.right - (kBand - glyphWidth) / 2 : r.right - 1;
    left = right - glyphWidth;
  } else {
    left = glyphWidth <= kBand ? r.left + (kBand - glyphWidth) / 2 : r.left;
  }
  return {left, top, left + glyphWidth, top + glyphHeight};
}

GlyphAndCaption PlaceGlyphAndCaption(Size client, Size glyph, Size caption, int layout, int margin, int spacing,
                                     bool speedButton) {
  const auto kind = static_cast<vcl::TButtonLayout>(std::clamp(layout, 0, 3));
  const bool horizontal = kind == vcl::blGlyphLeft || kind == vcl::blGlyphRight;
  if (speedButton && margin == -1 && spacing != -1) {
    // The only place where the two kinds differ: the speed button's margin
    // is one pixel more.  Work it out here and hand it over as given.
    const int s = glyph.width == 0 || caption.width == 0 ? 0 : spacing;
    const int total = horizontal ? client.width : client.height;
    const int used = horizontal ? glyph.width + s + caption.width : glyph.height + s + caption.height;
    margin = (total - used) / 2 + 1;
  }
  const auto parts = vcl::layout::PlaceGlyphAndText({0, 0, client.width, client.height}, {glyph.width, glyph.height},
                                                    {caption.width, caption.height}, kind, margin, spacing);
  return {{parts.glyph.left, parts.glyph.top, parts.glyph.right, parts.glyph.bottom},
          {parts.text.left, parts.text.top, parts.text.right, parts.text.bottom}};
}

int ProgressBarWidth(int position, int width, int max) {
  if (max <= 0 || width <= 0 || position <= 0) return 0;
  const long long bar = static_cast<long long>(position) * width / max;
  return static_cast<int>(std::min<long long>(bar, width));
}

UpDownHalves SplitUpDown(const Rect& c, bool horizontal, int cursorX, int cursorY) {
  UpDownHalves h;
  if (horizontal) {
    const int half = c.Width() / 2;
    h.first = {c.left, c.top, c.left + half, c.bottom};
    h.second = {c.left + half, c.top, c.right, c.bottom};
    h.firstKind = 2;
    h.secondKind = 3;
    h.cursorOverFirst = cursorX < half;
  } else {
    const int half = c.Height() / 2;
    h.first = {c.left, c.top, c.right, c.top + half};
    h.second = {c.left, c.top + half, c.right, c.bottom};
    h.firstKind = 0;
    h.secondKind = 1;
    h.cursorOverFirst = cursorY < half;
  }
  return h;
}

int UpDownHalfState(bool underCursor, bool pressed, bool hot, bool enabled) {
  if (!enabled) return 3;
  if (!underCursor) return 1;
  if (pressed) return 2;
  return hot ? 4 : 1;
}

Point ArrowAnchor(const Rect& b, int kind, int dpi) {
  const int x = b.left + b.Width() / 2;
  const int y = b.top + b.Height() / 2 - (kind == 0 || kind == 1 ? scaling::AtDpi(2, dpi) : 0);
  return {x, y};
}

std::vector<Point> ArrowPixels(int x, int y, int kind, int dpi) {
  std::vector<Point> pixels;
  auto row = [&](int left, int right, int at) {
    for (int i = left; i <= right; ++i) pixels.push_back({i, at});
  };
  auto column = [&](int at, int top, int bottom) {
    for (int j = top; j <= bottom; ++j) pixels.push_back({at, j});
  };
  switch (kind) {
    case 0:
    case 1: {
      const int rows = std::max(1, scaling::AtDpi(4, dpi));
      for (int i = 0; i < rows; ++i) {
        const int half = kind == 0 ? i : rows - 1 - i;
        row(x - half, x + half, y + i);
      }
      break;
    }
    case 2:
    case 3: {
      // Column by column from the point, then sorted into rows.
      const int step = kind == 2 ? 1 : -1;
      const int columns = std::max(1, scaling::AtDpi(3, dpi));
      for (int j = 0; j < columns; ++j) column(x + (j - 1) * step, y - j, y + j);
      std::sort(pixels.begin(), pixels.end(),
                [](const Point& a, const Point& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
      break;
    }
    default: break;
  }
  return pixels;
}

bool FrameFits(int imageWidth, int imageHeight, int frameCount, int frame, int leftWidth, int topHeight,
               int rightWidth, int bottomHeight) {
  if (frameCount < 1 || frame < 1 || frame > frameCount || imageHeight <= 0) return false;
  const int frameWidth = imageWidth / frameCount;
  if (frameWidth <= 0) return false;
  // The margins are the skin's, up to 2^31 - 1 each: summed in 64 bits.
  const std::int64_t l = std::max(leftWidth, 0), t = std::max(topHeight, 0);
  const std::int64_t r = std::max(rightWidth, 0), b = std::max(bottomHeight, 0);
  return l + r <= frameWidth && t + b <= imageHeight;
}

}  // namespace vex::skin::controls
