#include "app/usage/TKnowUsage.h"

#include <exception>

#include "app/usage/TVisitThread.h"

namespace vex::app {

TKnowUsage::TKnowUsage(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {}

void TKnowUsage::Visit() {
  try {
    new TVisitThread(URL);
  } catch (const std::exception&) {
    // No thread, no report: like every failure of the report, not shown.
  }
}

}  // namespace vex::app
