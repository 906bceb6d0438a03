#include "widgets/TStatusBar.h"

#include <commctrl.h>

namespace vcl {

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetStoredBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

void TStatusBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClassName = STATUSCLASSNAMEA;
  p.Style &= ~static_cast<DWORD>(WS_CLIPCHILDREN);
  // Our alignment places it; the control must not move itself.
  p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (FSizeGrip) p.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWndDone() {
  if (FWidths.empty()) {
    SendMessageA(Handle(), SB_SIMPLE, TRUE, 0);
    SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
    return;
  }
  SendMessageA(Handle(), SB_SIMPLE, FALSE, 0);
  std::vector<int> edges;
  int x = 0;
  for (std::size_t i = 0; i < FWidths.size(); ++i) {
    x += FWidths[i];
    edges.push_back(i + 1 == FWidths.size() ? -1 : x);
  }
  SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < FTexts.size(); ++i) PushPanelText(static_cast<int>(i));
}

void TStatusBar::PushPanelText(int index) {
  if (!HandleAllocated()) return;
  static constexpr WPARAM kBevelFlags[] = {0, SBT_NOBORDERS, SBT_POPOUT};
  static constexpr const char* kAlignTabs[] = {"", "\t\t", "\t"};
  const std::string text = kAlignTabs[FAlignments[index]] + FTexts[index];
  SendMessageA(Handle(), SB_SETTEXTA, index | kBevelFlags[FBevels[index]], reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::SetSimpleText(const std::string& text) {
  FSimpleText = text;
  if (HandleAllocated() && FWidths.empty()) {
    SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TStatusBar::SetPanels(const std::vector<int>& widths) {
  FWidths = widths;
  FTexts.resize(widths.size());
  FBevels.resize(widths.size(), pbLowered);
  FAlignments.resize(widths.size(), taLeftJustify);
  if (HandleAllocated()) CreateWndDone();
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
  if (index < 0 || index >= static_cast<int>(FTexts.size())) return;
  FTexts[index] = text;
  PushPanelText(index);
}

void TStatusBar::SetPanelBevel(int index, TStatusPanelBevel bevel) {
  if (index < 0 || index >= static_cast<int>(FTexts.size())) return;
  FBevels[index] = bevel;
  PushPanelText(index);
}

void TStatusBar::SetPanelAlignment(int index, TAlignment alignment) {
  if (index < 0 || index >= static_cast<int>(FTexts.size())) return;
  FAlignments[index] = alignment;
  PushPanelText(index);
}

std::string TStatusBar::PanelText(int index) const {
  return index >= 0 && index < static_cast<int>(FTexts.size()) ? FTexts[index] : std::string();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == FSizeGrip) return;
  FSizeGrip = value;
  RecreateWnd();
}

}  // namespace vcl
