#include "skin/windows/MenuText.h"

#include <array>
#include <cstddef>
#include <map>
#include <vector>

#include "skin/windows/MenuGeometry.h"
#include "widgets/Handles.h"
#include "widgets/WindowDpi.h"

namespace vex::skin {

bool IsLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

std::string MenuItemText(HMENU menu, UINT item, bool byPosition) {
  if (!menu) return {};
  MENUITEMINFOA mi{};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STRING;
  if (!GetMenuItemInfoA(menu, item, byPosition, &mi) || mi.cch == 0) return {};
  std::vector<char> text(mi.cch + 1, '\0');
  mi.dwTypeData = text.data();
  mi.cch = static_cast<UINT>(text.size());
  if (!GetMenuItemInfoA(menu, item, byPosition, &mi)) return {};
  text.back() = '\0';
  return menu::CutMenuText(text.data(), menu::kMenuTextLength, &IsLeadByte);
}

HFONT MenuFont(bool bold, int dpi) {
  static const int systemDpi = vcl::SystemDpi();
  if (dpi <= 0) dpi = systemDpi;
  // DPI -> normal and bold font; a handful of monitors at most.
  static std::map<int, std::array<vcl::FontHandle, 2>> fonts;
  auto [made, isNew] = fonts.try_emplace(dpi);
  if (isNew) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    LOGFONTA font{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
      font = metrics.lfMenuFont;
    else
      GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    // The system's font is at the system's DPI.
    if (dpi != systemDpi) font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
    font.lfWeight = FW_NORMAL;
    made->second[0].reset(CreateFontIndirectA(&font));
    font.lfWeight = FW_BOLD;
    made->second[1].reset(CreateFontIndirectA(&font));
  }
  HFONT font = made->second[bold ? 1 : 0].get();
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace vex::skin
