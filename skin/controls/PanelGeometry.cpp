#include "skin/controls/PanelGeometry.h"

namespace vex::skin::controls {

namespace {
constexpr unsigned kDtLeft = 0, kDtCenter = 1, kDtRight = 2;
constexpr unsigned kSbtNoBorders = 0x100, kSbtPopOut = 0x200;
}  // namespace

int StatusPanelBevel(unsigned flags) {
  if (flags & kSbtNoBorders) return kPanelFlat;
  if (flags & kSbtPopOut) return kPanelRaised;
  return kPanelLowered;
}

PanelText SplitPanelText(const std::string& stored) {
  std::size_t tabs = 0;
  while (tabs < 2 && tabs < stored.size() && stored[tabs] == '\t') ++tabs;
  static constexpr unsigned kByTabs[] = {kDtLeft, kDtCenter, kDtRight};
  return {stored.substr(tabs), kByTabs[tabs]};
}

unsigned HeaderTextFormat(int itemFormat) {
  switch (itemFormat & 0xFF) {
    case 1: return kDtRight;
    case 2: return kDtCenter;
    default: return kDtLeft;
  }
}

Rect PlaceHeaderCaption(const Rect& p, int textWidth, int textHeight, unsigned format) {
  Rect c{p.left, p.top, p.left + textWidth, p.top + textHeight};
  int dx = 4;
  if (format == kDtCenter) dx = (p.Width() - textWidth) / 2;
  if (format == kDtRight) dx = p.Width() - textWidth - 4;
  c.Offset(dx, (p.Height() - textHeight) / 2);
  return c;
}

}  // namespace vex::skin::controls
