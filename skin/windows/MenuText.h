#pragma once
// Texts of native menu items.  A menu text is read whole and then cut to
// the menu code's fixed length (kMenuTextLength), never leaving half a
// double-byte character behind; nothing is ever written past a buffer.
#include <windows.h>

#include <string>

namespace vex::skin {

// The lead-byte rule of the system's code page.
bool IsLeadByte(unsigned char c);
// The text of an item (by position or by command), cut to kMenuTextLength
// characters; empty for an item without text or one that does not exist.
std::string MenuItemText(HMENU menu, UINT item, bool byPosition);
// The system's menu font (made once, freed at program end); bold for
// default items.  At a `dpi` other than the system's (a window on a monitor
// of another scale) the same font at that DPI, also made once; 0 is the
// system's DPI.
HFONT MenuFont(bool bold = false, int dpi = 0);

}  // namespace vex::skin
