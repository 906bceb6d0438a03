#pragma once
// Which address the usage report goes to on this run.  Win32-free.
#include <optional>
#include <string>

namespace vex::app {

inline constexpr char kDefaultUsageUrl[] = "http://usage.vexilo.example/VEXUsage.php";

// `usageUrl` and `doNotTrack` are the values of VEXILO_USAGE_URL and
// DO_NOT_TRACK, empty when the variable is not set at all.  DO_NOT_TRACK set to
// anything but "" or "0" turns the report off; otherwise VEXILO_USAGE_URL,
// when set, replaces the default, and set to nothing turns the report off.
// An empty result means: send nothing.
std::string ChooseUsageUrl(const std::optional<std::string>& usageUrl, const std::optional<std::string>& doNotTrack);

// The same, read from this process's environment.
std::string UsageUrlFromEnvironment();

}  // namespace vex::app
