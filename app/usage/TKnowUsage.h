#pragma once
// The usage report: a non-visual component on the main window.  Visit sends
// one GET of URL from a worker thread and returns at once; nothing the user
// sees depends on the answer.
#include <string>

namespace vex::app {

class TKnowUsage {
 public:
  // The report address; empty sends nothing.
  std::string URL;

  // Starts a TVisitThread with a copy of URL; never waits for it.
  void Visit();
};

}  // namespace vex::app
