#include "skin/data/SkinCheck.h"

namespace vex::skin {

std::vector<std::string> CheckSkin(const TSkinReader& reader) {
  std::vector<std::string> problems;
  std::vector<std::uint8_t> text;
  std::string name;
  if (!reader.ExtractFirstMatch(".ini", text, name)) problems.push_back("no description: no member name contains \".ini\"");
  return problems;
}

}  // namespace vex::skin
