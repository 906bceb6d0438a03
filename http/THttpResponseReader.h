#pragma once
// Reads one HTTP/1.x response from a stream: the status line and headers
// (skipping interim 1xx responses) and the body framed by Content-Length,
// chunks or the end of the connection.  Win32-free.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "http/THttpSettings.h"
#include "http/THttpStream.h"

namespace vex::http {

struct THttpHead {
  int StatusCode = 0;
  std::string Reason;
  std::vector<std::pair<std::string, std::string>> Headers;  // in arrival order, values trimmed

  // The first header of that name (compared without regard to case), or null.
  const std::string* Find(std::string_view name) const;
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
};

class THttpResponseReader {
 public:
  THttpResponseReader(THttpStream& stream, const THttpSettings& settings);

  // The final response's head.  Throws EHttpError(Protocol) for anything
  // that is not an HTTP/1.x response within the limits.
  THttpHead ReadHead();
  // The whole body of the response `head` belongs to, at most `limit` bytes
  // (EHttpError(TooLarge) beyond).
  std::string ReadBody(const THttpHead& head, std::size_t limit);

 private:
  std::string ReadLine(std::size_t& headBudget);
  bool Fill();  // false at the end of the connection
  std::string ReadExact(std::size_t count, const char* what);
  std::string ReadChunked(std::size_t limit);
  std::string ReadToEnd(std::size_t limit);
  void ReadHeaders(THttpHead& head, std::size_t& headBudget);

  THttpStream& FStream;
  const THttpSettings& FSettings;
  std::string FBuffer;   // received, not yet consumed
  std::size_t FPos = 0;  // start of the unconsumed part of FBuffer
};

}  // namespace vex::http
