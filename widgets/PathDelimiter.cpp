#include "widgets/PathDelimiter.h"

namespace vcl {

std::size_t LastPathDelimiter(std::string_view path) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (IsLeadByte(c) && i + 1 < path.size() && IsTrailByte(static_cast<unsigned char>(path[i + 1]))) {
      ++i;  // a two-byte character, whatever its second byte
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') found = i;
  }
  return found;
}

}  // namespace vcl
