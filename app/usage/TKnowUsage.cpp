#include "app/usage/TKnowUsage.h"

#include "app/usage/TVisitThread.h"

namespace vex::app {

void TKnowUsage::Visit() { new TVisitThread(URL); }

}  // namespace vex::app
