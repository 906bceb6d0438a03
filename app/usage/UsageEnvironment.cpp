#include <windows.h>

#include "app/usage/UsageAddress.h"

namespace vex::app {
namespace {

// GetEnvironmentVariableA returns 0 both for an empty value and for a missing
// variable; only the last error tells "VEXILO_USAGE_URL=" from no variable.
std::optional<std::string> Variable(const char* name) {
  SetLastError(ERROR_SUCCESS);
  DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) {
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return std::string();
  }
  std::string value(size, '\0');
  size = GetEnvironmentVariableA(name, value.data(), size);
  value.resize(size);
  return value;
}

}  // namespace

std::string UsageUrlFromEnvironment() { return ChooseUsageUrl(Variable("VEXILO_USAGE_URL"), Variable("DO_NOT_TRACK")); }

}  // namespace vex::app
