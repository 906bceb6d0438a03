#pragma once
// Names of the composite icons saved in MyIcons.  Win32-free.
#include <functional>
#include <string>

namespace vex::iconbrowser {

struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// year_month_day_hour_minute_second.ico, decimal without leading zeros,
// e.g. 2005_7_3_9_5_42.ico.
std::string MakeIconFileName(const LocalDateTime& t);

// `folder` (with its trailing backslash) + `name`, or, when that file exists
// already, the first of name_2.ico, name_3.ico, ... that does not: a folder
// may already use the earlier file of the same second as its icon.
std::string FreeIconPath(const std::string& folder, const std::string& name,
                         const std::function<bool(const std::string& path)>& exists);

}  // namespace vex::iconbrowser
