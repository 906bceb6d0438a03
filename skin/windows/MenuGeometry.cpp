#include "skin/windows/MenuGeometry.h"
#include "skin/data/DrawBounds.h"

#include <algorithm>
#include <cstdlib>

namespace vex::skin::menu {

bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

std::string CutMenuText(std::string_view text, std::size_t limit, LeadByteTest isLead) {
  std::size_t end = 0;
  while (end < text.size() && end < limit) {
    const std::size_t step = isLead && isLead(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + step > limit || end + step > text.size()) break;
    end += step;
  }
  return std::string(text.substr(0, end));
}

unsigned char AccelChar(std::string_view caption, LeadByteTest isLead) {
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (c == '&') {
      if (i + 1 >= caption.size()) return 0;
      if (caption[i + 1] != '&') return static_cast<unsigned char>(caption[i + 1]);
      ++i;  // "&&": a literal ampersand
    } else if (isLead && isLead(c)) {
      ++i;  // a trail byte may look like "&"
    }
  }
  return 0;
}

bool SameAccel(unsigned char a, unsigned char b) {
  auto fold = [](unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c; };
  return a != 0 && fold(a) == fold(b);
}

CaptionParts SplitAtTab(std::string_view text) {
  const std::size_t tab = text.find('\t');
  if (tab == std::string_view::npos) return {std::string(text), {}};
  return {std::string(text.substr(0, tab)), std::string(text.substr(tab + 1))};
}

int FindAccelButton(const std::vector<BarButton>& buttons, unsigned char ch, LeadByteTest isLead) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i].enabled && SameAccel(AccelChar(buttons[i].caption, isLead), ch)) return static_cast<int>(i);
  }
  return -1;
}

int FirstButtonX(bool hasMenuBarObject, int leftWidth, int bandWidth) {
  if (!hasMenuBarObject) return 6;
  // The margin is the skin's and may be anything; a sum past the band
  // falls back like any other margin wider than the band.
  const std::int64_t x = std::int64_t{leftWidth} + 4;
  return bandWidth < x ? 12 : bounds::Coord(x);
}

std::vector<Rect> LayoutButtons(const Rect& band, int firstX, const std::vector<int>& captionWidths) {
  std::vector<Rect> rects;
  rects.reserve(captionWidths.size());
  int x = firstX;
  for (int textWidth : captionWidths) {
    const int w = textWidth + 10;
    rects.push_back(Rect{band.left + x, band.top, band.left + x + w, band.bottom - 1});
    x += w;
  }
  return rects;
}

int ButtonAt(const std::vector<Rect>& rects, const std::vector<BarButton>& buttons, int x, int y) {
  const std::size_t n = std::min(rects.size(), buttons.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (!buttons[i].caption.empty() && rects[i].Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

Rect CentreIn(const Rect& target, int w, int h) {
  Rect r{target.left, target.top, target.left + w, target.top + h};
  r.Offset((target.Width() - w) / 2, (target.Height() - h) / 2);
  return r;
}

ItemSize MeasureComponentItem(ItemSize proposed, bool separator, bool win9x) {
  ItemSize s{proposed.width + 28, proposed.height};
  if (win9x && !separator) s.height += 4;
  return s;
}

ItemSize MeasureDropDownItem(int textWidth, int proposedHeight, bool separator, bool win9x, int dpi) {
  auto px = [dpi](int value) { return scaling::AtDpi(value, dpi); };
  ItemSize s{textWidth + px(26), separator ? px(8) : proposedHeight + px(4)};
  if (win9x) s.height += px(4);
  return s;
}

int ItemFrame(bool selected) { return selected ? kSelectedItemFrame : kNormalItemFrame; }

ItemLayout LayOutItem(int width, int height, bool separator, int dpi) {
  auto px = [dpi](int value) { return scaling::AtDpi(value, dpi); };
  ItemLayout l;
  l.glyphBox = separator ? Rect{0, 0, 0, 0} : Rect{px(1), px(1), px(17), px(17)};
  l.textRect = Rect{l.glyphBox.right + px(3), 0, width - 1, height};
  return l;
}

Rect PlaceCaptionText(const Rect& textRect, int w, int h, bool rightToLeft) {
  Rect r = rightToLeft ? Rect{textRect.right - w, textRect.top, textRect.right, textRect.top + h}
                       : Rect{textRect.left, textRect.top, textRect.left + w, textRect.top + h};
  r.Offset(0, (textRect.Height() - h) / 2);
  return r;
}

std::vector<Span> SubmenuArrow(int width, int height, int dpi) {
  const int half = std::max(1, scaling::AtDpi(4, dpi));  // rows from the base to the point
  const int point = width - scaling::AtDpi(6, dpi);
  const int top = (height - (2 * half - 1)) / 2;
  std::vector<Span> rows;
  for (int i = 0; i < 2 * half - 1; ++i) {
    const int reach = half - std::abs(half - 1 - i);
    rows.push_back({top + i, point - half, point - half + reach});
  }
  return rows;
}

Rect ShortcutRect(const Rect& caption, const Rect& textRect, int width, bool rightToLeft, int dpi) {
  if (rightToLeft) return Rect{textRect.left, caption.top, caption.left, caption.bottom};
  return Rect{caption.right, caption.top, width - scaling::AtDpi(11, dpi), caption.bottom};
}

Point CheckMarkAt(const Rect& box, int w, int h, int dpi) {
  const int nudge = scaling::AtDpi(1, dpi);
  return Point{box.left + (box.Width() - w) / 2 + nudge, box.top + (box.Height() - h) / 2 + nudge};
}

Rect SeparatorLine(const Rect& textRect, int dpi) {
  auto px = [dpi](int value) { return scaling::AtDpi(value, dpi); };
  return Rect{textRect.left, textRect.top + px(4), textRect.right, textRect.top + px(6)};
}

RowSpan SeparatorRows(int imageHeight, int itemHeight) {
  if (itemHeight < imageHeight) return RowSpan{imageHeight - itemHeight, itemHeight};
  return RowSpan{0, imageHeight};
}

std::vector<ColumnPiece> SeparatorColumns(int frameWidth, int leftWidth, int rightWidth, int width) {
  std::vector<ColumnPiece> pieces;
  // The margins are the skin's: kept within drawable extents, and the
  // differences worked out in 64 bits.
  leftWidth = bounds::Extent(leftWidth);
  rightWidth = bounds::Extent(rightWidth);
  frameWidth = bounds::Extent(frameWidth);
  width = bounds::Extent(width);
  const int middleSource = frameWidth - leftWidth - rightWidth;
  const int middleDest = width - leftWidth - rightWidth;
  if (leftWidth > 0) pieces.push_back({0, leftWidth, 0, leftWidth});
  if (middleSource > 0 && middleDest > 0) pieces.push_back({leftWidth, middleSource, leftWidth, middleDest});
  if (rightWidth > 0) pieces.push_back({frameWidth - rightWidth, rightWidth, width - rightWidth, rightWidth});
  return pieces;
}

TextColour ItemTextColour(bool enabled, bool selected, std::uint32_t buttonShadow, std::uint32_t menuText) {
  if (enabled) return selected ? TextColour::kHilightText : TextColour::kMenuText;
  return buttonShadow == menuText ? TextColour::kSystemShadow : TextColour::kButtonShadow;
}

bool SkinsPopupComponent(bool skinsPopupMenus, std::int32_t componentTag, std::int32_t disableTag) {
  return skinsPopupMenus && componentTag % 100 != disableTag;
}

ItemHandlers HandlersFor(bool on, std::int32_t itemTag, bool ownDraw) {
  if (!on) return ItemHandlers::kDropSkin;
  if (itemTag == kNativeItemTag) return ItemHandlers::kDropDraw;
  return ownDraw ? ItemHandlers::kKeep : ItemHandlers::kGiveSkin;
}

}  // namespace vex::skin::menu
