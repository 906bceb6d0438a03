#pragma once
// The worker that sends the usage report.  It owns its own copy of the
// address and shares nothing else with the program; nobody waits for it,
// stops it or looks at how it ended.
#include <string>

#include "widgets/TThread.h"

namespace vex::app {

// Final: the constructor starts the thread, so no derived part may still be
// under construction when Execute runs.
class TVisitThread final : public vcl::TThread {
 public:
  // Copies `url` and starts the worker at once.  Create it with new and
  // forget the pointer: the thread frees the object when it ends.  Throws
  // when no thread can be started.
  explicit TVisitThread(const std::string& url);

  // The worker's body, on the calling thread: one GET of `url` with a
  // default client, the answer dropped; nothing for an empty address.
  // Throws what the client throws (the thread keeps it as its
  // FatalException, which nobody reads).
  static void Report(const std::string& url);

 protected:
  void Execute() override;

 private:
  std::string FURL;
};

}  // namespace vex::app
