#pragma once
// The byte pipe the client talks through: a socket in the program, a scripted
// fake in the native tests.  Win32-free.
#include <chrono>
#include <cstddef>
#include <string_view>

namespace vex::http {

class THttpStream {
 public:
  virtual ~THttpStream() = default;
  // Sends every byte; one call is one write on the wire where the transport
  // allows.  Throws EHttpError.
  virtual void Send(std::string_view bytes) = 0;
  // Reads what has arrived, up to `size` bytes, waiting at most the read
  // time-out; returns 0 when the peer closed the connection.  Throws EHttpError.
  virtual std::size_t Receive(char* buffer, std::size_t size) = 0;
  virtual void SetReadTimeout(std::chrono::milliseconds timeout) = 0;
};

}  // namespace vex::http
