#pragma once
// Icon handles to pixels and back, the composite folder icon, and the bits
// an icon is saved with.
#include <windows.h>

#include <optional>

#include "iconbrowser/IcoFile.h"
#include "iconbrowser/IconPixels.h"
#include "iconbrowser/RgbaImage.h"

namespace vex::iconbrowser {

// The icon's colours and transparency at its own size.  A pixel is
// transparent where the mask says so, and also where an icon with an alpha
// channel is less than half opaque (some such icons leave their mask empty).
std::optional<IconPixels> ReadIconPixels(HICON icon);

// A new icon (owned by the caller) with a colour bitmap at the display's
// depth and a 1-bit mask; transparent pixels get black colour so the
// AND/XOR drawing leaves what is below untouched.  Null for an empty picture.
HICON CreateIconFromPixels(const IconPixels& pixels);

// A new icon (owned by the caller) with a 32-bit colour bitmap carrying the
// image's alpha, which DrawIconEx blends, and a mask where alpha is below one
// half for drawing without alpha.  Null for an empty image.
HICON CreateAlphaIcon(const RgbaImage& image);

// `icon` (already size x size) laid over the 32 x 32 `folder` picture; a new
// icon owned by the caller, or null when either icon is missing or unreadable.
// `folder` is not changed.
HICON ComposeFolderIcon(HICON icon, HICON folder, int size);

// The icon's colour image at its colour bitmap's own depth and its mask, as
// an .ico file stores them.  Nothing for a null or unreadable icon.
std::optional<IconImageBits> ReadIconImageBits(HICON icon);

}  // namespace vex::iconbrowser
