#include "iconbrowser/IconPixels.h"

#include "iconbrowser/CompositeGeometry.h"

namespace vex::iconbrowser {

IconPixels ComposePixels(const IconPixels& folder, const IconPixels& icon, int size) {
  if (folder.Empty() || icon.Empty()) return {};
  IconPixels out = folder;
  const int o = CompositeOffset(size);
  for (int y = 0; y < icon.height && o + y < out.height; ++y) {
    for (int x = 0; x < icon.width && o + x < out.width; ++x) {
      const std::size_t from = icon.Index(x, y);
      if (icon.transparent[from]) continue;
      const std::size_t to = out.Index(o + x, o + y);
      out.colour[to] = icon.colour[from];
      out.transparent[to] = 0;
    }
  }
  return out;
}

}  // namespace vex::iconbrowser
