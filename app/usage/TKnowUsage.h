#pragma once
// The usage report: a non-visual component on the main window.  Visit sends
// one GET of URL from a worker thread and returns at once; nothing the user
// sees depends on the answer.
#include <string>

#include "widgets/TComponent.h"

namespace vex::app {

class TKnowUsage : public vcl::TComponent {
 public:
  // Usually owned by the main window; a form may also hold it as a member.
  explicit TKnowUsage(vcl::TComponent* AOwner = nullptr);

  // The report address; empty sends nothing.
  std::string URL;

  // Starts a TVisitThread with a copy of URL and returns at once; never
  // waits for it, and says nothing when even the thread cannot start.
  void Visit();
};

}  // namespace vex::app
