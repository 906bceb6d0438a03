// The checks `vexskin check` runs on a loaded package: what a skin author
// wants to know before Vexilo quietly draws a broken skin.
#pragma once

#include <string>
#include <vector>

#include "skin/data/TSkinReader.h"

namespace vex::skin {

// One line per problem; empty when the skin is sound.
std::vector<std::string> CheckSkin(const TSkinReader& reader);

}  // namespace vex::skin
