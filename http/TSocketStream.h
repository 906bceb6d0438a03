#pragma once
// A TCP connection through Winsock in non-blocking mode: every wait (connect,
// send, receive) goes through select() with a time-out, and no wait runs past
// the deadline of the whole exchange.
#include <winsock2.h>

#include <chrono>
#include <memory>
#include <string>

#include "http/THttpSettings.h"
#include "http/THttpStream.h"

namespace vex::http {

class TSocketStream final : public THttpStream {
 public:
  using Clock = std::chrono::steady_clock;

  // Resolves `host` and connects to the first of its addresses that answers
  // within the connect time-out.  Throws EHttpError(Connect).  Needs a live
  // TWinsock.
  static std::unique_ptr<TSocketStream> Connect(const std::string& host, unsigned short port,
                                                const THttpSettings& settings);
  ~TSocketStream() override;
  TSocketStream(const TSocketStream&) = delete;
  TSocketStream& operator=(const TSocketStream&) = delete;

  void Send(std::string_view bytes) override;
  std::size_t Receive(char* buffer, std::size_t size) override;
  void SetReadTimeout(std::chrono::milliseconds timeout) override { FReadTimeout = timeout; }

 private:
  TSocketStream(SOCKET socket, Clock::time_point deadline, std::chrono::milliseconds readTimeout);
  // Waits until the socket can be read (or written); false on time-out.
  bool Wait(bool forWrite, std::chrono::milliseconds timeout) const;

  SOCKET FSocket;
  Clock::time_point FDeadline;
  std::chrono::milliseconds FReadTimeout;
};

}  // namespace vex::http
