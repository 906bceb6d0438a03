#include "skin/controls/PendingSkinners.h"

namespace vex::skin {

TSkinControl* NewTabSkinner(TSkinForm&) { return nullptr; }
TSkinControl* NewStatusBarSkinner(TSkinForm&) { return nullptr; }
TSkinControl* NewScrollBarSkinner(TSkinForm&, bool) { return nullptr; }
TSkinControl* NewListViewSkinner(TSkinForm&) { return nullptr; }
TSkinControl* NewScrollControlSkinner(TSkinForm&) { return nullptr; }

}  // namespace vex::skin
