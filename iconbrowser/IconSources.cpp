#include "iconbrowser/IconSources.h"

namespace vex::iconbrowser {

bool IsIcoFile(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  return dot != std::string_view::npos && path.substr(dot) == ".ico";
}

void FindIconSources(const std::string& folder, std::vector<std::string>& list, const ListDirectory& listDir) {
  for (const char* pattern : {"\\*.exe", "\\*.dll"}) {
    listDir(folder + pattern, [&](const std::string& name) {
      if (name == "." || name == ".." || name.find('.') == std::string::npos) return;
      list.push_back(folder + "\\" + name);
    });
  }
}

}  // namespace vex::iconbrowser
