#pragma once
// The one error type of the HTTP client.  Callers that only care whether a
// request worked catch it as std::runtime_error; tests look at the kind.
#include <stdexcept>
#include <string>

namespace vex::http {

enum class THttpErrorKind {
  BadUrl,      // not an http URL we can send (no host, bad port, unsafe bytes)
  Connect,     // name lookup, refused or unreachable, connect time-out
  Timeout,     // the peer stopped sending (or accepting) within the time-out
  Connection,  // reset or closed in the middle of a message
  Protocol,    // a response we cannot read: garbage, bad framing, limits
  TooLarge,    // a body (or a chunk) beyond the client's limit
  Redirect,    // 3xx other than 304, or any response with "Location"
  Status,      // any other status outside 200..299
};

class EHttpError : public std::runtime_error {
 public:
  EHttpError(THttpErrorKind kind, const std::string& message, int statusCode = 0)
      : std::runtime_error(message), FKind(kind), FStatusCode(statusCode) {}

  THttpErrorKind Kind() const noexcept { return FKind; }
  // The response's status for Redirect and Status errors, otherwise 0.
  int StatusCode() const noexcept { return FStatusCode; }

 private:
  THttpErrorKind FKind;
  int FStatusCode;
};

}  // namespace vex::http
