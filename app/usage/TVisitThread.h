#pragma once
// The worker that sends the usage report.  It owns its own copy of the
// address and shares nothing else with the program; nobody waits for it,
// stops it or looks at how it ended.
#include <string>

namespace vex::app {

class TVisitThread {
 public:
  // Copies `url` and starts the worker at once.  Create it with new and
  // forget the pointer: the object frees itself when the worker ends.
  explicit TVisitThread(const std::string& url);
  TVisitThread(const TVisitThread&) = delete;
  TVisitThread& operator=(const TVisitThread&) = delete;

  // The worker's body, on the calling thread: one GET of `url` with a
  // default client, the answer dropped; nothing for an empty address.
  // Throws what the client throws.
  static void Report(const std::string& url);

 private:
  ~TVisitThread() = default;
  void Run() noexcept;

  std::string FURL;
  // The error that ended the worker, kept with the object as a thread keeps
  // its fatal exception; nothing reads it.
  std::string FFatalMessage;
};

}  // namespace vex::app
