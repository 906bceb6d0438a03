// Which address the report goes to, from the environment's two switches.
#include <gtest/gtest.h>

#include "app/usage/UsageAddress.h"

using vex::app::ChooseUsageUrl;
using vex::app::kDefaultUsageUrl;
using std::nullopt;

TEST(UsageAddress, DefaultOverrideAndSwitchingOff) {
  EXPECT_EQ(ChooseUsageUrl(nullopt, nullopt), kDefaultUsageUrl);
  EXPECT_EQ(std::string(kDefaultUsageUrl).substr(std::string(kDefaultUsageUrl).size() - 13), "/VEXUsage.php");
  EXPECT_EQ(ChooseUsageUrl("http://127.0.0.1:8000/VEXUsage.php", nullopt), "http://127.0.0.1:8000/VEXUsage.php");
  EXPECT_EQ(ChooseUsageUrl("", nullopt), "");  // set to nothing: no report
  for (const char* off : {"1", "true", "yes"}) {
    EXPECT_EQ(ChooseUsageUrl(nullopt, off), "") << off;
    EXPECT_EQ(ChooseUsageUrl("http://127.0.0.1:8000/VEXUsage.php", off), "") << off;
  }
  for (const char* on : {"", "0"}) EXPECT_EQ(ChooseUsageUrl(nullopt, on), kDefaultUsageUrl) << on;
}
