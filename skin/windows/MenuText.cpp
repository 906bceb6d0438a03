#include "skin/windows/MenuText.h"

#include <cstddef>
#include <vector>

#include "skin/windows/MenuGeometry.h"
#include "widgets/Handles.h"

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

HFONT MenuFont(bool bold) {
  static vcl::FontHandle fonts[2];
  static bool made = false;
  if (!made) {
    made = true;
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    LOGFONTA font{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
      font = metrics.lfMenuFont;
    else
      GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfWeight = FW_NORMAL;
    fonts[0].reset(CreateFontIndirectA(&font));
    font.lfWeight = FW_BOLD;
    fonts[1].reset(CreateFontIndirectA(&font));
  }
  HFONT font = fonts[bold ? 1 : 0].get();
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace vex::skin
