#pragma once
// What a client waits for and how much it reads.  The defaults bound every
// wait and every buffer: a report nobody looks at must never hang a thread
// for ever or fill memory because a server misbehaves.
#include <chrono>
#include <cstddef>

namespace vex::http {

struct THttpSettings {
  std::chrono::milliseconds ConnectTimeout{10000};
  std::chrono::milliseconds ReadTimeout{30000};
  // Reading the body of an error response: a short wait, the body is only
  // drained so the status can be reported.
  std::chrono::milliseconds ErrorBodyTimeout{2000};
  // The whole exchange, connect to last byte: stops a server that trickles
  // an endless answer one byte at a time.
  std::chrono::milliseconds TotalTimeout{60000};
  std::size_t MaxBodySize = 1 << 20;
  std::size_t MaxErrorBodySize = 64 << 10;
  std::size_t MaxLineLength = 8 << 10;
  std::size_t MaxHeadSize = 64 << 10;  // one response head, or the chunk trailers
  int MaxInterimResponses = 16;        // "100 Continue" and friends before the real one
};

}  // namespace vex::http
