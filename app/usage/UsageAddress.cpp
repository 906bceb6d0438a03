#include "app/usage/UsageAddress.h"

namespace vex::app {

std::string ChooseUsageUrl(const std::optional<std::string>& usageUrl, const std::optional<std::string>& doNotTrack) {
  if (doNotTrack && !doNotTrack->empty() && *doNotTrack != "0") return {};
  return usageUrl ? *usageUrl : kDefaultUsageUrl;
}

}  // namespace vex::app
