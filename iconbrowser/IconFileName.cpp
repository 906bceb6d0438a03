#include "iconbrowser/IconFileName.h"

namespace vex::iconbrowser {

std::string MakeIconFileName(const LocalDateTime& t) {
  std::string s;
  for (int part : {t.year, t.month, t.day, t.hour, t.minute, t.second}) {
    if (!s.empty()) s += '_';
    s += std::to_string(part);
  }
  return s + ".ico";
}

std::string FreeIconPath(const std::string& folder, const std::string& name,
                         const std::function<bool(const std::string& path)>& exists) {
  std::string path = folder + name;
  if (!exists(path)) return path;
  const std::size_t dot = name.rfind('.');
  const std::string stem = name.substr(0, dot);
  const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
  // The counter cannot run away: a folder holds far fewer than 2^31 files.
  for (int n = 2;; ++n) {
    path = folder + stem + "_" + std::to_string(n) + ext;
    if (!exists(path)) return path;
  }
}

}  // namespace vex::iconbrowser
